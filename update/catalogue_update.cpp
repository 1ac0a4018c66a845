#include "update/catalogue_update.h"

#include "catalogue/catalogue_loader.h"
#include "platform/working_files.h"

namespace selvio {
namespace {

// A size in bytes as the messages give it: "1 МБ", "64 КБ", "1000 байт".
QString SizeText(qint64 bytes) {
  constexpr qint64 kKilobyte = 1024;
  if (bytes > 0 && bytes % (kKilobyte * kKilobyte) == 0) {
    return QString::fromUtf8("%1 МБ").arg(bytes / (kKilobyte * kKilobyte));
  }
  if (bytes > 0 && bytes % kKilobyte == 0) return QString::fromUtf8("%1 КБ").arg(bytes / kKilobyte);
  return QString::fromUtf8("%1 байт").arg(bytes);
}

// "10 мин", or "90 с" for a time that is no whole number of minutes.
QString DurationText(std::chrono::seconds time) {
  const qint64 seconds = time.count();
  if (seconds > 0 && seconds % 60 == 0) return QString::fromUtf8("%1 мин").arg(seconds / 60);
  return QString::fromUtf8("%1 с").arg(seconds);
}

}  // namespace

QString CatalogueCaption(const Catalogue& catalogue) {
  return QString::fromUtf8("Подбор клапана. База от ") + catalogue.catalogueDate;
}

QString UpdateTransferFailureMessage(const UpdateTransferResult& result) {
  const QString unchanged = QString::fromUtf8(", файлы не изменены.");
  switch (result.status) {
    case UpdateTransferStatus::Applied:
      return {};
    case UpdateTransferStatus::InvalidSettings:
      return result.settingsProblem;
    case UpdateTransferStatus::NoServer:
      return QString::fromUtf8("Не могу установить соединение с сервером.");
    case UpdateTransferStatus::Busy:
      return QString::fromUtf8("В рабочей папке уже идет другое обновление") + unchanged;
    case UpdateTransferStatus::FolderUnwritable:
      return QString::fromUtf8("Рабочая папка закрыта для записи") + unchanged;
    case UpdateTransferStatus::NoConnection:
      return QString::fromUtf8("Ошибка соединения!");
    case UpdateTransferStatus::FolderNotFound:
      return QString::fromUtf8("Не могу найти нужную директорию.");
    case UpdateTransferStatus::Refused:
      return QString::fromUtf8("Ошибка соединения! Сервер не передал файл «%1»").arg(result.file) +
             unchanged;
    case UpdateTransferStatus::Broken:
      return QString::fromUtf8(
                 "Ошибка соединения! Передача файла «%1» прервана, файлы не изменены.")
          .arg(result.file);
    case UpdateTransferStatus::TimedOut:
      return QString::fromUtf8("Ошибка соединения! Сервер не отвечает, файлы не изменены.");
    case UpdateTransferStatus::OutOfTime:
      return QString::fromUtf8("Ошибка соединения! Обновление не закончилось за %1")
                 .arg(DurationText(result.timeLimit)) +
             unchanged;
    case UpdateTransferStatus::ListingTooLarge:
      return QString::fromUtf8("Список файлов на сервере больше %1, обновление прервано")
                 .arg(SizeText(result.byteLimit)) +
             unchanged;
    case UpdateTransferStatus::FileTooLarge:
      return QString::fromUtf8("Файл «%1» на сервере больше %2, обновление прервано")
                 .arg(result.file, SizeText(result.byteLimit)) +
             unchanged;
    case UpdateTransferStatus::UpdateTooLarge:
      return QString::fromUtf8("Файлы обновления вместе больше %1, обновление прервано")
                 .arg(SizeText(result.byteLimit)) +
             unchanged;
    case UpdateTransferStatus::Cancelled:
      return QString::fromUtf8("Обновление отменено, файлы не изменены.");
    case UpdateTransferStatus::CatalogueUnreadable:
      return QString::fromUtf8(
                 "Полученный каталог xmldata.xml не читается (%1), файлы не изменены.")
          .arg(result.catalogueFailure);
    case UpdateTransferStatus::CatalogueEmpty:
      return QString::fromUtf8(
                 "Полученный каталог xmldata.xml не содержит ни клапанов, ни регуляторов") +
             unchanged;
    case UpdateTransferStatus::WriteFailed:
      return QString::fromUtf8("Не удалось записать файл «%1» в рабочую папку").arg(result.file) +
             unchanged;
    case UpdateTransferStatus::FolderInWay:
      return QString::fromUtf8("Файл «%1» не записан: в рабочей папке на его месте папка")
                 .arg(result.file) +
             unchanged;
    case UpdateTransferStatus::NotRestored:
      return QString::fromUtf8(
                 "Не удалось записать файл «%1» в рабочую папку, и прежние файлы вернуть не "
                 "удалось. Они будут возвращены при следующем запуске программы или обновлении.")
          .arg(result.file);
  }
  return {};
}

bool FinishCatalogueUpdate(const UpdateTransferResult& result, Catalogue& catalogue,
                           FormControls& messages) {
  if (result.status != UpdateTransferStatus::Applied) {
    messages.ShowMessage(UpdateTransferFailureMessage(result));
    return false;
  }
  const QString previousDate = catalogue.catalogueDate;
  if (result.catalogue) {
    catalogue = *result.catalogue;
  } else if (const QString failure =
                 LoadCatalogue(working_files::Name(working_files::kCatalogue), catalogue).failure;
             !failure.isEmpty()) {
    messages.ShowMessage(failure);
    return false;
  }
  messages.ShowMessage(catalogue.catalogueDate == previousDate
                           ? QString::fromUtf8("Обновление не найдено")
                           : QString::fromUtf8("Обновление прошло успешно"));
  if (result.refused > 0) {
    messages.ShowMessage(
        QString::fromUtf8("Пропущено файлов с недопустимыми именами: %1").arg(result.refused));
  }
  return true;
}

}  // namespace selvio
