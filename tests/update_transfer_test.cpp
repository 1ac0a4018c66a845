#include "update/update_transfer.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <memory>

#include "catalogue/catalogue_loader.h"
#include "catalogue/catalogue_records.h"
#include "platform/headless_controls.h"
#include "tests/ftp_test_server.h"
#include "update/catalogue_update.h"

namespace selvio::test {
namespace {

const QString kNewDate = QStringLiteral("01.06.2025");
const QByteArray kOldCatalogue = TestCatalogue(QStringLiteral("01.03.2024"));
const QByteArray kOldTable = "old table\n";

// A working folder ("work", the current folder) beside a server root whose folder "pub" holds
// a new catalogue and a new "Рнас.dat"; the working folder holds the old ones and the user's
// own "user.bin".
class UpdateTransferTest : public ::testing::Test {
 protected:
  UpdateTransferTest() : previousDir_(QDir::currentPath()) {}
  ~UpdateTransferTest() override { QDir::setCurrent(previousDir_); }

  void SetUp() override {
    ASSERT_TRUE(QDir(base_.path()).mkpath("work"));
    ASSERT_TRUE(QDir::setCurrent(Work("")));
    WriteFile(Work("xmldata.xml"), kOldCatalogue);
    WriteFile(Work(QString::fromUtf8("Рнас.dat")), kOldTable);
    WriteFile(Work("user.bin"), "settings of the user");
    WriteFile(Pub("xmldata.xml"), TestCatalogue(kNewDate));
    WriteFile(Pub(QString::fromUtf8("Рнас.dat")), "new table\n");
    ASSERT_EQ(LoadCatalogue("xmldata.xml", *catalogue_).failure, QString());
  }

  QString Work(const QString& name) const { return base_.filePath("work/" + name); }
  QString Root() const { return base_.filePath("root"); }
  QString Pub(const QString& name) const { return base_.filePath("root/pub/" + name); }

  // What the working folder holds besides the files it had before.
  void ExpectWorkingFolderUntouched() {
    EXPECT_EQ(ReadFile(Work("xmldata.xml")), kOldCatalogue);
    EXPECT_EQ(ReadFile(Work(QString::fromUtf8("Рнас.dat"))), kOldTable);
    EXPECT_EQ(QDir(Work("")).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList({"user.bin", "xmldata.xml", QString::fromUtf8("Рнас.dat")}));
  }

  // The update as "Обновить" ends it, over a catalogue loaded from the old file.
  bool Finish(const UpdateTransferResult& result) {
    messages_.ClearMessages();
    return FinishCatalogueUpdate(result, *catalogue_, messages_);
  }

