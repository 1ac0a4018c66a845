#include "app/files/working_folder.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <map>
#include <set>

#include "app/dialogs/catalogue_question.h"
#include "catalogue/catalogue_date.h"
#include "platform/whole_file.h"
#include "platform/working_files.h"
#include "update/file_set_replacement.h"
#include "update/update_lock.h"

namespace selvio {
namespace {

const QString kCatalogueName = working_files::Name(working_files::kCatalogue);
constexpr qsizetype kListedFailures = 5;
// The manifest names each installed file with its digest in about 100 bytes.
constexpr qint64 kManifestFileLimit = qint64{16} * 1024 * 1024;
// The largest installed file copied: the catalogue's limit with room for a document or drawing.
constexpr qint64 kInstalledFileLimit = qint64{256} * 1024 * 1024;
// What a file copied in by hand would have: read and write for the owner, read for the others.
constexpr QFileDevice::Permissions kCopyPermissions =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
    QFileDevice::ReadOther;

// What the user's folder received from the installation: the SHA-256 of each file as copied,
// by its path relative to the folder, and the installed catalogue the user declined.
struct Manifest {
  std::map<QString, QString> copied;
  QString declinedCatalogue;

  bool operator==(const Manifest&) const = default;
};

QString Shown(const QString& path) { return QDir::toNativeSeparators(path); }

// Hex SHA-256 of the file, or empty when it cannot be read.
QString FileDigest(const QString& path) {
  QFile file;
  if (OpenRegularFile(path, file) != ReadError::None) return {};
  QCryptographicHash hash(QCryptographicHash::Sha256);
  if (!hash.addData(&file)) return {};
  return QString::fromLatin1(hash.result().toHex());
}

Manifest ReadManifest(const QString& path) {
  const ReadResult read = ReadFileWhole(path, kManifestFileLimit);
  if (!read) return {};
  const QJsonObject root = QJsonDocument::fromJson(read.bytes).object();
  Manifest manifest;
  const QJsonObject copied = root.value(QStringLiteral("copied")).toObject();
  for (auto it = copied.begin(); it != copied.end(); ++it) {
    manifest.copied[it.key()] = it.value().toString();
  }
  manifest.declinedCatalogue = root.value(QStringLiteral("declinedCatalogue")).toString();
  return manifest;
}

bool WriteManifest(const QString& path, const Manifest& manifest) {
  QJsonObject copied;
  for (const auto& [relative, digest] : manifest.copied) copied.insert(relative, digest);
  QJsonObject root;
  root.insert(QStringLiteral("copied"), copied);
  if (!manifest.declinedCatalogue.isEmpty()) {
    root.insert(QStringLiteral("declinedCatalogue"), manifest.declinedCatalogue);
  }
  return static_cast<bool>(WriteFileWhole(path, QJsonDocument(root).toJson(),
                                          LinkPolicy::ReplaceLink, kCopyPermissions));
}

// Every file under `folder`, by its path relative to it, in a stable order.
QStringList FilesUnder(const QString& folder) {
  const QDir base(folder);
  QStringList files;
  QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
  while (it.hasNext()) files << base.relativeFilePath(it.next());
  files.sort();
  return files;
}

// Writes the copy under a temporary name and renames it over the target, so a failed copy
// leaves the user's file as it was. The copy is the user's to write, whatever the installed
// file's permissions.
bool CopyFile(const QString& source, const QString& target) {
  const ReadResult read = ReadFileWhole(source, kInstalledFileLimit);
  if (!read || !QDir().mkpath(QFileInfo(target).absolutePath())) return false;
  return static_cast<bool>(
      WriteFileWhole(target, read.bytes, LinkPolicy::ReplaceLink, kCopyPermissions));
}

// The symbolic link, relative to `folder`, that a write of `relative` would go through: the
// file itself when it is a link, or a folder on its way that is a link leading outside
// `folder`. Empty when there is none.
QString LinkOnTheWay(const QString& folder, const QString& relative) {
  const QString root = QFileInfo(folder).canonicalFilePath();
  const QStringList parts = relative.split(QLatin1Char('/'));
  for (qsizetype i = 0; i < parts.size(); ++i) {
    const QString shown = parts.mid(0, i + 1).join(QLatin1Char('/'));
    const QFileInfo info(QDir(folder).filePath(shown));
    if (!info.isSymbolicLink()) continue;
    if (i + 1 == parts.size()) return shown;
    const QString target = info.canonicalFilePath();
    if (target.isEmpty() || (target != root && !target.startsWith(root + QLatin1Char('/')))) {
      return shown;
    }
  }
  return {};
}

bool HoldsCatalogue(const QString& folder) {
  return !folder.isEmpty() && QFileInfo(QDir(folder).filePath(kCatalogueName)).isFile();
}

bool SameFolder(const QString& a, const QString& b) {
  const QString canonical = QFileInfo(a).canonicalFilePath();
  return !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
}

// Whether the installed catalogue replaces the user's, which is still the one copied earlier:
// only a later date is offered, and only the user decides.
bool AcceptInstalledCatalogue(const QString& installed, const QString& user,
                              const QString& installedDigest, FormControls* asker,
                              Manifest& manifest) {
  if (asker == nullptr || manifest.declinedCatalogue == installedDigest) return false;
  const QString installedText = ReadCatalogueDateText(installed);
  const std::optional<QDate> installedDate = ParseCatalogueDate(installedText);
  if (!installedDate) return false;
  const QString userText = ReadCatalogueDateText(user);
  const std::optional<QDate> userDate = ParseCatalogueDate(userText);
  if (userDate && *userDate >= *installedDate) return false;
  CatalogueQuestion question(installedText.trimmed(), userText.trimmed());
  if (asker->RunModalDialog(question)) return true;
  manifest.declinedCatalogue = installedDigest;
  return false;
}

// What a refresh could not do.
struct RefreshProblems {
  QStringList failed;       // files that could not be copied
  std::set<QString> links;  // links a copy would have gone through
};

// Brings the user's folder up to the installed data.
RefreshProblems RefreshFromInstallation(const DataFolders& folders, FormControls* asker,
                                        Manifest& manifest) {
  RefreshProblems problems;
  QStringList& failed = problems.failed;
  for (const QString& relative : FilesUnder(folders.installed)) {
    if (const QString link = LinkOnTheWay(folders.user, relative); !link.isEmpty()) {
      problems.links.insert(link);
      continue;
    }
    const QString source = QDir(folders.installed).filePath(relative);
    const QString target = QDir(folders.user).filePath(relative);
    const QString installedDigest = FileDigest(source);
    if (installedDigest.isEmpty()) {
      failed << relative;
      continue;
    }
    const bool present = QFileInfo::exists(target);
    const QString userDigest = present ? FileDigest(target) : QString();
    if (present && userDigest == installedDigest) {
      manifest.copied[relative] = installedDigest;
      continue;
    }
    const auto recorded = manifest.copied.find(relative);
    const bool asCopied = recorded != manifest.copied.end() && recorded->second == userDigest;
    bool copy = !present;
    if (present && asCopied) {
      copy = relative != kCatalogueName ||
             AcceptInstalledCatalogue(source, target, installedDigest, asker, manifest);
    }
    if (!copy) continue;
    if (CopyFile(source, target)) {
      manifest.copied[relative] = installedDigest;
    } else {
      failed << relative;
    }
  }
  return problems;
}

QString FailedCopiesMessage(const QStringList& failed, const QString& user) {
  QStringList shown = failed.mid(0, kListedFailures);
  if (failed.size() > kListedFailures) {
    const int more = static_cast<int>(failed.size() - kListedFailures);
    shown << QCoreApplication::translate("WorkingFolder", "и еще %n", nullptr, more);
  }
  return QCoreApplication::translate("WorkingFolder",
                                     "Не удалось скопировать в папку %1 установленные файлы: %2")
      .arg(Shown(user), shown.join(QStringLiteral(", ")));
}

QString LinksMessage(const std::set<QString>& links, const QString& user) {
  return QCoreApplication::translate(
             "WorkingFolder",
             "Установленные файлы не скопированы через символические ссылки в папке %1: %2")
      .arg(Shown(user), QStringList(links.begin(), links.end()).join(QStringLiteral(", ")));
}

// Undoes a catalogue update cut off in `folder`, unless another update is running there; what
// the user should know of it.
QStringList RecoverUpdate(const QString& folder) {
  if (!HasInterruptedUpdate(folder)) return {};
  const UpdateLock lock(folder);
  if (lock.Taken() != UpdateLock::State::Held) return {};
  const Recovery recovery = RecoverInterruptedUpdate(folder);
  if (!recovery.unrestored.isEmpty()) {
    return {QCoreApplication::translate(
                "WorkingFolder",
                "Обновление каталога было прервано, и прежние файлы вернуть не удалось: %1")
                .arg(recovery.unrestored.join(QStringLiteral(", ")))};
  }
  if (recovery.rolledBack) {
    return {QCoreApplication::translate(
        "WorkingFolder", "Обновление каталога было прервано; прежние файлы восстановлены.")};
  }
  return {};
}

}  // namespace

QString InstalledDataFolder(const QString& executableFolder) {
  if (executableFolder.isEmpty()) return {};
  return QDir::cleanPath(QDir(executableFolder).filePath(QStringLiteral("../share/selvio")));
}

QString UserDataFolder() {
  return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
      .filePath(QStringLiteral("selvio"));
}

DataFolders ProcessDataFolders() {
  return {QDir::currentPath(), InstalledDataFolder(QCoreApplication::applicationDirPath()),
          UserDataFolder()};
}

WorkingFolder PrepareWorkingFolder(const DataFolders& folders, FormControls* asker) {
  if (HoldsCatalogue(folders.start) && !SameFolder(folders.start, folders.installed) &&
      !SameFolder(folders.start, folders.user)) {
    return {folders.start, RecoverUpdate(folders.start)};
  }
  WorkingFolder result{folders.user, {}};
  if (!QDir().mkpath(folders.user)) {
    result.problems << QCoreApplication::translate("WorkingFolder",
                                                   "Не удалось создать папку данных: %1")
                           .arg(Shown(folders.user));
    return result;
  }
  result.problems << RecoverUpdate(folders.user);
  // A build that is not installed has no data beside it: the user's folder is used as it is.
  if (!HoldsCatalogue(folders.installed)) return result;
  // An update running in the folder owns its files until it ends; the next start refreshes.
  const UpdateLock lock(folders.user);
  if (lock.Taken() == UpdateLock::State::Busy) return result;

  const QString manifestPath =
      QDir(folders.user).filePath(QString::fromLatin1(kInstalledManifestName));
  Manifest manifest = ReadManifest(manifestPath);
  const Manifest before = manifest;
  const bool hadCatalogue = HoldsCatalogue(folders.user);
  const RefreshProblems refresh = RefreshFromInstallation(folders, asker, manifest);
  result.filled = !hadCatalogue && HoldsCatalogue(folders.user);
  if (!refresh.failed.isEmpty()) {
    result.problems << FailedCopiesMessage(refresh.failed, folders.user);
  }
  if (!refresh.links.empty()) result.problems << LinksMessage(refresh.links, folders.user);
  if (manifest != before && !WriteManifest(manifestPath, manifest)) {
    result.problems << QCoreApplication::translate("WorkingFolder", "Не удалось записать %1")
                           .arg(Shown(manifestPath));
  }
  return result;
}

bool EnterWorkingFolder(FormControls& controls) {
  const WorkingFolder folder = PrepareWorkingFolder(ProcessDataFolders(), &controls);
  if (!folder.problems.isEmpty()) controls.ShowMessage(folder.problems.join(QLatin1Char('\n')));
  if (QDir::setCurrent(folder.path)) return true;
  controls.ShowMessage(
      QCoreApplication::translate("WorkingFolder", "Не удалось перейти в рабочую папку: %1")
          .arg(Shown(folder.path)));
  return false;
}

}  // namespace selvio
