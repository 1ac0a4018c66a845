#pragma once

#include <QString>

// The files the program reads and writes in its working folder, by name.
namespace selvio::working_files {

inline constexpr char kCatalogue[] = "xmldata.xml";
inline constexpr char kSettings[] = "user.bin";
inline constexpr char kUpdateSettings[] = "update.dat";
inline constexpr char kSaturationTable[] = "Рнас.dat";
inline constexpr char kEthyleneGlycolTable[] = "etilenglikol.dat";
inline constexpr char kPropyleneGlycolTable[] = "propilenglikol.dat";
// The copy of the printed document.
inline constexpr char kPrintCopy[] = "buff.odt";
// The record of what the user's folder received from the installed data.
inline constexpr char kInstalledManifest[] = ".selvio-installed.json";
// Held by the update running in the folder.
inline constexpr char kUpdateLock[] = ".selvio-update.lock";
// The set of files an update is moving into place, there from its first rename to its last.
inline constexpr char kUpdateJournal[] = ".selvio-update-journal.json";
// How the names of an update's downloads and of the files they replace begin, until the update
// ends.
inline constexpr char kUpdateTemporaryPrefix[] = ".update-";

// A name above as a string.
inline QString Name(const char* name) { return QString::fromUtf8(name); }

}  // namespace selvio::working_files
