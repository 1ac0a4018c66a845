#include <QIODevice>
#include <QUrl>
#include <optional>

#include "platform/curl_library.h"
#include "platform/ftp_listing.h"
#include "platform/ftp_session.h"

namespace selvio {
namespace {

using Clock = std::chrono::steady_clock;

// A server field that would change the URL's meaning beyond host and port.
bool IsPlainServer(const QString& server) {
  static const QString forbidden = QStringLiteral("/\\@?#%; \t\r\n");
  if (server.isEmpty()) return false;
  for (QChar c : server) {
    if (forbidden.contains(c)) return false;
  }
  return true;
}

// A log-in text that would end the USER or PASS command early and start another one.
bool EndsACommand(const QString& text) {
  return text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n')) ||
         text.contains(QChar(0));
}

// The folder as a URL path ending in "/": segments percent-encoded, an absolute folder marked
// with "%2F" so that curl's single CWD names it from the root.
QByteArray FolderPath(const QString& folder) {
  QByteArray path = folder.startsWith(QLatin1Char('/')) ? "%2F" : "";
  for (const QString& segment : folder.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
    path += QUrl::toPercentEncoding(segment) + '/';
  }
  return path;
}

// Where one reply's bytes go (a file downloading, or the listing), counted against its limit
// as they arrive.
struct Sink {
  QIODevice* device = nullptr;
  QByteArray* bytes = nullptr;
  qint64 limit = 0;
  qint64 received = 0;
  bool overLimit = false;
  bool writeFailed = false;
};

size_t WriteToSink(char* data, size_t size, size_t count, void* sinkData) {
  Sink& sink = *static_cast<Sink*>(sinkData);
  const auto length = static_cast<qint64>(size * count);
  if (length > sink.limit - sink.received) {
    sink.overLimit = true;
    return 0;  // any count but the one given stops the transfer
  }
  sink.received += length;
  if (sink.bytes != nullptr) {
    sink.bytes->append(data, length);
  } else if (sink.device->write(data, length) != length) {
    sink.writeFailed = true;
    return 0;
  }
  return size * count;
}

// The caller's progress callback and the session's end, looked at many times a second and at
// least once a second while a request runs.
struct Watch {
  const FtpProgress* report = nullptr;
  Clock::time_point deadline;
  bool outOfTime = false;
};

int WatchProgress(void* watchData, curl_off_t announced, curl_off_t received, curl_off_t,
                  curl_off_t) {
  Watch& watch = *static_cast<Watch*>(watchData);
  if (Clock::now() >= watch.deadline) {
    watch.outOfTime = true;
    return 1;
  }
  const FtpProgress& report = *watch.report;
  return report && !report(received, announced) ? 1 : 0;
}

FtpStatus ListingStatus(CURLcode code) {
  switch (code) {
    case CURLE_OK:
      return FtpStatus::Done;
    case CURLE_REMOTE_ACCESS_DENIED:
      return FtpStatus::FolderNotFound;
    case CURLE_OPERATION_TIMEDOUT:
      return FtpStatus::TimedOut;
    case CURLE_ABORTED_BY_CALLBACK:
      return FtpStatus::Cancelled;
    default:
      return FtpStatus::NoConnection;
  }
}

FtpStatus DownloadStatus(CURLcode code) {
  switch (code) {
    case CURLE_OK:
      return FtpStatus::Done;
    // A 550 to SIZE, or any error reply to RETR (550, 451, 425, ...).
    case CURLE_REMOTE_FILE_NOT_FOUND:
    case CURLE_FTP_COULDNT_RETR_FILE:
    case CURLE_REMOTE_ACCESS_DENIED:
    case CURLE_URL_MALFORMAT:
      return FtpStatus::Refused;
    case CURLE_OPERATION_TIMEDOUT:
      return FtpStatus::TimedOut;
    case CURLE_ABORTED_BY_CALLBACK:
      return FtpStatus::Cancelled;
    default:
      return FtpStatus::Broken;
  }
}

// The longest wait on libcurl's sockets before its state is looked at again.
constexpr int kPollSliceMs = 20;

class CurlFtpSession : public FtpSession {
 public:
  // Without libcurl (`api` null) every command fails as an unreachable server does.
  CurlFtpSession(const CurlLibrary* api, const FtpAddress& address, const FtpTimeouts& timeouts)
      : api_(api),
        address_(address),
        deadline_(Clock::now() + timeouts.whole),
        curl_(api != nullptr ? api->easyInit() : nullptr),
        multi_(api != nullptr ? api->multiInit() : nullptr) {
    if (curl_ == nullptr || multi_ == nullptr) return;
    const auto seconds = [](std::chrono::seconds s) { return static_cast<long>(s.count()); };
    api_->easySetopt(curl_, CURLOPT_NOSIGNAL, 1L);
    api_->easySetopt(curl_, CURLOPT_PROTOCOLS_STR, "ftp");
    api_->easySetopt(curl_, CURLOPT_FTP_FILEMETHOD, static_cast<long>(CURLFTPMETHOD_SINGLECWD));
    api_->easySetopt(curl_, CURLOPT_CONNECTTIMEOUT, seconds(timeouts.connect));
    api_->easySetopt(curl_, CURLOPT_SERVER_RESPONSE_TIMEOUT, seconds(timeouts.response));
    api_->easySetopt(curl_, CURLOPT_LOW_SPEED_LIMIT, 1L);
    api_->easySetopt(curl_, CURLOPT_LOW_SPEED_TIME, seconds(timeouts.stall));
    api_->easySetopt(curl_, CURLOPT_NOPROGRESS, 0L);
    api_->easySetopt(curl_, CURLOPT_XFERINFOFUNCTION, WatchProgress);
    api_->easySetopt(curl_, CURLOPT_WRITEFUNCTION, WriteToSink);
    if (!address.login.isEmpty()) {
      api_->easySetopt(curl_, CURLOPT_USERNAME, address.login.toUtf8().constData());
      api_->easySetopt(curl_, CURLOPT_PASSWORD, address.password.toUtf8().constData());
    }
  }
  ~CurlFtpSession() override {
    if (curl_ != nullptr) api_->easyCleanup(curl_);
    if (multi_ != nullptr) api_->multiCleanup(multi_);
  }
  CurlFtpSession(const CurlFtpSession&) = delete;
  CurlFtpSession& operator=(const CurlFtpSession&) = delete;

