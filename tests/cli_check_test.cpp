// The check of the shown product in selvio-cli's outputs on the bundled data: the "check" of
// select's and batch's JSON and the section after the report in select's text.

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "app/files/settings_record.h"
#include "tests/cli_run.h"

namespace selvio::test {
namespace {

QString Utf8(const char* text) { return QString::fromUtf8(text); }

// Bar and m³/h (t/h for steam), as an engineer writes them; the rest as a first start.
SettingsRecord Point(const char* p1, const char* p2, const char* t, const char* drop,
                     const char* flow) {
  SettingsRecord r = DefaultSettingsRecord();
  SetFieldText(r.p1, Utf8(p1));
  SetFieldText(r.p2, Utf8(p2));
  SetFieldText(r.temperature, Utf8(t));
  SetFieldText(r.drop, Utf8(drop));
  SetFieldText(r.flow, Utf8(flow));
  r.p1Unit = r.p2Unit = r.dropUnit = r.flowUnit = r.temperatureUnit = 0;
  return r;
}

class CliCheck : public CliFolderTest {
 protected:
  void SetUp() override {
    CliFolderTest::SetUp();
    CopyIntoWork(
        EnvPath("SELVIO_DATA_DIR"),
        {QStringLiteral("xmldata.xml"), Utf8("Рнас.dat"), QStringLiteral("etilenglikol.dat"),
         QStringLiteral("propilenglikol.dat"), QStringLiteral("example.crp")});
  }

  QString Write(const QString& name, const SettingsRecord& record) {
    const QString path = FilePath(name);
    EXPECT_TRUE(WriteSelectionFile(path, record));
    return path;
  }

  RunResult Select(const QString& file, const QStringList& extra = {}) {
    const RunResult run = RunInProcess(
        QStringList{QStringLiteral("select"), file, QStringLiteral("--dir"), Work()} + extra);
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    return run;
  }

  QJsonValue SelectCheck(const QString& file, const QStringList& extra = {}) {
    const RunResult run = Select(file, extra + QStringList{QStringLiteral("--json")});
    return QJsonDocument::fromJson(run.out.toUtf8()).object().value("check");
  }

