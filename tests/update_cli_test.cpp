#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include "app/cli/select_command.h"
#include "app/cli/update_command.h"
#include "catalogue/catalogue_date.h"
#include "tests/cli_run.h"
#include "tests/ftp_test_server.h"

namespace selvio::test {
namespace {

// A working folder with the form's test catalogue (dated 01.03.2024) and a server whose folder
// "pub" holds a newer one.
class UpdateCliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteFile(work_.filePath("xmldata.xml"), TestCatalogue("01.03.2024"));
    WriteFile(root_.filePath("pub/xmldata.xml"), TestCatalogue("01.06.2025"));
  }
  void WriteSettings(const UpdateSettings& settings) {
    ASSERT_TRUE(SaveUpdateSettings(work_.filePath("update.dat"), settings));
  }
  QTemporaryDir work_;
  QTemporaryDir root_;
};

TEST_F(UpdateCliTest, UpdatesTheFolderAndPrintsTheDialogsMessages) {
  FtpTestServer server(root_.path());
  ASSERT_NE(server.Port(), 0);
  WriteSettings(server.Settings());
  const QByteArray settings = ReadFile(work_.filePath("update.dat"));
  const QString before = QDir::currentPath();

  const RunResult first = RunInProcess({"update", "--dir", work_.path()});
  EXPECT_EQ(first.status, 0);
  EXPECT_EQ(first.out, QString::fromUtf8("Обновление прошло успешно\n"));
  EXPECT_EQ(ReadFile(work_.filePath("xmldata.xml")), TestCatalogue("01.06.2025"));
  EXPECT_EQ(QDir::currentPath(), before);

  const RunResult second = RunInProcess({"update", "--dir", work_.path()});
  EXPECT_EQ(second.status, 0);
  EXPECT_EQ(second.out, QString::fromUtf8("Обновление не найдено\n"));
  // The settings file is only read.
  EXPECT_EQ(ReadFile(work_.filePath("update.dat")), settings);
}

