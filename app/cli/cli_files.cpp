#include "app/cli/cli_files.h"

#include <QFileInfo>
#include <QtEndian>

#include "app/cli/select_command.h"
#include "app/files/file_messages.h"
#include "app/files/settings_record.h"
#include "output/safe_text.h"

namespace selvio {
namespace {

// Refusals of a selection file that "Открыть" would read as it stands.
const char* const kWrongVersion =
    "Файл выбора не читается: это не файл параметров выбора версии %1: %2";
const char* const kTooShort =
    "Файл выбора не читается: он короче %1 байт и не содержит даже номера версии: %2";

}  // namespace

QString Shown(const QString& path) { return QDir::toNativeSeparators(path); }

QString WorkingFolderRefusal(const QString& dir) {
  const QFileInfo info(dir);
  if (!info.exists()) return QString::fromUtf8("Рабочая папка не найдена: %1").arg(Shown(dir));
  if (!info.isDir()) return QString::fromUtf8("Это не папка: %1").arg(Shown(dir));
  if (!info.isReadable() || !info.isExecutable()) {
    return QString::fromUtf8("Рабочая папка недоступна для чтения: %1").arg(Shown(dir));
  }
  return {};
}

QString SelectionFileRefusal(const QString& path) {
  const ReadResult read = ReadFileStart(path, 4);
  if (read.error == ReadError::Missing) {
    return QString::fromUtf8("Файл выбора не найден: %1").arg(Shown(path));
  }
  if (!read) return SelectionFileNotReadMessage(path, read);
  const QByteArray& word = read.bytes;
  if (word.size() < 4) return QString::fromUtf8(kTooShort).arg(4).arg(Shown(path));
  if (qFromLittleEndian<qint32>(word.constData()) != kSettingsFileVersion) {
    return QString::fromUtf8(kWrongVersion).arg(kSettingsFileVersion).arg(Shown(path));
  }
  return {};
}

QString OwnInputRefusal(const QString& output, const QStringList& inputs) {
  for (const QString& input : inputs) {
    if (!input.isEmpty() && IsSameFile(input, output)) return SameFileRefusal(input, output);
  }
  return {};
}

QString OutputRefusal(const QString& output, const QStringList& inputs,
                      const WriteFailureWords& failure) {
  if (QString refusal = OwnInputRefusal(output, inputs); !refusal.isEmpty()) return refusal;
  if (const WriteResult target = CheckWriteTarget(output, LinkPolicy::FollowToFile); !target) {
    return failure(output, target);
  }
  return {};
}

QString PrintableText(const QString& text, const QString& kept) {
  return EscapeControls(text, QStringLiteral("\n") + kept);
}

QString PrintableJson(const QJsonDocument& document, QJsonDocument::JsonFormat format) {
  return QString::fromUtf8(JsonWithEscapedControls(document.toJson(format)));
}

int Refuse(QTextStream& err, const QString& message) {
  err << PrintableText(message) << '\n';
  err.flush();
  return kRefusedStatus;
}

}  // namespace selvio
