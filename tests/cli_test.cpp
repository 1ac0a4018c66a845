#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <functional>
#include <string>

#include "app/cli/select_command.h"
#include "app/files/settings_record.h"
#include "app/project/project_file.h"
#include "platform/c_numbers.h"
#include "tests/cli_run.h"

namespace selvio::test {
namespace {

QJsonObject ParseJson(const QString& text) {
  QJsonParseError error;
  const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8(), &error);
  EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
  EXPECT_TRUE(document.isObject());
  return document.object();
}

QStringList Lines(const QString& panel) { return panel.split(QStringLiteral("\r\n")); }

QStringList Strings(const QJsonValue& array) {
  QStringList strings;
  for (const QJsonValue& value : array.toArray()) strings << value.toString();
  return strings;
}

// The point of the shipped example: water, flanged two-way valve, electric three-point 24 V
// actuator; P1 6 bar, P2 4 bar, T 90 °C, ΔP 0.3 bar, G 5 m³/h, K 1.2.
SettingsRecord ExamplePoint() {
  SettingsRecord r = DefaultSettingsRecord();
  SetFieldText(r.p1, QStringLiteral("6"));
  SetFieldText(r.p2, QStringLiteral("4"));
  SetFieldText(r.temperature, QStringLiteral("90"));
  SetFieldText(r.drop, QStringLiteral("0.3"));
  SetFieldText(r.flow, QStringLiteral("5"));
  r.p1Unit = 0;
  r.p2Unit = 0;
  r.dropUnit = 0;
  r.flowUnit = 0;
  r.temperatureUnit = 0;
  return r;
}

// The form runs in "work", so nothing lands in the repository.
class CliTest : public CliFolderTest {
 protected:
  QString WriteSelection(const QString& name, const SettingsRecord& record) {
    const QString path = FilePath(name);
    EXPECT_TRUE(WriteSelectionFile(path, record));
    return path;
  }