  FtpListing List(qint64 limit, const FtpProgress& progress) override {
    if (curl_ == nullptr || multi_ == nullptr || !IsPlainServer(address_.server) ||
        EndsACommand(address_.login) || EndsACommand(address_.password)) {
      return {FtpStatus::NoConnection, {}};
    }
    QByteArray reply;
    api_->easySetopt(curl_, CURLOPT_CUSTOMREQUEST, "MLSD");
    Outcome outcome = Perform(QByteArray(), {nullptr, &reply, limit}, progress);
    api_->easySetopt(curl_, CURLOPT_CUSTOMREQUEST, nullptr);
    if (outcome.status) return {*outcome.status, {}};
    if (outcome.code == CURLE_OK) return {FtpStatus::Done, ParseMlsdListing(reply)};
    // A server without MLSD refuses the command; its LIST marks folders all the same.
    if (outcome.code != CURLE_FTP_COULDNT_RETR_FILE) return {ListingStatus(outcome.code), {}};
    reply.clear();
    outcome = Perform(QByteArray(), {nullptr, &reply, limit}, progress);
    if (outcome.status) return {*outcome.status, {}};
    if (outcome.code != CURLE_OK) return {ListingStatus(outcome.code), {}};
    return {FtpStatus::Done, ParseListListing(reply)};
  }

  FtpStatus Download(const QString& name, QIODevice& target, qint64 limit,
                     const FtpProgress& progress) override {
    if (curl_ == nullptr || multi_ == nullptr) return FtpStatus::NoConnection;
    const Outcome outcome =
        Perform(QUrl::toPercentEncoding(name), {&target, nullptr, limit}, progress);
    return outcome.status ? *outcome.status : DownloadStatus(outcome.code);
  }

 private:
  // How a request ended: libcurl's code, and the status when the ending was the session's own
  // (its time, a limit, the target) rather than the server's.
  struct Outcome {
    CURLcode code = CURLE_OK;
    std::optional<FtpStatus> status;
  };

  // One request on the kept connection: the folder listing when `file` is empty, else that
  // file of the folder.
  Outcome Perform(const QByteArray& file, Sink sink, const FtpProgress& progress) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline_ - Clock::now());
    if (left.count() <= 0) return {CURLE_OPERATION_TIMEDOUT, FtpStatus::OutOfTime};
    const QByteArray url =
        "ftp://" + address_.server.toUtf8() + '/' + FolderPath(address_.folder) + file;
    Watch watch{&progress, deadline_};
    api_->easySetopt(curl_, CURLOPT_URL, url.constData());
    api_->easySetopt(curl_, CURLOPT_WRITEDATA, &sink);
    api_->easySetopt(curl_, CURLOPT_XFERINFODATA, &watch);
    // Refuses a size the server announces; the sink stops one it does not.
    api_->easySetopt(curl_, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(sink.limit));
    // The progress callback ends the request at the deadline; this is the backstop for a
    // state in which libcurl would not call it.
    api_->easySetopt(curl_, CURLOPT_TIMEOUT_MS, static_cast<long>(left.count() + 1000));
    const CURLcode code = Run();
    if (watch.outOfTime || (code == CURLE_OPERATION_TIMEDOUT && Clock::now() >= deadline_)) {
      return {code, FtpStatus::OutOfTime};
    }
    if (sink.overLimit || code == CURLE_FILESIZE_EXCEEDED) return {code, FtpStatus::TooLarge};
    if (sink.writeFailed) return {code, FtpStatus::WriteFailed};
    return {code, std::nullopt};
  }

  // What curl_easy_perform does, with short waits: in libcurl 7.88 a passive-mode reply that
  // arrives together with its command leaves the data connection unstarted and nothing to
  // poll, and curl_easy_perform then sleeps a whole second. The connection stays in the multi
  // handle's cache for the next request.
  CURLcode Run() {
    if (api_->multiAddHandle(multi_, curl_) != CURLM_OK) return CURLE_FAILED_INIT;
    int running = 1;
    CURLMcode state = CURLM_OK;
    while (state == CURLM_OK && running > 0) {
      state = api_->multiPerform(multi_, &running);
      if (state == CURLM_OK && running > 0) {
        state = api_->multiPoll(multi_, nullptr, 0, kPollSliceMs, nullptr);
      }
    }
    CURLcode result = state == CURLM_OK ? CURLE_OK : CURLE_FAILED_INIT;
    int left = 0;
    while (const CURLMsg* message = api_->multiInfoRead(multi_, &left)) {
      if (message->msg == CURLMSG_DONE && message->easy_handle == curl_) {
        result = message->data.result;
      }
    }
    api_->multiRemoveHandle(multi_, curl_);
    return result;
  }

  const CurlLibrary* api_;
  FtpAddress address_;
  Clock::time_point deadline_;
  CURL* curl_;
  CURLM* multi_;
};

}  // namespace

std::unique_ptr<FtpSession> OpenFtpSession(const FtpAddress& address, const FtpTimeouts& timeouts) {
  return std::make_unique<CurlFtpSession>(Curl(), address, timeouts);
}

}  // namespace selvio
