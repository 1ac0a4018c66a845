#include "app/files/file_messages.h"

#include <QCoreApplication>
#include <QDir>
#include <cerrno>

namespace selvio {
namespace {

QString Shown(const QString& path) { return QDir::toNativeSeparators(path); }

QString SystemReason(int error) {
  switch (error) {
    case ENOSPC:
    case EDQUOT:
      return QCoreApplication::translate("FileMessages", "на диске нет места");
    case EACCES:
    case EPERM:
      return QCoreApplication::translate("FileMessages", "нет прав на запись");
    case EROFS:
      return QCoreApplication::translate("FileMessages", "диск доступен только для чтения");
    case ENOENT:
    case ENOTDIR:
      return QCoreApplication::translate("FileMessages", "папка не найдена");
    case ENAMETOOLONG:
      return QCoreApplication::translate("FileMessages", "слишком длинное имя файла");
    case EIO:
      return QCoreApplication::translate("FileMessages", "ошибка ввода-вывода");
    default:
      return QCoreApplication::translate("FileMessages", "ошибка записи (код %1)").arg(error);
  }
}

// A size limit in the unit that shows it whole.
QString LimitText(qint64 limit) {
  constexpr qint64 kKilobyte = 1024;
  constexpr qint64 kMegabyte = kKilobyte * kKilobyte;
  if (limit >= kMegabyte) {
    return QCoreApplication::translate("FileMessages", "%1 МБ").arg(limit / kMegabyte);
  }
  return QCoreApplication::translate("FileMessages", "%1 КБ").arg(limit / kKilobyte);
}

}  // namespace

QString WriteFailureReason(const WriteResult& result) {
  QString reason;
  switch (result.error) {
    case WriteError::None:
      return {};
    case WriteError::DanglingLink:
      reason = QCoreApplication::translate("FileMessages",
                                           "это символическая ссылка на несуществующий файл");
      break;
    case WriteError::NotAFile:
      reason =
          QCoreApplication::translate("FileMessages", "на этом месте папка или не обычный файл");
      break;
    case WriteError::NoContent:
      reason = QCoreApplication::translate("FileMessages", "документ не удалось построить");
      break;
    case WriteError::NotCreated:
    case WriteError::NotWritten:
    case WriteError::NotRenamed:
      reason = SystemReason(result.systemError);
      break;
  }
  if (result.replacedExisting) {
    reason += QCoreApplication::translate("FileMessages", "; прежний файл не изменен");
  }
  return reason;
}

QString ReadFailureReason(const ReadResult& result, qint64 limit) {
  switch (result.error) {
    case ReadError::None:
      return {};
    case ReadError::Missing:
      return QCoreApplication::translate("FileMessages", "файл не найден");
    case ReadError::NotAFile:
      return QCoreApplication::translate("FileMessages",
                                         "это не обычный файл, а папка, канал или устройство");
    case ReadError::TooLarge:
      return QCoreApplication::translate("FileMessages", "файл больше %1").arg(LimitText(limit));
    case ReadError::Unreadable:
      break;
  }
  return result.systemError == EACCES
             ? QCoreApplication::translate("FileMessages", "нет прав на чтение")
             : QCoreApplication::translate("FileMessages", "ошибка чтения");
}

QString SameFileRefusal(const QString& input, const QString& output) {
  if (QDir::cleanPath(input) == QDir::cleanPath(output)) {
    return QCoreApplication::translate(
               "FileMessages", "Файл %1 — входной файл команды: записать в него результат нельзя")
        .arg(Shown(output));
  }
  return QCoreApplication::translate(
             "FileMessages",
             "Файл %1 — это входной файл команды %2: записать в него результат нельзя")
      .arg(Shown(output), Shown(input));
}

QString SettingsNotSavedMessage(const QString& path, const WriteResult& result) {
  return QCoreApplication::translate(
             "FileMessages",
             "Не удалось сохранить введенные данные в файле %1 (%2). При следующем запуске "
             "их не будет.")
      .arg(Shown(path), WriteFailureReason(result));
}

QString SelectionNotSavedMessage(const QString& path, const WriteResult& result) {
  return QCoreApplication::translate("FileMessages", "Не удалось сохранить файл %1 (%2).")
      .arg(Shown(path), WriteFailureReason(result));
}

QString DocumentNotWrittenMessage(const QString& path, const WriteResult& result) {
  return QCoreApplication::translate("FileMessages", "Не удалось записать документ: %1 (%2)")
      .arg(Shown(path), WriteFailureReason(result));
}

QString ScheduleNotWrittenMessage(const QString& path, const WriteResult& result) {
  return QCoreApplication::translate("FileMessages",
                                     "Не удалось записать ведомость оборудования: %1 (%2)")
      .arg(Shown(path), WriteFailureReason(result));
}

QString ScheduleOverProjectMessage(const QString& path) {
  return QCoreApplication::translate(
             "FileMessages", "Файл %1 — файл этого проекта: записать в него ведомость нельзя.")
      .arg(Shown(path));
}

QString ProjectNotWrittenMessage(const WriteResult& result) {
  return QCoreApplication::translate("FileMessages", "Не удалось записать файл проекта (%1)")
      .arg(WriteFailureReason(result));
}

QString ProjectTooLargeMessage(qint64 limit) {
  return QCoreApplication::translate(
             "FileMessages",
             "Не удалось записать файл проекта: он был бы больше %1, а файл больше этого программа "
             "не открывает")
      .arg(LimitText(limit));
}

QString ProjectNotReadMessage(const ReadResult& result, qint64 limit) {
  return QCoreApplication::translate("FileMessages", "Файл проекта не читается (%1)")
      .arg(ReadFailureReason(result, limit));
}

QString OutputNotWrittenMessage(int error) {
  return QCoreApplication::translate("FileMessages", "Не удалось вывести результат (%1)")
      .arg(SystemReason(error));
}

QString CsvNotReadMessage(const QString& path, const ReadResult& result, qint64 limit) {
  return QCoreApplication::translate("FileMessages", "Файл CSV не читается: %1 (%2)")
      .arg(Shown(path), ReadFailureReason(result, limit));
}

QString SelectionFileNotReadMessage(const QString& path, const ReadResult& result) {
  return QCoreApplication::translate("FileMessages", "Файл выбора не читается: %1 (%2)")
      .arg(Shown(path), ReadFailureReason(result, 0));
}

}  // namespace selvio
