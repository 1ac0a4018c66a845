#include "app/files/working_folder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/dialogs/catalogue_question.h"
#include "catalogue/catalogue_date.h"
#include "platform/headless_controls.h"
#include "update/file_set_replacement.h"

namespace selvio {
namespace {

// A catalogue with its date; `body` tells two catalogues of one date apart.
QByteArray Catalogue(const QString& date, const QString& body = QStringLiteral("база")) {
  return (QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<xmldata>\n  <обновление>") +
          date + QStringLiteral("</обновление>\n  <контроллер><название>") + body +
          QStringLiteral("</название></контроллер>\n</xmldata>\n"))
      .toUtf8();
}

QByteArray Read(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return "(missing)";
  return file.readAll();
}

void Write(const QString& path, const QByteArray& bytes) {
  ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  ASSERT_EQ(file.write(bytes), bytes.size());
}

// An installation, a start folder and a user folder in one temporary folder. The installation
// holds a catalogue of 01.12.2026, a fluid table and a document in a sub-folder.
class WorkingFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(root_.isValid());
    folders_ = {Path("start"), Path("usr/share/selvio"), Path("home/.local/share/selvio")};
    ASSERT_TRUE(QDir().mkpath(folders_.start));
    Install("xmldata.xml", Catalogue(QStringLiteral("01.12.2026")));
    Install(QString::fromUtf8("Рнас.dat"), "0.0061 0\n");
    Install("pdf/vkf2.pdf", "%PDF vkf2 first edition");
  }

  QString Path(const QString& relative) const { return root_.filePath(relative); }
  QString Installed(const QString& name) const { return QDir(folders_.installed).filePath(name); }
  QString User(const QString& name) const { return QDir(folders_.user).filePath(name); }
  void Install(const QString& name, const QByteArray& bytes) { Write(Installed(name), bytes); }

  // One start of the program with a window that answers a catalogue question by clicking
  // "Да" or "Нет"; the dialogs it ran are in DialogsRun().
  WorkingFolder StartAnswering(bool yes) {
    window_ = std::make_unique<HeadlessControls>();
    window_->QueueDialogScript([yes](HeadlessControls& dialog) { dialog.Click(yes ? 1 : 2); });
    return PrepareWorkingFolder(folders_, window_.get());
  }
  std::vector<int> DialogsRun() const { return window_->DialogsRun(); }

  QTemporaryDir root_;
  DataFolders folders_;
  std::unique_ptr<HeadlessControls> window_;
};

TEST_F(WorkingFolderTest, FirstStartCopiesEveryInstalledFileIntoTheUserFolder) {
  const WorkingFolder folder = StartAnswering(true);
  EXPECT_EQ(folder.path, folders_.user);
  EXPECT_TRUE(folder.problems.isEmpty()) << folder.problems.join('\n').toStdString();
  EXPECT_TRUE(folder.filled);
  for (const QString& name : {QStringLiteral("xmldata.xml"), QString::fromUtf8("Рнас.dat"),
                              QStringLiteral("pdf/vkf2.pdf")}) {
    EXPECT_EQ(Read(User(name)), Read(Installed(name))) << name.toStdString();
  }
  EXPECT_TRUE(QFileInfo::exists(User(QString::fromLatin1(kInstalledManifestName))));
  EXPECT_TRUE(DialogsRun().empty());
  EXPECT_FALSE(QFileInfo::exists(QDir(folders_.start).filePath("xmldata.xml")));
}

TEST_F(WorkingFolderTest, UnchangedFilesAreRefreshedAndChangedOnesKept) {
  StartAnswering(true);
  // The user edits the saturation table; the next installation brings new versions of both
  // files and a new one.
  Write(User(QString::fromUtf8("Рнас.dat")), "0.0061 0\n0.0071 1\n");
  Install(QString::fromUtf8("Рнас.dat"), "0.00611 0\n");
  Install("pdf/vkf2.pdf", "%PDF vkf2 second edition");
  Install("2D/vkf2.png", "PNG drawing");

  const WorkingFolder folder = StartAnswering(true);
  EXPECT_TRUE(folder.problems.isEmpty());
  EXPECT_FALSE(folder.filled) << "a refresh is no first filling";
  EXPECT_EQ(Read(User("pdf/vkf2.pdf")), "%PDF vkf2 second edition");
  EXPECT_EQ(Read(User("2D/vkf2.png")), "PNG drawing");
  EXPECT_EQ(Read(User(QString::fromUtf8("Рнас.dat"))), "0.0061 0\n0.0071 1\n");

  // A third installation still keeps the user's table: it never counts as copied.
  Install(QString::fromUtf8("Рнас.dat"), "0.006112 0\n");
  StartAnswering(true);
  EXPECT_EQ(Read(User(QString::fromUtf8("Рнас.dat"))), "0.0061 0\n0.0071 1\n");
}

