// selvio-cli project and batch --project.

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "app/cli/batch_command.h"
#include "app/cli/project_command.h"
#include "app/cli/select_command.h"
#include "app/project/project_file.h"
#include "tests/cli_run.h"
#include "tests/project_fixture.h"

namespace selvio::test {
namespace {

QString Utf8(const char* text) { return QString::fromUtf8(text); }

class CliProject : public ProjectFolderTest {
 protected:
  void SetUp() override {
    ProjectFolderTest::SetUp();
    ASSERT_TRUE(WriteFileBytes(Path("points.csv"), kProjectPoints));
  }
  // "batch points.csv --project points.selvio" in the folder.
  RunResult MakeProject(const QStringList& extra = {}) {
    return RunInProcess(QStringList{"batch", Path("points.csv"), "--dir", Path("."), "--project",
                                    Path("points.selvio")} +
                        extra);
  }
  RunResult RunProject(const QStringList& arguments) {
    return RunInProcess(QStringList{"project", Path("points.selvio")} + arguments);
  }
};

// The batch's rows become the positions a form gives for the same points.
TEST_F(CliProject, BatchWritesTheRowsAsPositions) {
  const RunResult run = MakeProject();
  ASSERT_EQ(run.status, 0) << run.err.toStdString();
  const ReadProject read = ReadProjectFile(Path("points.selvio"));
  ASSERT_TRUE(read.project) << read.error.toStdString();
  Project expected = PointsProject();
  for (ProjectPosition& position : expected.positions) position.quantity = 1;
  ASSERT_EQ(read.project->positions.size(), expected.positions.size());
  for (std::size_t i = 0; i < expected.positions.size(); ++i) {
    EXPECT_TRUE(SamePosition(read.project->positions[i], expected.positions[i])) << i;
  }
}

// A row with an error of its own is left out (status 1); "quantity" sets the quantity and a
// bad one is the row's error.
TEST_F(CliProject, RowsWithErrorsAreLeftOutAndQuantitiesTaken) {
  ASSERT_TRUE(WriteFileBytes(Path("points.csv"),
                             "label,p1,p2,t,drop,flow,flow_unit,quantity\n"
                             "a,6,4,90,0.3,5,,3\n"
                             "bad unit,6,4,90,0.3,5,psi,1\n"
                             "bad quantity,6,4,90,0.3,5,,0\n"
                             "b,6,4,90,0.3,2,,\n"));
  const RunResult run = MakeProject();
  EXPECT_EQ(run.status, kRowErrorStatus);
  EXPECT_TRUE(
      run.out.contains(Utf8("\nbad quantity,error,\"Столбец quantity: нужно целое число "
                            "от 1 до 1000000, а не \"\"0\"\"\"\n")))
      << run.out.toStdString();
  const ReadProject read = ReadProjectFile(Path("points.selvio"));
  ASSERT_TRUE(read.project);
  ASSERT_EQ(read.project->positions.size(), 2u);
  EXPECT_EQ(read.project->positions[0].label, "a");
  EXPECT_EQ(read.project->positions[0].quantity, 3);
  EXPECT_EQ(read.project->positions[1].label, "b");
  EXPECT_EQ(read.project->positions[1].quantity, 1);
  // Without --project the column is not read.
  const RunResult batch = RunInProcess({"batch", Path("points.csv"), "--dir", Path(".")});
  EXPECT_TRUE(batch.out.contains(Utf8("\nbad quantity,1,"))) << batch.out.toStdString();
}

TEST_F(CliProject, ProjectPrintsPositionsAndTheOrderList) {
  ASSERT_EQ(MakeProject().status, 0);
  const RunResult run = RunProject({});
  ASSERT_EQ(run.status, 0) << run.err.toStdString();
  const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
  ASSERT_GE(lines.size(), 8);
  EXPECT_EQ(lines[0], Utf8("Проект: points, позиций: 6"));
  EXPECT_EQ(lines[1],
            Utf8("  1. ИТП-1 отопление | 1 шт; вода; G 5 м³/ч; ΔP 0,3 Бар | ВКФ-2-32-16 Ду 32, "
                 "Kvs 16,00 + ЭПК-300-24-3-КПВН + ZR310-94 | Kv 10,95; dPv 0,10; V 1,73"));
  EXPECT_TRUE(
      lines[6].startsWith(Utf8("  6. ошибка | 1 шт; вода; G 5 м³/ч; ΔP 0,3 Бар | ничего "
                               "не подобрано")))
      << lines[6].toStdString();
  EXPECT_EQ(lines[7], Utf8("Сводка для заказа:"));
  EXPECT_TRUE(run.out.contains(Utf8("  ВКФ-2-32-16 (Ду 32): 1 шт\n")));

  const RunResult json = RunProject({"--json"});
  ASSERT_EQ(json.status, 0);
  const QJsonObject object = QJsonDocument::fromJson(json.out.toUtf8()).object();
  EXPECT_EQ(object["project"].toString(), "points");
  const QJsonArray positions = object["positions"].toArray();
  ASSERT_EQ(positions.size(), 6);
  EXPECT_EQ(positions[0].toObject()["product"].toString(), Utf8("ВКФ-2-32-16"));
  EXPECT_NEAR(positions[0].toObject()["kv"].toDouble(), 10.954, 1e-3);
  EXPECT_TRUE(positions[5].toObject()["kv"].isNull());
  EXPECT_FALSE(object.contains("recheck"));
}

// After a catalogue change: what changed, the schedule of the re-checked selections, the file
// as it was; status 1 when a position lost its product, 0 when it only got another.
TEST_F(CliProject, RecheckReportsChangesAndLeavesTheFile) {
  ASSERT_EQ(MakeProject().status, 0);
  const QByteArray file = FileBytes(Path("points.selvio"));
  const RunResult same = RunProject({"--recheck", "--dir", Path(".")});
  EXPECT_EQ(same.status, 0);
  EXPECT_TRUE(
      same.out.endsWith(Utf8("Перепроверка по базе от 01.12.2026: изменилось позиций 0 "
                             "из 6\n")))
      << same.out.toStdString();

  RemoveProducts(QStringLiteral("РДФ-16-20-6\\.3"));
  const RunResult other = RunProject({"--recheck", "--dir", Path(".")});
  EXPECT_EQ(other.status, 0);
  EXPECT_TRUE(other.out.endsWith(
      Utf8("изменилось позиций 1 из 6\n  3. ИТП-2 перепад: другое изделие: РДФ-16-20-6.3 → "
           "РДФ-16-25-8\n")))
      << other.out.toStdString();
  EXPECT_TRUE(other.out.contains(Utf8("  РДФ-16-25-8 (Ду 25): 1 шт\n")));

  RemoveProducts(QStringLiteral("ВКФ-2С-[^<]*"));
  const RunResult lost = RunProject({"--recheck", "--dir", Path("."), "--json"});
  EXPECT_EQ(lost.status, kRowErrorStatus);
  const QJsonArray changes =
      QJsonDocument::fromJson(lost.out.toUtf8()).object()["recheck"].toArray();
  ASSERT_EQ(changes.size(), 6);
  EXPECT_EQ(changes[2].toObject()["change"].toString(), "other_product");
  EXPECT_EQ(changes[3].toObject()["change"].toString(), "nothing_found");
  EXPECT_EQ(changes[0].toObject()["change"].toString(), "none");
  EXPECT_EQ(FileBytes(Path("points.selvio")), file);
}

// A project sized on another catalogue, opened without a re-check: what the working folder's
// catalogue does not hold is marked in the text, the JSON and the schedule, with a note, not
// ordered without a word. A re-check takes what the catalogue holds, unmarked.
TEST_F(CliProject, ProductsTheCatalogueDoesNotHoldAreMarked) {
  ASSERT_EQ(MakeProject().status, 0);
  RemoveProducts(QStringLiteral("ВКФ-2-32-16"));
  const QString mark = Utf8(" [нет в каталоге]");
  const RunResult text = RunProject({"--export", Path("s.csv")});
  ASSERT_EQ(text.status, 0) << text.err.toStdString();
  EXPECT_TRUE(text.out.contains(Utf8("| ВКФ-2-32-16 [нет в каталоге] Ду 32, Kvs 16,00 +")))
      << text.out.toStdString();
  EXPECT_TRUE(text.out.contains(Utf8("  ВКФ-2-32-16 [нет в каталоге] (Ду 32): 1 шт\n")));
  EXPECT_TRUE(text.out.endsWith(Utf8("Перепроверьте проект перед заказом.\n")));
  EXPECT_EQ(text.out.count(mark), 2) << "the position and its order line";
  EXPECT_TRUE(text.out.contains(Utf8("\n[нет в каталоге] — изделия или привода нет в каталоге")));
  const QString csv = QString::fromUtf8(FileBytes(Path("s.csv")));
  EXPECT_TRUE(csv.contains(Utf8(";ВКФ-2-32-16 [нет в каталоге];32;"))) << csv.toStdString();
  EXPECT_TRUE(csv.endsWith(Utf8("Перепроверьте проект перед заказом.\r\n")));

  const RunResult json = RunProject({"--json"});
  const QJsonObject object = QJsonDocument::fromJson(json.out.toUtf8()).object();
  const QJsonArray positions = object["positions"].toArray();
  EXPECT_EQ(positions[0].toObject()["not_in_catalogue"].toArray(), QJsonArray{Utf8("ВКФ-2-32-16")});
  EXPECT_EQ(positions[1].toObject()["not_in_catalogue"].toArray(), QJsonArray{});
  EXPECT_FALSE(object["orders"].toArray()[0].toObject()["in_catalogue"].toBool());
  EXPECT_TRUE(object["orders"].toArray()[1].toObject()["in_catalogue"].toBool());

  const RunResult rechecked = RunProject({"--recheck"});
  EXPECT_FALSE(rechecked.out.contains(mark)) << rechecked.out.toStdString();
}

// Names a project file holds (as a colleague's program or editor wrote them) reach the terminal
// with their control characters escaped, in the text and in the JSON.
TEST_F(CliProject, NamesInTheFileCannotSteerTheTerminal) {
  ASSERT_EQ(MakeProject().status, 0);
  Project project = ReadProjectFile(Path("points.selvio")).project.value_or(Project{});
  ASSERT_FALSE(project.positions.empty());
  project.positions[0].shown.product = Utf8("ВКФ\x1b]0;title\x07\r\u202E");
  ASSERT_EQ(WriteProjectFile(Path("points.selvio"), project), std::nullopt);
  for (const QStringList& extra : {QStringList{}, QStringList{"--json"}}) {
    const RunResult run = RunProject(extra);
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    for (const QChar c : {QChar(0x1B), QChar(0x07), QChar(u'\r'), QChar(0x202E)}) {
      EXPECT_FALSE(run.out.contains(c)) << static_cast<int>(c.unicode());
    }
  }
  EXPECT_TRUE(RunProject({}).out.contains(Utf8("ВКФ\\x1b]0;title\\x07\\x0d\\u202e")));
  EXPECT_TRUE(RunProject({"--json"}).out.contains(Utf8("ВКФ\\u001b]0;title\\u0007\\r\\u202e")));
}

TEST_F(CliProject, ExportWritesTheScheduleInTheFormatOfItsSuffix) {
  ASSERT_EQ(MakeProject().status, 0);
  for (const char* name : {"s.csv", "s.odt", "s.PDF"}) {
    const RunResult run = RunProject({"--export", Path(name)});
    EXPECT_EQ(run.status, 0) << name << run.err.toStdString();
    EXPECT_FALSE(FileBytes(Path(name)).isEmpty()) << name;
  }
  EXPECT_TRUE(FileBytes(Path("s.csv")).startsWith("\xEF\xBB\xBF\xE2\x84\x96;"));  // BOM, "№;"
  EXPECT_TRUE(FileBytes(Path("s.PDF")).startsWith("%PDF"));
  EXPECT_TRUE(FileBytes(Path("s.odt")).startsWith("PK"));
}

// Refusals: status 2, the reason on standard error, nothing on standard output.
TEST_F(CliProject, BadCommandLinesAndFilesAreRefused) {
  ASSERT_EQ(MakeProject().status, 0);
  const QByteArray valid = FileBytes(Path("points.selvio"));
  ASSERT_TRUE(WriteFileBytes(Path("cut.selvio"), valid.left(valid.size() / 3)));
  struct Case {
    QStringList arguments;
    const char* message;
  };
  const Case cases[] = {
      {{"project"}, "Не указан файл проекта"},
      {{"project", Path("points.selvio"), "--unknown"}, "Неизвестный параметр: --unknown"},
      {{"project", Path("points.selvio"), "--export", Path("s.txt")},
       "После --export нужно имя файла .odt, .pdf или .csv"},
      {{"project", Path("points.selvio"), "--export"}, "После --export нужно значение"},
      {{"project", Path("cut.selvio")}, "Файл проекта поврежден или обрезан"},
      {{"project", Path("absent.selvio")}, "Файл проекта не читается"},
      {{"project", Path("points.selvio"), "--export", Path("missing/s.csv")},
       "Не удалось записать ведомость оборудования"},
      {{"project", Path("points.selvio"), "--recheck", "--dir", Path("absent")},
       "Рабочая папка не найдена"},
      {{"batch", Path("points.csv"), "--project"}, "Не указано значение --project"},
      {{"batch", Path("points.csv"), "--dir", Path("."), "--project", Path("missing/p.selvio")},
       "Не удалось записать файл проекта"},
  };
  for (const Case& c : cases) {
    const RunResult run = RunInProcess(c.arguments);
    EXPECT_EQ(run.status, kRefusedStatus) << c.arguments.join(' ').toStdString();
    EXPECT_TRUE(run.err.startsWith(Utf8(c.message))) << run.err.toStdString();
    if (c.arguments.value(0) == "project") {
      EXPECT_TRUE(run.out.isEmpty());
    }
  }
}

TEST_F(CliProject, HelpListsTheProjectCommand) {
  const RunResult all = RunInProcess({"--help"});
  EXPECT_EQ(all.status, 0);
  EXPECT_TRUE(all.out.contains(Utf8("Использование: selvio-cli project ФАЙЛ.selvio")));
  EXPECT_TRUE(all.out.contains(Utf8("--project ФАЙЛ.selvio")));
  const RunResult own = RunInProcess({"project", "--help"});
  EXPECT_EQ(own.status, 0);
  EXPECT_EQ(own.out, ProjectUsage());
}

// The program under a Russian locale prints and exports the same: decimal commas where the
// schedule wants them, whatever the C library's locale.
TEST_F(CliProject, RussianLocalePrintsAndExportsTheSame) {
  ASSERT_EQ(MakeProject().status, 0);
  if (!RussianLocaleInstalled()) GTEST_SKIP() << "ru_RU.UTF-8 is not installed";
  QByteArray outputs[2];
  QByteArray csvs[2];
  const char* locales[] = {"C", "ru_RU.UTF-8"};
  for (int i = 0; i < 2; ++i) {
    const QString csv = Path(QStringLiteral("s%1.csv").arg(i));
    const ProcessResult run = RunExecutable(
        {"project", Path("points.selvio"), "--recheck", "--dir", Path("."), "--export", csv},
        Path("."), locales[i]);
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    outputs[i] = run.out;
    csvs[i] = FileBytes(csv);
  }
  EXPECT_EQ(outputs[0], outputs[1]);
  EXPECT_EQ(csvs[0], csvs[1]);
  EXPECT_TRUE(csvs[1].contains(";0,09765625;")) << csvs[1].toStdString();
}

}  // namespace
}  // namespace selvio::test