  QString Example() const { return Work() + QStringLiteral("/example.crp"); }
};

double Number(const QJsonObject& object, const char* key) {
  EXPECT_TRUE(object.value(key).isDouble()) << key;
  return object.value(key).toDouble();
}

// The bundled example: water at 90 °C, 6 bar g, ΔP 0.3 bar, 5 m³/h, K 1.2; shown ВКФ-2-32-16,
// equal-percentage Kvs 16 in DN 32. IAPWS-IF97 (python3-iapws): ρ(90 °C, 7.01325 bar) =
// 965.5925 kg/m³, Pv(90 °C) = 0.701824 bar;
//   Kv = 5·√((965.5925/999.10329)/0.3) = 8.97431 m³/h, Kv·K = 10.76917;
//   x_F = 0.3/(7.01325 − 0.701824) = 0.047533;
//   Kv/Kvs = 56.089 %, lift = 1 + ln(0.56089)/ln 50 = 85.219 % (above the 10–70 % band);
//   V = 5/3600/(π·0.032²/4) = 1.72694 m/s.
TEST_F(CliCheck, SelectJsonHoldsTheCheckOfTheShownValve) {
  const QJsonValue value = SelectCheck(Example());
  ASSERT_TRUE(value.isObject());
  const QJsonObject check = value.toObject();
  EXPECT_EQ(check.value("status").toString(), "computed");
  EXPECT_EQ(check.value("medium").toString(), "liquid");
  EXPECT_NEAR(Number(check, "kv_iec"), 8.97431, 1e-4);
  EXPECT_NEAR(Number(check, "kv_required"), 10.76917, 1e-4);
  EXPECT_EQ(check.value("choked"), QJsonValue(false));
  EXPECT_NEAR(Number(check, "x_f"), 0.047533, 1e-6);
  EXPECT_NEAR(Number(check, "opening_percent"), 56.089, 1e-3);
  EXPECT_NEAR(Number(check, "lift_percent"), 85.219, 1e-3);
  EXPECT_NEAR(Number(check, "velocity"), 1.72694, 1e-5);
  EXPECT_NEAR(Number(check, "rho"), 965.5925, 1e-3);
  EXPECT_NEAR(Number(check, "p1_abs"), 7.01325, 1e-6);
  EXPECT_NEAR(Number(check, "p2_abs"), 6.71325, 1e-6);
  EXPECT_NEAR(Number(check, "vapour_pressure"), 0.701824, 1e-6);
  EXPECT_EQ(check.value("fl").toDouble(), 0.9);
  EXPECT_EQ(check.value("xt").toDouble(), 0.72);
  for (const char* steamOnly : {"gamma", "f_gamma", "choked_ratio", "expansion",
                                "saturation_temperature", "outlet_density", "suggestion"}) {
    EXPECT_TRUE(check.value(steamOnly).isNull()) << steamOnly;
  }
  EXPECT_EQ(check.value("verdict").toString(),
            Utf8("Kvs достаточен: по МЭК требуется Kv 10.77 ≤ Kvs 16 (с коэффициентом запаса K "
                 "= 1.2)."));
  EXPECT_EQ(check.value("flags").toObject().value("no_reserve"), QJsonValue(true));
  EXPECT_EQ(check.value("flags").toObject().value("cavitation"), QJsonValue(false));
  const QJsonArray warnings = check.value("warnings").toArray();
  ASSERT_EQ(warnings.size(), 1);
  EXPECT_TRUE(warnings[0].toString().startsWith(Utf8("Ход 85.2 % выше рабочего диапазона")));
  EXPECT_EQ(check.value("notes").toArray().size(), 4);
}

// Candidate 1, ВКФ-2-40-25, Kvs 25 in DN 40: Kv/Kvs = 8.97431/25 = 35.897 %,
// lift = 1 + ln(0.35897)/ln 50 = 73.811 %, V = 5/3600/(π·0.04²/4) = 1.10524 m/s.
TEST_F(CliCheck, AnotherCandidateIsCheckedForItself) {
  const QJsonObject check = SelectCheck(Example(), {"--candidate", "1"}).toObject();
  EXPECT_NEAR(Number(check, "opening_percent"), 35.897, 1e-3);
  EXPECT_NEAR(Number(check, "lift_percent"), 73.811, 1e-3);
  EXPECT_NEAR(Number(check, "velocity"), 1.10524, 1e-5);
}

// Saturated steam, 5 bar g, δ 0.3, 0.5 t/h; shown ВКФ-2С-32-16, linear Kvs 16 in DN 32.
// IAPWS-IF97 (python3-iapws) at 6.01325 bar: ρ1 = 3.175426 kg/m³, w = 495.9023 m/s;
//   γ = 495.9023²·3.175426/601325 = 1.298629, Fγ = 0.927592, Y = 1 − 0.3/(3·0.927592·0.72)
//   = 0.850269; Kv = 500/(3.16·0.850269·√(0.3·601.325·3.175426)) = 7.77517 m³/h;
//   linear lift = Kv/Kvs = 48.595 %; ρ2 at 4.209275 bar = 2.268897 kg/m³,
//   V = 500/3600/2.268897/(π·0.032²/4) = 76.11 m/s.
TEST_F(CliCheck, SteamCheckHasNoCavitationIndexAndALinearLift) {
  SettingsRecord steam = Point("5", "", "160", "0.3", "0.5");
  steam.medium = 3;
  steam.actuatorSectionOn = 0;
  const QJsonObject check = SelectCheck(Write("steam.crp", steam)).toObject();
  EXPECT_EQ(check.value("medium").toString(), "steam");
  EXPECT_TRUE(check.value("x_f").isNull());
  EXPECT_TRUE(check.value("vapour_pressure").isNull());
  EXPECT_NEAR(Number(check, "rho"), 3.175426, 1e-5);
  EXPECT_NEAR(Number(check, "gamma"), 1.298629, 1e-5);
  EXPECT_NEAR(Number(check, "kv_iec"), 7.77517, 1e-4);
  EXPECT_NEAR(Number(check, "opening_percent"), 48.595, 1e-3);
  EXPECT_NEAR(Number(check, "lift_percent"), 48.595, 1e-3);
  EXPECT_NEAR(Number(check, "velocity"), 76.11, 0.01);
  EXPECT_EQ(check.value("flags").toObject().value("velocity_high"), QJsonValue(true));
}

TEST_F(CliCheck, RegulatorHasNoLiftAndNothingShownHasNoCheck) {
  SettingsRecord regulator = Point("8", "4", "90", "0.5", "3");
  regulator.productType = 2;
  SetFieldText(regulator.setting, QStringLiteral("0.5"));
  const QJsonValue dp = SelectCheck(Write("dp.crp", regulator));
  ASSERT_TRUE(dp.isObject());
  EXPECT_TRUE(dp.toObject().value("lift_percent").isNull());
  EXPECT_TRUE(dp.toObject().value("opening_percent").isDouble());

  const QJsonValue none = SelectCheck(Write("none.crp", Point("6", "4", "90", "0.3", "1000")));
  EXPECT_TRUE(none.isNull());
  const QJsonValue refused = SelectCheck(Write("refused.crp", Point("6", "7", "90", "0.3", "5")));
  EXPECT_TRUE(refused.isNull());
}

// Each row of a batch carries the check select gives for the same point.
TEST_F(CliCheck, BatchJsonRowsCarryTheCheckSelectGives) {
  const QString csv = WriteBytes(QStringLiteral("points.csv"),
                                 "label,p1,p2,t,drop,flow\n"
                                 "example,6,4,90,0.3,5\n"
                                 "nothing,6,4,90,0.3,1000\n");
  const RunResult run =
      RunInProcess({QStringLiteral("batch"), csv, QStringLiteral("--dir"), Work(), "--json"});
  ASSERT_EQ(run.status, 0) << run.err.toStdString();
  const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 2);
  const QJsonObject first = QJsonDocument::fromJson(lines[0].toUtf8()).object();
  const QJsonObject second = QJsonDocument::fromJson(lines[1].toUtf8()).object();
  ASSERT_TRUE(first.value("check").isObject());
  EXPECT_NEAR(Number(first.value("check").toObject(), "kv_iec"), 8.97431, 1e-4);
  EXPECT_TRUE(second.contains("check"));
  EXPECT_TRUE(second.value("check").isNull());

