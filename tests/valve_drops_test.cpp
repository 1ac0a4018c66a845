#include "engine/valve_drops.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "engine/glycol_vapour_pressure.h"
#include "engine/iec_sizing.h"
#include "engine/unit_factors.h"
#include "engine/water_if97.h"

namespace selvio {
namespace {

constexpr double kAtmosphere = 1.01325;     // bar
constexpr double kWaterCritical = 220.64;   // bar
constexpr double kReference = 999.10329;    // kg/m³, ρ0 of IEC 60534-2-1
constexpr double kVapour90 = 0.701824;      // bar, water at 90 °C (IF97 eq. (30))
constexpr double kWater90At11Bar = 965.77;  // kg/m³, water at 90 °C, 11 bar (IF97 region 1)

struct DropCase {
  const char* name;
  ProductKind product;
  double dropField;
  double p1;
  std::optional<double> p2;
  double setting;
  double design;
  std::optional<double> closing;
};

// The drops by hand: a reducing valve at P1 10 bar with a setting of 4 bar drops 6 bar both at
// design flow and when closing, whatever the ΔP field says; a control valve at P1 6, P2 1 with
// ΔP 0.3 is sized at 0.3 bar and takes all of 6 − 1 = 5 bar when nearly closed; a
// differential-pressure regulator at P1 8, P2 4 keeping 0.5 bar takes (8 − 4) − 0.5 = 3.5 bar.
class DropTest : public ::testing::TestWithParam<DropCase> {};

TEST_P(DropTest, DesignAndClosingDrops) {
  const DropCase& c = GetParam();
  EXPECT_DOUBLE_EQ(DesignDrop(c.product, c.dropField, c.p1, c.setting), c.design);
  EXPECT_EQ(ClosingDrop(c.product, c.p1, c.p2, c.setting), c.closing);
}

INSTANTIATE_TEST_SUITE_P(
    HandCalculations, DropTest,
    ::testing::Values(
        DropCase{"reducing_valve_p1_10_setting_4", ProductKind::ReducingValve, 2, 10, 8, 4, 6, 6},
        DropCase{"reducing_valve_without_p2", ProductKind::ReducingValve, 2, 10, std::nullopt, 4, 6,
                 6},
        DropCase{"control_valve_p1_6_p2_1", ProductKind::ControlValve, 0.3, 6, 1, 0, 0.3, 5},
        DropCase{"control_valve_without_p2", ProductKind::ControlValve, 0.3, 6, std::nullopt, 0,
                 0.3, std::nullopt},
        DropCase{"dp_regulator_p1_8_p2_4_setting_0_5", ProductKind::DpRegulator, 0.5, 8, 4, 0.5,
                 0.5, 3.5},
        DropCase{"dp_regulator_without_p2", ProductKind::DpRegulator, 0.5, 8, std::nullopt, 0.5,
                 0.5, std::nullopt}),
    [](const auto& row) { return std::string(row.param.name); });

// The reducing valve at 90 °C, P1 10 bar gauge, setting 4, 5 m³/h: at its real drop of 6 bar
// Kv = 5·√((965.77/999.10)/6) = 2.007 and x_F = 6/(11.013 − 0.702) = 0.582, where the ΔP field's
// 2 bar would give Kv 3.48 and x_F 0.19.
TEST(DropTest, ReducingValveSizedAtItsRealDrop) {
  const double drop = DesignDrop(ProductKind::ReducingValve, 2, 10, 4);
  const double p1 = 10 + kAtmosphere;
  const iec::LiquidSizing s =
      iec::SizeLiquid(5, kWater90At11Bar, p1, drop, kVapour90, kWaterCritical, 0.9);
  EXPECT_NEAR(s.kv, 2.007, 0.0005);
  EXPECT_NEAR(iec::CavitationIndex(drop, p1, kVapour90), 0.582, 0.0005);
  EXPECT_NEAR(iec::LiquidKv(5, kWater90At11Bar, 2), 3.476, 0.0005);
}

// The control valve at 90 °C, P1 6, P2 1 bar gauge: closing, it takes 5 bar and
// x_F = 5/(7.013 − 0.702) = 0.792, above any product's Z (0.5–0.65), where the ΔP field's 0.3 bar
// gives 0.048.
TEST(DropTest, ControlValveCavitatesWhenClosing) {
  const std::optional<double> closing = ClosingDrop(ProductKind::ControlValve, 6, 1, 0);
  ASSERT_TRUE(closing);
  EXPECT_NEAR(iec::CavitationIndex(*closing, 6 + kAtmosphere, kVapour90), 0.792, 0.0005);
  EXPECT_NEAR(iec::CavitationIndex(0.3, 6 + kAtmosphere, kVapour90), 0.048, 0.0005);
}

// Steam: δ 0.2 at 6 bar gauge is 0.2·7.01325 = 1.40265 bar.
TEST(DropTest, SteamDropIsRelativeToTheAbsoluteInletPressure) {
  EXPECT_DOUBLE_EQ(SteamDesignDrop(0.2, 6 + kAtmosphere), 0.2 * 7.01325);
}

TEST(DropTest, InconsistentWhenTheFieldExceedsTheAvailableDrop) {
  EXPECT_FALSE(IsInconsistentDrop(0.3, 6, 1));
  EXPECT_FALSE(IsInconsistentDrop(5, 6, 1));
  EXPECT_TRUE(IsInconsistentDrop(5.1, 6, 1));
}

// P1 1 bar gauge is 2.01325 bar absolute: a design drop of that much leaves nothing after the
// valve and is refused; 2 bar leaves 0.013 bar and is not.
TEST(DropTest, DesignDropAtOrAboveTheAbsoluteInletPressureIsRefused) {
  EXPECT_TRUE(IsDesignDropRefused(2.01325, 1 + kAtmosphere));
  EXPECT_TRUE(IsDesignDropRefused(3, 1 + kAtmosphere));
  EXPECT_FALSE(IsDesignDropRefused(2, 1 + kAtmosphere));
}

struct AuthorityRow {
  const char* name;
  AuthorityCase product;
  double flow;
  double kvs;
  double density;
  double p1;
  std::optional<double> p2;
  std::optional<double> authority;
};

// a = (G/Kvs)²·(ρ/ρ0)/(P1 − P2) by hand: 6 m³/h through Kvs 10 of water at 15 °C (ρ = ρ0) drops
// 0.36 bar of 3 − 1.8 = 1.2 bar, a = 0.3; 7 m³/h through Kvs 10 drops 0.49 of 0.7 bar, a = 0.7;
// the README's example, 5 m³/h of water at 90 °C (965.6 kg/m³) through Kvs 16 with P1 6, P2 4:
// (5/16)²·0.96646/2 = 0.0472.
class AuthorityTest : public ::testing::TestWithParam<AuthorityRow> {};

TEST_P(AuthorityTest, TwoWayControlValvesOnly) {
  const AuthorityRow& r = GetParam();
  const std::optional<double> a = Authority(r.product, r.flow, r.kvs, r.density, r.p1, r.p2);
  ASSERT_EQ(a.has_value(), r.authority.has_value());
  if (a) {
    EXPECT_NEAR(*a, *r.authority, 5e-5);
  }
}

constexpr AuthorityCase kTwoWay{ProductKind::ControlValve, ValveKind::TwoWay, false};

INSTANTIATE_TEST_SUITE_P(
    HandCalculations, AuthorityTest,
    ::testing::Values(
        AuthorityRow{"a_0_3", kTwoWay, 6, 10, kReference, 3, 1.8, 0.3},
        AuthorityRow{"a_0_7", kTwoWay, 7, 10, kReference, 2, 1.3, 0.7},
        AuthorityRow{"readme_example", kTwoWay, 5, 16, 965.6, 6, 4, 0.0472},
        AuthorityRow{"three_way",
                     AuthorityCase{ProductKind::ControlValve, ValveKind::ThreeWay, false}, 6, 10,
                     kReference, 3, 1.8, std::nullopt},
        AuthorityRow{"dp_regulator",
                     AuthorityCase{ProductKind::DpRegulator, ValveKind::TwoWay, false}, 6, 10,
                     kReference, 3, 1.8, std::nullopt},
        AuthorityRow{"reducing_valve",
                     AuthorityCase{ProductKind::ReducingValve, ValveKind::TwoWay, false}, 6, 10,
                     kReference, 3, 1.8, std::nullopt},
        AuthorityRow{"steam", AuthorityCase{ProductKind::ControlValve, ValveKind::TwoWay, true}, 6,
                     10, kReference, 3, 1.8, std::nullopt},
        AuthorityRow{"p2_not_known", kTwoWay, 6, 10, kReference, 3, std::nullopt, std::nullopt},
        AuthorityRow{"p2_not_below_p1", kTwoWay, 6, 10, kReference, 3, 3, std::nullopt}),
    [](const auto& row) { return std::string(row.param.name); });

// P1 6, P2 1, ΔP 0.3 at 10 m³/h: the circuit loses 4.7 bar at design flow and 4.7·(2/10)² =
// 0.188 bar at 2 m³/h, so the valve takes 5 − 0.188 = 4.812 bar there.
TEST(MinimumFlowDropTest, CircuitLossesFallWithTheSquareOfTheFlow) {
  EXPECT_NEAR(MinimumFlowDrop(0.3, 6, 1, 10, 2), 4.812, 1e-12);
  EXPECT_NEAR(MinimumFlowDrop(0.3, 6, 1, 10, 10), 0.3, 1e-12);
  EXPECT_DOUBLE_EQ(MinimumFlowDrop(0.3, 6, std::nullopt, 10, 2), 0.3);
}

// Water at 120 °C (Pv = 1.9867 bar), P1 1 bar gauge, ΔP 0.5: 1.513 bar after the valve is below
// Pv, so the water flashes; at 90 °C (Pv 0.702) it does not.
TEST(FlashingTest, OutletAtOrBelowTheVapourPressure) {
  const double pv120 = if97::SaturationPressure(120 + if97::kZeroCelsius) * 10;
  EXPECT_NEAR(pv120, 1.9867, 0.0001);
  const double outlet = 1 + kAtmosphere - 0.5;
  EXPECT_TRUE(IsFlashing(outlet, pv120));
  EXPECT_FALSE(IsFlashing(outlet, kVapour90));
  EXPECT_TRUE(IsFlashing(outlet, outlet));
}

// Glycol at −8 °C: water's vapour pressure at the triple point, 611.657 Pa, stands for the
// solution's; with ρ 1060, P1 4 bar gauge, ΔP 0.25 and 10 m³/h the standard gives
// Kv = 10·√((1060/999.10)/0.25) = 20.60, far from choking (FL²·(P1 − FF·Pv) = 4.06 bar).
TEST(GlycolVapourPressureTest, BelowFreezingWaterAtItsTriplePoint) {
  const std::optional<GlycolVapourPressure> pv = GlycolVapourPressureAt(-8);
  ASSERT_TRUE(pv);
  EXPECT_NEAR(pv->pressure, 0.00611657, 1e-8);
  EXPECT_TRUE(pv->triplePointBound);
  const iec::LiquidSizing s =
      iec::SizeLiquid(10, 1060, 4 + kAtmosphere, 0.25, pv->pressure, kWaterCritical, 0.9);
  EXPECT_FALSE(s.choked);
  EXPECT_NEAR(s.chokedDrop, 4.06, 0.005);
  EXPECT_NEAR(s.kv, 20.60, 0.005);
}

// From 0 °C up, water's own vapour pressure at T (2.3393 kPa at 20 °C); −40 °C to 350 °C only.
TEST(GlycolVapourPressureTest, WatersOwnAboveFreezingAndTheRange) {
  const std::optional<GlycolVapourPressure> at20 = GlycolVapourPressureAt(20);
  ASSERT_TRUE(at20);
  EXPECT_NEAR(at20->pressure, 0.023393, 1e-6);
  EXPECT_FALSE(at20->triplePointBound);
  EXPECT_NEAR(GlycolVapourPressureAt(0)->pressure, 0.00611213, 1e-8);
  EXPECT_TRUE(GlycolVapourPressureAt(-40));
  EXPECT_FALSE(GlycolVapourPressureAt(-40.5));
  EXPECT_TRUE(GlycolVapourPressureAt(350));
  EXPECT_FALSE(GlycolVapourPressureAt(351));
}

// 6 kgf/cm² gauge is 6·0.980665 = 5.884 bar, 6.897 bar absolute, where the form's one kgf/cm²
// per bar makes it 7.013; bar and kPa pass unchanged.
TEST(CheckPressureUnitsTest, KilogramForceAtItsRealValue) {
  EXPECT_DOUBLE_EQ(CheckPressureFactor(0), 1.0);
  EXPECT_DOUBLE_EQ(CheckPressureFactor(1), 0.01);
  EXPECT_DOUBLE_EQ(CheckPressureFactor(2), 0.980665);
  EXPECT_DOUBLE_EQ(CheckPressureFactor(-1), 1.0);
  EXPECT_DOUBLE_EQ(CheckPressureFactor(3), 1.0);
  EXPECT_NEAR(RealBarFromFormBar(6, 2) + kAtmosphere, 6.897, 0.0005);
  EXPECT_DOUBLE_EQ(RealBarFromFormBar(6, 0), 6);
  EXPECT_DOUBLE_EQ(RealBarFromFormBar(0.06, 1), 0.06);
  EXPECT_DOUBLE_EQ(RealBarFromFormBar(6, -1), 6);
}

}  // namespace
}  // namespace selvio
