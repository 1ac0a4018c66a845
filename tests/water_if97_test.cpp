#include "engine/water_if97.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QString>
#include <QStringList>
#include <cmath>
#include <string>

#include "platform/c_numbers.h"

namespace selvio::if97 {
namespace {

// The release gives its checkpoints to nine significant digits.
constexpr double kPublishedDigits = 1e-8;

void ExpectRelative(double actual, double expected, double tolerance) {
  EXPECT_NEAR(actual / expected, 1.0, tolerance)
      << "actual " << actual << ", expected " << expected;
}

struct SinglePhaseCheckpoint {
  const char* name;
  double t;  // K
  double p;  // MPa
  double v;  // m³/kg
  double w;  // m/s
};

// Table 5 of the release: region 1 at (300 K, 3 MPa), (300 K, 80 MPa), (500 K, 3 MPa).
class Region1CheckpointTest : public ::testing::TestWithParam<SinglePhaseCheckpoint> {};

TEST_P(Region1CheckpointTest, SpecificVolumeAndSpeedOfSound) {
  const SinglePhaseCheckpoint& c = GetParam();
  ExpectRelative(Region1SpecificVolume(c.p, c.t), c.v, kPublishedDigits);
  ExpectRelative(Region1SpeedOfSound(c.p, c.t), c.w, kPublishedDigits);
}

INSTANTIATE_TEST_SUITE_P(
    Table5, Region1CheckpointTest,
    ::testing::Values(SinglePhaseCheckpoint{"t300_p3", 300, 3, 0.100215168e-2, 0.150773921e4},
                      SinglePhaseCheckpoint{"t300_p80", 300, 80, 0.971180894e-3, 0.163469054e4},
                      SinglePhaseCheckpoint{"t500_p3", 500, 3, 0.120241800e-2, 0.124071337e4}),
    [](const auto& row) { return std::string(row.param.name); });

// Table 15 of the release: region 2 at (300 K, 0.0035 MPa), (700 K, 0.0035 MPa), (700 K, 30 MPa).
class Region2CheckpointTest : public ::testing::TestWithParam<SinglePhaseCheckpoint> {};

TEST_P(Region2CheckpointTest, SpecificVolumeAndSpeedOfSound) {
  const SinglePhaseCheckpoint& c = GetParam();
  ExpectRelative(Region2SpecificVolume(c.p, c.t), c.v, kPublishedDigits);
  ExpectRelative(Region2SpeedOfSound(c.p, c.t), c.w, kPublishedDigits);
}

INSTANTIATE_TEST_SUITE_P(Table15, Region2CheckpointTest,
                         ::testing::Values(SinglePhaseCheckpoint{"t300_p0035", 300, 0.0035,
                                                                 0.394913866e2, 0.427920172e3},
                                           SinglePhaseCheckpoint{"t700_p0035", 700, 0.0035,
                                                                 0.923015898e2, 0.644289068e3},
                                           SinglePhaseCheckpoint{"t700_p30", 700, 30,
                                                                 0.542946619e-2, 0.480386523e3}),
                         [](const auto& row) { return std::string(row.param.name); });

// Table 35 of the release: saturation pressure, eq. (30).
TEST(Region4CheckpointTest, SaturationPressureTable35) {
  ExpectRelative(SaturationPressure(300), 0.353658941e-2, kPublishedDigits);
  ExpectRelative(SaturationPressure(500), 0.263889776e1, kPublishedDigits);
  ExpectRelative(SaturationPressure(600), 0.123443146e2, kPublishedDigits);
}

// Table 36 of the release: saturation temperature, eq. (31).
TEST(Region4CheckpointTest, SaturationTemperatureTable36) {
  ExpectRelative(SaturationTemperature(0.1), 0.372755919e3, kPublishedDigits);
  ExpectRelative(SaturationTemperature(1), 0.453035632e3, kPublishedDigits);
  ExpectRelative(SaturationTemperature(10), 0.584149488e3, kPublishedDigits);
}

// The two saturation equations are each other's inverse to far better than the release's
// stated consistency; the end of region 2 on the saturation line (623.15 K) is the limit the
// check uses.
TEST(Region4CheckpointTest, EndOfRegion2OnTheSaturationLine) {
  ExpectRelative(SaturationPressure(623.15), kRegion2MaxSaturationPressure, 1e-8);
  ExpectRelative(SaturationTemperature(kRegion2MaxSaturationPressure), 623.15, 1e-8);
  ExpectRelative(SaturationPressure(273.15), kSaturationMinPressure, 1e-6);
}

// Debian's python3-iapws over the range of the selection form: liquid water 0–200 °C at
// pressures from just above saturation to 25 bar above it, the saturation line 0–200 °C,
// saturated steam from 0.2 to 25 bar absolute. Its rows are "kind x y value value" (see
// if97_reference.py).
TEST(Iapws97ReferenceTest, AgreesWithPythonIapwsOverTheFormsRange) {
  QProcess python;
  python.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral(SELVIO_IF97_REFERENCE_SCRIPT)});
  if (!python.waitForStarted()) GTEST_SKIP() << "/usr/bin/python3 cannot be started";
  ASSERT_TRUE(python.waitForFinished(60000));
  if (python.exitCode() == 3) GTEST_SKIP() << "the Python module iapws is not installed";
  ASSERT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();

  const QStringList lines =
      QString::fromUtf8(python.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
  int liquid = 0, saturation = 0, steam = 0;
  constexpr double kAgreement = 1e-6;
  for (const QString& line : lines) {
    const QStringList f = line.split(' ');
    ASSERT_EQ(f.size(), 5) << line.toStdString();
    double n[4];
    for (int i = 0; i < 4; ++i) {
      const std::optional<double> value = ScanDouble(f[i + 1].toStdString());
      ASSERT_TRUE(value) << line.toStdString();
      n[i] = *value;
    }
    SCOPED_TRACE(line.toStdString());
    if (f[0] == QLatin1String("liquid")) {  // T K, p MPa, v, w
      ExpectRelative(Region1SpecificVolume(n[1], n[0]), n[2], kAgreement);
      ExpectRelative(Region1SpeedOfSound(n[1], n[0]), n[3], kAgreement);
      ++liquid;
    } else if (f[0] == QLatin1String("saturation")) {  // T K, ps MPa, Ts(ps) K, -
      ExpectRelative(SaturationPressure(n[0]), n[1], kAgreement);
      ExpectRelative(SaturationTemperature(n[1]), n[2], kAgreement);
      ++saturation;
    } else if (f[0] == QLatin1String("steam")) {  // p MPa, Ts K, v'', w''
      ExpectRelative(SaturationTemperature(n[0]), n[1], kAgreement);
      ExpectRelative(Region2SpecificVolume(n[0], n[1]), n[2], kAgreement);
      ExpectRelative(Region2SpeedOfSound(n[0], n[1]), n[3], kAgreement);
      ++steam;
    } else {
      FAIL() << "unknown row";
    }
  }
  // The script's grid (41 temperatures, five liquid pressures each, 26 steam pressures), so
  // that a script that prints nothing cannot pass.
  EXPECT_EQ(saturation, 41);
  EXPECT_EQ(liquid, 41 * 5);
  EXPECT_EQ(steam, 26);
}

}  // namespace
}  // namespace selvio::if97
