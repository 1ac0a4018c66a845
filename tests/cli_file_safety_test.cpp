// selvio-cli's files on a full disk, through links, as FIFOs and devices, too large, and as their
// own outputs; exports to one file at the same time.

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <chrono>
#include <functional>
#include <map>

#include "app/cli/batch_command.h"
#include "app/files/settings_record.h"
#include "app/project/project_file.h"
#include "tests/cli_run.h"
#include "tests/document_files.h"
#include "tests/small_file_system.h"

namespace selvio::test {
namespace {

using namespace std::chrono_literals;

QString Utf8(const char* text) { return QString::fromUtf8(text); }

QByteArray FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool PutFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QString Locale() {
  return RussianLocaleInstalled() ? QStringLiteral("ru_RU.UTF-8") : QStringLiteral("C.UTF-8");
}

struct BoundedRun {
  bool finished = false;  // ended by itself before the deadline
  int status = -1;
  QString out;
  QString err;
};

// The built selvio-cli, killed at `deadline` (a run that waits on a FIFO) and, outside the
// address sanitizer (which reserves far more address space), given at most 4 GB of memory (a
// run that reads a device without end fails at once instead of filling the machine).
BoundedRun RunBounded(const QStringList& arguments, const QString& workingDir,
                      std::chrono::milliseconds deadline = 20s) {
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("LC_ALL"), Locale());
  environment.insert(QStringLiteral("LANG"), Locale());
  environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
  process.setProcessEnvironment(environment);
  process.setWorkingDirectory(workingDir);
#ifndef __SANITIZE_ADDRESS__
  process.setChildProcessModifier([] {
    const rlimit limit{rlim_t{4} << 30, rlim_t{4} << 30};
    ::setrlimit(RLIMIT_AS, &limit);
  });
#endif
  process.start(QStringLiteral(SELVIO_CLI_PATH), arguments);
  BoundedRun run;
  run.finished = process.waitForFinished(static_cast<int>(deadline.count()));
  if (!run.finished) {
    process.kill();
    process.waitForFinished();
  }
  if (process.exitStatus() == QProcess::NormalExit) run.status = process.exitCode();
  run.out = QString::fromUtf8(process.readAllStandardOutput());
  run.err = QString::fromUtf8(process.readAllStandardError());
  return run;
}

// A working folder "work" with the bundled data, and in "files" the inputs: the example
// selection, a second one with another flow, the bundled batch CSV and a project made from it.
class CliFiles : public CliFolderTest {
 protected:
  void SetUp() override {
    CliFolderTest::SetUp();
    CopyIntoWork(EnvPath("SELVIO_DATA_DIR"),
                 {"xmldata.xml", Utf8("Рнас.dat"), "etilenglikol.dat", "propilenglikol.dat"});
    for (const char* name : {"example.crp", "batch_example.csv"}) {
      ASSERT_TRUE(QFile::copy(EnvPath("SELVIO_DATA_DIR") + '/' + name, FilePath(name)));
    }
    SettingsRecord other = DefaultSettingsRecord();
    ASSERT_TRUE(ReadSelectionFile(FilePath("example.crp"), other));
    SetFieldText(other.flow, QStringLiteral("1.5"));
    ASSERT_TRUE(WriteSelectionFile(FilePath("other.crp"), other));
    ASSERT_TRUE(QFile::copy(EnvPath("SELVIO_TEST_DATA_DIR") + "/project/batch_example.selvio",
                            FilePath("p.selvio")));
  }

