// Whole outputs of selvio-cli on the bundled data, compared byte for byte with the outputs kept
// in tests/data/pinned: what a user sees must not change when the code beneath it is
// rearranged. The kept files were written by the program itself; a deliberate change of an
// output is made by running this test once with SELVIO_PIN_REWRITE=1 and reading the diff.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <functional>
#include <string_view>

#include "app/files/settings_record.h"
#include "tests/cli_run.h"
#include "tests/document_files.h"

namespace selvio::test {
namespace {

QString Utf8(const char* text) { return QString::fromUtf8(text); }

QString PinnedPath(const QString& name) {
  return EnvPath("SELVIO_TEST_DATA_DIR") + QStringLiteral("/pinned/") + name;
}

bool Rewriting() { return qEnvironmentVariableIsSet("SELVIO_PIN_REWRITE"); }

// Compares `actual` with the kept file `name`, or writes it there when rewriting.
void ExpectPinned(const QString& name, const QByteArray& actual) {
  QFile file(PinnedPath(name));
  if (Rewriting()) {
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << name.toStdString();
    file.write(actual);
    return;
  }
  ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "missing " << name.toStdString();
  const QByteArray expected = file.readAll();
  EXPECT_EQ(actual.toStdString(), expected.toStdString()) << name.toStdString();
}

// Bar and m³/h, as an engineer writes them; everything else as a first start leaves it.
SettingsRecord Point(const char* p1, const char* p2, const char* t, const char* drop,
                     const char* flow) {
  SettingsRecord r = DefaultSettingsRecord();
  SetFieldText(r.p1, Utf8(p1));
  SetFieldText(r.p2, Utf8(p2));
  SetFieldText(r.temperature, Utf8(t));
  SetFieldText(r.drop, Utf8(drop));
  SetFieldText(r.flow, Utf8(flow));
  r.p1Unit = 0;
  r.p2Unit = 0;
  r.dropUnit = 0;
  r.flowUnit = 0;
  r.temperatureUnit = 0;
  return r;
}

SettingsRecord Example() { return Point("6", "4", "90", "0.3", "5"); }

SettingsRecord WaterCavitation() {
  SettingsRecord r = Point("3", "1", "130", "1.5", "2");
  r.actuatorSectionOn = 0;
  return r;
}

SettingsRecord Regulator(int productType, const char* setting) {
  SettingsRecord r = Point("8", "4", "90", "0.5", "3");
  r.productType = productType;
  SetFieldText(r.setting, Utf8(setting));
  return r;
}

SettingsRecord RegulatorCavitation(int productType) {
  SettingsRecord r = Point("3", "1", "130", "2", "3");
  r.productType = productType;
  SetFieldText(r.setting, Utf8("1"));
  return r;
}

struct PinnedCase {
  const char* name;
  std::function<SettingsRecord()> point;
  QStringList extra;  // --candidate, --actuator
};

std::vector<PinnedCase> Cases() {
  return {
      {"example", Example, {}},
      {"example_other_choice", Example, {"--candidate", "3", "--actuator", "1"}},
      {"water_cavitation", WaterCavitation, {}},
      {"electric_analogue_controller",
       [] {
         SettingsRecord r = Example();
         r.controlSignal = 2;
         r.signalType = 3;
         r.controllerSectionOn = 1;
         r.controllerVariant = 2;
         SetFieldText(r.heatCarrierSensors, Utf8("2"));
         SetFieldText(r.outdoorSensors, Utf8("1"));
         SetFieldText(r.roomSensors, Utf8("3"));
         return r;
       },
       {}},
      {"glycol_pneumatic",
       [] {
         SettingsRecord r = Point("6", "4", "40", "0.3", "3");
         r.medium = 2;
         SetFieldText(r.density, Utf8("1040"));
         r.actuatorKind = 3;
         r.positioner = 2;
         r.normalPosition = 2;
         return r;
       },
       {}},
      {"thermostat_spiral_stainless",
       [] {
         SettingsRecord r = Point("6", "4", "70", "0.3", "2");
         r.actuatorKind = 2;
         r.elementType = 2;
         r.elementMetal = 2;
         r.capillaryMetal = 3;
         r.capillaryLength = 2;
         SetFieldText(r.maintainedTemperature, Utf8("60"));
         return r;
       },
       {}},
      {"thermostat_copper_hint",
       [] {
         SettingsRecord r = Point("6", "4", "130", "0.3", "2");
         r.actuatorKind = 2;
         r.elementMetal = 1;
         r.capillaryMetal = 1;
         SetFieldText(r.maintainedTemperature, Utf8("120"));
         return r;
       },
       {}},
      {"three_way_mixing",
       [] {
         SettingsRecord r = Example();
         r.execution = 2;
         r.threeWayUse = 1;
         return r;
       },
       {}},
      {"three_way_diverting",
       [] {
         SettingsRecord r = Point("6", "4", "90", "0.3", "1");
         r.execution = 2;
         r.threeWayUse = 2;
         r.actuatorSectionOn = 0;
         return r;
       },
       {}},
      {"balanced",
       [] {
         SettingsRecord r = Example();
         r.balancedOnly = 1;
         return r;
       },
       {}},
      {"steam",
       [] {
         SettingsRecord r = Point("5", "", "160", "0.3", "0.5");
         r.medium = 3;
         r.actuatorSectionOn = 0;
         return r;
       },
       {}},
      {"steam_no_actuator",
       [] {
         SettingsRecord r = Point("5", "", "160", "0.3", "0.5");
         r.medium = 3;
         return r;
       },
       {}},
      {"dp_regulator", [] { return Regulator(2, "0.5"); }, {}},
      {"dp_regulator_other_choice", [] { return Regulator(2, "0.5"); }, {"--candidate", "1"}},
      {"dp_regulator_cavitation", [] { return RegulatorCavitation(2); }, {}},
      {"reducing_valve", [] { return Regulator(3, "3"); }, {}},
      {"reducing_valve_cavitation", [] { return RegulatorCavitation(3); }, {}},
      {"nothing_found", [] { return Point("6", "4", "90", "0.3", "1000"); }, {}},
      {"refused_p2_above_p1", [] { return Point("6", "7", "90", "0.3", "5"); }, {}},
      {"refused_no_number", [] { return Point("6", "4", "90", "0.3", "abc"); }, {}},
      {"refused_safety_factor",
       [] {
         SettingsRecord r = Example();
         SetFieldText(r.safetyFactor, Utf8("1.5"));
         return r;
       },
       {}},
  };
}

SettingsRecord CasePoint(const char* name) {
  for (const PinnedCase& c : Cases()) {
    if (std::string_view(c.name) == name) return c.point();
  }
  ADD_FAILURE() << "no case " << name;
  return {};
}

class PinnedOutput : public CliFolderTest {
 protected:
  void SetUp() override {
    CliFolderTest::SetUp();
    CopyIntoWork(EnvPath("SELVIO_DATA_DIR"),
                 {QStringLiteral("xmldata.xml"), Utf8("Рнас.dat"),
                  QStringLiteral("etilenglikol.dat"), QStringLiteral("propilenglikol.dat")});
  }

