#include "app/dialogs/update_dialog.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "tests/form_fixture.h"
#include "tests/ftp_test_server.h"

namespace selvio::test {
namespace {

using namespace update_ids;

const QByteArray kEightMetreCopper = "<капиляр><длина>8</длина><медь/></капиляр>";

// The selection form with its test catalogue (dated 01.03.2024), and an FTP server whose folder
// "pub" the test fills.
class UpdateDialogTest : public FormTest {
 protected:
  QString Pub(const QString& name) const { return root_.filePath("pub/" + name); }

  // The user opens "Проверить обновление", fills the four fields, presses "Обновить" and then
  // "Закрыть".
  void UpdateThroughTheDialog(const UpdateSettings& settings) {
    C().QueueDialogScript([this, settings](HeadlessControls& dialog) {
      dialog.SetText(kServer, settings.server);
      dialog.SetText(kLogin, settings.login);
      dialog.SetText(kPassword, settings.password);
      dialog.SetText(kPath, settings.path);
      dialog.Click(kUpdate);
      dialogsRunFromTheUpdateDialog_ = dialog.DialogsRun();
      dialog.Click(ids::kOk);
    });
    C().ClearMessages();
    Click(ids::kCheckUpdate);
  }

  QStringList CopperLengths() {
    const CapillaryLengthList& list = State().copperCapillaryLengths;
    return QStringList(list.labels.begin(), list.labels.begin() + list.count);
  }