  QStringList Select(const QString& crp) const { return {"select", crp, "--dir", Work()}; }
  QStringList Batch(const QString& csv) const { return {"batch", csv, "--dir", Work()}; }
};

// Every kind of file the command line writes, over a file already there on a full disk: the
// command fails with status 2 and says why, the file is as it was, and no temporary file stays.
TEST_F(CliFiles, AFullDiskFailsTheWriteAndKeepsThePreviousFile) {
  SmallFileSystem disk(64);
  if (!disk.Mounted()) GTEST_SKIP() << disk.Why();
  struct Case {
    const char* target;
    std::function<QStringList(const QString&)> arguments;
    const char* message;
  };
  const Case cases[] = {
      {"p.selvio",
       [this](const QString& t) {
         return Batch(FilePath("batch_example.csv")) << "--project" << t;
       },
       "Не удалось записать файл проекта"},
      {"s.csv",
       [this](const QString& t) {
         return QStringList{"project", FilePath("p.selvio"), "--export", t};
       },
       "Не удалось записать ведомость оборудования"},
      {"s.odt",
       [this](const QString& t) {
         return QStringList{"project", FilePath("p.selvio"), "--export", t};
       },
       "Не удалось записать ведомость оборудования"},
      {"s.pdf",
       [this](const QString& t) {
         return QStringList{"project", FilePath("p.selvio"), "--export", t};
       },
       "Не удалось записать ведомость оборудования"},
      {"r.odt",
       [this](const QString& t) { return Select(FilePath("example.crp")) << "--export" << t; },
       "Не удалось записать документ"},
      {"r.pdf",
       [this](const QString& t) { return Select(FilePath("example.crp")) << "--export" << t; },
       "Не удалось записать документ"},
  };
  for (const Case& c : cases) ASSERT_TRUE(PutFile(disk.FilePath(c.target), "previous"));
  ASSERT_TRUE(disk.Fill());
  for (const Case& c : cases) {
    SCOPED_TRACE(c.target);
    const BoundedRun run = RunBounded(c.arguments(disk.FilePath(c.target)), dir_.path());
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.status, 2) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(Utf8(c.message))) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(Utf8("на диске нет места; прежний файл не изменен")))
        << run.err.toStdString();
    const QByteArray now = FileBytes(disk.FilePath(c.target));
    EXPECT_TRUE(now == "previous") << "now " << now.size() << " bytes";
  }
  QStringList left = QDir(disk.Path()).entryList(QDir::Files | QDir::Hidden);
  left.removeOne("filler");
  EXPECT_EQ(left.size(), std::size(cases)) << left.join(' ').toStdString();
}

// An output that is a link leading nowhere is refused before any work; nothing appears where
// it points.
TEST_F(CliFiles, AnOutputLinkThatLeadsNowhereIsRefused) {
  const QString nowhere = FilePath("nowhere");
  const QStringList commands[] = {
      Select(FilePath("example.crp")) << "--export" << FilePath("dangling.pdf"),
      QStringList{"project", FilePath("p.selvio"), "--export", FilePath("dangling.csv")},
      Batch(FilePath("batch_example.csv")) << "--project" << FilePath("dangling.selvio"),
  };
  for (const char* name : {"dangling.pdf", "dangling.csv", "dangling.selvio"}) {
    ASSERT_TRUE(QFile::link(nowhere, FilePath(name)));
  }
  for (const QStringList& arguments : commands) {
    SCOPED_TRACE(arguments.join(' ').toStdString());
    const BoundedRun run = RunBounded(arguments, dir_.path());
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.err.contains(Utf8("это символическая ссылка на несуществующий файл")))
        << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
    EXPECT_FALSE(QFile::exists(nowhere));
  }
}

// A link to an existing file is the user's way to name it: the file is replaced, the link stays.
TEST_F(CliFiles, AnOutputLinkToAFileWritesThatFile) {
  ASSERT_TRUE(PutFile(FilePath("schedule.csv"), "previous"));
  ASSERT_TRUE(QFile::link(FilePath("schedule.csv"), FilePath("link.csv")));
  const BoundedRun run =
      RunBounded({"project", FilePath("p.selvio"), "--export", FilePath("link.csv")}, dir_.path());
  ASSERT_EQ(run.status, 0) << run.err.toStdString();
  EXPECT_TRUE(QFileInfo(FilePath("link.csv")).isSymLink());
  EXPECT_TRUE(FileBytes(FilePath("schedule.csv")).contains("ИТП-1"));
}

