#pragma once

#include <QString>
#include <chrono>
#include <functional>
#include <memory>
#include <vector>

class QIODevice;

namespace selvio {

// How long an FTP session waits before it gives up on a silent server.
struct FtpTimeouts {
  // Connecting, greeting and logging in.
  std::chrono::seconds connect{20};
  // A reply to any command.
  std::chrono::seconds response{30};
  // A transfer that moves no byte for this long.
  std::chrono::seconds stall{30};
  // Everything the session does, from its first command to its last: a server that trickles
  // its bytes fast enough for the stall check still ends here.
  std::chrono::seconds whole{600};
};

// One passive-mode FTP log-in: "host" or "host:port" (port 21 when none is given), user and
// password, and the remote folder to work in (relative to the log-in folder, or absolute
// when it starts with "/"; empty for the log-in folder itself).
struct FtpAddress {
  QString server;
  QString login;
  QString password;
  QString folder;
};

enum class FtpStatus {
  Done,
  NoConnection,    // the server cannot be reached, or refuses the log-in
  FolderNotFound,  // the remote folder cannot be entered
  Refused,         // the server answered the file's SIZE or RETR with an error
  Broken,          // a transfer ended short or by an error reply, or the connection broke
  TimedOut,        // the server stopped answering
  OutOfTime,       // the session ran out of its whole time (FtpTimeouts::whole)
  TooLarge,        // the reply was larger than the limit it was given
  WriteFailed,     // the target device did not take the bytes
  Cancelled,       // the progress callback asked to stop
};

// One entry of a folder listing; `folder` is true for sub-folders and for anything else that
// is not a plain file.
struct FtpEntry {
  QString name;
  bool folder = false;
};

struct FtpListing {
  FtpStatus status = FtpStatus::Done;
  std::vector<FtpEntry> entries;
};

// Told the bytes received so far and the bytes announced (0 when unknown) while a command
// runs, and at least once a second when nothing moves; returning false cancels at once.
using FtpProgress = std::function<bool(qint64 received, qint64 announced)>;

// A connection to one FTP server and folder, opened on the first command and kept for the
// next ones.
class FtpSession {
 public:
  virtual ~FtpSession() = default;
  // Logs in, enters the folder and lists it (MLSD, or LIST where the server has no MLSD). A
  // reply longer than `limit` bytes is cut off there: TooLarge.
  virtual FtpListing List(qint64 limit, const FtpProgress& progress) = 0;
  // Downloads the file `name` of the folder, in binary, into `target`. A file announced larger
  // than `limit` bytes is not fetched, and a transfer is stopped at the byte that passes the
  // limit: TooLarge.
  virtual FtpStatus Download(const QString& name, QIODevice& target, qint64 limit,
                             const FtpProgress& progress) = 0;
};

// The libcurl session. Its whole time (FtpTimeouts::whole) counts from here.
std::unique_ptr<FtpSession> OpenFtpSession(const FtpAddress& address, const FtpTimeouts& timeouts);

}  // namespace selvio