TEST_F(WorkingFolderTest, AFileTheUserDeletedIsCopiedAgain) {
  StartAnswering(true);
  ASSERT_TRUE(QFile::remove(User("pdf/vkf2.pdf")));
  StartAnswering(true);
  EXPECT_EQ(Read(User("pdf/vkf2.pdf")), "%PDF vkf2 first edition");
}

TEST_F(WorkingFolderTest, ANewerInstalledCatalogueReplacesTheUsersOnYes) {
  StartAnswering(true);
  Install("xmldata.xml", Catalogue(QStringLiteral("15.01.2027")));
  Install("pdf/vkf2.pdf", "%PDF vkf2 second edition");

  StartAnswering(true);
  EXPECT_EQ(DialogsRun(), std::vector<int>{CatalogueQuestion::kDialogId});
  EXPECT_EQ(Read(User("xmldata.xml")), Catalogue(QStringLiteral("15.01.2027")));
  EXPECT_EQ(Read(User("pdf/vkf2.pdf")), "%PDF vkf2 second edition");

  // Now the user's catalogue is the installed one: nothing more to ask.
  StartAnswering(true);
  EXPECT_TRUE(DialogsRun().empty());
}

TEST_F(WorkingFolderTest, NoKeepsTheUsersCatalogueAndIsNotAskedAgainForTheSameCatalogue) {
  StartAnswering(true);
  Install("xmldata.xml", Catalogue(QStringLiteral("15.01.2027")));
  Install("pdf/vkf2.pdf", "%PDF vkf2 second edition");

  StartAnswering(false);
  EXPECT_EQ(DialogsRun(), std::vector<int>{CatalogueQuestion::kDialogId});
  EXPECT_EQ(Read(User("xmldata.xml")), Catalogue(QStringLiteral("01.12.2026")));
  // The other files are refreshed all the same.
  EXPECT_EQ(Read(User("pdf/vkf2.pdf")), "%PDF vkf2 second edition");

  StartAnswering(true);
  EXPECT_TRUE(DialogsRun().empty());
  EXPECT_EQ(Read(User("xmldata.xml")), Catalogue(QStringLiteral("01.12.2026")));

  // A later installation with yet another catalogue is offered again.
  Install("xmldata.xml", Catalogue(QStringLiteral("01.03.2027")));
  StartAnswering(true);
  EXPECT_EQ(DialogsRun(), std::vector<int>{CatalogueQuestion::kDialogId});
  EXPECT_EQ(Read(User("xmldata.xml")), Catalogue(QStringLiteral("01.03.2027")));
}

