#include <gtest/gtest.h>

#include <QProcess>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "engine/noise/aerodynamic_noise.h"
#include "engine/noise/hydrodynamic_noise.h"
#include "platform/c_numbers.h"

// The engine against noise_reference.py, a second implementation of the same equations written
// on its own in Python: its table of cases (steam through every regime I … V, valve outlets from
// DN 15 to DN 200 either side of the small-valve correction's bends, liquids turbulent, cavitating
// and flashing, and the plausibility points of heating plant: a DN 25 steam valve at 6 bar g
// dropping 20 %, hot water at 90 °C in DN 50 dropping 1 bar, water at 95 °C cavitating across
// 3 bar) with the figures it computes. Each row carries its inputs, so the table lives in the
// script alone.
namespace selvio::noise {
namespace {

struct Row {
  std::string kind;
  std::string name;
  std::vector<std::optional<double>> numbers;  // "-" is empty
  std::string regime;
};

std::vector<Row> RunReference() {
  QProcess python;
  python.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral(SELVIO_NOISE_REFERENCE_SCRIPT)});
  EXPECT_TRUE(python.waitForStarted());
  EXPECT_TRUE(python.waitForFinished(60000));
  EXPECT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
  std::vector<Row> rows;
  for (const QString& line :
       QString::fromUtf8(python.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts)) {
    const QStringList f = line.split(' ');
    Row row{f[0].toStdString(), f[1].toStdString(), {}, {}};
    for (qsizetype i = 2; i < f.size(); ++i) {
      if (f[i] == QLatin1String("-")) {
        row.numbers.push_back(std::nullopt);
      } else if (const std::optional<double> value = ScanDouble(f[i].toStdString())) {
        row.numbers.push_back(value);
      } else {
        row.regime = f[i].toStdString();  // the liquid's regime word
        row.numbers.push_back(std::nullopt);
      }
    }
    rows.push_back(row);
  }
  return rows;
}

void ExpectClose(double actual, double expected, const char* what) {
  EXPECT_NEAR(actual, expected, 1e-9 * std::abs(expected) + 1e-9) << what;
}

void CheckGas(const Row& row) {
  const auto& v = row.numbers;
  ASSERT_EQ(v.size(), 24u);
  GasWorkingPoint point;
  point.massFlow = *v[0];
  point.inletPressure = *v[1];
  point.outletPressure = *v[2];
  point.inletDensity = *v[3];
  point.inletTemperature = *v[4];
  point.specificHeatRatio = *v[5];
  point.molarMass = *v[6];
  GasValve valve;
  valve.kv = *v[7];
  valve.fl = *v[8];
  valve.fd = *v[9];
  valve.fp = *v[10];
  valve.flp = *v[11];
  valve.outletDiameter = *v[12];
  valve.efficiencyFactor = *v[15];
  valve.peakStrouhal = *v[16];
  PipeWall pipe;
  pipe.internalDiameter = *v[13];
  pipe.wallThickness = *v[14];
  const auto n = PredictAerodynamicNoise(point, valve, pipe);
  ASSERT_TRUE(n);
  EXPECT_EQ(n->regime, static_cast<int>(*v[17]));
  ExpectClose(n->pressureRatio, *v[18], "x");
  ExpectClose(n->soundPower, *v[19], "Wa");
  ExpectClose(n->peakFrequency, *v[20], "fp");
  ExpectClose(n->internalLevel, *v[21], "Lpi");
  ExpectClose(n->outletMach, *v[22], "Mo");
  ExpectClose(n->levelDba, *v[23], "LpAe,1m");
}

void CheckLiquid(const Row& row) {
  const auto& v = row.numbers;
  ASSERT_EQ(v.size(), 21u);
  LiquidWorkingPoint point;
  point.massFlow = *v[0];
  point.inletPressure = *v[1];
  point.outletPressure = *v[2];
  point.vapourPressure = *v[3];
  point.density = *v[4];
  point.soundSpeed = *v[5];
  LiquidValve valve;
  valve.kv = *v[6];
  valve.fl = *v[7];
  valve.fd = *v[8];
  valve.incipientRatio = v[9];
  valve.inletDiameter = *v[10];
  valve.efficiencyFactor = *v[14];
  PipeWall pipe;
  pipe.internalDiameter = *v[11];
  pipe.wallThickness = *v[12];
  OutsideAir air;
  air.density = *v[13];
  const auto n = PredictHydrodynamicNoise(point, valve, pipe, air);
  ASSERT_TRUE(n);
  EXPECT_EQ(RegimeName(n->regime), row.regime);
  if (!v[16]) {
    EXPECT_FALSE(n->levelDba);
    return;
  }
  ExpectClose(n->pressureRatio, *v[16], "xF");
  ExpectClose(n->soundPower, *v[17], "Wa");
  ExpectClose(n->turbulentPeakFrequency, *v[18], "fp,turb");
  ExpectClose(n->internalLevel, *v[19], "Lpi");
  ASSERT_TRUE(n->levelDba);
  ExpectClose(*n->levelDba, *v[20], "LpAe,1m");
}

TEST(NoiseReferenceTest, EngineAgreesWithTheIndependentScript) {
  const std::vector<Row> rows = RunReference();
  std::vector<int> gasRegimes;
  std::vector<std::string> liquidRegimes;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    if (row.kind == "gas") {
      CheckGas(row);
      gasRegimes.push_back(static_cast<int>(*row.numbers[17]));
    } else {
      ASSERT_EQ(row.kind, "liquid");
      CheckLiquid(row);
      liquidRegimes.push_back(row.regime);
    }
  }
  // The table reaches every regime, so a script that prints less cannot pass.
  for (const int regime : {1, 2, 3, 4, 5}) {
    EXPECT_NE(std::find(gasRegimes.begin(), gasRegimes.end(), regime), gasRegimes.end()) << regime;
  }
  for (const char* regime : {"turbulent", "cavitating", "flashing"}) {
    EXPECT_NE(std::find(liquidRegimes.begin(), liquidRegimes.end(), regime), liquidRegimes.end())
        << regime;
  }
}

}  // namespace
}  // namespace selvio::noise
