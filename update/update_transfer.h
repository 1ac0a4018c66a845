#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "catalogue/catalogue_records.h"
#include "platform/ftp_session.h"
#include "update/update_settings.h"

namespace selvio {

enum class UpdateTransferStatus {
  Applied,              // every file the server sent replaced its local copy
  NoServer,             // the server field is empty: nothing to connect to
  NoConnection,         // unreachable server or refused log-in
  FolderNotFound,       // the remote folder cannot be entered
  Broken,               // a download ended short or by an error reply
  TimedOut,             // the server stopped answering
  Cancelled,            // the user stopped the transfer
  CatalogueUnreadable,  // the server's xmldata.xml arrived but does not load
  WriteFailed,          // a file could not be written in the working directory
};

struct UpdateTransferResult {
  UpdateTransferStatus status = UpdateTransferStatus::Applied;
  int applied = 0;           // files that replaced or joined the local ones
  int refused = 0;           // listing entries whose names may not be written here
  QString file;              // the file a transfer broke on or that could not be written
  QString catalogueFailure;  // the loader's text for an unreadable catalogue
  // The downloaded xmldata.xml as it was loaded to check it, when the server sent one; the
  // catalogue in use takes it without reading the file a second time.
  std::shared_ptr<const Catalogue> catalogue;
};

// Where a running update is: the file downloading (empty while the folder is listed) and how
// many of the folder's files are done.
struct UpdateProgress {
  QString file;
  int done = 0;
  int total = 0;
};
// Told of progress many times a second and at least once a second; false cancels at once.
using UpdateProgressObserver = std::function<bool(const UpdateProgress&)>;

// Whether a listing entry may be written into the working directory: not empty, not "." and
// without "/", "\" or "..", and not the program's own "user.bin" or "update.dat".
bool IsAcceptedUpdateFileName(const QString& name);

// Logs in to the settings' server (passive FTP), enters the folder, lists it and downloads
// every plain file with an accepted name to a temporary file in the working directory. Sub-
// folders and files the server will not send are passed over. Only when the whole listing is
// through, and the downloaded xmldata.xml (if any) loads, do the files replace the local ones;
// any other ending leaves the working directory as it was.
UpdateTransferResult RunUpdateTransfer(const UpdateSettings& settings, const FtpTimeouts& timeouts,
                                       const UpdateProgressObserver& observer = {});

}  // namespace selvio
