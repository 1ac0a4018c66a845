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

struct EnthalpyCheckpoint {
  const char* name;
  double t;   // K
  double p;   // MPa
  double h;   // kJ/kg
  double cp;  // kJ/(kg·K); 0 where the test does not use it
};

// Table 5 of the release: the specific enthalpy of region 1 at its three checkpoints.
class Region1EnthalpyTest : public ::testing::TestWithParam<EnthalpyCheckpoint> {};

TEST_P(Region1EnthalpyTest, SpecificEnthalpy) {
  const EnthalpyCheckpoint& c = GetParam();
  ExpectRelative(Region1SpecificEnthalpy(c.p, c.t), c.h, kPublishedDigits);
}

INSTANTIATE_TEST_SUITE_P(Table5, Region1EnthalpyTest,
                         ::testing::Values(EnthalpyCheckpoint{"t300_p3", 300, 3, 0.115331273e3, 0},
                                           EnthalpyCheckpoint{"t300_p80", 300, 80, 0.184142828e3,
                                                              0},
                                           EnthalpyCheckpoint{"t500_p3", 500, 3, 0.975542239e3, 0}),
                         [](const auto& row) { return std::string(row.param.name); });

// Table 15 of the release: the specific enthalpy and isobaric heat capacity of region 2.
class Region2EnthalpyTest : public ::testing::TestWithParam<EnthalpyCheckpoint> {};

TEST_P(Region2EnthalpyTest, SpecificEnthalpyAndIsobaricHeatCapacity) {
  const EnthalpyCheckpoint& c = GetParam();
  ExpectRelative(Region2SpecificEnthalpy(c.p, c.t), c.h, kPublishedDigits);
  ExpectRelative(Region2SpecificIsobaricHeatCapacity(c.p, c.t), c.cp, kPublishedDigits);
}

INSTANTIATE_TEST_SUITE_P(
    Table15, Region2EnthalpyTest,
    ::testing::Values(EnthalpyCheckpoint{"t300_p0035", 300, 0.0035, 0.254991145e4, 0.191300162e1},
                      EnthalpyCheckpoint{"t700_p0035", 700, 0.0035, 0.333568375e4, 0.208141274e1},
                      EnthalpyCheckpoint{"t700_p30", 700, 30, 0.263149474e4, 0.103505092e2}),
    [](const auto& row) { return std::string(row.param.name); });

struct BackwardCheckpoint {
  const char* name;
  double p;  // MPa
  double h;  // kJ/kg
  double t;  // K
};

// Table 24 of the release: T(p, h) of the backward equations (22) and (23) for subregions 2a
// and 2b. Region2Temperature solves the forward equation instead, so it may differ from these by
// the backward equations' permitted inconsistency, 10 mK. The rows of subregion 2c (40 and
// 60 MPa) lie far above the pressures the program meets and are left out.
class Region2BackwardTest : public ::testing::TestWithParam<BackwardCheckpoint> {};

TEST_P(Region2BackwardTest, TemperatureFromEnthalpyWithinTheBackwardEquationsTolerance) {
  const BackwardCheckpoint& c = GetParam();
  constexpr double kBackwardInconsistency = 0.010;  // K
  EXPECT_NEAR(Region2Temperature(c.p, c.h), c.t, kBackwardInconsistency);
}

INSTANTIATE_TEST_SUITE_P(
    Table24, Region2BackwardTest,
    ::testing::Values(BackwardCheckpoint{"a_p0001_h3000", 0.001, 3000, 0.534433241e3},
                      BackwardCheckpoint{"a_p3_h3000", 3, 3000, 0.575373370e3},
                      BackwardCheckpoint{"a_p3_h4000", 3, 4000, 0.101077577e4},
                      BackwardCheckpoint{"b_p5_h3500", 5, 3500, 0.801299102e3},
                      BackwardCheckpoint{"b_p5_h4000", 5, 4000, 0.101531583e4},
                      BackwardCheckpoint{"b_p25_h3500", 25, 3500, 0.875279054e3}),
    [](const auto& row) { return std::string(row.param.name); });

// Region2Temperature inverts the forward enthalpy to far better than the backward equations:
// steam from just above saturation to 800 °C at 0.1, 1 and 16 MPa comes back at its own T.
TEST(Region2BackwardTest, InvertsTheForwardEnthalpy) {
  for (const double p : {0.1, 1.0, 16.0}) {
    for (const double t : {SaturationTemperature(p) + 0.01, 500.0, 700.0, 1073.0}) {
      if (t < SaturationTemperature(p)) continue;
      SCOPED_TRACE(testing::Message() << p << " MPa, " << t << " K");
      EXPECT_NEAR(Region2Temperature(p, Region2SpecificEnthalpy(p, t)), t, 1e-7);
    }
  }
}

// Below the saturated vapour's enthalpy there is no steam of region 2: the saturation
// temperature comes back, which the caller tests before it asks.
TEST(Region2BackwardTest, WetEnthalpyGivesTheSaturationTemperature) {
  const double ts = SaturationTemperature(1);
  EXPECT_DOUBLE_EQ(Region2Temperature(1, Region2SpecificEnthalpy(1, ts) - 100), ts);
}

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
// saturated steam from 0.2 to 25 bar absolute, and steam up to 200 K superheated from 1 to
// 25 bar absolute. Its rows are "kind x y value value" (see
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
  int liquid = 0, saturation = 0, steam = 0, superheated = 0, boiling = 0;
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
    } else if (f[0] == QLatin1String("superheated")) {  // p MPa, T K, h, w
      ExpectRelative(Region2SpecificEnthalpy(n[0], n[1]), n[2], kAgreement);
      ExpectRelative(Region2SpeedOfSound(n[0], n[1]), n[3], kAgreement);
      EXPECT_NEAR(Region2Temperature(n[0], n[2]), n[1], 1e-4);
      ++superheated;
    } else if (f[0] == QLatin1String("boiling")) {  // p MPa, Ts K, h', h''
      ExpectRelative(Region1SpecificEnthalpy(n[0], n[1]), n[2], kAgreement);
      ExpectRelative(Region2SpecificEnthalpy(n[0], n[1]), n[3], kAgreement);
      ++boiling;
    } else {
      FAIL() << "unknown row";
    }
  }
  // The script's grid (41 temperatures, five liquid pressures each, 26 steam pressures, six
  // pressures of superheated steam at five temperatures each), so that a script that prints
  // nothing cannot pass.
  EXPECT_EQ(saturation, 41);
  EXPECT_EQ(liquid, 41 * 5);
  EXPECT_EQ(steam, 26);
  EXPECT_EQ(boiling, 6);
  EXPECT_EQ(superheated, 6 * 5);
}

}  // namespace
}  // namespace selvio::if97
