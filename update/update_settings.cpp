#include "update/update_settings.h"

#include <QByteArrayList>
#include <QFile>

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

}  // namespace

QString UpdateFieldText(const QString& text) {
  if (text.size() <= kUpdateFieldCapacity) return text;
  const bool splitsPair = text.at(kUpdateFieldCapacity - 1).isHighSurrogate();
  return text.left(splitsPair ? kUpdateFieldCapacity - 1 : kUpdateFieldCapacity);
}

UpdateSettings LoadUpdateSettings(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArrayList words = FirstWords(file.readAll(), 4);
  return {Field(words, 0), Field(words, 1), Field(words, 2), Field(words, 3)};
}

bool SaveUpdateSettings(const QString& path, const UpdateSettings& settings) {
  QFile file(path);
  // The permissions apply to a file this creates; an existing one is narrowed before writing.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate, kOwnerOnly)) return false;
  if (!file.setPermissions(kOwnerOnly)) return false;
  QByteArray text;
  for (const QString* field :
       {&settings.server, &settings.login, &settings.password, &settings.path}) {
    text += UpdateFieldText(*field).toUtf8() + "\r\n";
  }
  return file.write(text) == text.size() && file.flush();
}

}  // namespace selvio
