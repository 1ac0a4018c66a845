#include "app/cli/cli_files.h"

#include <QFileInfo>
#include <QtEndian>

#include "app/cli/select_command.h"
#include "app/files/file_messages.h"
#include "app/files/settings_record.h"

namespace selvio {

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
  if (word.size() == 4) {
    const qint32 version = qFromLittleEndian<qint32>(word.constData());
    if (version != kSettingsFileVersion) {
      return QString::fromUtf8("Файл выбора версии %1 не читается, нужна версия %2: %3")
          .arg(version)
          .arg(kSettingsFileVersion)
          .arg(Shown(path));
    }
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

int Refuse(QTextStream& err, const QString& message) {
  err << message << '\n';
  err.flush();
  return kRefusedStatus;
}

}  // namespace selvio
