#include "update/update_transfer.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <csignal>
#include <memory>
#include <utility>
#include <vector>

#include "app/dialogs/update_dialog.h"
#include "catalogue/catalogue_loader.h"
#include "catalogue/catalogue_records.h"
#include "platform/headless_controls.h"
#include "tests/ftp_test_server.h"
#include "update/catalogue_update.h"
#include "update/file_set_replacement.h"

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
    ASSERT_EQ(LoadCatalogue("xmldata.xml", *catalogue_).failure, LoadFailure::None);
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

  // Three downloads as an update stages them in the working folder: a new table and catalogue
  // over the old ones, and a document the folder did not have; the catalogue goes last.
  std::vector<StagedFile> StageSet() {
    WriteFile(Work(".update-tab001"), "new table\n");
    WriteFile(Work(".update-doc001"), "%PDF new");
    WriteFile(Work(".update-cat001"), TestCatalogue(kNewDate));
    return {{QString::fromUtf8("Рнас.dat"), ".update-tab001"},
            {"vkf2.pdf", ".update-doc001"},
            {"xmldata.xml", ".update-cat001"}};
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
  WriteFile(Pub("a #%.pdf"), odd);
  FtpTestServer server(Root());
  ASSERT_NE(server.Port(), 0);

  const UpdateTransferResult result = RunUpdateTransfer(server.Settings(), {});
  EXPECT_EQ(result.status, UpdateTransferStatus::Applied);
  EXPECT_EQ(result.applied, 3);
  EXPECT_EQ(ReadFile(Work("xmldata.xml")), TestCatalogue(kNewDate));
  EXPECT_EQ(ReadFile(Work(QString::fromUtf8("Рнас.dat"))), QByteArray("new table\n"));
  EXPECT_EQ(ReadFile(Work("a #%.pdf")), odd);
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
  WriteFile(Pub("a companion.pdf"), "companion");
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

TEST_F(UpdateTransferTest, AListedFileTheServerWillNotSendFailsTheWholeUpdate) {
  WriteFile(Pub("a companion.pdf"), "companion");
  struct Row {
    const char* mode;
    const char* locked;  // a file the server refuses to send (RETR answered 550), if any
    const char* file;
  };
  const Row rows[] = {
      {"retr-451", nullptr, "xmldata.xml"},
      {"retr-425", nullptr, "xmldata.xml"},
      {"size-550", nullptr, "xmldata.xml"},
      {"normal", "locked.pdf", "locked.pdf"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.mode);
    if (row.locked) WriteFile(Pub(row.locked), "the server refuses to send files named locked*");
    FtpTestServer server(Root(), QString::fromUtf8(row.mode));
    ASSERT_NE(server.Port(), 0);
    const UpdateTransferResult result = RunUpdateTransfer(server.Settings(), shortTimeouts_);
    ExpectWorkingFolderUntouched();
    EXPECT_FALSE(Finish(result));
    EXPECT_EQ(messages_.Messages(),
              QStringList(QString::fromUtf8(
                              "Ошибка соединения! Сервер не передал файл «%1», файлы не изменены.")
                              .arg(row.file)));
    EXPECT_EQ(catalogue_->catalogueDate, QStringLiteral("01.03.2024"));
    if (row.locked) QFile::remove(Pub(row.locked));
  }
}

// While this lives, no file of this process grows past `bytes`: a disk full for larger files.
class FullDisk {
 public:
  explicit FullDisk(rlim_t bytes) : ignored_(std::signal(SIGXFSZ, SIG_IGN)) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FullDisk() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, ignored_);
  }
  FullDisk(const FullDisk&) = delete;
  FullDisk& operator=(const FullDisk&) = delete;

 private:
  rlimit saved_{};
  void (*ignored_)(int);
};

TEST_F(UpdateTransferTest, AFullDiskIsAFileNotWrittenNotAConnectionError) {
  WriteFile(Pub("big.pdf"), QByteArray(256 * 1024, 'x'));
  FtpTestServer server(Root());
  ASSERT_NE(server.Port(), 0);
  UpdateTransferResult result;
  {
    const FullDisk full(64 * 1024);
    result = RunUpdateTransfer(server.Settings(), shortTimeouts_);
  }
  ExpectWorkingFolderUntouched();
  EXPECT_FALSE(Finish(result));
  EXPECT_EQ(messages_.Messages(),
            QStringList(QString::fromUtf8(
                "Не удалось записать файл «big.pdf» в рабочую папку, файлы не изменены.")));
}

