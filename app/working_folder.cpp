#include "app/working_folder.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>
#include <map>

#include "app/catalogue_question.h"
#include "catalogue/catalogue_date.h"

namespace selvio {
namespace {

const QString kCatalogueName = QStringLiteral("xmldata.xml");
constexpr qsizetype kListedFailures = 5;

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
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  QCryptographicHash hash(QCryptographicHash::Sha256);
  if (!hash.addData(&file)) return {};
  return QString::fromLatin1(hash.result().toHex());
}

Manifest ReadManifest(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
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
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  file.write(QJsonDocument(root).toJson());
  return file.commit();
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
  QFile in(source);
  if (!in.open(QIODevice::ReadOnly)) return false;
  if (!QDir().mkpath(QFileInfo(target).absolutePath())) return false;
  QSaveFile out(target);
  if (!out.open(QIODevice::WriteOnly)) return false;
  if (out.write(in.readAll()) != in.size()) {
    out.cancelWriting();
    return false;
  }
  return out.commit();
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

// Brings the user's folder up to the installed data; returns the files that could not be
// copied.
QStringList RefreshFromInstallation(const DataFolders& folders, FormControls* asker,
                                    Manifest& manifest) {
  QStringList failed;
  for (const QString& relative : FilesUnder(folders.installed)) {
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
  return failed;
}

QString FailedCopiesMessage(const QStringList& failed, const QString& user) {
  QStringList shown = failed.mid(0, kListedFailures);
  if (failed.size() > kListedFailures) {
    shown << QString::fromUtf8("и еще %1").arg(failed.size() - kListedFailures);
  }
  return QString::fromUtf8("Не удалось скопировать в папку %1 установленные файлы: %2")
      .arg(Shown(user), shown.join(QStringLiteral(", ")));
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
  if (HoldsCatalogue(folders.start) && !SameFolder(folders.start, folders.installed)) {
    return {folders.start, {}};
  }
  WorkingFolder result{folders.user, {}};
  if (!QDir().mkpath(folders.user)) {
    result.problems
        << QString::fromUtf8("Не удалось создать папку данных: %1").arg(Shown(folders.user));
    return result;
  }
  // A build that is not installed has no data beside it: the user's folder is used as it is.
  if (!HoldsCatalogue(folders.installed)) return result;

  const QString manifestPath =
      QDir(folders.user).filePath(QString::fromLatin1(kInstalledManifestName));
  Manifest manifest = ReadManifest(manifestPath);
  const Manifest before = manifest;
  const bool hadCatalogue = HoldsCatalogue(folders.user);
  const QStringList failed = RefreshFromInstallation(folders, asker, manifest);
  result.filled = !hadCatalogue && HoldsCatalogue(folders.user);
  if (!failed.isEmpty()) result.problems << FailedCopiesMessage(failed, folders.user);
  if (manifest != before && !WriteManifest(manifestPath, manifest)) {
    result.problems << QString::fromUtf8("Не удалось записать %1").arg(Shown(manifestPath));
  }
  return result;
}

bool EnterWorkingFolder(FormControls& controls) {
  const WorkingFolder folder = PrepareWorkingFolder(ProcessDataFolders(), &controls);
  if (!folder.problems.isEmpty()) controls.ShowMessage(folder.problems.join(QLatin1Char('\n')));
  if (QDir::setCurrent(folder.path)) return true;
  controls.ShowMessage(
      QString::fromUtf8("Не удалось перейти в рабочую папку: %1").arg(Shown(folder.path)));
  return false;
}

}  // namespace selvio
