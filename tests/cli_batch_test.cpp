#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "app/cli/batch_command.h"
#include "app/cli/batch_csv.h"
#include "app/cli/select_command.h"
#include "app/files/settings_record.h"
#include "tests/cli_run.h"

namespace selvio::test {
namespace {

QJsonObject Json(const QString& line) { return QJsonDocument::fromJson(line.toUtf8()).object(); }

// The output lines without the final empty one.
QStringList OutputLines(const QString& out) {
  QStringList lines = out.split(QLatin1Char('\n'));
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  return lines;
}

// "files" holds CSV and selection files.
class BatchTest : public CliFolderTest {
 protected:
  RunResult Batch(const QString& csv, const QStringList& extra = {}) {
    return RunInProcess(QStringList{"batch", csv, "--dir", Work()} + extra);
  }
  // "select --json" of the record, as a selection file would hold it.
  QJsonObject SelectJson(const SettingsRecord& record) {
    const QString path = FilePath("point.crp");
    EXPECT_TRUE(WriteSelectionFile(path, record));
    const RunResult run = RunInProcess({"select", path, "--dir", Work(), "--json"});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    return QJsonDocument::fromJson(run.out.toUtf8()).object();
  }
};

class BundledBatch : public BatchTest {
 protected:
  void SetUp() override {
    BatchTest::SetUp();
    CopyIntoWork(EnvPath("SELVIO_DATA_DIR"), {"xmldata.xml", QString::fromUtf8("Рнас.dat"),
                                              "etilenglikol.dat", "propilenglikol.dat"});
    ASSERT_TRUE(QFile::copy(EnvPath("SELVIO_DATA_DIR") + "/example.crp", FilePath("example.crp")));
  }
};

// Rows of every kind in one batch, each equal to "select --json" of the same point on a fresh
// form: nothing of one row carries over to the next (a refused row between found ones, steam
// after water, a regulator after valves, the actuator section on and off).
const char* const kMixedRows =
    "label,medium,product,p1,p2,t,drop,flow,flow_unit,k,use_k,setting,actuator,cavitation\n"
    "heating,вода,клапан,6,4,90,0.3,5,м³/ч,1.2,1,,электро,1\n"
    "refused,вода,клапан,3,4,90,0.3,5,м³/ч,,0,,нет,0\n"
    "steam,пар,клапан,5,,160,0.3,0.5,т/ч,,0,,нет,0\n"
    "hot water,вода,клапан,6,3,70,0.5,2500,л/ч,,0,,термо,0\n"
    "regulator,вода,РПД,8,4,90,0.5,3,м³/ч,,0,0.5,,0\n"
    "glycol,гликоль,клапан,6,4,20,0.3,5,м³/ч,,0,,нет,0\n";

TEST_F(BundledBatch, JsonRowsEqualSelectOfTheSamePoint) {
  const QString csv = WriteBytes("points.csv", kMixedRows);
  const RunResult run = Batch(csv, {"--json"});
  ASSERT_EQ(run.status, 0) << run.err.toStdString();
  const QStringList lines = OutputLines(run.out);
  const CsvTable table = ParseCsv(kMixedRows);
  ASSERT_EQ(lines.size(), table.rows.size());
  for (int i = 0; i < lines.size(); ++i) {
    SettingsRecord record = BatchDefaultRecord();
    ASSERT_FALSE(ApplyCsvRow(CsvRow(table.header, table.rows[i]), record));
    QJsonObject row = Json(lines[i]);
    EXPECT_EQ(row.take("label").toString(), table.rows[i][0]);
    EXPECT_EQ(row, SelectJson(record)) << table.rows[i][0].toStdString();
  }
}

// The first row is the shipped example's point typed in bar and m³/h:
//   Kv·K = 5/√0.3·1.2 = 10.954; DN 32, Kvs 16: dPv = (5/16)² = 0.0977 bar,
//   V = (5/3600) / (3.1415/4·0.032²) = 1.727 m/s.
TEST_F(BundledBatch, CsvLinesCarryTheFiguresOfEachRow) {
  const QString csv = WriteBytes("points.csv", kMixedRows);
  const RunResult run = Batch(csv);
  ASSERT_EQ(run.status, 0) << run.err.toStdString();
  const CsvTable out = ParseCsv(run.out.toUtf8());
  ASSERT_EQ(out.header, QString("label,outcome,messages,kv,dpv,velocity,psat,cavitation,candidate,"
                                "dn,kvs,actuator")
                            .split(','));
  ASSERT_EQ(out.rows.size(), 6);
  const QStringList& heating = out.rows[0];
  EXPECT_EQ(heating[1], "1");
  EXPECT_NEAR(heating[3].toDouble(), 10.954, 1e-3);
  EXPECT_NEAR(heating[4].toDouble(), 0.0977, 1e-4);
  EXPECT_NEAR(heating[5].toDouble(), 1.727, 1e-3);
  EXPECT_EQ(heating[9], "32");
  EXPECT_EQ(heating[10], "16");
  EXPECT_FALSE(heating[11].isEmpty());
  const QStringList& refused = out.rows[1];
  EXPECT_EQ(refused[1], "-2");
  EXPECT_EQ(refused[2], QString::fromUtf8("Должно быть Р2<Р1"));
  EXPECT_TRUE(refused[8].isEmpty());
}

// A spreadsheet in a Russian locale: a byte order mark, ";" between cells, decimal commas.
TEST_F(BundledBatch, SemicolonsAndDecimalCommasGiveTheSameResult) {
  const QString comma = WriteBytes("comma.csv", "label,p1,p2,t,drop,flow\na,6,4,90,0.3,5.5\n");
  const QString semicolon = WriteBytes(
      "semicolon.csv", "\xEF\xBB\xBFlabel;p1;p2;t;drop;flow\r\na;6;4;90;0,3;\"5,5\"\r\n");
  const RunResult a = Batch(comma, {"--json"});
  const RunResult b = Batch(semicolon, {"--json"});
  ASSERT_EQ(a.status, 0);
  ASSERT_EQ(b.status, 0);
  EXPECT_EQ(Json(a.out).value("outcome").toInt(), 1);
  EXPECT_EQ(a.out, b.out);
}

// A row starts from its own selection file (relative to the CSV's folder), its cells over it.
TEST_F(BundledBatch, FileColumnStartsTheRowFromThatFile) {
  SettingsRecord example = DefaultSettingsRecord();
  ASSERT_TRUE(ReadSelectionFile(FilePath("example.crp"), example));
  const QString csv =
      WriteBytes("files.csv", "label,file,flow\nsame,example.crp,\nmore,example.crp,6\n");
  const RunResult run = Batch(csv, {"--json"});
  ASSERT_EQ(run.status, 0) << run.err.toStdString();
  const QStringList lines = OutputLines(run.out);
  ASSERT_EQ(lines.size(), 2);
  QJsonObject same = Json(lines[0]);
  same.remove("label");
  EXPECT_EQ(same, SelectJson(example));
  SetFieldText(example.flow, "6");
  QJsonObject more = Json(lines[1]);
  more.remove("label");
  EXPECT_EQ(more, SelectJson(example));
}

// Without a file, p1 = 6 means 6 bar and the flow m³/h, whatever a first start shows.
TEST_F(BundledBatch, RowsWithoutAFileAreInBarAndCubicMetres) {
  const QString csv = WriteBytes("bar.csv", "label,p1,p2,t,drop,flow\na,6,4,90,0.3,5\n");
  const RunResult run = Batch(csv, {"--json"});
  ASSERT_EQ(run.status, 0);
  EXPECT_NEAR(Json(run.out).value("kv").toDouble(), 10.954, 1e-3);  // K 1.2 of a first start
}

// For steam, drop is the relative drop δ: a pressure unit for it is the row's error, whether the
// row names steam or starts from a steam selection file. Without the unit the steam row is
// sized, and a water row still reads its drop in the unit given (30 кПа = 0.3 bar).
TEST_F(BundledBatch, SteamRowsRefuseAPressureUnitForTheRelativeDrop) {
  SettingsRecord steam = BatchDefaultRecord();
  steam.medium = 3;
  ASSERT_TRUE(WriteSelectionFile(FilePath("steam.crp"), steam));
  const QString csv = WriteBytes("steam.csv",
                                 "label,medium,file,p1,p2,t,drop,drop_unit,flow,flow_unit\n"
                                 "steam in bar,пар,,5,,160,0.3,Бар,0.5,т/ч\n"
                                 "steam file in kPa,,steam.crp,5,,160,0.3,кПа,0.5,т/ч\n"
                                 "steam,пар,,5,,160,0.3,,0.5,т/ч\n"
                                 "water in kPa,вода,,6,4,90,30,кПа,5,м³/ч\n");
  const RunResult run = Batch(csv, {"--json"});
  EXPECT_EQ(run.status, 1);
  const QStringList lines = OutputLines(run.out);
  ASSERT_EQ(lines.size(), 4);
  for (int i : {0, 1}) {
    const QString error = Json(lines[i]).value("error").toString();
    EXPECT_TRUE(error.contains("drop_unit") && error.contains(QString::fromUtf8("δ")))
        << i << ": " << error.toStdString();
  }
  // 0.5 т/ч at P1 5 bar, δ 0.3, K 1.2: f(δ) = 22·√0.3·(1 − 0.72·0.3) = 9.447,
  // Kv = 1.2·500/(5·9.447) = 12.70.
  EXPECT_NEAR(Json(lines[2]).value("kv").toDouble(), 12.70, 0.01) << lines[2].toStdString();
  EXPECT_NEAR(Json(lines[3]).value("kv").toDouble(), 10.954, 1e-3);  // 5/√0.3 · K 1.2
}

// The program itself under a Russian locale writes the same lines, numbers with a point.
TEST_F(BundledBatch, RussianLocalePrintsTheSameLines) {
  const QString csv = WriteBytes("ru.csv", "label;p1;p2;t;drop;flow\na;6;4;90;0,3;5\n");
  QByteArray outputs[2];
  const char* locales[] = {"C", "ru_RU.UTF-8"};
  for (int i = 0; i < 2; ++i) {
    const ProcessResult run =
        RunExecutable({"batch", csv, "--dir", Work()}, QDir::currentPath(), locales[i]);
    EXPECT_EQ(run.status, 0);
    outputs[i] = run.out;
  }
  EXPECT_EQ(outputs[0], outputs[1]);
  EXPECT_TRUE(outputs[1].contains(",10.9545,0.0976562,")) << outputs[1].toStdString();
}

class FixtureBatch : public BatchTest {
 protected:
  void SetUp() override {
    BatchTest::SetUp();
    CopyIntoWork(EnvPath("SELVIO_TEST_DATA_DIR") + "/cli",
                 {"xmldata.xml", QString::fromUtf8("Рнас.dat")});
  }
};

// A bad row among good ones is reported in its own line; the others are sized; exit status 1.
TEST_F(FixtureBatch, ABadRowDoesNotStopTheOthers) {
  const QString csv = WriteBytes("bad.csv",
                                 "label,p1,p2,t,drop,flow,p1_unit,product,setting,flow_unit\n"
                                 "good,6,4,90,0.3,5,,,,\n"
                                 "bad unit,6,4,90,0.3,5,psi,,,\n"
                                 "only a label,,,,,,,,,\n"
                                 "regulator,6,4,90,0.3,5,,РПД,0.5,\n"
                                 "steam unit for water,6,4,90,0.3,5,,,,т/ч\n");
  const QString withFile = WriteBytes("bad_file.csv", "label,file\nmissing,absent.crp\n");
  const RunResult run = Batch(csv);
  EXPECT_EQ(run.status, 1);
  const CsvTable out = ParseCsv(run.out.toUtf8());
  ASSERT_EQ(out.rows.size(), 5);
  EXPECT_EQ(out.rows[0][1], "1");
  EXPECT_EQ(out.rows[0][8], "VF");
  EXPECT_EQ(out.rows[1][1], "error");
  EXPECT_TRUE(out.rows[1][2].contains("p1_unit")) << out.rows[1][2].toStdString();
  EXPECT_NE(out.rows[2][1], "error");  // empty cells keep the start values
  EXPECT_EQ(out.rows[3][1], "1");
  EXPECT_EQ(out.rows[3][8], "RD");
  EXPECT_EQ(out.rows[4][1], "error");
  EXPECT_TRUE(out.rows[4][2].contains("flow_unit")) << out.rows[4][2].toStdString();
  const RunResult missing = Batch(withFile, {"--json"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_TRUE(Json(missing.out).value("error").toString().contains("absent.crp"));
}

// A file whose rows do not match its header, whose header names a column twice or one the batch
// does not read, whose quote is never closed (it would swallow every row after it) or that holds
// more than 10000 rows is no batch: it is refused before any row is sized, naming the line, and
// nothing is printed.
TEST_F(FixtureBatch, ACsvFileThatIsNoTableIsRefusedNamingTheLine) {
  const QByteArray tooMany = "label\n" + QByteArray("a\n").repeated(kMaxBatchRows + 1);
  struct Case {
    const char* name;
    QByteArray csv;
    const char* problem;
  };
  const Case cases[] = {
      {"a short row", "label,p1,p2\na,6,4\nb,6\n", "строка 3: ячеек 2, а столбцов в заголовке 3"},
      {"a cell too many", "label,p1\na,6,7\n", "строка 2: ячеек 3, а столбцов в заголовке 2"},
      {"a column named twice", "label,p1,P1\na,6,7\n",
       "строка 1: столбец «p1» назван в заголовке дважды"},
      {"a quote never closed", "label,p1\n\"a,6\nb,7\nc,8\n",
       "строка 2: кавычка не закрыта до конца файла"},
      {"lines counted through a quoted line break", "label,p1\n\"a\nb\",6\nc\n",
       "строка 4: ячеек 1, а столбцов в заголовке 2"},
      {"lines counted through empty lines", "label,p1\n\na,6\n\nb\n",
       "строка 5: ячеек 1, а столбцов в заголовке 2"},
      {"a spreadsheet's short row", "\xEF\xBB\xBFlabel;p1\r\na;6\r\nb\r\n",
       "строка 3: ячеек 1, а столбцов в заголовке 2"},
      {"more rows than a batch takes", tooMany, "строк данных больше 10000"},
      // A misspelt column would leave every row at its starting value, sized without a word.
      {"a column the batch does not read", "label,flwo\na,5\n",
       "строка 1: столбец «flwo» программе неизвестен (известны: label, file, medium, product, "
       "p1, p2, t, drop, flow, setting, k, density, p1_unit, p2_unit, drop_unit, setting_unit, "
       "flow_unit, actuator, use_k, cavitation, quantity)"},
      // Old line ends of a lone carriage return leave the whole file on the header's line.
      {"lines ended by a carriage return alone", "label,flow\ra,5\r",
       "строка 1: столбец «flow\\x0da» программе неизвестен (известны: label, file, medium, "
       "product, p1, p2, t, drop, flow, setting, k, density, p1_unit, p2_unit, drop_unit, "
       "setting_unit, flow_unit, actuator, use_k, cavitation, quantity)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const QString csv = WriteBytes("table.csv", c.csv);
    const RunResult run = Batch(csv);
    EXPECT_EQ(run.status, kRefusedStatus);
    EXPECT_TRUE(run.out.isEmpty()) << run.out.left(200).toStdString();
    EXPECT_EQ(run.err, QString::fromUtf8("Файл CSV не принят, %1: %2\n")
                           .arg(QString::fromUtf8(c.problem), QDir::toNativeSeparators(csv)));
  }
  // Columns without a name, as a spreadsheet leaves after the last one, are no duplicates.
  const RunResult trailing = Batch(WriteBytes("trailing.csv", "label,flow,,\na,5,,\n"));
  EXPECT_EQ(trailing.status, 0) << trailing.err.toStdString();
}

// The column "file" names a selection file in the CSV's folder or below it: an absolute path, a
// path out of the folder and a file that is no ".crp" are the row's error, and a file of another
// kind is refused without showing its first bytes as a version number.
TEST_F(FixtureBatch, TheFileColumnTakesSelectionFilesInTheCsvsFolderOnly) {
  SettingsRecord point = BatchDefaultRecord();
  SetFieldText(point.p1, "6");
  SetFieldText(point.p2, "4");
  SetFieldText(point.temperature, "90");
  SetFieldText(point.drop, "0.3");
  SetFieldText(point.flow, "5");
  ASSERT_TRUE(WriteSelectionFile(FilePath("point.crp"), point));
  ASSERT_TRUE(QDir(FilePath("")).mkpath("sub"));
  ASSERT_TRUE(WriteSelectionFile(FilePath("sub/point.crp"), point));
  ASSERT_TRUE(WriteSelectionFile(Work() + "/outside.crp", point));
  WriteBytes("notes.txt", "hostname\n");
  WriteBytes("notes.crp", "hostname\n");  // "host" read as a version: 1953722216
  WriteBytes("short.crp", QByteArray("\x01\x00", 2));
  struct Case {
    QString file;
    const char* error;  // empty: sized
  };
  const Case cases[] = {
      {"point.crp", ""},
      {"sub/point.crp", ""},
      {"./sub/../point.crp", ""},
      {FilePath("point.crp"),
       "Столбец file: нужен путь к файлу выбора относительно папки файла CSV"},
      {"../work/outside.crp", "Столбец file: путь \"../work/outside.crp\" выходит из папки"},
      {"sub/../../work/outside.crp", "выходит из папки файла CSV"},
      {"..", "выходит из папки файла CSV"},
      {"../../../../etc/hostname", "выходит из папки файла CSV"},
      {"notes.txt", "Столбец file: нужен файл выбора .crp, а не \"notes.txt\""},
      {"notes.crp", "Файл выбора не читается: это не файл параметров выбора версии 1"},
      {"short.crp", "Файл выбора не читается: он короче 4 байт"},
  };
  QByteArray csv = "label,file\n";
  for (const Case& c : cases) csv += "a,\"" + c.file.toUtf8() + "\"\n";
  const RunResult run = Batch(WriteBytes("files.csv", csv), {"--json"});
  EXPECT_EQ(run.status, kRowErrorStatus);
  EXPECT_FALSE(run.out.contains("1953722216"));
  const QStringList lines = OutputLines(run.out);
  ASSERT_EQ(lines.size(), std::size(cases));
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const QJsonObject row = Json(lines[static_cast<qsizetype>(i)]);
    SCOPED_TRACE(cases[i].file.toStdString());
    if (*cases[i].error == 0) {
      EXPECT_EQ(row.value("outcome").toInt(), 1) << lines[static_cast<qsizetype>(i)].toStdString();
    } else {
      EXPECT_TRUE(row.value("error").toString().startsWith(QString::fromUtf8(cases[i].error)) ||
                  row.value("error").toString().contains(QString::fromUtf8(cases[i].error)))
          << row.value("error").toString().toStdString();
    }
  }
}

// Labels and cells that would steer a document or a terminal are the row's error, naming the
// line and the character; labels a spreadsheet would take for a formula are sized and written
// as text; the output holds no raw control character.
TEST_F(FixtureBatch, HostileLabelsAreRefusedAndFormulasKeptAsText) {
  const QString forbidden = QString::fromUtf8("Строка %1, столбец %2: %3недопустимый знак %4");
  const QString label = QString::fromUtf8("обозначение содержит ");
  struct Case {
    QByteArray row;     // label and p1
    QString error;      // empty: sized
    QString labelCell;  // the label as the output's CSV holds it
  };
  const Case cases[] = {
      {"\"a\x1b[2Jb\",6", forbidden.arg(2).arg("label", label, "U+001B"), "a\\x1b[2Jb"},
      {"\"ok\r\nforged\",6", forbidden.arg(3).arg("label", label, "U+000D"), "ok\\x0d\\x0aforged"},
      {"\"A\xE2\x80\xAE"
       "321\",6",
       forbidden.arg(5).arg("label", label, "U+202E"), "A\\u202e321"},
      {"\"a\tb\",6", forbidden.arg(6).arg("label", label, "U+0009"), "a\\x09b"},
      {QString(201, QChar(0x0416)).toUtf8() + ",6",
       QString::fromUtf8("Строка 7, столбец label: обозначение длиннее 200 знаков"),
       QString(201, QChar(0x0416))},
      {"b,\"6\x1b\"", forbidden.arg(8).arg("p1", "", "U+001B"), "b"},
      {"\"=HYPERLINK(\"\"http://x\"\",\"\"y\"\")\",6", {}, "'=HYPERLINK(\"http://x\",\"y\")"},
      {"-5 этаж,6", {}, QString::fromUtf8("'-5 этаж")},
      {"+7,6", {}, "'+7"},
      {"@a,6", {}, "'@a"},
      {"refused,3", {}, "refused"},
  };
  QByteArray csv = "label,p1,p2,t,drop,flow\n";
  for (const Case& c : cases) csv += c.row + ",4,90,0.3,5\n";
  const RunResult run = Batch(WriteBytes("labels.csv", csv));
  EXPECT_EQ(run.status, kRowErrorStatus);
  for (const QChar c : {QChar(0x1B), QChar(u'\r'), QChar(0x202E), QChar(u'\t')}) {
    EXPECT_FALSE(run.out.contains(c)) << static_cast<int>(c.unicode());
  }
  const CsvTable out = ParseCsv(run.out.toUtf8());
  ASSERT_EQ(out.rows.size(), std::size(cases));
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const Case& c = cases[i];
    const QStringList& cells = out.rows[static_cast<qsizetype>(i)];
    SCOPED_TRACE(c.labelCell.toStdString());
    if (!c.error.isEmpty()) {
      EXPECT_EQ(cells.value(1), "error");
      EXPECT_TRUE(cells.value(2).startsWith(c.error)) << cells.value(2).toStdString();
    } else {
      EXPECT_NE(cells.value(1), "error") << cells.value(2).toStdString();
    }
    EXPECT_EQ(cells.value(0), c.labelCell);
  }
  // The refused point's outcome is a number, not a text kept from a spreadsheet's formulas.
  EXPECT_EQ(out.rows.last().value(1), "-2");
}

// A flow of zero or below is refused with its message, whatever its unit.
TEST_F(FixtureBatch, ZeroOrNegativeFlowIsRefused) {
  const QString csv = WriteBytes("flow.csv",
                                 "label,p1,p2,t,drop,flow,flow_unit\n"
                                 "negative,6,4,90,0.3,-5,м³/ч\n"
                                 "zero,6,4,90,0.3,0,л/ч\n"
                                 "positive,6,4,90,0.3,5,м³/ч\n");
  const RunResult run = Batch(csv, {"--json"});
  EXPECT_EQ(run.status, 0) << run.err.toStdString();
  const QStringList lines = OutputLines(run.out);
  ASSERT_EQ(lines.size(), 3);
  for (int i : {0, 1}) {
    const QJsonObject row = Json(lines[i]);
    EXPECT_EQ(row.value("outcome").toInt(), -2) << lines[i].toStdString();
    EXPECT_EQ(row.value("kv").toDouble(), 0.0);
    EXPECT_EQ(row.value("messages").toArray(),
              QJsonArray{QString::fromUtf8("Расход среды G должен быть больше нуля")});
  }
  EXPECT_EQ(Json(lines[2]).value("outcome").toInt(), 1);
}

TEST_F(FixtureBatch, UnusableCommandLineOrFileIsRefused) {
  EXPECT_EQ(RunInProcess({"batch"}).status, kRefusedStatus);
  EXPECT_EQ(RunInProcess({"batch", "a.csv", "--unknown"}).status, kRefusedStatus);
  const RunResult missing = Batch(FilePath("absent.csv"));
  EXPECT_EQ(missing.status, kRefusedStatus);
  EXPECT_TRUE(missing.out.isEmpty());
  const QString csv = WriteBytes("ok.csv", "label\na\n");
  EXPECT_EQ(Batch(csv, {"--base", FilePath("absent.crp")}).status, kRefusedStatus);
}

}  // namespace
}  // namespace selvio::test