TEST_F(UpdateTransferTest, AFolderWhereAFileGoesStopsTheUpdateBeforeAnyFileIsReplaced) {
  WriteFile(Pub("etilenglikol.dat"), "new ethylene\n");
  WriteFile(Pub("propilenglikol.dat"), "new propylene\n");
  WriteFile(Work("etilenglikol.dat"), "old ethylene\n");
  ASSERT_TRUE(QDir(Work("")).mkdir("propilenglikol.dat"));
  FtpTestServer server(Root());
  ASSERT_NE(server.Port(), 0);
  const UpdateTransferResult result = RunUpdateTransfer(server.Settings(), shortTimeouts_);
  EXPECT_EQ(ReadFile(Work("etilenglikol.dat")), QByteArray("old ethylene\n"));
  EXPECT_EQ(ReadFile(Work("xmldata.xml")), kOldCatalogue);
  EXPECT_EQ(ReadFile(Work(QString::fromUtf8("Рнас.dat"))), kOldTable);
  EXPECT_TRUE(QFileInfo(Work("propilenglikol.dat")).isDir());
  EXPECT_EQ(
      QDir(Work("")).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot),
      QStringList({"etilenglikol.dat", "user.bin", "xmldata.xml", QString::fromUtf8("Рнас.dat")}));
  EXPECT_FALSE(Finish(result));
  EXPECT_EQ(messages_.Messages(),
            QStringList(QString::fromUtf8("Файл «propilenglikol.dat» не записан: в рабочей папке "
                                          "на его месте папка, файлы не изменены.")));
}

TEST_F(UpdateTransferTest, ANameLongerThanAFileNameMayBeIsRefusedAndTheRestApplied) {
  // The server also lists a file whose name takes 300 bytes, and sends it when asked.
  WriteFile(Pub("etilenglikol.dat"), "new ethylene\n");
  FtpTestServer server(Root(), QStringLiteral("long-name"));
  ASSERT_NE(server.Port(), 0);
  const UpdateTransferResult result = RunUpdateTransfer(server.Settings(), shortTimeouts_);
  EXPECT_EQ(result.status, UpdateTransferStatus::Applied);
  EXPECT_EQ(result.refused, 1);
  EXPECT_EQ(ReadFile(Work("etilenglikol.dat")), QByteArray("new ethylene\n"));
  EXPECT_EQ(ReadFile(Work("xmldata.xml")), TestCatalogue(kNewDate));
  EXPECT_TRUE(Finish(result));
  EXPECT_EQ(messages_.Messages(),
            QStringList({QString::fromUtf8("Обновление прошло успешно"),
                         QString::fromUtf8("Пропущено файлов с недопустимыми именами: 1")}));
}

TEST_F(UpdateTransferTest, OnlyFilesOfTheKindsTheProgramUsesAreTaken) {
  // Started from a menu in the home folder that happens to hold a catalogue, the program works
  // there: a server must not replace the shell's files, nor the program's own.
  const char* foreign[] = {".bashrc",        ".profile",  ".selvio-installed.json",
                           ".update-AbC123", "notes.txt", "run.sh"};
  for (const char* name : foreign) WriteFile(Pub(name), "from the server");
  WriteFile(Pub("vkf2.pdf"), "%PDF vkf2");
  WriteFile(Work(".bashrc"), "mine");
  WriteFile(Work(".profile"), "mine");
  FtpTestServer server(Root());
  ASSERT_NE(server.Port(), 0);
  const UpdateTransferResult result = RunUpdateTransfer(server.Settings(), shortTimeouts_);
  EXPECT_EQ(result.status, UpdateTransferStatus::Applied);
  EXPECT_EQ(result.refused, 6);
  EXPECT_EQ(ReadFile(Work(".bashrc")), QByteArray("mine"));
  EXPECT_EQ(ReadFile(Work(".profile")), QByteArray("mine"));
  EXPECT_EQ(ReadFile(Work("vkf2.pdf")), QByteArray("%PDF vkf2"));
  EXPECT_EQ(ReadFile(Work("xmldata.xml")), TestCatalogue(kNewDate));
  EXPECT_EQ(QDir(Work("")).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList({".bashrc", ".profile", "user.bin", "vkf2.pdf", "xmldata.xml",
                         QString::fromUtf8("Рнас.dat")}));
}

