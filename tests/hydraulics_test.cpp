#include "engine/hydraulics.h"

#include <gtest/gtest.h>

#include <cmath>

namespace selvio {
namespace {

struct DensityCase {
  int temperature;
  float expected;  // kg/m³, published values of the formula
};

class WaterDensityTest : public ::testing::TestWithParam<DensityCase> {};

TEST_P(WaterDensityTest, MatchesTheFormula) {
  EXPECT_NEAR(WaterDensity(GetParam().temperature), GetParam().expected, 0.01);
}

INSTANTIATE_TEST_SUITE_P(Temperatures, WaterDensityTest,
                         ::testing::Values(DensityCase{0, 999.87f}, DensityCase{4, 1000.0f},
                                           DensityCase{20, 998.23f}, DensityCase{100, 958.10f}));

TEST(FlowCoefficientTest, WaterTenCubicMetresAtQuarterBarNeedKv20) {
  EXPECT_FLOAT_EQ(KvWater(1.0f, 10.0f, 0.25f), 20.0f);
  EXPECT_FLOAT_EQ(KvWater(1.1f, 10.0f, 0.25f), 22.0f);
}

TEST(FlowCoefficientTest, NegativeWaterDropGivesNoNumber) {
  EXPECT_TRUE(std::isnan(KvWater(1.0f, 10.0f, -0.25f)));
}

TEST(FlowCoefficientTest, GlycolScalesByWaterOverSolutionDensity) {
  const float kv = KvGlycol(1.0f, 10.0f, 0.25f, WaterDensity(20), 1040.0f);
  EXPECT_NEAR(kv, 20.0 * std::sqrt(998.2 / 1040.0), 0.005);
  EXPECT_NEAR(kv, 19.59, 0.005);
  // The sign of the drop does not matter for glycol.
  EXPECT_FLOAT_EQ(KvGlycol(1.0f, 10.0f, -0.25f, WaterDensity(20), 1040.0f), kv);
}

TEST(FlowCoefficientTest, SteamThousandKgPerHourAtFiveBarAndQuarterDelta) {
  EXPECT_NEAR(SteamFactor(0.25f), 9.02f, 1e-5);
  EXPECT_NEAR(KvSteam(1.0f, 1000.0f, 5.0f, 0.25f), 22.17f, 0.005);
}

SaturationTable ThreeRowTable() {
  SaturationTable t;
  t.temperatures = {10, 20, 30};
  t.pressures = {0.0123f, 0.0234f, 0.0425f};
  t.count = 3;
  return t;
}

TEST(SaturationTableTest, TakesTheNextTabulatedTemperatureWithoutInterpolation) {
  const SaturationTable t = ThreeRowTable();
  EXPECT_EQ(LookupSaturationPressure(t, 20), 0.0234f);
  EXPECT_EQ(LookupSaturationPressure(t, 21), 0.0425f);
  EXPECT_EQ(LookupSaturationPressure(t, 5), 0.0123f);
  EXPECT_EQ(LookupSaturationPressure(t, 31), 0.0f);
  EXPECT_EQ(LookupSaturationPressure(SaturationTable{}, 20), 0.0f);
}

struct CavitationCase {
  const char* name;
  float p1, p2, z;
  int temperature;
  bool risk;
};

class CavitationTest : public ::testing::TestWithParam<CavitationCase> {};

TEST_P(CavitationTest, ComparesDropWithZTimesP1LessPsat) {
  const CavitationCase& c = GetParam();
  SelectionRequest r;
  r.p1 = c.p1;
  r.p2 = c.p2;
  r.temperature = c.temperature;
  EXPECT_EQ(IsCavitationRisk(r, ThreeRowTable(), c.z), c.risk);
}

INSTANTIATE_TEST_SUITE_P(Cases, CavitationTest,
                         ::testing::Values(
                             // 0.5·(6 − 0.0234) = 2.9883 < 4
                             CavitationCase{"drop_above_limit", 6, 2, 0.5f, 20, true},
                             CavitationCase{"drop_below_limit", 6, 4, 0.5f, 20, false},
                             CavitationCase{"z_zero_never", 6, 0, 0.0f, 20, false},
                             // Above the table Psat is 0: 0.5·4 = 2 is not exceeded by 2.
                             CavitationCase{"equal_is_no_risk", 4, 2, 0.5f, 99, false},
                             CavitationCase{"reversed_pressures_use_magnitude", 2, 6, 0.5f, 99,
                                            true}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(LossAndVelocityTest, WaterLossIsFlowOverKvsSquaredAndVelocityFromDiameter) {
  SelectionRequest r;
  r.medium = Medium::Water;
  r.flow = 10;
  const LossVelocity lv = LossAndVelocity(r, 20.0f, 50.0f, true);
  EXPECT_FLOAT_EQ(lv.dpv, 0.25f);
  // 10 m³/h = 0.0027778 m³/s through DN 50, area 3.1415/4·0.05² = 0.0019634 m²: 1.41475 m/s
  // (π is taken as 3.1415; with the exact π it would be 1.41471).
  EXPECT_NEAR(lv.velocity, 1.41475, 1e-5);
}

TEST(LossAndVelocityTest, SteamThroughSteamRatedProductUsesDeltaTimesP1) {
  SelectionRequest r;
  r.medium = Medium::Steam;
  r.flow = 1000;
  r.p1 = 5;
  r.drop = 0.25f;
  r.temperature = 20;
  const LossVelocity steam = LossAndVelocity(r, 25.0f, 50.0f, true);
  EXPECT_FLOAT_EQ(steam.dpv, 1.25f);
  // 1000 kg/h over ρ 998.23 kg/m³ (water at 20 °C) = 0.00027827 m³/s through 0.0019634 m²:
  // 0.141726 m/s.
  EXPECT_NEAR(steam.velocity, 0.141726, 1e-5);
  // A product not rated for steam keeps the water formulas.
  const LossVelocity plain = LossAndVelocity(r, 25.0f, 50.0f, false);
  EXPECT_FLOAT_EQ(plain.dpv, 1600.0f);
}

// Without a medium (and for a product not rated for steam) the water formulas apply.
TEST(LossAndVelocityTest, WaterFormulasWithoutAMedium) {
  SelectionRequest r;
  r.flow = 5;
  const LossVelocity lv = LossAndVelocity(r, 10.0f, 25.0f, false);
  EXPECT_FLOAT_EQ(lv.dpv, 0.25f);
  // 5 m³/h = 0.0013889 m³/s through DN 25, area 3.1415/4·0.025² = 0.00049086 m²: 2.82950 m/s.
  EXPECT_NEAR(lv.velocity, 2.82950, 1e-5);
}

}  // namespace
}  // namespace selvio