// Every input as a FIFO nobody writes to and as /dev/zero: refused at once, or (the working
// folder's data files) taken as missing, never waited on or read without end.
TEST_F(CliFiles, FifosAndDevicesAsInputsAreNeitherWaitedOnNorRead) {
  struct Case {
    const char* name;
    const char* file;  // under files/, or work/ for the working folder's data
    std::function<QStringList(const QString&)> arguments;
    int status;
    const char* message;  // in standard error, or in standard output for a row's error
  };
  const Case cases[] = {
      {"project file", "files/special.selvio",
       [](const QString& f) {
         return QStringList{"project", f};
       },
       2, "Файл проекта не читается (это не обычный файл"},
      {"batch CSV", "files/special.csv", [this](const QString& f) { return Batch(f); }, 2,
       "Файл CSV не читается"},
      {"selection file", "files/special.crp", [this](const QString& f) { return Select(f); }, 2,
       "Файл выбора не читается"},
      {"--base", "files/special.crp",
       [this](const QString& f) { return Batch(FilePath("batch_example.csv")) << "--base" << f; },
       2, "Файл выбора не читается"},
      {"a row's file", "files/special.crp",
       [this](const QString&) { return Batch(FilePath("rows.csv")); }, 1,
       "Файл выбора не читается"},
      {"catalogue", "work/xmldata.xml",
       [this](const QString&) { return Select(FilePath("example.crp")); }, -1,
       "Unable to load XML document into the parser"},
      {"saturation table", "work/Рнас.dat",
       [this](const QString&) { return Select(FilePath("example.crp")); }, -1,
       "Не хватает файла данных Рнас!"},
      {"glycol table", "work/etilenglikol.dat",
       [this](const QString&) { return Select(FilePath("example.crp")); }, 0, ""},
  };
  ASSERT_TRUE(PutFile(FilePath("rows.csv"), "label,file,flow\nrow,special.crp,5\n"));
  for (const char* kind : {"fifo", "/dev/zero"}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(c.name) + " as " + kind);
      const QString file = dir_.filePath(Utf8(c.file));
      const QByteArray kept = FileBytes(file);
      QFile::remove(file);
      ASSERT_TRUE(QString(kind) == "fifo" ? MakeFifo(file) : QFile::link(kind, file));
      QElapsedTimer timer;
      timer.start();
      const BoundedRun run = RunBounded(c.arguments(file), dir_.path());
      EXPECT_TRUE(run.finished) << "still running after " << timer.elapsed() << " ms";
      EXPECT_LT(timer.elapsed(), 15000);
      if (c.status >= 0) {
        EXPECT_EQ(run.status, c.status) << run.err.toStdString();
      }
      EXPECT_TRUE((run.err + run.out).contains(Utf8(c.message))) << run.err.toStdString();
      QFile::remove(file);
      if (!kept.isEmpty()) {
        ASSERT_TRUE(PutFile(file, kept));
      }
    }
  }
}

// A project file larger than the limit is refused at once by its size, not read and parsed (a
// project of 40 MB took seconds and hundreds of megabytes before its positions were counted).
TEST_F(CliFiles, AProjectFileOverTheLimitIsRefusedAtOnce) {
  const QByteArray one = FileBytes(FilePath("p.selvio"));
  const qsizetype open = one.indexOf('[') + 1;
  const qsizetype close = one.lastIndexOf(']');
  const QByteArray positions = one.mid(open, close - open).trimmed();
  QByteArray big = one.left(open);
  while (big.size() <= kProjectFileLimit + (qint64{8} << 20)) big += positions + ",\n";
  big += positions + one.mid(close);
  ASSERT_TRUE(PutFile(FilePath("big.selvio"), big));
  big.clear();

  QElapsedTimer timer;
  timer.start();
  const RunResult run = RunInProcess({"project", FilePath("big.selvio")});
  EXPECT_LT(timer.elapsed(), 1000);
  EXPECT_EQ(run.status, 2);
  EXPECT_TRUE(run.err.contains(Utf8("Файл проекта не читается (файл больше 32 МБ)")))
      << run.err.toStdString();
}

