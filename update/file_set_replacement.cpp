#include "update/file_set_replacement.h"

#include <sys/stat.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <climits>
#include <cstdio>

#include "platform/whole_file.h"
#include "platform/working_files.h"

namespace selvio {
namespace {

const QString kJournal = working_files::Name(working_files::kUpdateJournal);
const QString kTemporaryPrefix = working_files::Name(working_files::kUpdateTemporaryPrefix);
// A journal names each file of a set in about 200 bytes: room for tens of thousands of files.
constexpr qint64 kJournalFileLimit = qint64{16} * 1024 * 1024;

enum class Kind { None, Folder, Link, Other };

// What stands at `path`, without following a link.
Kind KindAt(const QString& path) {
  struct stat status {};
  if (::lstat(QFile::encodeName(path).constData(), &status) != 0) return Kind::None;
  if (S_ISDIR(status.st_mode)) return Kind::Folder;
  if (S_ISLNK(status.st_mode)) return Kind::Link;
  return Kind::Other;
}

bool Exists(const QString& path) { return KindAt(path) != Kind::None; }

bool Rename(const QString& from, const QString& to) {
  return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

// A name of the folder itself, not of anything above or below it.
bool IsPlainName(const QString& name) {
  return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
         !name.contains(QLatin1Char('/'));
}

bool IsTemporaryName(const QString& name) {
  return IsPlainName(name) && name.startsWith(kTemporaryPrefix);
}

QJsonObject JournalEntry(const StagedFile& file, const QString& backup) {
  return {{QStringLiteral("name"), file.name},
          {QStringLiteral("staged"), file.staged},
          {QStringLiteral("backup"), backup}};
}

// Undoes what one entry of a set may have done; false when its old file cannot be put back.
bool UndoEntry(const QDir& folder, const StagedFile& file, const QString& backup) {
  const QString target = folder.filePath(file.name);
  if (!backup.isEmpty()) {
    const QString kept = folder.filePath(backup);
    return !Exists(kept) || Rename(kept, target);
  }
  // No file was there before: one at the name now is the set's if the staged file is gone.
  if (Exists(folder.filePath(file.staged)) || !Exists(target)) return true;
  return QFile::remove(target);
}

void RemoveTemporaryFiles(const QDir& folder) {
  const QStringList names =
      folder.entryList({kTemporaryPrefix + QLatin1Char('*')},
                       QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
  for (const QString& name : names) {
    if (KindAt(folder.filePath(name)) != Kind::Folder) QFile::remove(folder.filePath(name));
  }
}

}  // namespace

FileSetReplacement::FileSetReplacement(const QString& folder, std::vector<StagedFile> files)
    : folder_(folder) {
  for (StagedFile& file : files) files_.push_back({std::move(file), {}});
}

FileSetReplacement::Check FileSetReplacement::Begin() {
  QJsonArray journal;
  for (Entry& entry : files_) {
    problem_ = entry.file.name;
    if (QFile::encodeName(entry.file.name).size() > NAME_MAX) return Check::NameTooLong;
    const Kind target = KindAt(folder_.filePath(entry.file.name));
    if (target == Kind::Folder) return Check::FolderInWay;
    if (target != Kind::None) entry.backup = entry.file.staged + QStringLiteral(".old");
    journal.append(JournalEntry(entry.file, entry.backup));
  }
  problem_ = kJournal;
  const QByteArray text = QJsonDocument(QJsonObject{{QStringLiteral("files"), journal}}).toJson();
  if (!WriteFileWhole(folder_.filePath(kJournal), text, LinkPolicy::ReplaceLink,
                      QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
    return Check::Unwritable;
  }
  problem_.clear();
  return Check::Ready;
}

bool FileSetReplacement::MoveNext() {
  const Entry& entry = files_[moved_];
  const QString target = folder_.filePath(entry.file.name);
  problem_ = entry.file.name;
  if (!entry.backup.isEmpty() && !backupMoved_) {
    if (!Rename(target, folder_.filePath(entry.backup))) return false;
    backupMoved_ = true;
  }
  if (!Rename(folder_.filePath(entry.file.staged), target)) return false;
  ++moved_;
  backupMoved_ = false;
  problem_.clear();
  return true;
}

bool FileSetReplacement::Commit() {
  if (!QFile::remove(folder_.filePath(kJournal))) return false;
  for (const Entry& entry : files_) {
    if (!entry.backup.isEmpty()) QFile::remove(folder_.filePath(entry.backup));
  }
  return true;
}

QStringList FileSetReplacement::RollBack() {
  QStringList unrestored;
  // The file that failed may have had its old one moved away already.
  const std::size_t touched = backupMoved_ ? moved_ + 1 : moved_;
  for (std::size_t i = touched; i-- > 0;) {
    const Entry& entry = files_[i];
    if (!UndoEntry(folder_, entry.file, entry.backup)) unrestored << entry.file.name;
  }
  if (unrestored.isEmpty()) QFile::remove(folder_.filePath(kJournal));
  return unrestored;
}

ReplacementResult ReplaceFileSet(const QString& folder, const std::vector<StagedFile>& files) {
  using Outcome = ReplacementResult::Outcome;
  FileSetReplacement set(folder, files);
  switch (set.Begin()) {
    case FileSetReplacement::Check::Ready:
      break;
    case FileSetReplacement::Check::NameTooLong:
      return {Outcome::NameTooLong, set.Problem()};
    case FileSetReplacement::Check::FolderInWay:
      return {Outcome::FolderInWay, set.Problem()};
    case FileSetReplacement::Check::Unwritable:
      return {Outcome::Unwritable, set.Problem()};
  }
  while (!set.AllMoved()) {
    if (!set.MoveNext()) {
      const QString file = set.Problem();
      return {set.RollBack().isEmpty() ? Outcome::RolledBack : Outcome::NotRestored, file};
    }
  }
  if (!set.Commit()) {
    return {set.RollBack().isEmpty() ? Outcome::RolledBack : Outcome::NotRestored, kJournal};
  }
  return {};
}

bool HasInterruptedUpdate(const QString& folder) {
  const QDir dir(folder);
  return Exists(dir.filePath(kJournal)) ||
         !dir.entryList({kTemporaryPrefix + QLatin1Char('*')},
                        QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)
              .isEmpty();
}

Recovery RecoverInterruptedUpdate(const QString& folder) {
  const QDir dir(folder);
  const QString journalPath = dir.filePath(kJournal);
  Recovery recovery;
  const Kind journalKind = KindAt(journalPath);
  if (journalKind == Kind::Other) {
    const QJsonArray entries =
        QJsonDocument::fromJson(ReadFileWhole(journalPath, kJournalFileLimit).bytes)
            .object()
            .value(QStringLiteral("files"))
            .toArray();
    for (qsizetype i = entries.size(); i-- > 0;) {
      const QJsonObject entry = entries[i].toObject();
      const StagedFile staged{entry.value(QStringLiteral("name")).toString(),
                              entry.value(QStringLiteral("staged")).toString()};
      const QString backup = entry.value(QStringLiteral("backup")).toString();
      // The journal names files of this folder only; anything else is not this program's.
      if (!IsPlainName(staged.name) || !IsTemporaryName(staged.staged) ||
          (!backup.isEmpty() && !IsTemporaryName(backup))) {
        continue;
      }
      if (!UndoEntry(dir, staged, backup)) recovery.unrestored << staged.name;
    }
    recovery.rolledBack = true;
  }
  if (!recovery.unrestored.isEmpty()) return recovery;
  if (journalKind != Kind::None && journalKind != Kind::Folder) QFile::remove(journalPath);
  RemoveTemporaryFiles(dir);
  return recovery;
}

}  // namespace selvio