TEST_F(UpdateCliTest, FailedUpdateExitsWithOne) {
  FtpTestServer server(root_.path());
  ASSERT_NE(server.Port(), 0);
  UpdateSettings refused = server.Settings();
  refused.password = "wrong";
  UpdateSettings closed = server.Settings();
  closed.server = QStringLiteral("127.0.0.1:%1").arg(ClosedPort());
  struct Row {
    const char* name;
    UpdateSettings settings;
    const char* out;
  };
  const Row rows[] = {
      {"refused log-in", refused, "Ошибка соединения!\n"},
      {"no server", closed, "Ошибка соединения!\n"},
      {"wrong folder", server.Settings("nowhere"), "Не могу найти нужную директорию.\n"},
      {"empty settings", {}, "Не могу установить соединение с сервером.\n"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    WriteSettings(row.settings);
    const RunResult run = RunInProcess({"update", "--dir", work_.path()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, QString::fromUtf8(row.out));
    EXPECT_EQ(ReadFile(work_.filePath("xmldata.xml")), TestCatalogue("01.03.2024"));
  }
}

TEST_F(UpdateCliTest, CatalogueThatDoesNotLoadAfterTheTransferExitsWithOne) {
  // The server sends no catalogue and the folder's own one is unreadable.
  QFile::remove(root_.filePath("pub/xmldata.xml"));
  WriteFile(root_.filePath("pub/other.pdf"), "other");
  WriteFile(work_.filePath("xmldata.xml"), "<xmldata>");
  FtpTestServer server(root_.path());
  ASSERT_NE(server.Port(), 0);
  WriteSettings(server.Settings());
  const RunResult run = RunInProcess({"update", "--dir", work_.path()});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, QString("Unable to load XML document into the parser\n"));
  EXPECT_EQ(ReadFile(work_.filePath("other.pdf")), QByteArray("other"));
}

TEST_F(UpdateCliTest, BadCommandLinesAndMissingSettingsExitWithTwo) {
  QTemporaryDir empty;
  struct Row {
    const char* name;
    QStringList arguments;
    const char* error;
  };
  const Row rows[] = {
      {"no update.dat", {"update", "--dir", empty.path()}, "Нет файла настроек обновления"},
      {"unknown option", {"update", "--verbose"}, "Неизвестный параметр: --verbose"},
      {"--dir without a folder", {"update", "--dir"}, "После --dir нужно имя папки"},
      {"missing folder", {"update", "--dir", empty.filePath("none")}, "Рабочая папка не найдена"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const RunResult run = RunInProcess(row.arguments);
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_TRUE(run.err.contains(QString::fromUtf8(row.error))) << run.err.toStdString();
  }
}

TEST_F(UpdateCliTest, ACatalogueTheServerListsButWillNotSendIsAFailureNotNoUpdate) {
  WriteFile(root_.filePath("pub/vkf2.pdf"), "%PDF companion");
  FtpTestServer server(root_.path(), QStringLiteral("retr-451"));
  ASSERT_NE(server.Port(), 0);
  WriteSettings(server.Settings());
  const RunResult run = RunInProcess({"update", "--dir", work_.path()});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, QString::fromUtf8("Ошибка соединения! Сервер не передал файл «xmldata.xml», "
                                       "файлы не изменены.\n"));
  EXPECT_EQ(ReadFile(work_.filePath("xmldata.xml")), TestCatalogue("01.03.2024"));
  EXPECT_FALSE(QFileInfo::exists(work_.filePath("vkf2.pdf")));
}

TEST_F(UpdateCliTest, ASettingsFileWithANulIsRefusedWithoutConnecting) {
  FtpTestServer server(root_.path());
  ASSERT_NE(server.Port(), 0);
  WriteFile(work_.filePath("update.dat"), server.Address().toUtf8() + "\r\nupdater\r\nsec" +
                                              QByteArray(1, '\0') + "ret\r\npub\r\n");
  const RunResult run = RunInProcess({"update", "--dir", work_.path()});
  EXPECT_EQ(run.status, 2);
  EXPECT_TRUE(run.out.isEmpty());
  EXPECT_TRUE(run.err.contains(QString::fromUtf8("Файл настроек обновления update.dat поврежден")))
      << run.err.toStdString();
  EXPECT_EQ(ReadFile(work_.filePath("xmldata.xml")), TestCatalogue("01.03.2024"));
}

TEST_F(UpdateCliTest, ASecondUpdateFindsTheFolderBusyAndAKilledOneLeavesNothingBehind) {
  // The first update's catalogue comes from a server that trickles it; the second server has a
  // newer catalogue and a document.
  FtpTestServer slow(root_.path(), QStringLiteral("trickle"));
  QTemporaryDir otherRoot;
  WriteFile(otherRoot.filePath("pub/xmldata.xml"), TestCatalogue("01.09.2025"));
  WriteFile(otherRoot.filePath("pub/vkf2.pdf"), "%PDF vkf2");
  FtpTestServer fast(otherRoot.path());
  ASSERT_NE(slow.Port(), 0);
  ASSERT_NE(fast.Port(), 0);
  WriteSettings(slow.Settings());

  QProcess first;
  first.start(QStringLiteral(SELVIO_CLI_PATH), {"update", "--dir", work_.path()});
  ASSERT_TRUE(first.waitForStarted(10000));
  const QDir work(work_.path());
  const QString lock = work.filePath(".selvio-update.lock");
  QElapsedTimer clock;
  clock.start();
  while (!QFileInfo::exists(lock) && clock.elapsed() < 20000) QThread::msleep(20);
  ASSERT_TRUE(QFileInfo::exists(lock)) << "the first update never took the folder";

  WriteSettings(fast.Settings());
  const RunResult second = RunInProcess({"update", "--dir", work_.path()});
  EXPECT_EQ(second.status, 1);
  EXPECT_EQ(second.out, QString::fromUtf8("В рабочей папке уже идет другое обновление, файлы не "
                                          "изменены.\n"));
  EXPECT_EQ(ReadFile(work_.filePath("xmldata.xml")), TestCatalogue("01.03.2024"));
  EXPECT_FALSE(QFileInfo::exists(work_.filePath("vkf2.pdf")));

  first.kill();  // SIGKILL: nothing of the first update's own clean-up runs
  first.waitForFinished(10000);
  EXPECT_TRUE(QFileInfo::exists(lock)) << "a killed update leaves its lock behind";
  // What an update killed between its downloads and its renames leaves.
  WriteFile(work.filePath(".update-Zz9999"), "a download of the killed update");

  const RunResult third = RunInProcess({"update", "--dir", work_.path()});
  EXPECT_EQ(third.status, 0);
  EXPECT_EQ(third.out, QString::fromUtf8("Обновление прошло успешно\n"));
  EXPECT_EQ(ReadFile(work_.filePath("xmldata.xml")), TestCatalogue("01.09.2025"));
  EXPECT_EQ(work.entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
            QStringList({"update.dat", "vkf2.pdf", "xmldata.xml"}));
}

// scripts/local_update_server.py, as the README tells a newcomer to try an update: it serves the
// bundled catalogue with a later date and writes the update.dat that reaches it.
TEST(LocalUpdateServer, ServesTheBundledCatalogueWithALaterDate) {
  QTemporaryDir work;
  const QString bundled = EnvPath("SELVIO_DATA_DIR") + "/xmldata.xml";
  ASSERT_TRUE(QFile::copy(bundled, work.filePath("xmldata.xml")));
  QProcess server;
  server.start("/usr/bin/python3",
               {SELVIO_LOCAL_UPDATE_SERVER, work.path(), "--port", "0", "--lifetime", "120"});
  ASSERT_TRUE(server.waitForStarted(10000));
  QByteArray said;
  while (!said.contains("Wrote") && server.waitForReadyRead(10000)) said += server.readAll();
  ASSERT_TRUE(said.contains("Wrote")) << said.toStdString();
  EXPECT_EQ(QFile::permissions(work.filePath("update.dat")) & 0x0077, 0) << "owner only";

  const RunResult run = RunInProcess({"update", "--dir", work.path()});
  server.terminate();
  server.waitForFinished(10000);
  EXPECT_EQ(run.status, 0) << run.err.toStdString();
  EXPECT_EQ(run.out, QString::fromUtf8("Обновление прошло успешно\n"));
  const std::optional<QDate> before = ParseCatalogueDate(ReadCatalogueDateText(bundled));
  const std::optional<QDate> after =
      ParseCatalogueDate(ReadCatalogueDateText(work.filePath("xmldata.xml")));
  ASSERT_TRUE(before && after);
  EXPECT_EQ(before->daysTo(*after), 1);
  // Nothing but the date differs.
  QByteArray updated = ReadFile(work.filePath("xmldata.xml"));
  updated.replace(after->toString("dd.MM.yyyy").toUtf8(), before->toString("dd.MM.yyyy").toUtf8());
  EXPECT_EQ(updated, ReadFile(bundled));
}

}  // namespace
}  // namespace selvio::test
