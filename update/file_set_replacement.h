#pragma once

#include <QDir>
#include <QString>
#include <QStringList>
#include <vector>

namespace selvio {

// A downloaded file waiting under its temporary name (kUpdateTemporaryPrefix...) in the folder
// it is to replace a file of.
struct StagedFile {
  QString name;    // its final name in the folder
  QString staged;  // its temporary name in the same folder
};

// Moves a set of staged files over their final names all together or not at all, including
// when the process is killed half-way: before the first rename the set is written to the
// journal kUpdateJournal, each file replaced is kept under a temporary name until the last
// rename is through, and the journal goes only then. RecoverInterruptedUpdate puts back a set
// whose journal is still there. Run it holding the UpdateLock.
class FileSetReplacement {
 public:
  // `files` in the order they are to be moved.
  FileSetReplacement(const QString& folder, std::vector<StagedFile> files);

  enum class Check {
    Ready,        // the journal is written; the renames may begin
    NameTooLong,  // the name at `Problem()` is longer than the file system takes
    FolderInWay,  // a folder stands where the file `Problem()` is to go
    Unwritable,   // the journal cannot be written into the folder
  };
  // Checks every target before anything is renamed, then writes the journal.
  Check Begin();
  const QString& Problem() const { return problem_; }

  // Moves the next file into place, keeping the file it replaces; false when a rename failed
  // (`Problem()` names the file).
  bool MoveNext();
  bool AllMoved() const { return moved_ == files_.size(); }

  // Ends a set all moved: removes the journal, then the files it replaced. False when the
  // journal stays (the set is then to be rolled back, as the next start would).
  bool Commit();
  // Ends a set not all moved: puts back every file replaced so far and removes those added.
  // The names that could not be put back (the journal then stays, for the next try).
  QStringList RollBack();

 private:
  struct Entry {
    StagedFile file;
    QString backup;  // where the file it replaces is kept; empty when there was none
  };
  QDir folder_;
  std::vector<Entry> files_;
  std::size_t moved_ = 0;
  bool backupMoved_ = false;  // the next file's old one is already at its backup name
  QString problem_;
};

// Moves the staged files as FileSetReplacement does from start to end.
struct ReplacementResult {
  enum class Outcome {
    Replaced,     // every file is in place
    NameTooLong,  // refused before any rename (FileSetReplacement::Check)
    FolderInWay,
    Unwritable,
    RolledBack,   // a rename failed; the folder is as it was
    NotRestored,  // a rename failed and some files could not be put back
  };
  Outcome outcome = Outcome::Replaced;
  QString file;  // the file the set stopped at
};
ReplacementResult ReplaceFileSet(const QString& folder, const std::vector<StagedFile>& files);

// What became of an update that was cut off (killed, or the power lost).
struct Recovery {
  bool rolledBack = false;  // its journal was there and its files are put back
  QStringList unrestored;   // files that could not be put back
};

// Whether an update was cut off in `folder`: its journal or temporary files are there.
bool HasInterruptedUpdate(const QString& folder);

// Puts back the set of an update cut off between its first and last rename, then removes what
// cut-off updates leave: the journal and every temporary file. Run it holding the UpdateLock,
// before an update and when a program starts.
Recovery RecoverInterruptedUpdate(const QString& folder);

}  // namespace selvio
