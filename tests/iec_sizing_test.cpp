#include "engine/iec_sizing.h"

#include <gtest/gtest.h>

#include <cmath>

namespace selvio::iec {
namespace {

// IEC 60534-2-1, worked example 1 (incompressible flow, non-choked, without attached fittings):
// water at 363 K, ρ1 = 965.4 kg/m³, Pv = 70.1 kPa, Pc = 22 120 kPa, P1 = 680 kPa, P2 = 220 kPa,
// Q = 360 m³/h; globe valve, parabolic plug, FL = 0.90. The example finds FF = 0.944,
// ΔPmax = 497 kPa > ΔP = 460 kPa (not choked) and, with FP = 1, Kv = 164.9955 when
// ρ0 = 999.10329 kg/m³ (360·√((965.4/999.10329)/4.6)).
TEST(IecWorkedExampleTest, Example1LiquidNotChoked) {
  const LiquidSizing s = SizeLiquid(360, 965.4, 6.8, 4.6, 0.701, 221.2, 0.90);
  EXPECT_NEAR(s.ff, 0.944, 0.0005);
  EXPECT_NEAR(s.chokedDrop, 4.97, 0.005);
  EXPECT_FALSE(s.choked);
  EXPECT_DOUBLE_EQ(s.sizingDrop, 4.6);
  EXPECT_NEAR(s.kv, 164.9955, 5e-5);
}

// Worked example 2 (incompressible flow, choked, without attached fittings): the same water and
// pressures, Q = 360 m³/h, segmented ball valve with FL = 0.60. ΔPmax = 0.6²·(680 − 0.944·70.1)
// = 221 kPa < 460 kPa: choked, and Kv = 360·√((965.4/999.10329)/2.21) = 238.058 with FP = 1.
TEST(IecWorkedExampleTest, Example2LiquidChokedBallValve) {
  const LiquidSizing s = SizeLiquid(360, 965.4, 6.8, 4.6, 0.701, 221.2, 0.60);
  EXPECT_NEAR(s.chokedDrop, 2.21, 0.005);
  EXPECT_TRUE(s.choked);
  EXPECT_DOUBLE_EQ(s.sizingDrop, s.chokedDrop);
  EXPECT_NEAR(s.kv, 238.058, 5e-4);
}

// Worked example 3 (compressible flow): carbon dioxide at T1 = 433 K, M = 44.01 kg/kmol,
// γ = 1.30, Z1 = 0.988, P1 = 680 kPa, P2 = 310 kPa, Qs = 3800 m³/h at 1013.25 mbar and 0 °C;
// eccentric rotary plug valve with xT = 0.60. The example's pipe reducers are left out
// (FP = 1), for which its equation with N9 gives Kv ≈ 62.65: Fγ = 0.929, x = 370/680 = 0.544,
// not choked (x < Fγ·xT = 0.557), Y = 1 − 0.544/(3·0.557) = 0.674.
// The mass-flow form needs W and ρ1 of the ideal gas: ρs = 44.01·101.325/(8.314·273.15)
// = 1.9636 kg/m³, W = 3800·1.9636 = 7461.7 kg/h, ρ1 = 680·44.01/(0.988·8.314·433)
// = 8.4141 kg/m³. The two forms differ by the rounding of N6 and N9 (0.15 %).
TEST(IecWorkedExampleTest, Example3CompressibleWithoutFittings) {
  const double w = 3800 * 44.01 * 101.325 / (8.314 * 273.15);
  const double rho1 = 680 * 44.01 / (0.988 * 8.314 * 433);
  const CompressibleSizing s = SizeCompressible(w, 6.8, rho1, 370.0 / 680, 1.30, 0.60);
  EXPECT_NEAR(s.fGamma, 0.929, 0.0005);
  EXPECT_NEAR(s.chokedRatio, 0.557, 0.0005);
  EXPECT_FALSE(s.choked);
  EXPECT_NEAR(s.expansion, 0.674, 0.0005);
  EXPECT_NEAR(s.kv / 62.65, 1.0, 0.005);
}

// Choked compressible flow: x at or above Fγ·xT is replaced by Fγ·xT, where Y = 2/3.
// Air (γ = 1.40, Fγ = 1) through xT = 0.72 at x = 0.8: Kv = W/(3.16·(2/3)·√(0.72·P1·ρ1)).
TEST(CompressibleSizingTest, ChokedFlowTakesTheLimitingRatio) {
  const CompressibleSizing s = SizeCompressible(1000, 5, 6, 0.8, 1.40, 0.72);
  EXPECT_TRUE(s.choked);
  EXPECT_DOUBLE_EQ(s.sizingRatio, 0.72);
  EXPECT_NEAR(s.expansion, 2.0 / 3, 1e-12);
  EXPECT_NEAR(s.kv, 1000 / (3.16 * (2.0 / 3) * std::sqrt(0.72 * 500 * 6)), 1e-9);
  // At the limit itself the flow counts as choked.
  EXPECT_TRUE(SizeCompressible(1000, 5, 6, 0.72, 1.40, 0.72).choked);
}

// N6 = 3.16 makes the compressible equation meet the liquid one as x → 0 (Y → 1): 1000 kg/h of
// a fluid of 999.10329 kg/m³ (1.000897 m³/h) across 0.01 bar (1 kPa), P1 = 10 bar.
TEST(CompressibleSizingTest, MeetsTheLiquidEquationForSmallDrops) {
  const double liquid = LiquidKv(1000 / kReferenceDensity, kReferenceDensity, 0.01);
  const double gas = CompressibleKv(1000, 1.0, 0.001, 1000, kReferenceDensity);
  EXPECT_NEAR(gas / liquid, 1.0, 0.001);
}

TEST(LiquidSizingTest, ChokedAtTheLimitItself) {
  const LiquidSizing limit = SizeLiquid(10, 1000, 5, 100, 0.5, 220.64, 0.9);
  const LiquidSizing atLimit = SizeLiquid(10, 1000, 5, limit.chokedDrop, 0.5, 220.64, 0.9);
  EXPECT_TRUE(atLimit.choked);
}

// x_F = ΔP/(P1 − Pv): 1.5 bar across a valve at 4.0 bar absolute with Pv = 1.0 bar gives 0.5.
TEST(CavitationIndexTest, DropOverInletPressureLessVapourPressure) {
  EXPECT_DOUBLE_EQ(CavitationIndex(1.5, 4.0, 1.0), 0.5);
}

// Isentropic exponent of an ideal gas from its speed of sound: air at 293.15 K, w = 343.2 m/s,
// ρ = 1.2041 kg/m³ at 101 325 Pa gives γ = 343.2²·1.2041/101325 = 1.3997.
TEST(IsentropicExponentTest, AirAtRoomTemperature) {
  EXPECT_NEAR(IsentropicExponent(343.2, 1.2041, 101325), 1.3997, 0.0005);
}

struct LiftCase {
  const char* name;
  double relativeKv;
  double lift;  // relative lift, hand-computed as 1 + ln(Kv/Kvs)/ln 50 (ln 50 = 3.912023)
};

class EqualPercentageLiftTest : public ::testing::TestWithParam<LiftCase> {};

TEST_P(EqualPercentageLiftTest, LiftAndItsInverse) {
  EXPECT_NEAR(EqualPercentageLift(GetParam().relativeKv), GetParam().lift, 1e-6);
  EXPECT_NEAR(EqualPercentageRelativeKv(GetParam().lift), GetParam().relativeKv, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(Points, EqualPercentageLiftTest,
                         ::testing::Values(LiftCase{"full_open", 1.0, 1.0},
                                           LiftCase{"end_of_range", 0.02, 0.0},
                                           // ln 0.2 = −1.609438: 1 − 1.609438/3.912023 = 0.588592
                                           LiftCase{"one_fifth", 0.2, 0.588592},
                                           // ln 0.5 = −0.693147: 1 − 0.693147/3.912023 = 0.822816
                                           LiftCase{"half", 0.5, 0.822816}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(LinearLiftTest, LiftEqualsRelativeKv) {
  EXPECT_DOUBLE_EQ(LinearLift(RelativeKv(3.15, 6.3)), 0.5);
}

}  // namespace
}  // namespace selvio::iec