TEST_F(UpdateTransferTest, AListWithoutTheGroupColumnIsReadAsTheServerMeantIt) {
  WriteFile(Pub("a b.pdf"), "a b");
  FtpTestServer server(Root(), QStringLiteral("no-group"));
  ASSERT_NE(server.Port(), 0);
  const UpdateTransferResult result = RunUpdateTransfer(server.Settings(), shortTimeouts_);
  EXPECT_EQ(result.status, UpdateTransferStatus::Applied);
  EXPECT_EQ(result.refused, 0);
  EXPECT_EQ(result.applied, 3);
  EXPECT_EQ(ReadFile(Work("a b.pdf")), QByteArray("a b"));
  EXPECT_FALSE(QFileInfo::exists(Work("b.pdf")));
  EXPECT_EQ(ReadFile(Work("xmldata.xml")), TestCatalogue(kNewDate));
}

TEST_F(UpdateTransferTest, BoundsEndTheUpdateWithAClearMessageAndChangeNothing) {
  constexpr qint64 kKiB = 1024;
  struct Row {
    const char* name;
    const char* mode;
    std::vector<std::pair<const char*, qint64>> documents;  // added to the server's folder
    UpdateLimits limits;
    std::chrono::seconds whole;
    const char* message;
  };
  const Row rows[] = {
      {"endless listing",
       "endless-listing",
       {},
       {},
       std::chrono::seconds(600),
       "Список файлов на сервере больше 1 МБ, обновление прервано, файлы не изменены."},
      {"endless catalogue",
       "endless-catalogue",
       {},
       {.catalogue = 256 * kKiB},
       std::chrono::seconds(600),
       "Файл «xmldata.xml» на сервере больше 256 КБ, обновление прервано, файлы не изменены."},
      {"a file announced too large",
       "normal",
       {{"big.pdf", 300 * kKiB}},
       {.file = 64 * kKiB},
       std::chrono::seconds(600),
       "Файл «big.pdf» на сервере больше 64 КБ, обновление прервано, файлы не изменены."},
      {"files too large together",
       "normal",
       {{"a.pdf", 40 * kKiB}, {"b.pdf", 40 * kKiB}, {"c.pdf", 40 * kKiB}},
       {.total = 100 * kKiB},
       std::chrono::seconds(600),
       "Файлы обновления вместе больше 100 КБ, обновление прервано, файлы не изменены."},
      // Two bytes every half second never trip the 2 s stall check.
      {"a trickle",
       "trickle",
       {},
       {},
       std::chrono::seconds(3),
       "Ошибка соединения! Обновление не закончилось за 3 с, файлы не изменены."},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    for (const auto& [name, size] : row.documents) WriteFile(Pub(name), QByteArray(size, 'd'));
    FtpTestServer server(Root(), QString::fromUtf8(row.mode));
    ASSERT_NE(server.Port(), 0);
    FtpTimeouts timeouts = shortTimeouts_;
    timeouts.whole = row.whole;
    QElapsedTimer clock;
    clock.start();
    const UpdateTransferResult result =
        RunUpdateTransfer(server.Settings(), timeouts, {}, row.limits);
    EXPECT_LT(clock.elapsed(), 15000);
    ExpectWorkingFolderUntouched();
    EXPECT_FALSE(Finish(result));
    EXPECT_EQ(messages_.Messages(), QStringList(QString::fromUtf8(row.message)));
    for (const auto& [name, size] : row.documents) QFile::remove(Pub(name));
  }
}

TEST_F(UpdateTransferTest, CataloguesTooDeepOrWithoutProductsAreNotTaken) {
  QByteArray deep = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><xmldata>";
  deep += QByteArray("<a>").repeated(200000) + QByteArray("</a>").repeated(200000) + "</xmldata>";
  const QByteArray empty = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><xmldata a=\"" +
                           QByteArray(1 << 20, 'x') +
                           "\"><обновление>01.06.2025</обновление></xmldata>";
  const std::pair<QByteArray, const char*> rows[] = {
      {deep,
       "Полученный каталог xmldata.xml не читается (Unable to load XML document into the parser), "
       "файлы не изменены."},
      {empty,
       "Полученный каталог xmldata.xml не содержит ни клапанов, ни регуляторов, файлы не "
       "изменены."},
  };
  FtpTestServer server(Root());
  ASSERT_NE(server.Port(), 0);
  for (const auto& [catalogue, message] : rows) {
    SCOPED_TRACE(message);
    WriteFile(Pub("xmldata.xml"), catalogue);
    const UpdateTransferResult result = RunUpdateTransfer(server.Settings(), shortTimeouts_);
    ExpectWorkingFolderUntouched();
    EXPECT_FALSE(Finish(result));
    EXPECT_EQ(messages_.Messages(), QStringList(QString::fromUtf8(message)));
    EXPECT_EQ(catalogue_->catalogueDate, QStringLiteral("01.03.2024"));
  }
}