  QString WriteSelection(const SettingsRecord& record) {
    const QString path = FilePath(QStringLiteral("point.crp"));
    EXPECT_TRUE(WriteSelectionFile(path, record));
    return path;
  }

  QByteArray Select(const QString& file, const QStringList& extra) {
    const RunResult run = RunInProcess(
        QStringList{QStringLiteral("select"), file, QStringLiteral("--dir"), Work()} + extra);
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    return run.out.toUtf8();
  }
};

TEST_F(PinnedOutput, SelectTextAndJsonOfEachKindOfPoint) {
  for (const PinnedCase& c : Cases()) {
    SCOPED_TRACE(c.name);
    const QString file = WriteSelection(c.point());
    const QString name = QString::fromUtf8(c.name);
    ExpectPinned(name + QStringLiteral(".txt"), Select(file, c.extra));
    ExpectPinned(name + QStringLiteral(".json"), Select(file, c.extra + QStringList{"--json"}));
  }
}

TEST_F(PinnedOutput, SelectOfTheBundledExample) {
  const QString example = EnvPath("SELVIO_DATA_DIR") + QStringLiteral("/example.crp");
  ExpectPinned(QStringLiteral("bundled_example.txt"), Select(example, {}));
  ExpectPinned(QStringLiteral("bundled_example.json"), Select(example, {"--json"}));
}

TEST_F(PinnedOutput, BatchOfTheBundledExampleAndOfTheCaseTable) {
  const QString bundled = EnvPath("SELVIO_DATA_DIR") + QStringLiteral("/batch_example.csv");
  const QString table = PinnedPath(QStringLiteral("cases.csv"));
  for (const auto& [csv, name] : {std::pair{bundled, QStringLiteral("batch_example")},
                                  std::pair{table, QStringLiteral("batch_cases")}}) {
    for (const bool json : {false, true}) {
      QStringList arguments{QStringLiteral("batch"), csv, QStringLiteral("--dir"), Work()};
      if (json) arguments << QStringLiteral("--json");
      const RunResult run = RunInProcess(arguments);
      EXPECT_EQ(run.status, 0) << run.err.toStdString();
      ExpectPinned(name + (json ? QStringLiteral(".jsonl") : QStringLiteral(".csv.out")),
                   run.out.toUtf8());
    }
  }
}

// The document's content.xml with the time of the export blanked and its automatic styles,
// which the writer lists in no fixed order, sorted.
QByteArray ContentWithoutDate(const QString& odt) {
  QString content = QString::fromUtf8(OdtContentXml(odt));
  content.replace(QRegularExpression(Utf8("Дата подбора: [0-9:. ]+")), Utf8("Дата подбора: —"));
  const QRegularExpression style(QStringLiteral("\\s*<style:style .*?</style:style>"),
                                 QRegularExpression::DotMatchesEverythingOption);
  QStringList styles;
  for (const QRegularExpressionMatch& match : style.globalMatch(content)) {
    styles << match.captured(0);
  }
  styles.sort();
  content.remove(style);
  return (styles.join(QString()) + QStringLiteral("\n") + content).toUtf8();
}

TEST_F(PinnedOutput, ExportedDocumentOfEachProductKind) {
  for (const char* name :
       {"example", "glycol_pneumatic", "thermostat_spiral_stainless", "reducing_valve"}) {
    SCOPED_TRACE(name);
    const QString file = WriteSelection(CasePoint(name));
    const QString odt = FilePath(QStringLiteral("result.odt"));
    QFile::remove(odt);
    const ProcessResult run = RunExecutable(
        {QStringLiteral("select"), file, QStringLiteral("--dir"), Work(), "--export", odt},
        dir_.path(), QStringLiteral("C.UTF-8"));
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    ExpectPinned(QString::fromUtf8(name) + QStringLiteral(".content.xml"), ContentWithoutDate(odt));
  }
}

}  // namespace
}  // namespace selvio::test
