#pragma once

#include <QString>
#include <QStringList>

#include "platform/form_controls.h"
#include "platform/working_files.h"

namespace selvio {

// The folders a working folder is chosen from.
struct DataFolders {
  QString start;      // the current folder when the program started
  QString installed;  // the data installed with the program (read-only for users)
  QString user;       // the user's own data folder
};

// The data installed beside an executable in `executableFolder`: "../share/selvio" from it, so
// one build serves every installation prefix ("/usr/local", "/usr", a package unpacked
// anywhere).
QString InstalledDataFolder(const QString& executableFolder);

// The user's data folder: "selvio" in $XDG_DATA_HOME, by default ~/.local/share/selvio.
QString UserDataFolder();

// This process's folders: its current folder, the data installed beside its executable and the
// user's data folder. Needs the QCoreApplication (for the executable's folder).
DataFolders ProcessDataFolders();

// The record, in the user's folder, of what was copied there from the installed data.
inline constexpr const char* kInstalledManifestName = working_files::kInstalledManifest;

struct WorkingFolder {
  QString path;          // the folder to work in
  QStringList problems;  // what went wrong in preparing it, in Russian; empty when nothing did
  bool filled = false;   // the installed data was copied into a user folder without a catalogue
};

// Chooses the folder the program works in and brings it up to date:
// - a start folder that holds the catalogue "xmldata.xml" is worked in as it is (unless it is
//   the installed data folder itself, which users cannot write to, or the user's data folder,
//   which is brought up to date as below);
// - otherwise the user's data folder is, created if need be. Every installed file it lacks is
//   copied into it (on the first start: all of them). A file still as it was copied is
//   refreshed when the installation brings another version; a file the user or a catalogue
//   update changed is kept. The manifest kInstalledManifestName records what was copied.
// - The catalogue is never refreshed silently: when the user's catalogue is still the copied
//   one and the installed catalogue's date is later, `asker` runs the CatalogueQuestion and the
//   installed catalogue is copied only on "Да"; "Нет" is remembered, so the same installed
//   catalogue is not offered again. A catalogue the user updated or edited is never replaced.
//   Without an asker (nobody to answer), the user's catalogue stays and nothing is remembered.
// - Nothing is written through a symbolic link: an installed file whose place in the user's
//   folder is a link, or lies under a link to a folder outside the user's folder, is not copied,
//   and the problems name the link. The manifest replaces a link in its place.
// - A catalogue update cut off in the chosen folder (RecoverInterruptedUpdate) is undone
//   first, and the problems say so; that, and the update lock while the user's folder is
//   refreshed, are all that is written into the start folder. Nothing is written into the
//   installed folder.
WorkingFolder PrepareWorkingFolder(const DataFolders& folders, FormControls* asker);

// For the window's main(): call it once after the QApplication exists and before anything
// reads a data file (the glycol tables, the form's initialisation), with controls that can run
// a modal dialog. It prepares the working folder of this process (PrepareWorkingFolder over
// ProcessDataFolders(), asking through `controls`), shows what went wrong in one message box,
// and makes the folder the process's current one, where every data file is then read and
// written. Returns false, after a message box, when the folder cannot be entered; the program
// should then end.
bool EnterWorkingFolder(FormControls& controls);

}  // namespace selvio
