#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

namespace selvio {

// The update settings file, in the working directory.
// Longest text a field keeps; the rest of a longer one is cut off.
inline constexpr int kUpdateFieldCapacity = 1023;

// `text` cut to kUpdateFieldCapacity units; a surrogate pair at the cut is dropped whole, so the
// field is written and read back as it is.
QString UpdateFieldText(const QString& text);

// Where the catalogue update comes from: the FTP server ("host" or "host:port"), the log-in
// and the remote folder.
struct UpdateSettings {
  QString server;
  QString login;
  QString password;
  QString path;

  bool operator==(const UpdateSettings&) const = default;
};

// The fields of the settings, in the dialog's order.
enum class UpdateSettingsField { Server, Login, Password, Path };

// Why the settings may be neither saved nor sent to a server: the first field holding a
// carriage return, a line feed or a NUL (a value pasted with its line end), which would end an
// FTP command early and start another one, and would break the settings file's lines. Nothing
// when the settings are fine.
std::optional<UpdateSettingsField> UpdateSettingsProblem(const UpdateSettings& settings);

// The largest settings file read, bytes: four fields of 1023 units, at most 3 bytes each in
// UTF-8, and their line ends take 12 KB; the rest is room for a file edited by hand.
inline constexpr qint64 kUpdateSettingsFileLimit = 64 * 1024;

// Why a settings file cannot be used.
enum class UpdateSettingsFileProblem {
  None,                       // fine, or missing
  StrayControlCharacter,      // a NUL, or a carriage return without its line feed
  NotARegularFileOrTooLarge,  // a folder, device or pipe, or over kUpdateSettingsFileLimit
};

// The settings file as read: its fields, or why it cannot be used.
struct UpdateSettingsFile {
  UpdateSettings settings;
  UpdateSettingsFileProblem problem = UpdateSettingsFileProblem::None;
  QString fileName;  // the file's name without its folder, for the user
};

// Reads the first four white-space-separated words of the file at `path` into server, login,
// password and path, in that order; a field no word is left for stays empty. The file is read
// as words, not lines, so an empty line or a field with a space shifts the words that follow.
// A missing or unreadable file gives four empty fields. Bytes are read as UTF-8. A file holding
// a NUL, or a carriage return that no line feed follows, was not written by
// SaveUpdateSettings and is not cut into fields: it gives four empty fields and
// StrayControlCharacter.
UpdateSettingsFile ReadUpdateSettings(const QString& path);

// The fields of ReadUpdateSettings: empty for a file with a problem.
UpdateSettings LoadUpdateSettings(const QString& path);

// Writes the four fields, each followed by CR LF, as UTF-8 to the file at `path`, which is
// replaced whole (a symbolic link there is replaced, never written through) by one readable
// and writable by its owner only, as it holds a password. False when the file cannot be
// written, or when the settings have a problem (UpdateSettingsProblem).
bool SaveUpdateSettings(const QString& path, const UpdateSettings& settings);

}  // namespace selvio