TEST_F(UpdateTransferTest, ALineBreakInALogInFieldNeverReachesTheServer) {
  FtpTestServer server(Root());
  ASSERT_NE(server.Port(), 0);
  UpdateSettings settings = server.Settings();
  settings.login += QStringLiteral("\r\nDELE xmldata.xml");
  const UpdateTransferResult result = RunUpdateTransfer(settings, shortTimeouts_);
  ExpectWorkingFolderUntouched();
  EXPECT_TRUE(QFileInfo::exists(Pub("xmldata.xml")));
  EXPECT_FALSE(Finish(result));
  EXPECT_EQ(messages_.Messages(),
            QStringList(QString::fromUtf8(
                "Поле «Логин:» содержит перевод строки или нулевой символ. Исправьте его: "
                "настройки не сохранены, соединение не устанавливалось.")));
}

TEST_F(UpdateTransferTest, AnUpdateKilledBetweenRenamesIsPutBackWholeAndItsLeftoversRemoved) {
  // Killed with 0, 1, 2 or all 3 files moved into place: the set was never finished.
  for (int moved = 0; moved <= 3; ++moved) {
    SCOPED_TRACE(moved);
    {
      FileSetReplacement set(Work(""), StageSet());
      ASSERT_EQ(set.Begin(), FileSetReplacement::Check::Ready);
      for (int i = 0; i < moved; ++i) ASSERT_TRUE(set.MoveNext());
    }
    WriteFile(Work(".update-zz9999"), "left by a download cut off");
    const Recovery recovery = RecoverInterruptedUpdate(Work(""));
    EXPECT_TRUE(recovery.rolledBack);
    EXPECT_TRUE(recovery.unrestored.isEmpty());
    ExpectWorkingFolderUntouched();
  }
}

TEST_F(UpdateTransferTest, TheNextUpdatePutsBackACutOffSetBeforeItsOwn) {
  {
    FileSetReplacement set(Work(""), StageSet());
    ASSERT_EQ(set.Begin(), FileSetReplacement::Check::Ready);
    ASSERT_TRUE(set.MoveNext());
    ASSERT_TRUE(set.MoveNext());
  }
  // The cut-off set left a document the server does not have.
  ASSERT_TRUE(QFileInfo::exists(Work("vkf2.pdf")));
  FtpTestServer server(Root());
  ASSERT_NE(server.Port(), 0);
  const UpdateTransferResult result = RunUpdateTransfer(server.Settings(), shortTimeouts_);
  EXPECT_EQ(result.status, UpdateTransferStatus::Applied);
  EXPECT_EQ(ReadFile(Work("xmldata.xml")), TestCatalogue(kNewDate));
  EXPECT_EQ(ReadFile(Work(QString::fromUtf8("Рнас.dat"))), QByteArray("new table\n"));
  EXPECT_EQ(QDir(Work("")).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList({"user.bin", "xmldata.xml", QString::fromUtf8("Рнас.dat")}));
}

TEST_F(UpdateTransferTest, ARenameThatFailsHalfWayPutsBackTheFilesAlreadyReplaced) {
  FileSetReplacement set(Work(""), StageSet());
  ASSERT_EQ(set.Begin(), FileSetReplacement::Check::Ready);
  ASSERT_TRUE(set.MoveNext());
  ASSERT_EQ(ReadFile(Work(QString::fromUtf8("Рнас.dat"))), QByteArray("new table\n"));
  ASSERT_TRUE(QFile::remove(Work(".update-doc001")));
  EXPECT_FALSE(set.MoveNext());
  EXPECT_EQ(set.Problem(), QStringLiteral("vkf2.pdf"));
  EXPECT_TRUE(set.RollBack().isEmpty());
  // The update's own temporary file of the catalogue goes with it.
  ASSERT_TRUE(QFile::remove(Work(".update-cat001")));
  ExpectWorkingFolderUntouched();
}

}  // namespace
}  // namespace selvio::test
