#include "update/update_settings.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "platform/ftp_listing.h"
#include "tests/small_file_system.h"
#include "update/update_transfer.h"

namespace selvio {
namespace {

class UpdateSettingsTest : public ::testing::Test {
 protected:
  QString Path() const { return dir_.filePath(QStringLiteral("update.dat")); }
  void Write(const QByteArray& bytes) {
    QFile file(Path());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  QByteArray Read() const {
    QFile file(Path());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  QTemporaryDir dir_;
};

TEST_F(UpdateSettingsTest, SavedAsFourLinesEndedByCrLf) {
  ASSERT_TRUE(SaveUpdateSettings(Path(), {"ftp.example.org", "user", "pa55", "pub/catalogue"}));
  EXPECT_EQ(Read(), QByteArray("ftp.example.org\r\nuser\r\npa55\r\npub/catalogue\r\n"));
  const UpdateSettings expected{"ftp.example.org", "user", "pa55", "pub/catalogue"};
  EXPECT_EQ(LoadUpdateSettings(Path()), expected);
}

TEST_F(UpdateSettingsTest, FileIsReadableAndWritableByItsOwnerOnly) {
  const QFileDevice::Permissions ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
  ASSERT_TRUE(SaveUpdateSettings(Path(), {"s", "u", "p", "d"}));
  EXPECT_EQ(QFile::permissions(Path()) & ~QFileDevice::ReadUser & ~QFileDevice::WriteUser,
            ownerOnly);

  // A file left readable by everybody is narrowed when it is written again.
  ASSERT_TRUE(
      QFile::setPermissions(Path(), ownerOnly | QFileDevice::ReadGroup | QFileDevice::ReadOther));
  ASSERT_TRUE(SaveUpdateSettings(Path(), {"s", "u", "p", "d"}));
  EXPECT_EQ(QFile::permissions(Path()) & ~QFileDevice::ReadUser & ~QFileDevice::WriteUser,
            ownerOnly);
}

TEST_F(UpdateSettingsTest, ReadAsWordsNotLines) {
  struct Row {
    const char* name;
    QByteArray file;
    UpdateSettings expected;
  };
  const Row rows[] = {
      {"empty login line moves the words up", "srv\r\n\r\npw\r\npub\r\n", {"srv", "pw", "pub", ""}},
      {"a field with a space is split", "my server\r\nu\r\np\r\nd\r\n", {"my", "server", "u", "p"}},
      {"tabs and several blanks separate", "  a\t\tb \r\n\r\n c\nd e f", {"a", "b", "c", "d"}},
      {"fewer words leave the rest empty", "only\r\n", {"only", "", "", ""}},
      {"empty file", "", {"", "", "", ""}},
      {"bytes as UTF-8", "сервер\r\nu\r\np\r\nпапка\r\n", {"сервер", "u", "p", "папка"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Write(row.file);
    EXPECT_EQ(LoadUpdateSettings(Path()), row.expected);
  }
}

TEST_F(UpdateSettingsTest, EmptyLoginDoesNotComeBackAsWritten) {
  ASSERT_TRUE(SaveUpdateSettings(Path(), {"srv", "", "pw", "pub"}));
  const UpdateSettings expected{"srv", "pw", "pub", ""};
  EXPECT_EQ(LoadUpdateSettings(Path()), expected);
}

TEST_F(UpdateSettingsTest, MissingFileGivesEmptyFields) {
  EXPECT_EQ(LoadUpdateSettings(dir_.filePath("none.dat")), UpdateSettings{});
}

TEST_F(UpdateSettingsTest, LongFieldsAreCutTo1023Characters) {
  const QString long1500(1500, QLatin1Char('x'));
  Write(long1500.toLatin1() + " u p d");
  EXPECT_EQ(LoadUpdateSettings(Path()).server, QString(1023, QLatin1Char('x')));
  ASSERT_TRUE(SaveUpdateSettings(Path(), {long1500, "u", "p", "d"}));
  EXPECT_EQ(Read().indexOf("\r\n"), 1023);
}

TEST_F(UpdateSettingsTest, ACutNeverSplitsACharacterOutsideTheBasicPlane) {
  // 1022 letters and U+1F600 (two UTF-16 units, four UTF-8 bytes): the pair would straddle the
  // cut at 1023, so the field keeps the letters alone and reads back as it was written.
  const QString field = QString(1022, QLatin1Char('a')) + QString::fromUtf8("\U0001F600b");
  Write(field.toUtf8() + "\r\nuser\r\npass\r\n/path\r\n");
  const UpdateSettings read = LoadUpdateSettings(Path());
  EXPECT_EQ(read.server, QString(1022, QLatin1Char('a')));
  ASSERT_TRUE(SaveUpdateSettings(Path(), read));
  EXPECT_EQ(LoadUpdateSettings(Path()), read);
  ASSERT_TRUE(SaveUpdateSettings(Path(), {field, "u", "p", "d"}));
  EXPECT_EQ(Read().indexOf("\r\n"), 1022);

  const QString fits = QString(1021, QLatin1Char('a')) + QString::fromUtf8("\U0001F600");
  EXPECT_EQ(UpdateFieldText(fits + "b"), fits) << "a pair that ends at the cut is kept";
}

TEST_F(UpdateSettingsTest, UnwritableFileIsReported) {
  ASSERT_TRUE(QDir(dir_.path()).mkdir("update.dat"));
  EXPECT_FALSE(SaveUpdateSettings(Path(), {"s", "u", "p", "d"}));
}

TEST(UpdateFileNames, OnlyNamesOfTheKindsTheProgramUsesAreAccepted) {
  for (const char* name :
       {"xmldata.xml", "Рнас.dat", "etilenglikol.dat", "propilenglikol.dat", "vkf2.pdf", "VKF2.PDF",
        "a #%.pdf", "чертеж 1.dwg", "v1.stp", "epk300.png", "x..y.pdf"}) {
    EXPECT_TRUE(IsAcceptedUpdateFileName(QString::fromUtf8(name))) << name;
  }
  // 148 two-byte letters and ".pdf": 300 bytes, more than a Linux file name may hold.
  const QString tooLong = QString(148, QChar(0x0436)) + QStringLiteral(".pdf");
  EXPECT_FALSE(IsAcceptedUpdateFileName(tooLong));
  for (const char* name : {"",
                           ".",
                           "..",
                           "../x.pdf",
                           "a/b.pdf",
                           "/etc/passwd",
                           "a\\b.pdf",
                           "user.bin",
                           "update.dat",
                           ".selvio-installed.json",
                           ".update-AbC123",
                           ".bashrc",
                           ".profile",
                           ".hidden.pdf",
                           "notes.txt",
                           "run.sh",
                           "other.dat",
                           "xmldata.xml.bak",
                           "buff.odt",
                           "a\nb.pdf",
                           "pdf",
                           "user.bin.old"}) {
    EXPECT_FALSE(IsAcceptedUpdateFileName(QString::fromUtf8(name))) << name;
  }
}

TEST(FtpListings, MlsdTellsFilesFromFolders) {
  const std::vector<FtpEntry> entries = ParseMlsdListing(
      "type=cdir;perm=el; .\r\n"
      "type=pdir;perm=el; ..\r\n"
      "type=file;size=12;modify=20240101000000; xmldata.xml\r\n"
      "Type=DIR;modify=20240101000000; sub\r\n"
      "size=4;type=file; name with  spaces.txt\r\n"
      "type=OS.unix=symlink;size=4; link\r\n");
  ASSERT_EQ(entries.size(), 4u);
  EXPECT_EQ(entries[0].name, "xmldata.xml");
  EXPECT_FALSE(entries[0].folder);
  EXPECT_EQ(entries[1].name, "sub");
  EXPECT_TRUE(entries[1].folder);
  EXPECT_EQ(entries[2].name, "name with  spaces.txt");
  EXPECT_FALSE(entries[2].folder);
  EXPECT_TRUE(entries[3].folder);
}

TEST(FtpListings, ListInUnixAndDosForms) {
  const std::vector<FtpEntry> entries = ParseListListing(
      "total 8\r\n"
      "drwxr-xr-x   2 owner    group        4096 Jan 01 10:00 sub\r\n"
      "-rw-r--r--   1 owner    group        3605 Mar 01  2024 xmldata.xml\r\n"
      "-rw-r--r--   1 owner    group           4 Jan 01 10:00 a b.txt\n"
      "01-01-24  10:00AM       <DIR>          docs\r\n"
      "01-01-24  10:00AM                 1234 Рнас.dat\r\n");
  ASSERT_EQ(entries.size(), 5u);
  EXPECT_TRUE(entries[0].folder);
  EXPECT_EQ(entries[0].name, "sub");
  EXPECT_FALSE(entries[1].folder);
  EXPECT_EQ(entries[1].name, "xmldata.xml");
  EXPECT_EQ(entries[2].name, "a b.txt");
  EXPECT_TRUE(entries[3].folder);
  EXPECT_EQ(entries[3].name, "docs");
  EXPECT_FALSE(entries[4].folder);
  EXPECT_EQ(entries[4].name, QString::fromUtf8("Рнас.dat"));
}

TEST(FtpListings, ListWithoutTheGroupColumnAndUnreadableLines) {
  const std::vector<FtpEntry> entries = ParseListListing(
      "-rw-r--r--   1 owner           4 Jan 01 10:00 no group.pdf\r\n"
      "drwxr-xr-x   2 owner        4096 Mar 01  2024 sub\r\n"
      "-rw-r--r--   1 1000     1000    12 Jan 01 10:00 numeric group.pdf\r\n"
      "-rw-r--r--+  1 owner    group   12 Jan 01 10:00  leading blank.pdf\r\n"
      "-rw-r--r--   1 owner    group   12 janv. 01 10:00 foreign date.pdf\r\n"
      "-rw-r--r--   1 owner    group   12 Jan 01 10:00\r\n"
      "a line no server sends\r\n"
      "01-01-24  10:00AM       twelve bytes.pdf\r\n");
  ASSERT_EQ(entries.size(), 4u);
  EXPECT_EQ(entries[0].name, "no group.pdf");
  EXPECT_FALSE(entries[0].folder);
  EXPECT_EQ(entries[1].name, "sub");
  EXPECT_TRUE(entries[1].folder);
  EXPECT_EQ(entries[2].name, "numeric group.pdf");
  EXPECT_EQ(entries[3].name, " leading blank.pdf");
}

TEST_F(UpdateSettingsTest, ALoneCarriageReturnOrANulMakesTheFileUnusable) {
  struct Row {
    const char* name;
    QByteArray file;
  };
  const Row rows[] = {
      {"lone CR inside the password", QByteArray("srv\r\nuser\r\npa\rss\r\npub\r\n")},
      {"NUL inside the login", QByteArray("srv\r\nus") + '\0' + "er\r\npass\r\npub\r\n"},
      {"CR at the very end", QByteArray("srv\r\nuser\r\npass\r\npub\r")},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Write(row.file);
    const UpdateSettingsFile read = ReadUpdateSettings(Path());
    EXPECT_EQ(read.settings, UpdateSettings{});
    EXPECT_EQ(read.problem, UpdateSettingsFileProblem::StrayControlCharacter);
    EXPECT_EQ(read.fileName, QStringLiteral("update.dat"));
    EXPECT_EQ(LoadUpdateSettings(Path()), UpdateSettings{});
  }
  Write("srv\r\nuser\r\npass\r\npub\r\n");
  EXPECT_EQ(ReadUpdateSettings(Path()).problem, UpdateSettingsFileProblem::None);
}

// A FIFO in the file's place is refused with a problem, not waited on; so is a file far larger
// than four fields can be.
TEST_F(UpdateSettingsTest, AFifoOrAHugeFileIsRefused) {
  ASSERT_TRUE(test::MakeFifo(Path()));
  {
    const test::FifoWatchdog watchdog(Path(), std::chrono::seconds(3));
    const UpdateSettingsFile read = ReadUpdateSettings(Path());
    EXPECT_EQ(read.settings, UpdateSettings{});
    EXPECT_EQ(read.problem, UpdateSettingsFileProblem::NotARegularFileOrTooLarge);
    EXPECT_EQ(read.fileName, QStringLiteral("update.dat"));
    EXPECT_FALSE(watchdog.Unblocked()) << "the settings file was waited on";
  }
  QFile::remove(Path());
  Write("srv\r\nuser\r\npass\r\npub\r\n" + QByteArray(1 << 20, ' '));
  EXPECT_EQ(ReadUpdateSettings(Path()).problem,
            UpdateSettingsFileProblem::NotARegularFileOrTooLarge);
}

TEST_F(UpdateSettingsTest, FieldsWithLineBreaksOrNulAreNeitherSavedNorSent) {
  Write("as it was");
  const QString breaks[] = {QStringLiteral("\r\nDELE xmldata.xml"), QStringLiteral("\n"),
                            QStringLiteral("\r"), QString(QChar(0))};
  const UpdateSettingsField names[] = {UpdateSettingsField::Server, UpdateSettingsField::Login,
                                       UpdateSettingsField::Password, UpdateSettingsField::Path};
  for (int field = 0; field < 4; ++field) {
    for (const QString& cut : breaks) {
      UpdateSettings settings{"srv", "user", "pass", "pub"};
      QString* fields[] = {&settings.server, &settings.login, &settings.password, &settings.path};
      *fields[field] += cut;
      EXPECT_EQ(UpdateSettingsProblem(settings), names[field]);
      EXPECT_FALSE(SaveUpdateSettings(Path(), settings));
      EXPECT_EQ(Read(), QByteArray("as it was"));
    }
  }
  EXPECT_FALSE(UpdateSettingsProblem({"srv", "user", "pa ss\t", "pub"}));
}

TEST_F(UpdateSettingsTest, ALinkInPlaceOfTheFileIsReplacedNotWrittenThrough) {
  QTemporaryDir outside;
  const QString target = outside.filePath("unrelated.txt");
  {
    QFile file(target);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("unrelated");
  }
  const QFileDevice::Permissions mode = QFile::permissions(target);
  ASSERT_TRUE(QFile::link(target, Path()));
  ASSERT_TRUE(SaveUpdateSettings(Path(), {"s", "u", "p", "d"}));
  QFile file(target);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), QByteArray("unrelated"));
  EXPECT_EQ(QFile::permissions(target), mode);
  EXPECT_FALSE(QFileInfo(Path()).isSymbolicLink());
  EXPECT_EQ(Read(), QByteArray("s\r\nu\r\np\r\nd\r\n"));
}

}  // namespace
}  // namespace selvio