TEST_F(CliFiles, ABatchCsvOverTheLimitIsRefused) {
  QFile csv(FilePath("big.csv"));
  ASSERT_TRUE(csv.open(QIODevice::WriteOnly) && csv.resize(kBatchCsvFileLimit + 1));
  csv.close();
  const RunResult run = RunInProcess(Batch(FilePath("big.csv")));
  EXPECT_EQ(run.status, 2);
  EXPECT_TRUE(run.err.contains(Utf8("(файл больше 16 МБ)"))) << run.err.toStdString();
}

// A command never writes over one of its inputs, however the output names it: refused before
// anything is written (nothing on standard output), the input as it was.
TEST_F(CliFiles, AnInputIsNeverItsOwnOutput) {
  ASSERT_TRUE(QFile::copy(FilePath("p.selvio"), FilePath("p.csv")));
  ASSERT_TRUE(QFile::copy(FilePath("example.crp"), FilePath("example.pdf")));
  ASSERT_TRUE(QDir(dir_.path()).mkpath("files/sub"));
  ASSERT_TRUE(QFile::link(FilePath("p.csv"), FilePath("link.csv")));
  ASSERT_TRUE(QFile::link(FilePath("batch_example.csv"), FilePath("link.selvio")));
  ASSERT_TRUE(PutFile(FilePath("rows.csv"), "label,file\nrow,example.crp\n"));
  const QStringList commands[] = {
      {"project", FilePath("p.csv"), "--export", FilePath("p.csv")},
      {"project", FilePath("p.csv"), "--export", FilePath("sub/../p.csv")},
      {"project", FilePath("p.csv"), "--export", FilePath("link.csv")},
      Batch(FilePath("batch_example.csv")) << "--project" << FilePath("batch_example.csv"),
      Batch(FilePath("batch_example.csv")) << "--project" << FilePath("link.selvio"),
      Batch(FilePath("batch_example.csv"))
          << "--base" << FilePath("example.crp") << "--project" << FilePath("example.crp"),
      Batch(FilePath("rows.csv")) << "--project" << FilePath("example.crp"),
      Select(FilePath("example.pdf")) << "--export" << FilePath("example.pdf"),
      // The working folder's data are the command's inputs too: a project written over the
      // catalogue would leave the folder without one.
      Batch(FilePath("batch_example.csv")) << "--project" << Work() + "/xmldata.xml",
      Batch(FilePath("batch_example.csv")) << "--project" << Work() + Utf8("/Рнас.dat"),
      Batch(FilePath("batch_example.csv")) << "--project" << Work() + "/etilenglikol.dat",
  };
  const QStringList inputs = {
      "p.csv",    "example.pdf",         "batch_example.csv",      "example.crp",
      "rows.csv", "../work/xmldata.xml", Utf8("../work/Рнас.dat"), "../work/etilenglikol.dat"};
  std::map<QString, QByteArray> before;
  for (const QString& name : inputs) before[name] = FileBytes(FilePath(name));
  for (const QStringList& arguments : commands) {
    SCOPED_TRACE(arguments.join(' ').toStdString());
    const BoundedRun run = RunBounded(arguments, dir_.path());
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.err.contains(Utf8("входной файл команды"))) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
    for (const QString& name : inputs) {
      EXPECT_TRUE(FileBytes(FilePath(name)) == before[name]) << name.toStdString() << " changed";
    }
  }
}

