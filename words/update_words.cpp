#include "words/update_words.h"

#include <QCoreApplication>

#include "words/load_words.h"

namespace selvio {
namespace {

// A size in bytes as the messages give it: "1 МБ", "64 КБ", "1000 байт".
QString SizeText(qint64 bytes) {
  constexpr qint64 kKilobyte = 1024;
  if (bytes > 0 && bytes % (kKilobyte * kKilobyte) == 0) {
    return QCoreApplication::translate("CatalogueUpdate", "%1 МБ")
        .arg(bytes / (kKilobyte * kKilobyte));
  }
  if (bytes > 0 && bytes % kKilobyte == 0)
    return QCoreApplication::translate("CatalogueUpdate", "%1 КБ").arg(bytes / kKilobyte);
  return QCoreApplication::translate("CatalogueUpdate", "%1 байт").arg(bytes);
}

// "10 мин", or "90 с" for a time that is no whole number of minutes.
QString DurationText(std::chrono::seconds time) {
  const qint64 seconds = time.count();
  if (seconds > 0 && seconds % 60 == 0)
    return QCoreApplication::translate("CatalogueUpdate", "%1 мин").arg(seconds / 60);
  return QCoreApplication::translate("CatalogueUpdate", "%1 с").arg(seconds);
}

QString FieldLabel(UpdateSettingsField field) {
  switch (field) {
    case UpdateSettingsField::Server:
      return QCoreApplication::translate("UpdateSettings", "Сервер:");
    case UpdateSettingsField::Login:
      return QCoreApplication::translate("UpdateSettings", "Логин:");
    case UpdateSettingsField::Password:
      return QCoreApplication::translate("UpdateSettings", "Пароль:");
    case UpdateSettingsField::Path:
      return QCoreApplication::translate("UpdateSettings", "Путь:");
  }
  return {};
}

}  // namespace

QString CatalogueCaption(const Catalogue& catalogue) {
  return QCoreApplication::translate("CatalogueUpdate", "Подбор клапана. База от %1")
      .arg(catalogue.catalogueDate);
}

QString UpdateSettingsProblemText(UpdateSettingsField field) {
  return QCoreApplication::translate("UpdateSettings",
                                     "Поле «%1» содержит перевод строки или нулевой символ. "
                                     "Исправьте его: настройки не сохранены, соединение не "
                                     "устанавливалось.")
      .arg(FieldLabel(field));
}

QString UpdateSettingsFileProblemText(const UpdateSettingsFile& file) {
  switch (file.problem) {
    case UpdateSettingsFileProblem::None:
      break;
    case UpdateSettingsFileProblem::StrayControlCharacter:
      return QCoreApplication::translate(
                 "UpdateSettings",
                 "Файл настроек обновления %1 поврежден: в нем есть нулевой символ или возврат "
                 "каретки без перевода строки. Настройки из него не прочитаны, соединение не "
                 "устанавливалось.")
          .arg(file.fileName);
    case UpdateSettingsFileProblem::NotARegularFileOrTooLarge:
      return QCoreApplication::translate(
                 "UpdateSettings",
                 "Файл настроек обновления %1 не прочитан: это не обычный файл или он больше %2 "
                 "КБ. Соединение не устанавливалось.")
          .arg(file.fileName)
          .arg(kUpdateSettingsFileLimit / 1024);
  }
  return {};
}

QString UpdateTransferFailureText(const UpdateTransferResult& result) {
  switch (result.status) {
    case UpdateTransferStatus::Applied:
      break;
    case UpdateTransferStatus::InvalidSettings:
      return UpdateSettingsProblemText(result.badField);
    case UpdateTransferStatus::NoServer:
      return QCoreApplication::translate("CatalogueUpdate",
                                         "Не могу установить соединение с сервером.");
    case UpdateTransferStatus::Busy:
      return QCoreApplication::translate(
          "CatalogueUpdate", "В рабочей папке уже идет другое обновление, файлы не изменены.");
    case UpdateTransferStatus::FolderUnwritable:
      return QCoreApplication::translate("CatalogueUpdate",
                                         "Рабочая папка закрыта для записи, файлы не изменены.");
    case UpdateTransferStatus::NoConnection:
      return QCoreApplication::translate("CatalogueUpdate", "Ошибка соединения!");
    case UpdateTransferStatus::FolderNotFound:
      return QCoreApplication::translate("CatalogueUpdate", "Не могу найти нужную директорию.");
    case UpdateTransferStatus::Refused:
      return QCoreApplication::translate(
                 "CatalogueUpdate",
                 "Ошибка соединения! Сервер не передал файл «%1», файлы не изменены.")
          .arg(result.file);
    case UpdateTransferStatus::Broken:
      return QCoreApplication::translate(
                 "CatalogueUpdate",
                 "Ошибка соединения! Передача файла «%1» прервана, файлы не изменены.")
          .arg(result.file);
    case UpdateTransferStatus::TimedOut:
      return QCoreApplication::translate(
          "CatalogueUpdate", "Ошибка соединения! Сервер не отвечает, файлы не изменены.");
    case UpdateTransferStatus::OutOfTime:
      return QCoreApplication::translate(
                 "CatalogueUpdate",
                 "Ошибка соединения! Обновление не закончилось за %1, файлы не изменены.")
          .arg(DurationText(result.timeLimit));
    case UpdateTransferStatus::ListingTooLarge:
      return QCoreApplication::translate(
                 "CatalogueUpdate",
                 "Список файлов на сервере больше %1, обновление прервано, файлы не изменены.")
          .arg(SizeText(result.byteLimit));
    case UpdateTransferStatus::FileTooLarge:
      return QCoreApplication::translate(
                 "CatalogueUpdate",
                 "Файл «%1» на сервере больше %2, обновление прервано, файлы не изменены.")
          .arg(result.file, SizeText(result.byteLimit));
    case UpdateTransferStatus::UpdateTooLarge:
      return QCoreApplication::translate(
                 "CatalogueUpdate",
                 "Файлы обновления вместе больше %1, обновление прервано, файлы не изменены.")
          .arg(SizeText(result.byteLimit));
    case UpdateTransferStatus::Cancelled:
      return QCoreApplication::translate("CatalogueUpdate",
                                         "Обновление отменено, файлы не изменены.");
    case UpdateTransferStatus::CatalogueUnreadable:
      return QCoreApplication::translate(
                 "CatalogueUpdate",
                 "Полученный каталог xmldata.xml не читается (%1), файлы не изменены.")
          .arg(LoadFailureText(result.catalogueLoad));
    case UpdateTransferStatus::CatalogueEmpty:
      return QCoreApplication::translate("CatalogueUpdate",
                                         "Полученный каталог xmldata.xml не содержит ни "
                                         "клапанов, ни регуляторов, файлы не изменены.");
    case UpdateTransferStatus::WriteFailed:
      return QCoreApplication::translate(
                 "CatalogueUpdate",
                 "Не удалось записать файл «%1» в рабочую папку, файлы не изменены.")
          .arg(result.file);
    case UpdateTransferStatus::FolderInWay:
      return QCoreApplication::translate(
                 "CatalogueUpdate",
                 "Файл «%1» не записан: в рабочей папке на его месте папка, файлы не изменены.")
          .arg(result.file);
    case UpdateTransferStatus::NotRestored:
      return QCoreApplication::translate(
                 "CatalogueUpdate",
                 "Не удалось записать файл «%1» в рабочую папку, и прежние файлы вернуть не "
                 "удалось. Они будут возвращены при следующем запуске программы или "
                 "обновлении.")
          .arg(result.file);
  }
  return {};
}

std::vector<QString> CatalogueUpdateMessages(const UpdateTransferResult& result,
                                             const CatalogueUpdateOutcome& outcome) {
  switch (outcome.ending) {
    case CatalogueUpdateEnding::TransferFailed:
      return {UpdateTransferFailureText(result)};
    case CatalogueUpdateEnding::CatalogueNotLoaded:
      return {LoadFailureText(outcome.load)};
    case CatalogueUpdateEnding::NothingNew:
    case CatalogueUpdateEnding::Updated:
      break;
  }
  std::vector<QString> messages = {
      outcome.ending == CatalogueUpdateEnding::NothingNew
          ? QCoreApplication::translate("CatalogueUpdate", "Обновление не найдено")
          : QCoreApplication::translate("CatalogueUpdate", "Обновление прошло успешно")};
  if (result.refused > 0) {
    messages.push_back(QCoreApplication::translate("CatalogueUpdate",
                                                   "Пропущено файлов с недопустимыми именами: %n",
                                                   nullptr, result.refused));
  }
  return messages;
}

}  // namespace selvio
