// The words of the data files' failures and of the catalogue update, in Russian as the form
// and the command line have always shown them, and in English.

#include "words/update_words.h"

#include <gtest/gtest.h>

#include <memory>

#include "catalogue/catalogue_loader.h"
#include "tests/words_fixture.h"
#include "words/load_words.h"

namespace selvio::test {
namespace {

UpdateTransferResult Failed(UpdateTransferStatus status) {
  UpdateTransferResult result;
  result.status = status;
  result.file = QStringLiteral("vkf2.pdf");
  return result;
}

TEST(LoadWords, EveryFailure) {
  EXPECT_TRUE(LoadFailureText({}).isEmpty());
  EXPECT_EQ(LoadFailureText({LoadFailure::CatalogueNotParsed, {}, 0}).toStdString(),
            "Unable to load XML document into the parser");
  EXPECT_EQ(LoadFailureText({LoadFailure::SaturationTableMissing, {}, 0}).toStdString(),
            "Не хватает файла данных Рнас! Пожалуйста, переустановите программу.");
  // One byte over 96 MiB rounds up to 97 MB.
  const LoadResult tooLarge{LoadFailure::CatalogueTooLarge, QStringLiteral("/tmp/x.xml"),
                            kCatalogueFileLimit + 1};
  EXPECT_EQ(LoadFailureText(tooLarge).toStdString(),
            "Файл каталога /tmp/x.xml слишком велик: 97 МБ, допускается не более 96 МБ. Каталог "
            "из него не загружен.");

  const LanguageScope english(Language::English);
  EXPECT_EQ(LoadFailureText(tooLarge).toStdString(),
            "The catalogue file /tmp/x.xml is too large: 97 MB, at most 96 MB is allowed. No "
            "catalogue was loaded from it.");
  EXPECT_EQ(LoadFailureText({LoadFailure::CatalogueNotParsed, {}, 0}).toStdString(),
            "Unable to load XML document into the parser");
}

TEST(UpdateWords, EveryTransferFailure) {
  const struct {
    UpdateTransferStatus status;
    const char* text;
  } rows[] = {
      {UpdateTransferStatus::Applied, ""},
      {UpdateTransferStatus::NoServer, "Не могу установить соединение с сервером."},
      {UpdateTransferStatus::Busy,
       "В рабочей папке уже идет другое обновление, файлы не изменены."},
      {UpdateTransferStatus::FolderUnwritable,
       "Рабочая папка закрыта для записи, файлы не изменены."},
      {UpdateTransferStatus::NoConnection, "Ошибка соединения!"},
      {UpdateTransferStatus::FolderNotFound, "Не могу найти нужную директорию."},
      {UpdateTransferStatus::Refused,
       "Ошибка соединения! Сервер не передал файл «vkf2.pdf», файлы не изменены."},
      {UpdateTransferStatus::Broken,
       "Ошибка соединения! Передача файла «vkf2.pdf» прервана, файлы не изменены."},
      {UpdateTransferStatus::TimedOut, "Ошибка соединения! Сервер не отвечает, файлы не изменены."},
      {UpdateTransferStatus::Cancelled, "Обновление отменено, файлы не изменены."},
      {UpdateTransferStatus::CatalogueEmpty,
       "Полученный каталог xmldata.xml не содержит ни клапанов, ни регуляторов, файлы не "
       "изменены."},
      {UpdateTransferStatus::WriteFailed,
       "Не удалось записать файл «vkf2.pdf» в рабочую папку, файлы не изменены."},
      {UpdateTransferStatus::FolderInWay,
       "Файл «vkf2.pdf» не записан: в рабочей папке на его месте папка, файлы не изменены."},
      {UpdateTransferStatus::NotRestored,
       "Не удалось записать файл «vkf2.pdf» в рабочую папку, и прежние файлы вернуть не удалось. "
       "Они будут возвращены при следующем запуске программы или обновлении."},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(UpdateTransferFailureText(Failed(row.status)).toStdString(), row.text);
  }
}

// Sizes in whole MB or KB where they are, bytes otherwise; times in whole minutes or seconds.
TEST(UpdateWords, LimitsInTheirUnits) {
  UpdateTransferResult result = Failed(UpdateTransferStatus::ListingTooLarge);
  result.byteLimit = qint64{1} << 20;
  EXPECT_EQ(UpdateTransferFailureText(result).toStdString(),
            "Список файлов на сервере больше 1 МБ, обновление прервано, файлы не изменены.");
  result.status = UpdateTransferStatus::FileTooLarge;
  result.byteLimit = 256 * 1024;
  EXPECT_EQ(UpdateTransferFailureText(result).toStdString(),
            "Файл «vkf2.pdf» на сервере больше 256 КБ, обновление прервано, файлы не изменены.");
  result.status = UpdateTransferStatus::UpdateTooLarge;
  result.byteLimit = 1000;
  EXPECT_EQ(UpdateTransferFailureText(result).toStdString(),
            "Файлы обновления вместе больше 1000 байт, обновление прервано, файлы не изменены.");
  result.status = UpdateTransferStatus::OutOfTime;
  result.timeLimit = std::chrono::seconds(600);
  EXPECT_EQ(UpdateTransferFailureText(result).toStdString(),
            "Ошибка соединения! Обновление не закончилось за 10 мин, файлы не изменены.");
  result.timeLimit = std::chrono::seconds(90);
  EXPECT_EQ(UpdateTransferFailureText(result).toStdString(),
            "Ошибка соединения! Обновление не закончилось за 90 с, файлы не изменены.");

  const LanguageScope english(Language::English);
  EXPECT_EQ(UpdateTransferFailureText(result).toStdString(),
            "Connection error! The update did not finish within 90 s, files unchanged.");
  result.status = UpdateTransferStatus::FileTooLarge;
  result.byteLimit = 256 * 1024;
  EXPECT_EQ(UpdateTransferFailureText(result).toStdString(),
            "The file “vkf2.pdf” on the server is larger than 256 KB, update stopped, files "
            "unchanged.");
}

TEST(UpdateWords, TheSettingsTheirFileAndTheServersCatalogue) {
  const char* labels[] = {"Сервер:", "Логин:", "Пароль:", "Путь:"};
  const UpdateSettingsField fields[] = {UpdateSettingsField::Server, UpdateSettingsField::Login,
                                        UpdateSettingsField::Password, UpdateSettingsField::Path};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(UpdateSettingsProblemText(fields[i]),
              Utf8("Поле «%1» содержит перевод строки или нулевой символ. Исправьте его: настройки "
                   "не сохранены, соединение не устанавливалось.")
                  .arg(Utf8(labels[i])));
  }
  UpdateTransferResult invalid = Failed(UpdateTransferStatus::InvalidSettings);
  invalid.badField = UpdateSettingsField::Path;
  EXPECT_EQ(UpdateTransferFailureText(invalid), UpdateSettingsProblemText(fields[3]));