  QTemporaryDir root_;
  std::vector<int> dialogsRunFromTheUpdateDialog_;
};

TEST_F(UpdateDialogTest, NewCatalogueIsLoadedAndShownInTheCaption) {
  WriteFile(Pub("xmldata.xml"), TestCatalogue("01.06.2025", kEightMetreCopper));
  WriteFile(Pub(QString::fromUtf8("Рнас.dat")), "new table\n");
  FtpTestServer server(root_.path());
  ASSERT_NE(server.Port(), 0);
  Start();
  ASSERT_EQ(C().Caption(), QString::fromUtf8("Подбор клапана. База от 01.03.2024"));
  // "%.1f" rounds the exact tie 4.25 to even.
  ASSERT_EQ(CopperLengths(), QStringList({"2.0", "4.2"}));
  // The user has a copper capillary of 4.2 m chosen.
  for (int radio : {ids::kCopperCapillary, ids::kPvcCapillary, ids::kStainlessCapillary}) {
    C().SetChecked(radio, radio == ids::kCopperCapillary);
  }
  C().ClearList(ids::kCapillaryLength);
  for (const QString& length : CopperLengths()) C().AppendListEntry(ids::kCapillaryLength, length);
  C().SelectListEntry(ids::kCapillaryLength, 1);

  UpdateThroughTheDialog(server.Settings());
  EXPECT_EQ(C().DialogsRun(), std::vector<int>({kDialog}));
  EXPECT_EQ(dialogsRunFromTheUpdateDialog_, std::vector<int>({kProgressDialog}));
  EXPECT_EQ(C().Messages(), QStringList(QString::fromUtf8("Обновление прошло успешно")));
  EXPECT_EQ(C().Caption(), QString::fromUtf8("Подбор клапана. База от 01.06.2025"));
  EXPECT_EQ(View().CatalogueData().catalogueDate, "01.06.2025");
  // The capillary length lists are built again from the new catalogue, not appended to.
  EXPECT_EQ(CopperLengths(), QStringList({"2.0", "4.2", "8.0"}));
  // The list on the form shows them at once, still on 4.2 m.
  EXPECT_EQ(C().ListEntries(ids::kCapillaryLength), QStringList({"2.0", "4.2", "8.0"}));
  EXPECT_EQ(C().SelectedIndex(ids::kCapillaryLength), 1);
  EXPECT_EQ(ReadFile(FilePath(QString::fromUtf8("Рнас.dat"))), QByteArray("new table\n"));
  EXPECT_EQ(ReadFile(FilePath("update.dat")),
            (server.Address() + "\r\nupdater\r\nsecret\r\npub\r\n").toUtf8());
}

TEST_F(UpdateDialogTest, SameCatalogueIsNotAnUpdateButEveryFileIsDownloadedAgain) {
  WriteFile(Pub("xmldata.xml"), TestCatalogue("01.03.2024"));
  WriteFile(Pub(QString::fromUtf8("Рнас.dat")), "server's table\n");
  FtpTestServer server(root_.path());
  ASSERT_NE(server.Port(), 0);
  Start();
  UpdateThroughTheDialog(server.Settings());
  EXPECT_EQ(C().Messages(), QStringList(QString::fromUtf8("Обновление не найдено")));
  EXPECT_EQ(C().Caption(), QString::fromUtf8("Подбор клапана. База от 01.03.2024"));
  EXPECT_EQ(ReadFile(FilePath(QString::fromUtf8("Рнас.dat"))), QByteArray("server's table\n"));
}

TEST_F(UpdateDialogTest, FailedUpdateStillSavesTheSettingsAndKeepsTheCatalogue) {
  WriteFile(Pub("xmldata.xml"), TestCatalogue("01.06.2025", kEightMetreCopper));
  FtpTestServer server(root_.path());
  ASSERT_NE(server.Port(), 0);
  Start();
  UpdateThroughTheDialog(server.Settings("nowhere"));
  EXPECT_EQ(C().Messages(), QStringList(QString::fromUtf8("Не могу найти нужную директорию.")));
  EXPECT_EQ(View().CatalogueData().catalogueDate, "01.03.2024");
  EXPECT_EQ(CopperLengths(), QStringList({"2.0", "4.2"}));
  EXPECT_EQ(ReadFile(FilePath("update.dat")),
            (server.Address() + "\r\nupdater\r\nsecret\r\nnowhere\r\n").toUtf8());
}

TEST_F(UpdateDialogTest, ClosingWithoutUpdateLeavesTheFileAndSetsTheCaption) {
  const QByteArray saved = "srv\r\n\r\npw\r\npub\r\n";
  WriteFile(FilePath("update.dat"), saved);
  Start();
  C().SetCaption("something else");
  QStringList shown;
  C().QueueDialogScript([&shown](HeadlessControls& dialog) {
    shown = {dialog.Text(kServer), dialog.Text(kLogin), dialog.Text(kPassword), dialog.Text(kPath)};
    dialog.Click(ids::kOk);
  });
  Click(ids::kCheckUpdate);
  // The empty login line moved the words up.
  EXPECT_EQ(shown, QStringList({"srv", "pw", "pub", ""}));
  EXPECT_EQ(ReadFile(FilePath("update.dat")), saved);
  EXPECT_EQ(C().Caption(), QString::fromUtf8("Подбор клапана. База от 01.03.2024"));
  EXPECT_TRUE(C().Messages().isEmpty());
}

TEST(UpdateDialogTemplate, FieldsLabelsAndButtons) {
  const auto catalogue = std::make_unique<Catalogue>();
  const DialogTemplate dialog = UpdateDialog(*catalogue, {}).Template();
  EXPECT_EQ(dialog.id, 132);
  EXPECT_EQ(dialog.title, QString::fromUtf8("Обновление"));
  std::map<int, std::pair<ControlType, QString>> controls;
  for (const DialogControl& control : dialog.controls) {
    controls[control.id] = {control.kind, control.text};
  }
  const std::pair<int, ControlType> edits[] = {{1112, ControlType::Edit},
                                               {1114, ControlType::Edit},
                                               {1117, ControlType::Edit},
                                               {1120, ControlType::Edit}};
  for (const auto& [id, kind] : edits) EXPECT_EQ(controls[id].first, kind) << id;
  EXPECT_EQ(controls[1072], std::make_pair(ControlType::Button, QString::fromUtf8("Обновить")));
  EXPECT_EQ(controls[1], std::make_pair(ControlType::Button, QString::fromUtf8("Закрыть")));
  QStringList labels;
  for (const DialogControl& control : dialog.controls) {
    if (control.kind == ControlType::Label) labels << control.text;
  }
  EXPECT_EQ(labels, QStringList({"Сервер:", "Логин:", "Пароль:", "Путь:"}));
}

// A progress window whose user clicks "Отмена" while the second file is downloading.
class CancellingWindow : public HeadlessControls {
 public:
  void ProcessEvents() override {
    ++eventRounds;
    if (Text(kProgressCount).startsWith(QString::fromUtf8("Загружено файлов: 1 из")) && !clicked) {
      clicked = true;
      fileWhenCancelled = Text(kProgressFile);
      Click(ids::kCancel);
    }
  }
  int eventRounds = 0;
  bool clicked = false;
  QString fileWhenCancelled;
};

TEST_F(UpdateDialogTest, ProgressWindowCancelStopsTheTransferAtOnce) {
  WriteFile(Pub("xmldata.xml"), TestCatalogue("01.06.2025"));
  WriteFile(Pub("a.pdf"), "a");
  WriteFile(Pub("b.pdf"), "b");
  FtpTestServer server(root_.path());
  ASSERT_NE(server.Port(), 0);
  Start();
  const QByteArray oldCatalogue = ReadFile(FilePath("xmldata.xml"));

  CUpdateProgressDlg progress(server.Settings(), {});
  CancellingWindow window;
  for (const DialogControl& control : progress.Template().controls) {
    window.Define(control.id, control.kind, control.text);
  }
  progress.Initialise(window);
  progress.Shown(window);
  EXPECT_TRUE(window.clicked);
  EXPECT_TRUE(window.fileWhenCancelled.startsWith(QString::fromUtf8("Загрузка файла: ")));
  EXPECT_EQ(progress.Result().status, UpdateTransferStatus::Cancelled);
  EXPECT_TRUE(window.Ended());
  EXPECT_FALSE(window.Accepted());
  EXPECT_EQ(ReadFile(FilePath("xmldata.xml")), oldCatalogue);
  EXPECT_FALSE(QFileInfo::exists(FilePath("a.pdf")) || QFileInfo::exists(FilePath("b.pdf")));
}

TEST_F(UpdateDialogTest, AFieldWithALineBreakIsRefusedBeforeAnythingIsSavedOrSent) {
  WriteFile(Pub("xmldata.xml"), TestCatalogue("01.06.2025"));
  FtpTestServer server(root_.path());
  ASSERT_NE(server.Port(), 0);
  const QByteArray saved = "srv\r\nuser\r\npw\r\npub\r\n";
  WriteFile(FilePath("update.dat"), saved);
  Start();
  const QByteArray oldCatalogue = ReadFile(FilePath("xmldata.xml"));
  struct Row {
    const char* label;
    int field;
  };
  // A value pasted with its line end keeps it in the edit.
  const QString pasted[] = {QStringLiteral("\r\nDELE xmldata.xml"), QStringLiteral("\n"),
                            QStringLiteral("\r"), QString(QChar(0))};
  for (const Row& row : {Row{"Сервер:", 0}, Row{"Логин:", 1}, Row{"Пароль:", 2}, Row{"Путь:", 3}}) {
    for (const QString& end : pasted) {
      SCOPED_TRACE(row.label);
      UpdateSettings settings = server.Settings();
      QString* fields[] = {&settings.server, &settings.login, &settings.password, &settings.path};
      *fields[row.field] += end;
      UpdateThroughTheDialog(settings);
      EXPECT_EQ(C().Messages(),
                QStringList(QString::fromUtf8("Поле «%1» содержит перевод строки или нулевой "
                                              "символ. Исправьте его: настройки не сохранены, "
                                              "соединение не устанавливалось.")
                                .arg(QString::fromUtf8(row.label))));
      EXPECT_TRUE(dialogsRunFromTheUpdateDialog_.empty()) << "no transfer was started";
      EXPECT_EQ(ReadFile(FilePath("update.dat")), saved);
      EXPECT_EQ(ReadFile(FilePath("xmldata.xml")), oldCatalogue);
    }
  }
}

TEST_F(UpdateDialogTest, ASettingsFileWithALoneCarriageReturnIsReportedNotCutIntoFields) {
  WriteFile(FilePath("update.dat"), "srv\r\nuser\rDELE xmldata.xml\r\npw\r\npub\r\n");
  Start();
  QStringList shown;
  C().QueueDialogScript([&shown](HeadlessControls& dialog) {
    shown = {dialog.Text(kServer), dialog.Text(kLogin), dialog.Text(kPassword), dialog.Text(kPath)};
    dialog.Click(ids::kOk);
  });
  C().ClearMessages();
  Click(ids::kCheckUpdate);
  EXPECT_EQ(shown, QStringList({"", "", "", ""}));
  EXPECT_EQ(C().Messages(),
            QStringList(QString::fromUtf8(
                "Файл настроек обновления update.dat поврежден: в нем есть нулевой символ или "
                "возврат каретки без перевода строки. Настройки из него не прочитаны, соединение "
                "не устанавливалось.")));
}

}  // namespace
}  // namespace selvio::test