// Standard output that takes nothing (a full disk behind a redirection, a closed output) is the
// command's failure, not a result the user never got: status 2 and the reason on standard error.
TEST_F(CliFiles, AStandardOutputThatFailsFailsTheCommand) {
  ASSERT_EQ(RunBounded(Batch(FilePath("batch_example.csv")) << "--project" << FilePath("q.selvio"),
                       dir_.path())
                .status,
            0);
  const QStringList commands[] = {
      Select(FilePath("example.crp")),
      Select(FilePath("example.crp")) << "--json",
      Batch(FilePath("batch_example.csv")),
      {"project", FilePath("q.selvio"), "--dir", Work()},
      {"project", FilePath("q.selvio"), "--dir", Work(), "--json"},
      {"--help"},
  };
  struct Output {
    const char* name;
    std::function<void(QProcess&)> set;
    const char* reason;
  };
  const Output outputs[] = {
      {"/dev/full", [](QProcess& p) { p.setStandardOutputFile(QStringLiteral("/dev/full")); },
       "на диске нет места"},
      {"closed", [](QProcess& p) { p.setChildProcessModifier([] { ::close(STDOUT_FILENO); }); },
       "ошибка записи"},
  };
  for (const Output& output : outputs) {
    for (const QStringList& arguments : commands) {
      SCOPED_TRACE(std::string(output.name) + ": " + arguments.join(' ').toStdString());
      QProcess process;
      QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
      environment.insert(QStringLiteral("LC_ALL"), Locale());
      environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
      process.setProcessEnvironment(environment);
      output.set(process);
      process.start(QStringLiteral(SELVIO_CLI_PATH), arguments);
      ASSERT_TRUE(process.waitForFinished(60000));
      const QString err = QString::fromUtf8(process.readAllStandardError());
      EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
      EXPECT_EQ(process.exitCode(), 2) << err.toStdString();
      EXPECT_TRUE(err.contains(Utf8("Не удалось вывести результат"))) << err.toStdString();
      EXPECT_TRUE(err.contains(Utf8(output.reason))) << err.toStdString();
    }
  }
}

// The pages' text of a selection's PDF without its date line, which changes with the minute.
QString PdfTextWithoutDate(const QString& path) {
  QStringList lines = TrimmedLines(PdfText(path));
  lines.removeIf([](const QString& line) { return line.startsWith(Utf8("Дата подбора")); });
  return lines.join('\n');
}

// Two exports of different selections to one file at the same time both succeed, and the file
// is one of the two documents whole, never a mix of both.
TEST_F(CliFiles, ExportsToOneFileAtOnceLeaveOneWholeDocument) {
  const QString crps[] = {FilePath("example.crp"), FilePath("other.crp")};
  QString texts[2];
  for (int i = 0; i < 2; ++i) {
    const QString alone = FilePath(QStringLiteral("alone%1.pdf").arg(i));
    ASSERT_EQ(RunBounded(Select(crps[i]) << "--export" << alone, dir_.path()).status, 0);
    texts[i] = PdfTextWithoutDate(alone);
  }
  ASSERT_NE(texts[0], texts[1]);
  for (const char* suffix : {"pdf", "odt"}) {
    const QString shared = FilePath(QStringLiteral("shared.") + suffix);
    for (int round = 0; round < 3; ++round) {
      SCOPED_TRACE(std::string(suffix) + " round " + std::to_string(round));
      QProcess processes[2];
      for (int i = 0; i < 2; ++i) {
        processes[i].setWorkingDirectory(dir_.path());
        processes[i].start(QStringLiteral(SELVIO_CLI_PATH), Select(crps[i])
                                                                << "--export" << shared);
      }
      for (QProcess& process : processes) {
        ASSERT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
      }
      if (QString(suffix) == "pdf") {
        ToolOutput(QStringLiteral("pdfinfo"), {shared});  // fails the test on a damaged file
        const QString text = PdfTextWithoutDate(shared);
        EXPECT_TRUE(text == texts[0] || text == texts[1]) << text.toStdString();
      } else {
        ToolOutput(QStringLiteral("/usr/bin/unzip"), {QStringLiteral("-tq"), shared});
        EXPECT_FALSE(OdtContentXml(shared).isEmpty());
      }
    }
  }
  QStringList left = QDir(FilePath(".")).entryList(QDir::Files | QDir::Hidden);
  left.removeIf([](const QString& name) { return !name.contains("shared"); });
  EXPECT_EQ(left, (QStringList{"shared.odt", "shared.pdf"}));
}

}  // namespace
}  // namespace selvio::test