  UpdateSettingsFile file{{}, UpdateSettingsFileProblem::None, QStringLiteral("update.dat")};
  EXPECT_TRUE(UpdateSettingsFileProblemText(file).isEmpty());
  file.problem = UpdateSettingsFileProblem::StrayControlCharacter;
  EXPECT_EQ(UpdateSettingsFileProblemText(file).toStdString(),
            "Файл настроек обновления update.dat поврежден: в нем есть нулевой символ или возврат "
            "каретки без перевода строки. Настройки из него не прочитаны, соединение не "
            "устанавливалось.");

  UpdateTransferResult unreadable = Failed(UpdateTransferStatus::CatalogueUnreadable);
  unreadable.catalogueLoad = {LoadFailure::CatalogueNotParsed, {}, 0};
  EXPECT_EQ(UpdateTransferFailureText(unreadable).toStdString(),
            "Полученный каталог xmldata.xml не читается (Unable to load XML document into the "
            "parser), файлы не изменены.");

  const LanguageScope english(Language::English);
  EXPECT_EQ(UpdateSettingsProblemText(UpdateSettingsField::Login).toStdString(),
            "The field “Login:” contains a line break or a null character. Correct it: the "
            "settings were not saved, no connection was made.");
}

TEST(UpdateWords, TheEndOfAnUpdate) {
  UpdateTransferResult applied;
  applied.refused = 3;
  const auto messages = [&applied](CatalogueUpdateEnding ending) {
    QStringList texts;
    for (const QString& text : CatalogueUpdateMessages(applied, {ending, {}})) texts << text;
    return texts.join(QLatin1Char('|')).toStdString();
  };
  EXPECT_EQ(messages(CatalogueUpdateEnding::Updated),
            "Обновление прошло успешно|Пропущено файлов с недопустимыми именами: 3");
  EXPECT_EQ(messages(CatalogueUpdateEnding::NothingNew),
            "Обновление не найдено|Пропущено файлов с недопустимыми именами: 3");
  applied.refused = 0;
  EXPECT_EQ(messages(CatalogueUpdateEnding::Updated), "Обновление прошло успешно");
  EXPECT_EQ(CatalogueUpdateMessages(applied, {CatalogueUpdateEnding::CatalogueNotLoaded,
                                              {LoadFailure::CatalogueNotParsed, {}, 0}}),
            std::vector<QString>{QStringLiteral("Unable to load XML document into the parser")});
  EXPECT_EQ(CatalogueUpdateMessages(Failed(UpdateTransferStatus::Cancelled), {}),
            std::vector<QString>{Utf8("Обновление отменено, файлы не изменены.")});

  const auto catalogue = std::make_unique<Catalogue>();
  catalogue->catalogueDate = QStringLiteral("01.03.2024");
  EXPECT_EQ(CatalogueCaption(*catalogue).toStdString(), "Подбор клапана. База от 01.03.2024");

  const LanguageScope english(Language::English);
  applied.refused = 1;
  EXPECT_EQ(messages(CatalogueUpdateEnding::NothingNew),
            "No update found|File skipped for a name not allowed: 1");
  applied.refused = 2;
  EXPECT_EQ(messages(CatalogueUpdateEnding::Updated),
            "Update completed successfully|Files skipped for names not allowed: 2");
  EXPECT_EQ(CatalogueCaption(*catalogue).toStdString(), "Valve selection. Catalogue of 01.03.2024");
}

}  // namespace
}  // namespace selvio::test
