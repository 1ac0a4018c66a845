#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "app/project/project.h"

// The project file "*.selvio": UTF-8 JSON, {"format": "selvio-project", "version": 1,
// "positions": [...]}. A position holds "label", "quantity", "inputs" (every field of the
// selection record by name: the form's numbers as integers, its texts as strings, or as arrays
// of UTF-16 code units for a text that is no valid UTF-16) and "shown" (what its calculation
// showed: "outcome", "candidate", "actuator", "product", "dn", "kvs", "actuator_name",
// "controller", "kv", "dpv", "velocity", "psat" (null when not finite), "cavitation").
namespace selvio {

inline constexpr const char* kProjectFormat = "selvio-project";
inline constexpr int kProjectFileVersion = 1;
inline constexpr const char* kProjectSuffix = "selvio";

// The project as the file holds it.
QByteArray ProjectFileBytes(const Project& project);
// The same, or nothing as soon as it grows past `limit` bytes.
std::optional<QByteArray> ProjectFileBytes(const Project& project, qint64 limit);

// The project the bytes hold, or the Russian message saying why they hold none: not JSON (a
// damaged or truncated file), not a project file, a newer or unknown version, or a position
// with a field missing or of the wrong kind (the message names the position and the field).
struct ReadProject {
  std::optional<Project> project;
  QString error;
};
ReadProject ParseProjectFile(const QByteArray& bytes);

// The largest project file read or written. A position takes about 2.3 KB of the file, so this
// holds some 14 000 positions; a larger file is refused at once, before it is read.
inline constexpr qint64 kProjectFileLimit = qint64{32} * 1024 * 1024;

// Reads the file at `path`; an unreadable file is refused too, and so is anything but a regular
// file (a FIFO or a device: not waited on nor read) or a file larger than kProjectFileLimit. The
// messages do not name the file.
ReadProject ReadProjectFile(const QString& path);

// Writes the file whole or not at all (WriteFileWhole, following a link to a file; a dangling
// link is refused), so a failed write leaves the previous file as it was. A project whose file
// would be larger than kProjectFileLimit, which could not be read back, is not written. The
// Russian message (not naming the file) when nothing was written.
std::optional<QString> WriteProjectFile(const QString& path, const Project& project);

}  // namespace selvio
