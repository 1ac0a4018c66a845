#include "update/update_transfer.h"

#include <QDir>
#include <QTemporaryFile>
#include <filesystem>
#include <map>
#include <memory>
#include <vector>

#include "catalogue/catalogue_loader.h"
#include "platform/working_files.h"

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
    case FtpStatus::Broken:
      return UpdateTransferStatus::Broken;
    case FtpStatus::TimedOut:
      return UpdateTransferStatus::TimedOut;
    case FtpStatus::Cancelled:
      return UpdateTransferStatus::Cancelled;
    default:
      return UpdateTransferStatus::NoConnection;
  }
}

// The downloaded files under their temporary names, removed unless applied.
class StagedFiles {
 public:
  // A new empty temporary file for `name`, open for writing; null when none can be created.
  QTemporaryFile* Stage(const QString& name) {
    auto file = std::make_unique<QTemporaryFile>(QDir::current().filePath(".update-XXXXXX"));
    if (!file->open()) return nullptr;
    QTemporaryFile* staged = file.get();
    files_[name] = std::move(file);  // a name listed twice keeps its last download
    return staged;
  }
  void Drop(const QString& name) { files_.erase(name); }
  const QTemporaryFile* Find(const QString& name) const {
    const auto found = files_.find(name);
    return found == files_.end() ? nullptr : found->second.get();
  }
  int Count() const { return static_cast<int>(files_.size()); }

  // Renames every staged file over its final name, the catalogue last so that it never
  // arrives without its companions; the name that failed, or empty.
  QString Apply() {
    std::vector<QString> order;
    for (const auto& [name, file] : files_) {
      if (name != kCatalogueFileName) order.push_back(name);
    }
    if (files_.count(kCatalogueFileName) != 0) order.push_back(kCatalogueFileName);
    for (const QString& name : order) {
      QTemporaryFile& file = *files_.at(name);
      file.setPermissions(kPlainFilePermissions);
      std::error_code error;
      std::filesystem::rename(QFile::encodeName(file.fileName()).toStdString(),
                              QFile::encodeName(QDir::current().filePath(name)).toStdString(),
                              error);
      if (error) return name;
      file.setAutoRemove(false);
    }
    return {};
  }

 private:
  std::map<QString, std::unique_ptr<QTemporaryFile>> files_;
};

}  // namespace

bool IsAcceptedUpdateFileName(const QString& name) {
  return !name.isEmpty() && name != QLatin1String(".") && !name.contains(QLatin1Char('/')) &&
         !name.contains(QLatin1Char('\\')) && !name.contains(QLatin1String("..")) &&
         name != working_files::Name(working_files::kSettings) &&
         name != working_files::Name(working_files::kUpdateSettings);
}

UpdateTransferResult RunUpdateTransfer(const UpdateSettings& settings, const FtpTimeouts& timeouts,
                                       const UpdateProgressObserver& observer) {
  UpdateTransferResult result;
  if (settings.server.isEmpty()) {
    result.status = UpdateTransferStatus::NoServer;
    return result;
  }
  UpdateProgress progress;
  const FtpProgress report = [&observer, &progress](qint64, qint64) {
    return !observer || observer(progress);
  };

  const std::unique_ptr<FtpSession> session =
      OpenFtpSession({settings.server, settings.login, settings.password, settings.path}, timeouts);
  const FtpListing listing = session->List(report);
  if (listing.status != FtpStatus::Done) {
    result.status = StatusOf(listing.status);
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
  progress.total = static_cast<int>(files.size());
  for (const QString& name : files) {
    progress.file = name;
    QTemporaryFile* target = staged.Stage(name);
    if (target == nullptr) {
      result.status = UpdateTransferStatus::WriteFailed;
      result.file = name;
      return result;
    }
    const FtpStatus status = session->Download(name, *target, report);
    if (status == FtpStatus::Done && !target->flush()) {
      result.status = UpdateTransferStatus::WriteFailed;
      result.file = name;
      return result;
    }
    target->close();
    if (status == FtpStatus::NotSent) {
      staged.Drop(name);
    } else if (status != FtpStatus::Done) {
      result.status = StatusOf(status);
      result.file = name;
      return result;
    }
    ++progress.done;
  }

  if (const QTemporaryFile* catalogue = staged.Find(kCatalogueFileName)) {
    auto trial = std::make_shared<Catalogue>();
    result.catalogueFailure = LoadCatalogue(catalogue->fileName(), *trial).failure;
    if (!result.catalogueFailure.isEmpty()) {
      result.status = UpdateTransferStatus::CatalogueUnreadable;
      return result;
    }
    result.catalogue = std::move(trial);
  }
  result.file = staged.Apply();
  if (!result.file.isEmpty()) {
    result.status = UpdateTransferStatus::WriteFailed;
    return result;
  }
  result.applied = staged.Count();
  return result;
}

}  // namespace selvio