  QTemporaryDir base_;
  QString previousDir_;
  std::unique_ptr<Catalogue> catalogue_ = std::make_unique<Catalogue>();
  HeadlessControls messages_;
  FtpTimeouts shortTimeouts_{std::chrono::seconds(2), std::chrono::seconds(2),
                             std::chrono::seconds(2)};
};

TEST_F(UpdateTransferTest, NewFilesReplaceTheOldOnesWithTheirExactBytes) {
  const QByteArray odd = QByteArray("#%\r\n\x00\xff binary", 14);
  WriteFile(Pub("a #%.txt"), odd);
  FtpTestServer server(Root());
  ASSERT_NE(server.Port(), 0);

  const UpdateTransferResult result = RunUpdateTransfer(server.Settings(), {});
  EXPECT_EQ(result.status, UpdateTransferStatus::Applied);
  EXPECT_EQ(result.applied, 3);
  EXPECT_EQ(ReadFile(Work("xmldata.xml")), TestCatalogue(kNewDate));
  EXPECT_EQ(ReadFile(Work(QString::fromUtf8("Рнас.dat"))), QByteArray("new table\n"));
  EXPECT_EQ(ReadFile(Work("a #%.txt")), odd);
  EXPECT_EQ(ReadFile(Work("user.bin")), QByteArray("settings of the user"));
  // Downloaded files get the permissions of an ordinary file, not of a temporary one.
  EXPECT_TRUE(QFile::permissions(Work("xmldata.xml")) & QFileDevice::ReadOther);
}

TEST_F(UpdateTransferTest, AbsoluteFolderFromTheServerRoot) {
  FtpTestServer server(Root());
  ASSERT_NE(server.Port(), 0);
  EXPECT_EQ(RunUpdateTransfer(server.Settings("/pub/"), {}).status, UpdateTransferStatus::Applied);
  EXPECT_EQ(ReadFile(Work("xmldata.xml")), TestCatalogue(kNewDate));
}

TEST_F(UpdateTransferTest, SubFoldersArePassedOverWithMlsdAndWithList) {
  WriteFile(Pub("sub/inner.dat"), "inner");
  for (const char* mode : {"normal", "no-mlsd"}) {
    SCOPED_TRACE(mode);
    QFile::remove(Work("xmldata.xml"));
    FtpTestServer server(Root(), QString::fromUtf8(mode));
    ASSERT_NE(server.Port(), 0);
    const UpdateTransferResult result = RunUpdateTransfer(server.Settings(), {});
    EXPECT_EQ(result.status, UpdateTransferStatus::Applied);
    EXPECT_EQ(result.applied, 2);
    EXPECT_EQ(result.refused, 0);
    EXPECT_EQ(ReadFile(Work("xmldata.xml")), TestCatalogue(kNewDate));
    EXPECT_FALSE(QFileInfo::exists(Work("sub")));
    EXPECT_FALSE(QFileInfo::exists(Work("inner.dat")));
  }
}

TEST_F(UpdateTransferTest, NamesOutsideTheFolderAndTheProgramsOwnFilesAreRefused) {
  // The traversal server also lists "../escaped.dat", "/tmp/absolute.dat", "sub/inner.dat",
  // "back\slash.dat" and ".." as plain files; each would be served if asked for.
  WriteFile(base_.filePath("root/escaped.dat"), "outside");
  WriteFile(Pub("sub/inner.dat"), "inner");
  WriteFile(Pub("user.bin"), "server's settings");
  WriteFile(Pub("update.dat"), "evil\r\nx\r\ny\r\nz\r\n");
  WriteFile(Work("update.dat"), "mine");
  FtpTestServer server(Root(), QStringLiteral("traversal"));
  ASSERT_NE(server.Port(), 0);

  const UpdateTransferResult result = RunUpdateTransfer(server.Settings(), {});
  EXPECT_EQ(result.status, UpdateTransferStatus::Applied);
  EXPECT_EQ(result.refused, 7);
  EXPECT_FALSE(QFileInfo::exists(base_.filePath("escaped.dat")));
  EXPECT_FALSE(QFileInfo::exists(Work("back\\slash.dat")));
  EXPECT_FALSE(QFileInfo::exists(Work("sub")));
  EXPECT_EQ(ReadFile(Work("user.bin")), QByteArray("settings of the user"));
  EXPECT_EQ(ReadFile(Work("update.dat")), QByteArray("mine"));
  EXPECT_EQ(ReadFile(Work("xmldata.xml")), TestCatalogue(kNewDate));

  EXPECT_TRUE(Finish(result));
  EXPECT_EQ(messages_.Messages(),
            QStringList({QString::fromUtf8("Обновление прошло успешно"),
                         QString::fromUtf8("Пропущено файлов с недопустимыми именами: 7")}));
}

TEST_F(UpdateTransferTest, FailuresLeaveTheWorkingFolderAsItWas) {
  WriteFile(Pub("a companion.txt"), "companion");
  FtpTestServer normal(Root());
  FtpTestServer cut(Root(), QStringLiteral("cut"));
  FtpTestServer stall(Root(), QStringLiteral("stall"));
  FtpTestServer stallData(Root(), QStringLiteral("stall-data"));
  for (const FtpTestServer* server : {&normal, &cut, &stall, &stallData}) {
    ASSERT_NE(server->Port(), 0);
  }
  UpdateSettings refusedLogin = normal.Settings();
  refusedLogin.password = QStringLiteral("wrong");
  UpdateSettings noServer = normal.Settings();
  noServer.server = QStringLiteral("127.0.0.1:%1").arg(ClosedPort());
  UpdateSettings emptyServer = normal.Settings();
  emptyServer.server.clear();

  struct Row {
    const char* name;
    UpdateSettings settings;
    UpdateTransferStatus status;
    const char* message;
  };
  const Row rows[] = {
      {"wrong folder", normal.Settings("missing"), UpdateTransferStatus::FolderNotFound,
       "Не могу найти нужную директорию."},
      {"refused log-in", refusedLogin, UpdateTransferStatus::NoConnection, "Ошибка соединения!"},
      {"nothing listening", noServer, UpdateTransferStatus::NoConnection, "Ошибка соединения!"},
      {"empty server field", emptyServer, UpdateTransferStatus::NoServer,
       "Не могу установить соединение с сервером."},
      {"catalogue cut half-way", cut.Settings(), UpdateTransferStatus::Broken,
       "Ошибка соединения! Передача файла «xmldata.xml» прервана, файлы не изменены."},
      {"server that never answers", stall.Settings(), UpdateTransferStatus::TimedOut,
       "Ошибка соединения! Сервер не отвечает, файлы не изменены."},
      {"data connection that stalls", stallData.Settings(), UpdateTransferStatus::TimedOut,
       "Ошибка соединения! Сервер не отвечает, файлы не изменены."},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    QElapsedTimer clock;
    clock.start();
    const UpdateTransferResult result = RunUpdateTransfer(row.settings, shortTimeouts_);
    EXPECT_LT(clock.elapsed(), 15000);
    EXPECT_EQ(result.status, row.status);
    ExpectWorkingFolderUntouched();
    EXPECT_FALSE(Finish(result));
    EXPECT_EQ(messages_.Messages(), QStringList(QString::fromUtf8(row.message)));
    EXPECT_EQ(catalogue_->catalogueDate, QStringLiteral("01.03.2024"));
  }
}

TEST_F(UpdateTransferTest, UnreadableCatalogueFromTheServerIsNotApplied) {
  WriteFile(Pub("xmldata.xml"), "<xmldata><обновление>01.06.2025</обн");
  FtpTestServer server(Root());
  ASSERT_NE(server.Port(), 0);
  const UpdateTransferResult result = RunUpdateTransfer(server.Settings(), {});
  EXPECT_EQ(result.status, UpdateTransferStatus::CatalogueUnreadable);
  ExpectWorkingFolderUntouched();
  EXPECT_FALSE(Finish(result));
  EXPECT_EQ(messages_.Messages(),
            QStringList(QString::fromUtf8(
                "Полученный каталог xmldata.xml не читается (Unable to load XML document into the "
                "parser), файлы не изменены.")));
}

TEST_F(UpdateTransferTest, CancelStopsAtOnceAndAppliesNothing) {
  FtpTestServer server(Root());
  ASSERT_NE(server.Port(), 0);
  const UpdateTransferResult result =
      RunUpdateTransfer(server.Settings(), {}, [](const UpdateProgress& progress) {
        return progress.done == 0;  // the user cancels once the first file is through
      });
  EXPECT_EQ(result.status, UpdateTransferStatus::Cancelled);
  ExpectWorkingFolderUntouched();
  EXPECT_FALSE(Finish(result));
  EXPECT_EQ(messages_.Messages(),
            QStringList(QString::fromUtf8("Обновление отменено, файлы не изменены.")));
}

TEST_F(UpdateTransferTest, SingleFilesTheServerWillNotSendArePassedOver) {
  WriteFile(Pub("locked.txt"), "the server refuses to send files named locked*");
  FtpTestServer server(Root());
  ASSERT_NE(server.Port(), 0);
  const UpdateTransferResult result = RunUpdateTransfer(server.Settings(), {});
  EXPECT_EQ(result.status, UpdateTransferStatus::Applied);
  EXPECT_FALSE(QFileInfo::exists(Work("locked.txt")));
  EXPECT_EQ(ReadFile(Work("xmldata.xml")), TestCatalogue(kNewDate));
}

}  // namespace
}  // namespace selvio::test