  // "select FILE --dir work [extra...] --json", run in this process; the JSON object.
  QJsonObject SelectJson(const QString& file, const QStringList& extra = {}) {
    const RunResult run =
        RunInProcess(QStringList{QStringLiteral("select"), file, QStringLiteral("--dir"), Work()} +
                     extra + QStringList{QStringLiteral("--json")});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    return ParseJson(run.out);
  }
};

// The small catalogue of tests/data/cli: valve VF in DN 32 (Kvs 16) and DN 40 (Kvs 25), each
// with the electric actuators EA-1 and EA-2 (variants EA-1-24 and EA-2-24), the pneumatic
// PN-1 and the thermostat TS-1; the differential-pressure regulator RD, DN 25 (Kvs 16),
// 0.2-1.0 bar.
class CliFixture : public CliTest {
 protected:
  void SetUp() override {
    CliTest::SetUp();
    CopyIntoWork(EnvPath("SELVIO_TEST_DATA_DIR") + "/cli",
                 {QStringLiteral("xmldata.xml"), QString::fromUtf8("Рнас.dat")});
  }
  QJsonObject PointJson(const std::function<void(SettingsRecord&)>& edit,
                        const QStringList& extra = {}) {
    SettingsRecord record = ExamplePoint();
    edit(record);
    return SelectJson(WriteSelection(QStringLiteral("point.crp"), record), extra);
  }
};

void NoEdit(SettingsRecord&) {}

// Every value block and number of the object is there, of its type, and never "inf" or "nan".
void ExpectWellFormed(const QJsonObject& json) {
  EXPECT_TRUE(json.value("messages").isArray());
  EXPECT_TRUE(json.value("candidates").isArray());
  EXPECT_TRUE(json.value("report").isString());
  EXPECT_TRUE(json.value("shown_candidate").isDouble());
  EXPECT_TRUE(json.value("shown_actuator").isDouble());
  for (const char* key : {"kv", "dpv", "velocity", "psat"}) {
    EXPECT_TRUE(json.value(key).isDouble() || json.value(key).isNull()) << key;
  }
  const QJsonObject panels = json.value("panels").toObject();
  EXPECT_TRUE(panels.contains("1085"));
  EXPECT_TRUE(panels.contains("1089"));
  for (const QString& key : panels.keys()) {
    const QString text = panels.value(key).toString();
    EXPECT_FALSE(text.contains("inf") || text.contains("nan")) << key.toStdString();
  }
}

TEST_F(CliFixture, OutcomeAndMessagesOfEachKindOfPoint) {
  struct Row {
    const char* name;
    std::function<void(SettingsRecord&)> edit;
    int outcome;
    const char* message;  // one of the messages shown; empty: none shown
    int candidates;
  };
  const Row rows[] = {
      {"a point both sizes fit", NoEdit, 1, "", 2},
      {"P2 above P1", [](SettingsRecord& r) { SetFieldText(r.p2, QStringLiteral("7")); }, -2,
       "Должно быть Р2<Р1", 0},
      {"ΔP of zero", [](SettingsRecord& r) { SetFieldText(r.drop, QStringLiteral("0")); }, -2,
       "Перепад давления на клапане ΔP должен быть больше нуля", 0},
      {"ΔP that cannot be read",
       [](SettingsRecord& r) { SetFieldText(r.drop, QStringLiteral("abc")); }, -2,
       "Поле «ΔP» не содержит числа", 0},
      {"a flow beyond every valve",
       [](SettingsRecord& r) { SetFieldText(r.flow, QStringLiteral("1000")); }, 0,
       "Вашим параметрам не удовлетворяет ни один клапан", 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const QJsonObject json = PointJson(row.edit);
    ExpectWellFormed(json);
    EXPECT_EQ(json.value("outcome").toInt(), row.outcome);
    EXPECT_EQ(json.value("candidates").toArray().size(), row.candidates);
    const QStringList messages = Strings(json.value("messages"));
    if (*row.message == '\0') {
      EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();
    } else {
      EXPECT_TRUE(messages.join('|').contains(QString::fromUtf8(row.message)))
          << messages.join('|').toStdString();
    }
    if (row.candidates == 0) {
      EXPECT_TRUE(json.value("panels").toObject().value("1085").toString().isEmpty());
      EXPECT_TRUE(json.value("report").toString().isEmpty());
    }
  }
}

TEST_F(CliFixture, EachActuatorKindFillsItsOwnPanelAndLabels) {
  struct Row {
    const char* name;
    int actuatorKind;
    const char* panel;
    QStringList actuators;
    bool controller;  // the controller kit is offered with the electric actuator only
  };
  const Row rows[] = {
      {"electric: the variants",
       1,
       "1088",
       {QStringLiteral("EA-1-24"), QStringLiteral("EA-2-24")},
       true},
      {"thermostat", 2, "1092", {QStringLiteral("TS-1")}, false},
      {"pneumatic", 3, "1094", {QStringLiteral("PN-1")}, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const QJsonObject json =
        PointJson([&](SettingsRecord& r) { r.actuatorKind = row.actuatorKind; });
    ASSERT_EQ(json.value("outcome").toInt(), 1);
    const QJsonArray candidates = json.value("candidates").toArray();
    ASSERT_EQ(candidates.size(), 2);
    EXPECT_EQ(Strings(candidates[0].toObject().value("actuators")), row.actuators);
    const QJsonObject panels = json.value("panels").toObject();
    for (const char* panel : {"1088", "1092", "1094"}) {
      EXPECT_EQ(panels.contains(panel), std::string(panel) == row.panel) << panel;
    }
    EXPECT_EQ(Lines(panels.value(row.panel).toString()).first(), row.actuators.first());
    EXPECT_EQ(panels.contains("1096"), row.controller);
    if (row.controller) {
      EXPECT_TRUE(panels.value("1096").toString().startsWith("ZR310\r\n"));
    }
  }
}

TEST_F(CliFixture, ConfirmedChoiceRedrawsThePanelsAndTheReport) {
  struct Row {
    const char* name;
    QStringList extra;
    int candidate;
    int actuator;
  };
  const Row rows[] = {
      {"no choice", {}, 0, 0},
      {"candidate and actuator", {"--candidate", "1", "--actuator", "1"}, 1, 1},
      {"candidate alone takes its first actuator", {"--candidate", "1"}, 1, 0},
      {"actuator alone is of the shown candidate", {"--actuator", "1"}, 0, 1},
      {"options written with =", {"--candidate=1", "--actuator=1"}, 1, 1},
  };
  const QString dns[] = {QStringLiteral("32"), QStringLiteral("40")};
  const QString kvs[] = {QStringLiteral("16.0"), QStringLiteral("25.0")};
  const QString variants[] = {QStringLiteral("EA-1-24"), QStringLiteral("EA-2-24")};
  double firstDpv = 0;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const QJsonObject json = PointJson(NoEdit, row.extra);
    EXPECT_EQ(json.value("shown_candidate").toInt(), row.candidate);
    EXPECT_EQ(json.value("shown_actuator").toInt(), row.actuator);
    const QJsonObject panels = json.value("panels").toObject();
    const QStringList valve = Lines(panels.value("1085").toString());
    ASSERT_EQ(valve.size(), 9);
    EXPECT_EQ(valve[1], dns[row.candidate]);
    EXPECT_EQ(valve[5], kvs[row.candidate]);
    EXPECT_EQ(Lines(panels.value("1088").toString()).first(), variants[row.actuator]);
    const QString report = json.value("report").toString();
    EXPECT_TRUE(
        report.contains(QString::fromUtf8("Условный проход ДУ, мм: ") + dns[row.candidate]));
    EXPECT_TRUE(report.contains(QString::fromUtf8("Электропривод: ") + variants[row.actuator]));
    // dPv and V are those of the valve shown, and the panel shows them.
    const double dpv = json.value("dpv").toDouble();
    const QStringList data = Lines(panels.value("1089").toString());
    ASSERT_EQ(data.size(), 4);
    EXPECT_EQ(data[1], FormatC("%.2f", dpv));
    EXPECT_EQ(data[2], FormatC("%.2f", json.value("velocity").toDouble()));
    if (row.candidate == 0) {
      firstDpv = dpv;
    } else {
      EXPECT_LT(dpv, firstDpv);  // the larger valve loses less
    }
  }
}

TEST_F(CliFixture, RegulatorCandidatesHaveNoActuators) {
  const auto dpRegulator = [](SettingsRecord& r) {
    r.productType = 2;
    SetFieldText(r.setting, QStringLiteral("0.5"));
    r.settingUnit = 0;
  };
  const QJsonObject json = PointJson(dpRegulator);
  ExpectWellFormed(json);
  ASSERT_EQ(json.value("outcome").toInt(), 1)
      << Strings(json.value("messages")).join('|').toStdString();
  const QJsonArray candidates = json.value("candidates").toArray();
  ASSERT_EQ(candidates.size(), 1);
  const QJsonObject rd = candidates[0].toObject();
  EXPECT_EQ(rd.value("name").toString(), "RD");
  EXPECT_EQ(rd.value("dn_text").toString(), "25");
  EXPECT_DOUBLE_EQ(rd.value("kvs").toDouble(), 16.0);
  EXPECT_TRUE(rd.value("actuators").toArray().isEmpty());
  EXPECT_EQ(json.value("panels").toObject().keys(), (QStringList{"1085", "1089"}));
  EXPECT_TRUE(json.value("report").toString().startsWith(QString::fromUtf8("РПД: RD\n")));

  // The dialog confirms a regulator without an actuator.
  const QJsonObject chosen = PointJson(dpRegulator, {"--candidate", "0"});
  EXPECT_EQ(chosen.value("shown_candidate").toInt(), 0);
  EXPECT_EQ(chosen.value("shown_actuator").toInt(), -1);
  EXPECT_EQ(chosen.value("panels").toObject(), json.value("panels").toObject());
}

TEST_F(CliFixture, RefusalsEndWithStatusTwoAndPrintNothing) {
  SettingsRecord nothingFound = ExamplePoint();
  SetFieldText(nothingFound.flow, QStringLiteral("1000"));
  SettingsRecord invalid = ExamplePoint();
  SetFieldText(invalid.p2, QStringLiteral("7"));
  SettingsRecord regulator = ExamplePoint();
  regulator.productType = 2;
  SetFieldText(regulator.setting, QStringLiteral("0.5"));
  regulator.settingUnit = 0;
  const QString point = WriteSelection(QStringLiteral("point.crp"), ExamplePoint());
  const QString nothing = WriteSelection(QStringLiteral("nothing.crp"), nothingFound);
  const QString refused = WriteSelection(QStringLiteral("refused.crp"), invalid);
  const QString rd = WriteSelection(QStringLiteral("rd.crp"), regulator);
  QFile pointFile(point);
  ASSERT_TRUE(pointFile.open(QIODevice::ReadOnly));
  QByteArray version2 = pointFile.readAll();
  version2[0] = 2;
  const QString secondVersion = WriteBytes(QStringLiteral("v2.crp"), version2);
  // Any readable file: its first four bytes ("host" = 0x74736f68 = 1953722216) are no version
  // to show.
  const QString text = WriteBytes(QStringLiteral("notes.crp"), "hostname\n");
  const QString shortFile = WriteBytes(QStringLiteral("short.crp"), QByteArray("\x01\x00", 2));
  const QString missing = FilePath(QStringLiteral("missing.crp"));
  const QString work = Work();

  struct Row {
    const char* name;
    QStringList arguments;
    const char* error;  // a fragment of the message on standard error
  };
  const Row rows[] = {
      {"missing file", {"select", missing, "--dir", work}, "Файл выбора не найден"},
      {"version word 2",
       {"select", secondVersion, "--dir", work},
       "это не файл параметров выбора версии 1"},
      {"a text file", {"select", text, "--dir", work}, "это не файл параметров выбора версии 1"},
      {"shorter than the version word",
       {"select", shortFile, "--dir", work},
       "короче 4 байт и не содержит даже номера версии"},
      {"a folder for the file", {"select", work, "--dir", work}, "не читается"},
      {"working folder missing",
       {"select", point, "--dir", work + "/nowhere"},
       "Рабочая папка не найдена"},
      {"working folder is a file", {"select", point, "--dir", point}, "Это не папка"},
      {"candidate beyond the list",
       {"select", point, "--dir", work, "--candidate", "2"},
       "Нет кандидата 2: подобрано 2"},
      {"negative candidate",
       {"select", point, "--dir", work, "--candidate", "-1"},
       "Нет кандидата -1"},
      {"actuator beyond the candidate's",
       {"select", point, "--dir", work, "--candidate", "1", "--actuator", "2"},
       "У кандидата 1 нет привода 2: приводов 2"},
      {"no actuator for a valve that has some",
       {"select", point, "--dir", work, "--actuator", "-1"},
       "У кандидата 0 нет привода -1"},
      {"actuator for a regulator",
       {"select", rd, "--dir", work, "--actuator", "0"},
       "У регулятора нет приводов"},
      {"choice after nothing was found",
       {"select", nothing, "--dir", work, "--candidate", "0"},
       "ничего не подобрал"},
      {"choice after refused inputs",
       {"select", refused, "--dir", work, "--actuator", "0"},
       "ничего не подобрал"},
      {"no command", {}, "Не указана команда"},
      {"unknown command", {"choose", point}, "Неизвестная команда: choose"},
      {"no file", {"select", "--dir", work}, "Не указан файл"},
      {"two files", {"select", point, point}, "Лишний аргумент"},
      {"unknown option", {"select", point, "--verbose"}, "Неизвестный параметр: --verbose"},
      {"candidate not a number", {"select", point, "--candidate", "1x"}, "целое число"},
      {"option without its value", {"select", point, "--dir"}, "нужно значение"},
      {"option given twice",
       {"select", point, "--candidate", "0", "--candidate", "1"},
       "указан дважды"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const RunResult run = RunInProcess(row.arguments);
    EXPECT_EQ(run.status, kRefusedStatus);
    EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
    EXPECT_TRUE(run.err.contains(QString::fromUtf8(row.error))) << run.err.toStdString();
    EXPECT_FALSE(run.err.contains("1953722216")) << run.err.toStdString();
  }
}

// Without a command (on standard error, status 2) and with --help (on standard output), the
// program lists every command and every option.
TEST(CliUsage, NoCommandAndHelpListEveryCommandAndOption) {
  const RunResult none = RunInProcess({});
  const RunResult help = RunInProcess({"--help"});
  EXPECT_EQ(none.status, kRefusedStatus);
  EXPECT_EQ(help.status, 0);
  EXPECT_TRUE(help.err.isEmpty()) << help.err.toStdString();
  for (const char* shown : {"selvio-cli select ФАЙЛ.crp", "selvio-cli batch ФАЙЛ.csv",
                            "selvio-cli update", "selvio-cli --help", "--dir", "--candidate",
                            "--actuator", "--json", "--export", "--base"}) {
    EXPECT_TRUE(none.err.contains(QString::fromUtf8(shown))) << shown;
    EXPECT_TRUE(help.out.contains(QString::fromUtf8(shown))) << shown;
  }
}

// A file that holds only the version word changes nothing, as "Открыть" reads it: the defaults
// are sized. One too short to hold the version word is no selection file at all: "Открыть"
// ignores it without a word, and a command that sized the defaults in its place would answer
// for a point nobody gave, so it is refused.
TEST_F(CliFixture, TheVersionWordAloneGivesTheDefaultsAShorterFileIsRefused) {
  const QJsonObject defaults =
      SelectJson(WriteSelection(QStringLiteral("defaults.crp"), DefaultSettingsRecord()));
  EXPECT_EQ(SelectJson(WriteBytes(QStringLiteral("word.crp"), QByteArray("\x01\x00\x00\x00", 4))),
            defaults);
  struct Row {
    const char* name;
    QByteArray bytes;
  };
  const Row rows[] = {
      {"empty file", {}},
      {"two bytes", QByteArray("\x07\x00", 2)},
      {"three bytes", QByteArray("\x01\x00\x00", 3)},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const QString path = WriteBytes(QStringLiteral("short.crp"), row.bytes);
    const RunResult run = RunInProcess({"select", path, "--dir", Work(), "--json"});
    EXPECT_EQ(run.status, kRefusedStatus);
    EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
    EXPECT_TRUE(run.err.contains(QString::fromUtf8("короче 4 байт"))) << run.err.toStdString();
  }
}

TEST_F(CliFixture, SettingsFileIsNeitherReadNorWritten) {
  // A settings file whose inputs would be refused: were it read, P2 > P1 would show.
  SettingsRecord userSettings = ExamplePoint();
  SetFieldText(userSettings.p2, QStringLiteral("7"));
  ASSERT_TRUE(WriteSelectionFile(Work() + "/user.bin", userSettings));
  QFile userFile(Work() + "/user.bin");
  ASSERT_TRUE(userFile.open(QIODevice::ReadOnly));
  const QByteArray userBytes = userFile.readAll();
  userFile.close();
  const QStringList before = QDir(Work()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

  const QJsonObject json = SelectJson(WriteSelection(QStringLiteral("point.crp"), ExamplePoint()));
  EXPECT_EQ(json.value("outcome").toInt(), 1);
  EXPECT_TRUE(Strings(json.value("messages")).isEmpty());

  EXPECT_EQ(QDir(Work()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
  ASSERT_TRUE(userFile.open(QIODevice::ReadOnly));
  EXPECT_EQ(userFile.readAll(), userBytes);
}

TEST_F(CliFixture, PathsAreTheCallersAndItsFolderIsKept) {
  WriteSelection(QStringLiteral("point.crp"), ExamplePoint());
  const QString previous = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(dir_.path()));
  const RunResult run = RunInProcess({"select", "files/point.crp", "--dir", "work", "--json"});
  const QString after = QDir::currentPath();
  QDir::setCurrent(previous);
  ASSERT_EQ(run.status, 0) << run.err.toStdString();
  EXPECT_EQ(ParseJson(run.out).value("outcome").toInt(), 1);
  EXPECT_EQ(QDir(after), QDir(dir_.path()));
}

// A working folder whose catalogue does not load, or holds no product, or whose saturation
// table is missing, would have every point "found" nothing or sized without its saturation
// pressure: every command refuses it with the loader's message and the file, and prints nothing.
TEST_F(CliFixture, AWorkingFolderWhoseDataDoNotLoadIsRefusedByEveryCommand) {
  const QString point = WriteSelection(QStringLiteral("point.crp"), ExamplePoint());
  const QString csv = WriteBytes(QStringLiteral("points.csv"), "label,flow\na,5\n");
  const QString project = WriteBytes(QStringLiteral("p.selvio"), ProjectFileBytes(Project{}));
  QFile catalogue(Work() + "/xmldata.xml");
  ASSERT_TRUE(catalogue.open(QIODevice::ReadOnly));
  const QByteArray catalogueBytes = catalogue.readAll();

  // Folders beside "work", each a copy of it with one fault.
  const auto folder = [&](const char* name, const QByteArray& xml, bool table) {
    const QString path = dir_.filePath(QString::fromUtf8(name));
    EXPECT_TRUE(QDir().mkpath(path));
    if (!xml.isNull()) {
      QFile file(path + "/xmldata.xml");
      EXPECT_TRUE(file.open(QIODevice::WriteOnly));
      file.write(xml);
    }
    if (table) {
      EXPECT_TRUE(QFile::copy(Work() + QString::fromUtf8("/Рнас.dat"),
                              path + QString::fromUtf8("/Рнас.dat")));
    }
    return path;
  };
  const char* const unloadable = "Unable to load XML document into the parser (";
  const char* const noTable =
      "Не хватает файла данных Рнас! Пожалуйста, переустановите программу. (";
  struct Case {
    const char* name;
    QString dir;
    QStringList messages;  // each a line of standard error
  };
  const Case cases[] = {
      {"an empty folder", folder("empty", QByteArray(), false), {unloadable, noTable}},
      {"a catalogue cut short",
       folder("cut", catalogueBytes.left(catalogueBytes.size() / 2), true),
       {unloadable}},
      {"a catalogue without products",
       folder("bare",
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<xmldata><обновление>01.01.2026"
              "</обновление></xmldata>\n",
              true),
       {"Каталог не содержит ни клапанов, ни регуляторов ("}},
      {"the root folder", QStringLiteral("/"), {unloadable, noTable}},
  };
  for (const Case& c : cases) {
    for (const QStringList& command : {QStringList{"select", point}, QStringList{"batch", csv},
                                       QStringList{"project", project}}) {
      SCOPED_TRACE(std::string(c.name) + ", " + command[0].toStdString());
      const RunResult run = RunInProcess(command + QStringList{"--dir", c.dir});
      EXPECT_EQ(run.status, kRefusedStatus);
      EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
      const QStringList lines = run.err.split('\n', Qt::SkipEmptyParts);
      ASSERT_EQ(lines.size(), c.messages.size()) << run.err.toStdString();
      for (qsizetype i = 0; i < lines.size(); ++i) {
        EXPECT_TRUE(lines[i].startsWith(c.messages[i])) << lines[i].toStdString();
      }
    }
  }
}

// What the catalogue names, which no one can refuse, reaches the terminal with its control
// characters escaped: a carriage return, a right-to-left override and a C1 control sequence
// introducer in a valve's name (each allowed in XML) cannot rewrite a line, turn the text round
// or clear the screen. The JSON holds the same name, escaped.
TEST_F(CliFixture, ControlCharactersOfTheCatalogueReachTheTerminalEscaped) {
  QFile catalogue(Work() + "/xmldata.xml");
  ASSERT_TRUE(catalogue.open(QIODevice::ReadOnly));
  QString text = QString::fromUtf8(catalogue.readAll());
  catalogue.close();
  ASSERT_TRUE(text.contains(QString::fromUtf8("<название>VF</название>")));
  text.replace(QString::fromUtf8("<название>VF</название>"),
               QString::fromUtf8("<название>V&#13;F&#x202E;&#x9B;2JX</название>"));
  ASSERT_TRUE(catalogue.open(QIODevice::WriteOnly | QIODevice::Truncate));
  catalogue.write(text.toUtf8());
  catalogue.close();

  const QString point = WriteSelection(QStringLiteral("point.crp"), ExamplePoint());
  const RunResult plain = RunInProcess({"select", point, "--dir", Work()});
  const RunResult json = RunInProcess({"select", point, "--dir", Work(), "--json"});
  ASSERT_EQ(plain.status, 0) << plain.err.toStdString();
  ASSERT_EQ(json.status, 0) << json.err.toStdString();
  EXPECT_TRUE(plain.out.contains(QStringLiteral("V\\x0dF\\u202e\\x9b2JX")))
      << plain.out.toStdString();
  const QString forged = QString::fromUtf8("V\rF\u202E\u009B2JX");
  EXPECT_TRUE(
      ParseJson(json.out).value("candidates").toArray()[0].toObject().value("name").toString() ==
      forged);
  for (const RunResult* run : {&plain, &json}) {
    for (const QChar c : {QChar(u'\r'), QChar(0x202E), QChar(0x009B)}) {
      EXPECT_FALSE(run->out.contains(c)) << std::hex << static_cast<int>(c.unicode());
    }
  }
}

TEST_F(CliFixture, TextShowsLabelsBesideValues) {
  const QString point = WriteSelection(QStringLiteral("point.crp"), ExamplePoint());
  const RunResult run = RunInProcess({"select", point, "--dir", Work(), "--candidate", "1"});
  ASSERT_EQ(run.status, 0) << run.err.toStdString();
  const QStringList lines = run.out.split('\n');
  const auto hasLine = [&](const char* pattern) {
    const QRegularExpression expression(QString::fromUtf8(pattern));
    for (const QString& line : lines) {
      if (expression.match(line).hasMatch()) return true;
    }
    return false;
  };
  EXPECT_TRUE(hasLine("^Исход расчета: 1 "));
  EXPECT_TRUE(hasLine("^  Клапан: +VF$"));
  EXPECT_TRUE(hasLine("^  Условный проход ДУ, мм: +40$"));
  EXPECT_TRUE(hasLine("^  Привод: +EA-1-24$"));
  EXPECT_TRUE(hasLine("^  Концевые выкл\\.: +да$"));
  EXPECT_TRUE(hasLine("^  Контроллер: +ZR310$"));
  EXPECT_TRUE(
      hasLine("^  Расчетная пропускная способность клапана Kv \\(Kv\\*K\\), м³/ч: +"
              "9\\.13\\(10\\.95\\)$"));
  EXPECT_TRUE(hasLine("^  Давление насыщенных паров Pнас, при данной температуре, бар: +0\\.70$"));
  EXPECT_TRUE(hasLine("^\\* +1\\. VF-40 "));
  EXPECT_TRUE(hasLine("^  Клапан: VF$"));  // the report
  EXPECT_TRUE(hasLine("^  Условный проход ДУ, мм: 40$"));
}

TEST_F(CliFixture, TextListsEveryMessageInOrder) {
  SettingsRecord record = ExamplePoint();
  SetFieldText(record.p2, QStringLiteral("7"));
  const QString point = WriteSelection(QStringLiteral("point.crp"), record);
  const RunResult run = RunInProcess({"select", point, "--dir", Work()});
  ASSERT_EQ(run.status, 0);
  EXPECT_TRUE(run.out.contains(QString::fromUtf8("   1. Должно быть Р2<Р1\n")));
  EXPECT_TRUE(run.out.contains(QString::fromUtf8("Исход расчета: -2 ")));
  EXPECT_TRUE(run.out.contains(QString::fromUtf8("Подходящие клапаны: нет\n")));
}

// The bundled data and the shipped example, in a copy of data/.
class CliBundled : public CliTest {
 protected:
  void SetUp() override {
    CliTest::SetUp();
    CopyIntoWork(EnvPath("SELVIO_DATA_DIR"),
                 {QStringLiteral("xmldata.xml"), QString::fromUtf8("Рнас.dat"),
                  QStringLiteral("etilenglikol.dat"), QStringLiteral("propilenglikol.dat"),
                  QStringLiteral("example.crp")});
  }
  QString Example() const { return Work() + "/example.crp"; }
};

TEST_F(CliBundled, ExampleFindsAValveWithAnActuator) {
  const QJsonObject json = SelectJson(Example());
  ExpectWellFormed(json);
  EXPECT_EQ(json.value("outcome").toInt(), 1);
  EXPECT_EQ(json.value("shown_candidate").toInt(), 0);
  EXPECT_EQ(json.value("shown_actuator").toInt(), 0);
  const QJsonArray candidates = json.value("candidates").toArray();
  ASSERT_GE(candidates.size(), 2);
  const QJsonObject first = candidates[0].toObject();
  const QStringList actuators = Strings(first.value("actuators"));
  ASSERT_FALSE(actuators.isEmpty());

  const QJsonObject panels = json.value("panels").toObject();
  EXPECT_TRUE(panels.contains("1088"));
  EXPECT_FALSE(panels.contains("1092") || panels.contains("1094"));
  const QStringList valve = Lines(panels.value("1085").toString());
  ASSERT_EQ(valve.size(), 9);
  EXPECT_EQ(valve[0], first.value("name").toString());
  EXPECT_EQ(valve[1], first.value("dn_text").toString());
  EXPECT_EQ(valve[5], FormatC("%.1f", first.value("kvs").toDouble()));
  EXPECT_EQ(Lines(panels.value("1088").toString()).first(), actuators.first());

  // Kv·K with K 1.2 in brackets, then dPv, V and Psat as the result holds them.
  const QStringList data = Lines(panels.value("1089").toString());
  ASSERT_EQ(data.size(), 4);
  EXPECT_TRUE(data[0].endsWith(FormatC("(%.2f)", json.value("kv").toDouble())));
  EXPECT_EQ(data[1], FormatC("%.2f", json.value("dpv").toDouble()));
  EXPECT_EQ(data[3], FormatC("%.2f", json.value("psat").toDouble()));
  EXPECT_TRUE(json.value("report").toString().startsWith(QString::fromUtf8("Клапан: ") +
                                                         first.value("name").toString() + "\n"));
}

// The printed figures of the shipped example against a hand calculation: water, P1 6, P2 4,
// 90 °C, ΔP 0.3 bar, G 5 m³/h, K 1.2, first candidate DN 32 with Kvs 16.
//   Kv = 5/√0.3 = 9.129, Kv·K = 10.954;  dPv = (5/16)² = 0.098 bar;
//   V = (5/3600 m³/s) / (3.1415/4·0.032² m²) = 1.727 m/s;  Psat(90 °C) = 0.70 bar.
TEST_F(CliBundled, ExamplePrintsTheHandCalculatedFigures) {
  const RunResult run = RunInProcess({"select", Example(), "--dir", Work()});
  ASSERT_EQ(run.status, 0);
  const auto valueBeside = [&run](const char* label) {
    for (const QString& line : run.out.split('\n')) {
      if (line.trimmed().startsWith(QString::fromUtf8(label))) {
        return line.section(':', -1).trimmed();
      }
    }
    return QString();
  };
  EXPECT_TRUE(run.out.contains(QString::fromUtf8("ВКФ-2-32-16")));
  EXPECT_EQ(valueBeside("Расчетная пропускная способность клапана Kv"), "9.13(10.95)");
  EXPECT_EQ(valueBeside("Расчетная потеря давления на открытом клапане dPv"), "0.10");
  EXPECT_EQ(valueBeside("Расчетная скорость теплоносителя через клапан V"), "1.73");
  EXPECT_EQ(valueBeside("Давление насыщенных паров Pнас"), "0.70");
}

TEST_F(CliBundled, AnotherCandidateChangesTheShownValues) {
  const QJsonObject shown = SelectJson(Example());
  const QJsonObject other = SelectJson(Example(), {"--candidate", "1", "--actuator", "0"});
  EXPECT_EQ(other.value("shown_candidate").toInt(), 1);
  EXPECT_EQ(other.value("shown_actuator").toInt(), 0);
  EXPECT_EQ(other.value("candidates"), shown.value("candidates"));
  EXPECT_EQ(other.value("kv"), shown.value("kv"));  // the required Kv is the point's

  const QJsonObject second = shown.value("candidates").toArray()[1].toObject();
  const QJsonObject panels = other.value("panels").toObject();
  const QStringList valve = Lines(panels.value("1085").toString());
  ASSERT_EQ(valve.size(), 9);
  EXPECT_EQ(valve[0], second.value("name").toString());
  EXPECT_EQ(valve[1], second.value("dn_text").toString());
  EXPECT_EQ(Lines(panels.value("1088").toString()).first(),
            Strings(second.value("actuators")).first());
  EXPECT_NE(panels.value("1085"), shown.value("panels").toObject().value("1085"));
  EXPECT_NE(other.value("report"), shown.value("report"));
}

TEST_F(CliBundled, ExecutablePrintsWhatTheCommandPrints) {
  const QStringList arguments = {"select", Example(), "--dir", Work(), "--json"};
  const ProcessResult process = RunExecutable(arguments, Work(), QStringLiteral("C"));
  ASSERT_EQ(process.status, 0) << process.err.toStdString();
  const RunResult run = RunInProcess(arguments);
  EXPECT_EQ(process.out, run.out.toUtf8());
}

// Without --dir: a current folder that holds a catalogue is the working folder; from any other
// (the repository's root among them) the program works in the user's data folder, filled from
// the data beside the executable (build/share/selvio, the repository's data/).
TEST_F(CliBundled, WithoutDirTheCurrentFolderOrTheUsersDataFolderIsUsed) {
  const QString userData = dir_.filePath(QStringLiteral("xdg"));
  const QByteArray savedDataHome = qgetenv("XDG_DATA_HOME");
  qputenv("XDG_DATA_HOME", userData.toLocal8Bit());
  const ProcessResult withDir = RunExecutable({"select", Example(), "--dir", Work(), "--json"},
                                              dir_.path(), QStringLiteral("C"));
  const ProcessResult inWork =
      RunExecutable({"select", Example(), "--json"}, Work(), QStringLiteral("C"));
  const bool userFolderAfterWork = QFileInfo::exists(userData + "/selvio");
  const ProcessResult elsewhere =
      RunExecutable({"select", Example(), "--json"}, FilePath(QString()), QStringLiteral("C"));
  const ProcessResult again =
      RunExecutable({"select", Example(), "--json"}, FilePath(QString()), QStringLiteral("C"));
  if (savedDataHome.isEmpty()) {
    qunsetenv("XDG_DATA_HOME");
  } else {
    qputenv("XDG_DATA_HOME", savedDataHome);
  }

  ASSERT_EQ(withDir.status, 0) << withDir.err.toStdString();
  EXPECT_EQ(inWork.status, 0) << inWork.err.toStdString();
  EXPECT_EQ(inWork.out, withDir.out);
  EXPECT_FALSE(userFolderAfterWork);
  EXPECT_EQ(elsewhere.status, 0) << elsewhere.err.toStdString();
  EXPECT_EQ(elsewhere.out, withDir.out);
  // The run that filled the user's folder names it on standard error; later runs say nothing.
  EXPECT_TRUE(QString::fromUtf8(elsewhere.err).contains(userData + "/selvio"))
      << elsewhere.err.toStdString();
  EXPECT_TRUE(inWork.err.isEmpty()) << inWork.err.toStdString();
  EXPECT_EQ(again.status, 0) << again.err.toStdString();
  EXPECT_EQ(again.out, withDir.out);
  EXPECT_TRUE(again.err.isEmpty()) << again.err.toStdString();
  QFile copied(userData + "/selvio/xmldata.xml");
  QFile bundled(EnvPath("SELVIO_DATA_DIR") + "/xmldata.xml");
  ASSERT_TRUE(copied.open(QIODevice::ReadOnly));
  ASSERT_TRUE(bundled.open(QIODevice::ReadOnly));
  EXPECT_EQ(copied.readAll(), bundled.readAll());
  EXPECT_TRUE(QDir(FilePath(QString())).isEmpty());
}

TEST_F(CliBundled, ExecutableRefusesAMissingFile) {
  const ProcessResult process = RunExecutable({"select", "missing.crp", "--dir", Work()},
                                              dir_.path(), QStringLiteral("C.UTF-8"));
  EXPECT_EQ(process.status, kRefusedStatus);
  EXPECT_TRUE(process.out.isEmpty());
  EXPECT_TRUE(QString::fromUtf8(process.err).contains(QString::fromUtf8("Файл выбора не найден")))
      << process.err.toStdString();
}

// A Russian locale reads and prints numbers with a comma in the C library; the program must
// not: the same inputs give the same bytes.
TEST_F(CliBundled, RussianLocaleGivesTheSameOutputAsC) {
  if (!RussianLocaleInstalled()) GTEST_SKIP() << "ru_RU.UTF-8 is not installed";

  SettingsRecord glycol = ExamplePoint();
  glycol.medium = 2;
  SetFieldText(glycol.density, QStringLiteral("1040.5"));
  SetFieldText(glycol.drop, QStringLiteral("0.35"));
  WriteSelection(QStringLiteral("glycol.crp"), glycol);
  // Relative paths: FILE against the caller's folder, then the form runs in DIR.
  const QStringList runs[] = {
      {"work/example.crp", "--json"},
      {"work/example.crp"},
      {"work/example.crp", "--candidate", "1", "--actuator", "0", "--json"},
      {"files/glycol.crp", "--json"},
      {"files/glycol.crp"},
  };
  for (const QStringList& run : runs) {
    SCOPED_TRACE(run.join(' ').toStdString());
    const QStringList arguments = QStringList{"select", "--dir", "work"} + run;
    const ProcessResult c = RunExecutable(arguments, dir_.path(), QStringLiteral("C"));
    const ProcessResult russian =
        RunExecutable(arguments, dir_.path(), QStringLiteral("ru_RU.UTF-8"));
    ASSERT_EQ(c.status, 0) << c.err.toStdString();
    ASSERT_EQ(russian.status, 0) << russian.err.toStdString();
    EXPECT_FALSE(c.out.isEmpty());
    EXPECT_EQ(c.out, russian.out);
  }
}

}  // namespace
}  // namespace selvio::test
