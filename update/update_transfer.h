#pragma once

#include <QString>
#include <chrono>
#include <functional>
#include <memory>

#include "catalogue/catalogue_loader.h"
#include "catalogue/catalogue_records.h"
#include "platform/ftp_session.h"
#include "update/update_settings.h"

namespace selvio {

enum class UpdateTransferStatus {
  Applied,              // every file the server sent replaced its local copy
  InvalidSettings,      // a field would break an FTP command (UpdateSettingsProblem)
  NoServer,             // the server field is empty: nothing to connect to
  Busy,                 // another update holds the working folder
  FolderUnwritable,     // the working folder takes no files
  NoConnection,         // unreachable server or refused log-in
  FolderNotFound,       // the remote folder cannot be entered
  Refused,              // the server would not send a file its listing holds
  Broken,               // a download ended short or by an error reply
  TimedOut,             // the server stopped answering
  OutOfTime,            // the whole update took longer than FtpTimeouts::whole
  ListingTooLarge,      // the folder's listing passed UpdateLimits::listing
  FileTooLarge,         // a file passed its limit (UpdateLimits::catalogue or ::file)
  UpdateTooLarge,       // the files together passed UpdateLimits::total
  Cancelled,            // the user stopped the transfer
  CatalogueUnreadable,  // the server's xmldata.xml arrived but does not load
  CatalogueEmpty,       // the server's xmldata.xml holds no valve and no regulator
  WriteFailed,          // a file could not be written in the working directory
  FolderInWay,          // a folder of the working directory stands where a file is to go
  NotRestored,          // a file could not be moved into place nor the old ones put back
};

struct UpdateTransferResult {
  UpdateTransferStatus status = UpdateTransferStatus::Applied;
  int applied = 0;                    // files that replaced or joined the local ones
  int refused = 0;                    // listing entries whose names may not be written here
  QString file;                       // the file a transfer broke on or that could not be written
  LoadResult catalogueLoad;           // why the server's catalogue did not load
  UpdateSettingsField badField{};     // InvalidSettings: the field UpdateSettingsProblem names
  qint64 byteLimit = 0;               // the limit passed, for the ...TooLarge statuses
  std::chrono::seconds timeLimit{0};  // the whole time allowed, for OutOfTime
  // The downloaded xmldata.xml as it was loaded to check it, when the server sent one; the
  // catalogue in use takes it without reading the file a second time.
  std::shared_ptr<const Catalogue> catalogue;
};

// The most an update takes from a server, in bytes; tests set smaller ones.
struct UpdateLimits {
  qint64 listing = qint64{1} << 20;        // the folder's listing: 1 MiB
  qint64 catalogue = kCatalogueFileLimit;  // xmldata.xml: what the loader reads
  qint64 file = qint64{64} << 20;          // any other file: 64 MiB
  qint64 total = qint64{512} << 20;        // all files together: 512 MiB
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

// Whether a listing entry may be written into the working directory: a name of a kind the
// program uses there, and nothing else. That is the catalogue "xmldata.xml", the fluid tables
// "Рнас.dat", "etilenglikol.dat" and "propilenglikol.dat", and documents and drawings by their
// extension (pdf, png, jpg, jpeg, gif, bmp, tif, tiff, dwg, dxf, stp, step, igs, iges, in
// either case); never a name that starts with a dot, holds "/", "\" or a control character,
// or is longer than the file system takes (255 bytes).
bool IsAcceptedUpdateFileName(const QString& name);

// Logs in to the settings' server (passive FTP), enters the folder, lists it and downloads
// every plain file with an accepted name to a temporary file in the working directory, holding
// the folder's UpdateLock throughout (after finishing or putting back an update that was cut
// off, RecoverInterruptedUpdate). Sub-folders are passed over; a listed file the server will
// not send fails the update. Only when the whole listing is through, within the limits and the
// time, and the downloaded xmldata.xml (if any) loads and holds products, do the files replace
// the local ones, all together (FileSetReplacement); any other ending leaves the working
// directory as it was.
UpdateTransferResult RunUpdateTransfer(const UpdateSettings& settings, const FtpTimeouts& timeouts,
                                       const UpdateProgressObserver& observer = {},
                                       const UpdateLimits& limits = {});

}  // namespace selvio
