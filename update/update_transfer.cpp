#include "update/update_transfer.h"

#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>
#include <algorithm>
#include <climits>
#include <map>
#include <memory>
#include <vector>

#include "catalogue/catalogue_loader.h"
#include "platform/working_files.h"
#include "update/file_set_replacement.h"
#include "update/update_lock.h"

namespace selvio {
namespace {

const QString kCatalogueFileName = working_files::Name(working_files::kCatalogue);

// Read and write for the owner, read for the others: what a file copied in by hand would have.
constexpr QFileDevice::Permissions kPlainFilePermissions =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
    QFileDevice::ReadOther;

UpdateTransferStatus StatusOf(FtpStatus status) {
  switch (status) {
    case FtpStatus::FolderNotFound:
      return UpdateTransferStatus::FolderNotFound;
    case FtpStatus::Refused:
      return UpdateTransferStatus::Refused;
    case FtpStatus::Broken:
      return UpdateTransferStatus::Broken;
    case FtpStatus::TimedOut:
      return UpdateTransferStatus::TimedOut;
    case FtpStatus::OutOfTime:
      return UpdateTransferStatus::OutOfTime;
    case FtpStatus::WriteFailed:
      return UpdateTransferStatus::WriteFailed;
    case FtpStatus::Cancelled:
      return UpdateTransferStatus::Cancelled;
    default:
      return UpdateTransferStatus::NoConnection;
  }
}

bool HasProducts(const Catalogue& catalogue) {
  return catalogue.valves.count > 0 || catalogue.dpRegulators.count > 0 ||
         catalogue.reducingValves.count > 0;
}

// The downloaded files under their temporary names, removed unless applied. Only the name of
// each is kept, not the file open, so a folder of many files needs no more descriptors.
class StagedFiles {
 public:
  StagedFiles() = default;
  ~StagedFiles() {
    for (const auto& [name, path] : files_) QFile::remove(path);
  }
  StagedFiles(const StagedFiles&) = delete;
  StagedFiles& operator=(const StagedFiles&) = delete;

  // Keeps the complete download `file` as the one of `name` (a name listed twice keeps its
  // last download); false when the file cannot be given its temporary name.
  bool Keep(const QString& name, QTemporaryFile& file) {
    const QString path = file.fileName();  // links a file that was created without a name
    if (path.isEmpty()) return false;
    file.setAutoRemove(false);
    if (const auto old = files_.find(name); old != files_.end()) QFile::remove(old->second);
    files_[name] = path;
    return true;
  }
  QString Find(const QString& name) const {
    const auto found = files_.find(name);
    return found == files_.end() ? QString() : found->second;
  }
  int Count() const { return static_cast<int>(files_.size()); }

  // The files in the order they are moved into place: the catalogue last, so that it never
  // arrives without its companions.
  std::vector<StagedFile> InOrder() const {
    std::vector<StagedFile> order;
    for (const auto& [name, path] : files_) {
      if (name != kCatalogueFileName) order.push_back({name, QFileInfo(path).fileName()});
    }
    if (const QString catalogue = Find(kCatalogueFileName); !catalogue.isEmpty()) {
      order.push_back({kCatalogueFileName, QFileInfo(catalogue).fileName()});
    }
    return order;
  }

  // After the files were moved into place: their temporary names are gone.
  void Release() { files_.clear(); }

