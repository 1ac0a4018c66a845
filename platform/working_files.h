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

// A name above as a string.
inline QString Name(const char* name) { return QString::fromUtf8(name); }

}  // namespace selvio::working_files
