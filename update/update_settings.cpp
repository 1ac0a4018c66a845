#include "update/update_settings.h"

#include <QByteArrayList>
#include <QFileInfo>

#include "platform/whole_file.h"

namespace selvio {
namespace {

constexpr QFileDevice::Permissions kOwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

// The C library's white space in the "C" locale.
bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The first `count` white-space-separated words of `bytes`.
QByteArrayList FirstWords(const QByteArray& bytes, int count) {
  QByteArrayList words;
  qsizetype at = 0;
  while (words.size() < count) {
    while (at < bytes.size() && IsSpace(bytes[at])) ++at;
    if (at == bytes.size()) break;
    const qsizetype start = at;
    while (at < bytes.size() && !IsSpace(bytes[at])) ++at;
    words.append(bytes.mid(start, at - start));
  }
  return words;
}

QString Field(const QByteArrayList& words, int index) {
  return UpdateFieldText(QString::fromUtf8(words.value(index)));
}

// A NUL, or a carriage return without its line feed: bytes SaveUpdateSettings never writes.
bool HoldsForeignControl(const QByteArray& bytes) {
  for (qsizetype at = 0; at < bytes.size(); ++at) {
    if (bytes[at] == '\0') return true;
    if (bytes[at] == '\r' && (at + 1 == bytes.size() || bytes[at + 1] != '\n')) return true;
  }
  return false;
}

bool EndsALine(const QString& text) {
  return text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n')) ||
         text.contains(QChar(0));
}

}  // namespace

QString UpdateFieldText(const QString& text) {
  if (text.size() <= kUpdateFieldCapacity) return text;
  const bool splitsPair = text.at(kUpdateFieldCapacity - 1).isHighSurrogate();
  return text.left(splitsPair ? kUpdateFieldCapacity - 1 : kUpdateFieldCapacity);
}

std::optional<UpdateSettingsField> UpdateSettingsProblem(const UpdateSettings& settings) {
  const std::pair<const QString*, UpdateSettingsField> fields[] = {
      {&settings.server, UpdateSettingsField::Server},
      {&settings.login, UpdateSettingsField::Login},
      {&settings.password, UpdateSettingsField::Password},
      {&settings.path, UpdateSettingsField::Path}};
  for (const auto& [text, field] : fields) {
    if (EndsALine(*text)) return field;
  }
  return std::nullopt;
}

UpdateSettingsFile ReadUpdateSettings(const QString& path) {
  const QString fileName = QFileInfo(path).fileName();
  const ReadResult read = ReadFileWhole(path, kUpdateSettingsFileLimit);
  if (read.error == ReadError::NotAFile || read.error == ReadError::TooLarge) {
    return {{}, UpdateSettingsFileProblem::NotARegularFileOrTooLarge, fileName};
  }
  if (!read) return {{}, UpdateSettingsFileProblem::None, fileName};
  const QByteArray& bytes = read.bytes;
  if (HoldsForeignControl(bytes))
    return {{}, UpdateSettingsFileProblem::StrayControlCharacter, fileName};
  const QByteArrayList words = FirstWords(bytes, 4);
  return {{Field(words, 0), Field(words, 1), Field(words, 2), Field(words, 3)},
          UpdateSettingsFileProblem::None,
          fileName};
}

UpdateSettings LoadUpdateSettings(const QString& path) { return ReadUpdateSettings(path).settings; }

bool SaveUpdateSettings(const QString& path, const UpdateSettings& settings) {
  if (UpdateSettingsProblem(settings)) return false;
  QByteArray text;
  for (const QString* field :
       {&settings.server, &settings.login, &settings.password, &settings.path}) {
    text += UpdateFieldText(*field).toUtf8() + "\r\n";
  }
  return static_cast<bool>(WriteFileWhole(path, text, LinkPolicy::ReplaceLink, kOwnerOnly));
}

}  // namespace selvio