 private:
  std::map<QString, QString> files_;
};

bool IsDocumentSuffix(const QString& suffix) {
  static const QStringList suffixes = {
      QStringLiteral("pdf"), QStringLiteral("png"), QStringLiteral("jpg"), QStringLiteral("jpeg"),
      QStringLiteral("gif"), QStringLiteral("bmp"), QStringLiteral("tif"), QStringLiteral("tiff"),
      QStringLiteral("dwg"), QStringLiteral("dxf"), QStringLiteral("stp"), QStringLiteral("step"),
      QStringLiteral("igs"), QStringLiteral("iges")};
  return suffixes.contains(suffix.toLower());
}

UpdateTransferResult Failed(UpdateTransferStatus status, const QString& file = {}) {
  UpdateTransferResult result;
  result.status = status;
  result.file = file;
  return result;
}

UpdateTransferResult ReplacementFailure(const ReplacementResult& replacement) {
  using Outcome = ReplacementResult::Outcome;
  switch (replacement.outcome) {
    case Outcome::FolderInWay:
      return Failed(UpdateTransferStatus::FolderInWay, replacement.file);
    case Outcome::NotRestored:
      return Failed(UpdateTransferStatus::NotRestored, replacement.file);
    default:
      return Failed(UpdateTransferStatus::WriteFailed, replacement.file);
  }
}

}  // namespace

bool IsAcceptedUpdateFileName(const QString& name) {
  if (name.isEmpty() || name.startsWith(QLatin1Char('.')) ||
      QFile::encodeName(name).size() > NAME_MAX) {
    return false;
  }
  for (QChar c : name) {
    if (c.unicode() < 0x20 || c.unicode() == 0x7f || c == QLatin1Char('/') ||
        c == QLatin1Char('\\') || c == QChar::ReplacementCharacter) {
      return false;
    }
  }
  using namespace working_files;
  for (const char* own :
       {kCatalogue, kSaturationTable, kEthyleneGlycolTable, kPropyleneGlycolTable}) {
    if (name == Name(own)) return true;
  }
  const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
  return dot > 0 && IsDocumentSuffix(name.mid(dot + 1));
}

UpdateTransferResult RunUpdateTransfer(const UpdateSettings& settings, const FtpTimeouts& timeouts,
                                       const UpdateProgressObserver& observer,
                                       const UpdateLimits& limits) {
  if (const std::optional<UpdateSettingsField> field = UpdateSettingsProblem(settings)) {
    UpdateTransferResult result = Failed(UpdateTransferStatus::InvalidSettings);
    result.badField = *field;
    return result;
  }
  if (settings.server.isEmpty()) return Failed(UpdateTransferStatus::NoServer);

  const QString folder = QDir::currentPath();
  const UpdateLock lock(folder);
  switch (lock.Taken()) {
    case UpdateLock::State::Held:
      break;
    case UpdateLock::State::Busy:
      return Failed(UpdateTransferStatus::Busy);
    case UpdateLock::State::Unwritable:
      return Failed(UpdateTransferStatus::FolderUnwritable);
  }
  if (const Recovery recovery = RecoverInterruptedUpdate(folder); !recovery.unrestored.isEmpty()) {
    return Failed(UpdateTransferStatus::NotRestored, recovery.unrestored.front());
  }

  UpdateTransferResult result;
  UpdateProgress progress;
  const FtpProgress report = [&observer, &progress](qint64, qint64) {
    return !observer || observer(progress);
  };
  const std::unique_ptr<FtpSession> session =
      OpenFtpSession({settings.server, settings.login, settings.password, settings.path}, timeouts);
  const FtpListing listing = session->List(limits.listing, report);
  if (listing.status != FtpStatus::Done) {
    result = Failed(listing.status == FtpStatus::TooLarge ? UpdateTransferStatus::ListingTooLarge
                                                          : StatusOf(listing.status));
    result.byteLimit = limits.listing;
    result.timeLimit = timeouts.whole;
    return result;
  }

  std::vector<QString> files;
  for (const FtpEntry& entry : listing.entries) {
    if (entry.folder) continue;
    if (IsAcceptedUpdateFileName(entry.name)) {
      files.push_back(entry.name);
    } else {
      ++result.refused;
    }
  }

  StagedFiles staged;
  qint64 received = 0;
  progress.total = static_cast<int>(files.size());
  const QString temporaryTemplate = QDir(folder).filePath(
      working_files::Name(working_files::kUpdateTemporaryPrefix) + QStringLiteral("XXXXXX"));
  for (const QString& name : files) {
    progress.file = name;
    QTemporaryFile target(temporaryTemplate);
    if (!target.open()) return Failed(UpdateTransferStatus::WriteFailed, name);
    const qint64 fileLimit = name == kCatalogueFileName ? limits.catalogue : limits.file;
    const qint64 left = limits.total - received;
    FtpStatus status = session->Download(name, target, std::min(fileLimit, left), report);
    if (status == FtpStatus::Done &&
        (!target.flush() || ::fsync(target.handle()) != 0 ||
         !target.setPermissions(kPlainFilePermissions) || !staged.Keep(name, target))) {
      status = FtpStatus::WriteFailed;
    }
    received += target.size();
    if (status == FtpStatus::TooLarge) {
      const bool fileBound = fileLimit <= left;
      result = Failed(
          fileBound ? UpdateTransferStatus::FileTooLarge : UpdateTransferStatus::UpdateTooLarge,
          name);
      result.byteLimit = fileBound ? fileLimit : limits.total;
      return result;
    }
    if (status != FtpStatus::Done) {
      result = Failed(StatusOf(status), name);
      result.timeLimit = timeouts.whole;
      return result;
    }
    ++progress.done;
  }

  if (const QString catalogue = staged.Find(kCatalogueFileName); !catalogue.isEmpty()) {
    auto trial = std::make_shared<Catalogue>();
    result.catalogueLoad = LoadCatalogue(catalogue, *trial);
    if (!result.catalogueLoad) {
      result.status = UpdateTransferStatus::CatalogueUnreadable;
      return result;
    }
    if (!HasProducts(*trial)) {
      result.status = UpdateTransferStatus::CatalogueEmpty;
      return result;
    }
    result.catalogue = std::move(trial);
  }
  if (const ReplacementResult replacement = ReplaceFileSet(folder, staged.InOrder());
      replacement.outcome != ReplacementResult::Outcome::Replaced) {
    const int refused = result.refused;
    result = ReplacementFailure(replacement);
    result.refused = refused;
    return result;
  }
  result.applied = staged.Count();
  staged.Release();
  return result;
}

}  // namespace selvio