TEST_F(WorkingFolderTest, TheQuestionNamesBothDatesAndOffersDaAndNet) {
  StartAnswering(true);
  Install("xmldata.xml", Catalogue(QStringLiteral("15.01.2027")));
  HeadlessControls window;
  QString text;
  QString yes;
  QString no;
  window.QueueDialogScript([&](HeadlessControls& dialog) {
    text = dialog.Text(CatalogueQuestion::kTextId);
    yes = dialog.Text(1);
    no = dialog.Text(2);
    dialog.PressEnter();
  });
  PrepareWorkingFolder(folders_, &window);
  EXPECT_TRUE(text.contains(QStringLiteral("15.01.2027"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("01.12.2026"))) << text.toStdString();
  EXPECT_EQ(yes, QString::fromUtf8("Да"));
  EXPECT_EQ(no, QString::fromUtf8("Нет"));
  // Enter presses "Да".
  EXPECT_EQ(Read(User("xmldata.xml")), Catalogue(QStringLiteral("15.01.2027")));
}

TEST_F(WorkingFolderTest, ACatalogueTheUserUpdatedIsNeverReplacedNorAskedAbout) {
  StartAnswering(true);
  // An update brought the user a catalogue of another content; the installation is newer.
  Write(User("xmldata.xml"), Catalogue(QStringLiteral("10.12.2026"), QStringLiteral("с сервера")));
  Install("xmldata.xml", Catalogue(QStringLiteral("15.01.2027")));
  StartAnswering(true);
  EXPECT_TRUE(DialogsRun().empty());
  EXPECT_EQ(Read(User("xmldata.xml")),
            Catalogue(QStringLiteral("10.12.2026"), QStringLiteral("с сервера")));
}

TEST_F(WorkingFolderTest, WithNobodyToAskTheCatalogueStaysAndTheQuestionWaits) {
  StartAnswering(true);
  Install("xmldata.xml", Catalogue(QStringLiteral("15.01.2027")));
  const WorkingFolder folder = PrepareWorkingFolder(folders_, nullptr);
  EXPECT_EQ(folder.path, folders_.user);
  EXPECT_EQ(Read(User("xmldata.xml")), Catalogue(QStringLiteral("01.12.2026")));

  StartAnswering(true);
  EXPECT_EQ(DialogsRun(), std::vector<int>{CatalogueQuestion::kDialogId});
}

// The dates are compared as dates: as text, "01.02.2027" sorts before "31.12.2026".
struct DateCase {
  const char* name;
  const char* user;
  const char* installed;
  bool asked;
};

class CatalogueDateTest : public WorkingFolderTest,
                          public ::testing::WithParamInterface<DateCase> {};

TEST_P(CatalogueDateTest, OnlyALaterInstalledDateIsOffered) {
  const DateCase& c = GetParam();
  Install("xmldata.xml", Catalogue(QString::fromUtf8(c.user)));
  StartAnswering(true);
  Install("xmldata.xml", Catalogue(QString::fromUtf8(c.installed), QStringLiteral("новая")));
  StartAnswering(false);
  EXPECT_EQ(DialogsRun().size(), c.asked ? 1U : 0U);
}

INSTANTIATE_TEST_SUITE_P(
    Dates, CatalogueDateTest,
    ::testing::Values(DateCase{"next_year_earlier_day", "31.12.2026", "01.02.2027", true},
                      DateCase{"next_month", "20.01.2027", "05.02.2027", true},
                      DateCase{"earlier_year_later_day", "01.02.2027", "31.12.2026", false},
                      DateCase{"same_date_other_content", "01.12.2026", "01.12.2026", false},
                      DateCase{"installed_date_unreadable", "01.12.2026", "декабрь 2026", false},
                      DateCase{"user_date_missing", "", "01.12.2026", true}),
    [](const ::testing::TestParamInfo<DateCase>& param) { return std::string(param.param.name); });

TEST_F(WorkingFolderTest, AStartFolderWithACatalogueIsWorkedInAsItIs) {
  Write(QDir(folders_.start).filePath("xmldata.xml"), Catalogue(QStringLiteral("01.01.2020")));
  const WorkingFolder folder = StartAnswering(true);
  EXPECT_EQ(folder.path, folders_.start);
  EXPECT_FALSE(QFileInfo::exists(folders_.user));
  EXPECT_EQ(QDir(folders_.start).entryList(QDir::Files | QDir::Hidden),
            QStringList{QStringLiteral("xmldata.xml")});
}

TEST_F(WorkingFolderTest, StartedInTheInstalledFolderTheUserFolderIsUsed) {
  folders_.start = folders_.installed;
  const WorkingFolder folder = StartAnswering(true);
  EXPECT_EQ(folder.path, folders_.user);
  EXPECT_EQ(Read(User("xmldata.xml")), Read(Installed("xmldata.xml")));
  EXPECT_FALSE(QFileInfo::exists(Installed(QString::fromLatin1(kInstalledManifestName))));
}

TEST_F(WorkingFolderTest, WithoutAnInstallationTheUserFolderIsUsedAsItIs) {
  folders_.installed = Path("nowhere/share/selvio");
  const WorkingFolder folder = StartAnswering(true);
  EXPECT_EQ(folder.path, folders_.user);
  EXPECT_TRUE(folder.problems.isEmpty());
  EXPECT_FALSE(folder.filled);
  EXPECT_TRUE(
      QDir(folders_.user).isEmpty(QDir::Files | QDir::Hidden | QDir::Dirs | QDir::NoDotAndDotDot));
}

TEST_F(WorkingFolderTest, AUserFolderThatCannotBeCreatedIsReported) {
  Write(Path("home/.local/share/selvio"), "a file where the folder should be");
  const WorkingFolder folder = StartAnswering(true);
  ASSERT_EQ(folder.problems.size(), 1);
  EXPECT_TRUE(folder.problems[0].startsWith(QString::fromUtf8("Не удалось создать папку данных")))
      << folder.problems[0].toStdString();
}

TEST_F(WorkingFolderTest, AFileThatCannotBeCopiedIsNamedAndTheRestCopied) {
  // A file stands where the documents' folder should go.
  Write(User("pdf"), "not a folder");
  const WorkingFolder folder = StartAnswering(true);
  EXPECT_EQ(Read(User("xmldata.xml")), Read(Installed("xmldata.xml")));
  ASSERT_EQ(folder.problems.size(), 1);
  EXPECT_TRUE(folder.problems[0].contains(QStringLiteral("pdf/vkf2.pdf")))
      << folder.problems[0].toStdString();
}

TEST_F(WorkingFolderTest, StartedInTheUserFolderItIsStillBroughtUpToDate) {
  // The menu entry starts the program in its own folder, which holds a catalogue after the
  // first start.
  StartAnswering(true);
  folders_.start = folders_.user;
  Install("pdf/vkf2.pdf", "%PDF vkf2 second edition");
  const WorkingFolder folder = StartAnswering(true);
  EXPECT_EQ(folder.path, folders_.user);
  EXPECT_EQ(Read(User("pdf/vkf2.pdf")), "%PDF vkf2 second edition");
}

TEST_F(WorkingFolderTest, NothingIsWrittenThroughASymbolicLink) {
  const QString outside = Path("outside");
  ASSERT_TRUE(QDir().mkpath(outside));
  ASSERT_TRUE(QDir().mkpath(folders_.user));
  const QString elsewhere = QDir(outside).filePath("elsewhere.xml");
  // A dangling link where the catalogue goes, and the documents' folder a link to a folder
  // outside.
  ASSERT_TRUE(QFile::link(elsewhere, User("xmldata.xml")));
  ASSERT_TRUE(QFile::link(outside, User("pdf")));
  const WorkingFolder folder = StartAnswering(true);
  EXPECT_FALSE(QFileInfo::exists(elsewhere));
  EXPECT_TRUE(QDir(outside).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
  EXPECT_TRUE(QFileInfo(User("xmldata.xml")).isSymbolicLink());
  EXPECT_EQ(Read(User(QString::fromUtf8("Рнас.dat"))), "0.0061 0\n");
  ASSERT_EQ(folder.problems.size(), 1) << folder.problems.join('\n').toStdString();
  EXPECT_EQ(folder.problems[0],
            QString::fromUtf8("Установленные файлы не скопированы через символические ссылки в "
                              "папке %1: pdf, xmldata.xml")
                .arg(folders_.user));
}

TEST_F(WorkingFolderTest, ALinkToAFolderInsideTheUserFolderIsFollowed) {
  ASSERT_TRUE(QDir().mkpath(User("documents")));
  ASSERT_TRUE(QFile::link(User("documents"), User("pdf")));
  const WorkingFolder folder = StartAnswering(true);
  EXPECT_TRUE(folder.problems.isEmpty()) << folder.problems.join('\n').toStdString();
  EXPECT_EQ(Read(User("documents/vkf2.pdf")), "%PDF vkf2 first edition");
}

TEST_F(WorkingFolderTest, ALinkInPlaceOfTheManifestIsReplacedNotWrittenThrough) {
  const QString unrelated = Path("unrelated.txt");
  Write(unrelated, "unrelated");
  ASSERT_TRUE(QDir().mkpath(folders_.user));
  ASSERT_TRUE(QFile::link(unrelated, User(QString::fromLatin1(kInstalledManifestName))));
  StartAnswering(true);
  EXPECT_EQ(Read(unrelated), "unrelated");
  EXPECT_FALSE(QFileInfo(User(QString::fromLatin1(kInstalledManifestName))).isSymbolicLink());
  // The manifest it holds now works: a changed installed file replaces the copy.
  Install("pdf/vkf2.pdf", "%PDF vkf2 second edition");
  StartAnswering(true);
  EXPECT_EQ(Read(User("pdf/vkf2.pdf")), "%PDF vkf2 second edition");
}

TEST_F(WorkingFolderTest, ACatalogueUpdateCutOffIsPutBackAtTheNextStart) {
  const QString start = folders_.start;
  Write(QDir(start).filePath("xmldata.xml"), Catalogue(QStringLiteral("01.01.2020")));
  Write(QDir(start).filePath(".update-new001"), Catalogue(QStringLiteral("01.01.2021")));
  Write(QDir(start).filePath(".update-doc001"), "%PDF new");
  {
    FileSetReplacement set(start,
                           {{"vkf2.pdf", ".update-doc001"}, {"xmldata.xml", ".update-new001"}});
    ASSERT_EQ(set.Begin(), FileSetReplacement::Check::Ready);
    ASSERT_TRUE(set.MoveNext());
    ASSERT_TRUE(set.MoveNext());
  }  // killed before the set was ended
  Write(QDir(start).filePath(".update-zz9999"), "left by a download cut off");
  const WorkingFolder folder = StartAnswering(true);
  EXPECT_EQ(folder.path, start);
  EXPECT_EQ(folder.problems,
            QStringList(QString::fromUtf8(
                "Обновление каталога было прервано; прежние файлы восстановлены.")));
  EXPECT_EQ(Read(QDir(start).filePath("xmldata.xml")), Catalogue(QStringLiteral("01.01.2020")));
  EXPECT_EQ(QDir(start).entryList(QDir::Files | QDir::Hidden | QDir::System),
            QStringList{QStringLiteral("xmldata.xml")});
}

// EnterWorkingFolder on this process: the folder chosen becomes the current one.
TEST(EnterWorkingFolder, MakesTheChosenFolderCurrent) {
  QTemporaryDir root;
  const QString previous = QDir::currentPath();
  const QByteArray savedDataHome = qgetenv("XDG_DATA_HOME");
  qputenv("XDG_DATA_HOME", root.filePath("xdg").toLocal8Bit());
  const QString start = root.filePath("start");
  Write(start + "/xmldata.xml", Catalogue(QStringLiteral("01.12.2026")));
  HeadlessControls window;

  ASSERT_TRUE(QDir::setCurrent(start));
  EXPECT_TRUE(EnterWorkingFolder(window));
  const QString inStart = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(root.path()));
  EXPECT_TRUE(EnterWorkingFolder(window));
  const QString elsewhere = QDir::currentPath();

  QDir::setCurrent(previous);
  if (savedDataHome.isEmpty()) {
    qunsetenv("XDG_DATA_HOME");
  } else {
    qputenv("XDG_DATA_HOME", savedDataHome);
  }
  EXPECT_EQ(QFileInfo(inStart).canonicalFilePath(), QFileInfo(start).canonicalFilePath());
  EXPECT_EQ(QFileInfo(elsewhere).canonicalFilePath(),
            QFileInfo(root.filePath("xdg/selvio")).canonicalFilePath());
  EXPECT_TRUE(window.Messages().isEmpty()) << window.Messages().join('\n').toStdString();
}

TEST(InstalledDataFolder, LiesInShareBesideTheExecutablesFolder) {
  EXPECT_EQ(InstalledDataFolder(QStringLiteral("/usr/bin")), QStringLiteral("/usr/share/selvio"));
  EXPECT_EQ(InstalledDataFolder(QStringLiteral("/tmp/root/usr/local/bin")),
            QStringLiteral("/tmp/root/usr/local/share/selvio"));
  EXPECT_EQ(InstalledDataFolder(QString()), QString());
}

TEST(UserDataFolder, FollowsXdgDataHomeElseTheHomeFolder) {
  const QByteArray saved = qgetenv("XDG_DATA_HOME");
  qputenv("XDG_DATA_HOME", "/tmp/xdg-data");
  EXPECT_EQ(UserDataFolder(), QStringLiteral("/tmp/xdg-data/selvio"));
  qunsetenv("XDG_DATA_HOME");
  EXPECT_EQ(UserDataFolder(), QDir::homePath() + QStringLiteral("/.local/share/selvio"));
  if (!saved.isEmpty()) qputenv("XDG_DATA_HOME", saved);
}

struct ParsedDate {
  const char* text;
  int year;  // 0: not a date
  int month;
  int day;
};

TEST(ParseCatalogueDate, ReadsDayMonthYear) {
  const ParsedDate cases[] = {
      {"01.12.2026", 2026, 12, 1}, {" 5.2.2027\n", 2027, 2, 5}, {"29.02.2024", 2024, 2, 29},
      {"29.02.2026", 0, 0, 0},     {"2026-12-01", 0, 0, 0},     {"", 0, 0, 0},
      {"01.12.26", 0, 0, 0},
  };
  for (const ParsedDate& c : cases) {
    const std::optional<QDate> date = ParseCatalogueDate(QString::fromUtf8(c.text));
    if (c.year == 0) {
      EXPECT_FALSE(date) << c.text;
    } else {
      EXPECT_EQ(date, QDate(c.year, c.month, c.day)) << c.text;
    }
  }
}

TEST(ReadCatalogueDateText, TakesTheFirstDateUnderTheRoot) {
  QTemporaryDir dir;
  const QString path = dir.filePath("xmldata.xml");
  Write(path,
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?><xmldata><клапан><обновление>x</обновление>"
        "</клапан><обновление>02.03.2027</обновление><обновление>04.05.2028</обновление>"
        "</xmldata>");
  EXPECT_EQ(ReadCatalogueDateText(path), QStringLiteral("02.03.2027"));
  EXPECT_EQ(ReadCatalogueDateText(dir.filePath("missing.xml")), QString());
}

}  // namespace
}  // namespace selvio