  SettingsRecord same = Point("6", "4", "90", "0.3", "5");
  EXPECT_EQ(first.value("check"), SelectCheck(Write("same.crp", same)));
}

TEST_F(CliCheck, TextEndsWithTheCheckSectionAfterTheReport) {
  const QString text = Select(Example()).out;
  const qsizetype report = text.indexOf(Utf8("\nОтчет:\n"));
  const qsizetype section = text.indexOf(Utf8("\n\nПроверка по МЭК 60534-2-1:\n"));
  ASSERT_GT(report, 0);
  ASSERT_GT(section, report);
  const QString tail = text.mid(section + 2);
  EXPECT_TRUE(tail.startsWith(
      Utf8("Проверка по МЭК 60534-2-1:\n"
           "  Kvs достаточен: по МЭК требуется Kv 10.77 ≤ Kvs 16 (с коэффициентом запаса K = "
           "1.2).\n"
           "\n"
           "  Давление на входе P1 (абс.), бар: 7.01\n")))
      << tail.toStdString();
  for (const char* line :
       {"\n  Kv по МЭК, м³/ч: 8.97\n", "\n  Kv·K по МЭК, м³/ч: 10.77\n",
        "\n  Индекс кавитации x_F: 0.048\n", "\n  Открытие Kv/Kvs, %: 56.1\n",
        "\n  Относительный ход, %: 85.2\n", "\n  Скорость в присоединении, м/с: 1.73\n",
        "\n  Предупреждения:\n  \tХод 85.2 %", "\n  Основа расчета:\n  \tКоэффициенты клапана"}) {
    EXPECT_TRUE(tail.contains(Utf8(line))) << line;
  }

  const QString none = Select(Write("none.crp", Point("6", "4", "90", "0.3", "1000"))).out;
  EXPECT_TRUE(none.endsWith(Utf8("\n\nПроверка по МЭК 60534-2-1:\n  (пусто)\n")))
      << none.toStdString();
}

// Under a Russian locale, where C's printf writes a decimal comma, the section's numbers keep
// their point.
TEST_F(CliCheck, RussianLocalePrintsTheSectionWithPoints) {
  if (!RussianLocaleInstalled()) GTEST_SKIP() << "ru_RU.UTF-8 is not installed";
  const QStringList arguments{"select", "work/example.crp", "--dir", "work"};
  const ProcessResult russian = RunExecutable(arguments, dir_.path(), "ru_RU.UTF-8");
  ASSERT_EQ(russian.status, 0) << russian.err.toStdString();
  const QString text = QString::fromUtf8(russian.out);
  for (const char* line :
       {"  Давление на входе P1 (абс.), бар: 7.01\n", "  Kv по МЭК, м³/ч: 8.97\n",
        "  Плотность ρ, кг/м³: 965.6\n", "  \tАбсолютное давление = избыточное + 1.01325 бар."}) {
    EXPECT_TRUE(text.contains(Utf8(line))) << line;
  }
  EXPECT_EQ(russian.out, RunExecutable(arguments, dir_.path(), "C").out);
}

}  // namespace
}  // namespace selvio::test
