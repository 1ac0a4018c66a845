#include "update/catalogue_update.h"

#include "catalogue/catalogue_loader.h"
#include "platform/working_files.h"

namespace selvio {

QString CatalogueCaption(const Catalogue& catalogue) {
  return QString::fromUtf8("Подбор клапана. База от ") + catalogue.catalogueDate;
}

QString UpdateTransferFailureMessage(const UpdateTransferResult& result) {
  switch (result.status) {
    case UpdateTransferStatus::Applied:
      return {};
    case UpdateTransferStatus::NoServer:
      return QString::fromUtf8("Не могу установить соединение с сервером.");
    case UpdateTransferStatus::NoConnection:
      return QString::fromUtf8("Ошибка соединения!");
    case UpdateTransferStatus::FolderNotFound:
      return QString::fromUtf8("Не могу найти нужную директорию.");
    case UpdateTransferStatus::Broken:
      return QString::fromUtf8(
                 "Ошибка соединения! Передача файла «%1» прервана, файлы не изменены.")
          .arg(result.file);
    case UpdateTransferStatus::TimedOut:
      return QString::fromUtf8("Ошибка соединения! Сервер не отвечает, файлы не изменены.");
    case UpdateTransferStatus::Cancelled:
      return QString::fromUtf8("Обновление отменено, файлы не изменены.");
    case UpdateTransferStatus::CatalogueUnreadable:
      return QString::fromUtf8(
                 "Полученный каталог xmldata.xml не читается (%1), файлы не изменены.")
          .arg(result.catalogueFailure);
    case UpdateTransferStatus::WriteFailed:
      return QString::fromUtf8("Не удалось записать файл «%1» в рабочую папку.").arg(result.file);
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
