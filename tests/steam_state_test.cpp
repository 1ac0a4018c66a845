#include "engine/steam_state.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace selvio {
namespace {

constexpr double kAtmosphere = 1.01325;  // bar

void ExpectRelative(double actual, double expected, double tolerance) {
  EXPECT_NEAR(actual / expected, 1.0, tolerance)
      << "actual " << actual << ", expected " << expected;
}

// Saturated steam at 21 bar gauge (22.013 bar absolute) with the temperature field at 120 °C:
// steam at that pressure is at Ts = 217.29 °C (steam tables: 217.24 °C at 22 bar), so the state
// is saturated at Ts and the field is replaced. Dry saturated vapour there has ρ'' = 11.032
// kg/m³ (v'' = 0.09064 m³/kg) and h'' = 2800.2 kJ/kg. Throttled at δ = 0.2 to 17.611 bar, where
// h'' = 2795.9 kJ/kg < 2800.2, it comes out slightly superheated: 207.60 °C, 8.8235 kg/m³.
// (IF97 figures from python3-iapws.)
TEST(SteamStateTest, SaturatedAt21BarGaugeIsTakenAtItsSaturationTemperature) {
  const double p1 = 21 + kAtmosphere;
  const SteamState s = SteamStateAt(p1, 120, p1 * 0.8);
  ASSERT_EQ(s.outOfRange, SteamLimit::None);
  EXPECT_EQ(s.state, MediumState::Saturated);
  EXPECT_NEAR(s.saturationTemperature, 217.287, 0.001);
  EXPECT_DOUBLE_EQ(s.temperature, s.saturationTemperature);
  EXPECT_TRUE(s.temperatureReplaced);
  ExpectRelative(s.inletDensity, 11.03246, 1e-6);
  ExpectRelative(s.isentropicExponent, 1.276911, 1e-6);
  ExpectRelative(s.inletEnthalpy, 2800.213, 1e-6);
  EXPECT_EQ(s.outletState, MediumState::Superheated);
  EXPECT_NEAR(s.outletTemperature, 207.604, 0.001);
  ExpectRelative(s.outletDensity, 8.823544, 1e-6);
  EXPECT_DOUBLE_EQ(s.outletDryness, 1);
}

// Superheated steam at 6 bar gauge, 210 °C: Ts at 7.013 bar is 165.03 °C, so T lies 45 K above
// it. ρ1 = 3.259 kg/m³ (steam tables: v = 0.3068 m³/kg at 7 bar, 210 °C) and γ = w²·ρ1/P1 =
// 1.304; h1 = 2867.5 kJ/kg, which at P2 = 0.8·P1 = 5.611 bar is steam of 206.83 °C and
// 2.6068 kg/m³.
TEST(SteamStateTest, SuperheatedAt6BarGauge210Degrees) {
  const double p1 = 6 + kAtmosphere;
  const SteamState s = SteamStateAt(p1, 210, p1 * 0.8);
  ASSERT_EQ(s.outOfRange, SteamLimit::None);
  EXPECT_EQ(s.state, MediumState::Superheated);
  EXPECT_NEAR(s.saturationTemperature, 165.029, 0.001);
  EXPECT_DOUBLE_EQ(s.temperature, 210);
  EXPECT_FALSE(s.temperatureReplaced);
  EXPECT_NEAR(s.inletDensity, 3.259, 0.0005);
  EXPECT_NEAR(s.isentropicExponent, 1.304, 0.0005);
  ExpectRelative(s.inletEnthalpy, 2867.508, 1e-6);
  EXPECT_EQ(s.outletState, MediumState::Superheated);
  EXPECT_NEAR(s.outletTemperature, 206.830, 0.001);
  ExpectRelative(s.outletDensity, 2.606831, 1e-6);
}

// Saturated steam at 100 bar throttled to 50 bar: h''(100 bar) = 2725.5 kJ/kg lies below
// h''(50 bar) = 2794.2, so the steam leaves wet at Ts(50 bar) = 263.94 °C with
// x = (2725.5 − 1154.5)/(2794.2 − 1154.5) = 0.9581 and ρ = 1/(x·v'' + (1 − x)·v') = 26.42
// kg/m³ (v'' = 0.03945, v' = 0.001286 m³/kg).
TEST(SteamStateTest, ThrottledBelowTheSaturatedVapourLeavesWet) {
  const SteamState s = SteamStateAt(100, 300, 50);
  ASSERT_EQ(s.outOfRange, SteamLimit::None);
  EXPECT_EQ(s.state, MediumState::Saturated);
  EXPECT_EQ(s.outletState, MediumState::Saturated);
  EXPECT_NEAR(s.outletTemperature, 263.943, 0.001);
  EXPECT_NEAR(s.outletDryness, 0.95807, 0.00001);
  ExpectRelative(s.outletDensity, 26.42273, 1e-6);
}

struct MarginCase {
  const char* name;
  double offset;  // K from Ts
  MediumState state;
  bool replaced;
};

// Within 0.5 K above Ts the steam counts as saturated; below Ts it is saturated all the same,
// and more than 0.5 K from Ts the field's temperature is replaced.
class SaturationMarginTest : public ::testing::TestWithParam<MarginCase> {};

TEST_P(SaturationMarginTest, StateAndReplacement) {
  const MarginCase& c = GetParam();
  const double p1 = 5;
  const double ts = SteamStateAt(p1, 0, p1).saturationTemperature;
  const SteamState s = SteamStateAt(p1, ts + c.offset, 4);
  EXPECT_EQ(s.state, c.state);
  EXPECT_EQ(s.temperatureReplaced, c.replaced);
  EXPECT_DOUBLE_EQ(s.temperature, c.state == MediumState::Saturated ? ts : ts + c.offset);
}

INSTANTIATE_TEST_SUITE_P(
    AroundTs, SaturationMarginTest,
    ::testing::Values(MarginCase{"at_ts", 0, MediumState::Saturated, false},
                      MarginCase{"above_0_4", 0.4, MediumState::Saturated, false},
                      MarginCase{"above_0_6", 0.6, MediumState::Superheated, false},
                      MarginCase{"below_0_4", -0.4, MediumState::Saturated, false},
                      MarginCase{"below_0_6", -0.6, MediumState::Saturated, true},
                      MarginCase{"far_below", -100, MediumState::Saturated, true}),
    [](const auto& row) { return std::string(row.param.name); });

struct LimitCase {
  const char* name;
  double p1;
  double t;
  double p2;
  SteamLimit limit;
};

// The state is taken only on the saturation line of region 2 (0.00611213–165.29 bar) and up to
// 800 °C, with the outlet not above the inlet.
class SteamLimitTest : public ::testing::TestWithParam<LimitCase> {};

TEST_P(SteamLimitTest, OutOfRange) {
  const LimitCase& c = GetParam();
  EXPECT_EQ(SteamStateAt(c.p1, c.t, c.p2).outOfRange, c.limit);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, SteamLimitTest,
    ::testing::Values(LimitCase{"inlet_above_region_2", 170, 400, 100, SteamLimit::InletPressure},
                      LimitCase{"inlet_below_triple_point", 0.006, 20, 0.005,
                                SteamLimit::InletPressure},
                      LimitCase{"inlet_at_the_end_of_region_2", 165.29, 350, 100, SteamLimit::None},
                      LimitCase{"above_800", 10, 801, 8, SteamLimit::Temperature},
                      LimitCase{"no_temperature", 10, std::numeric_limits<double>::quiet_NaN(), 8,
                                SteamLimit::Temperature},
                      LimitCase{"outlet_above_inlet", 10, 200, 11, SteamLimit::OutletPressure},
                      LimitCase{"outlet_vacuum", 10, 200, 0.001, SteamLimit::OutletPressure},
                      LimitCase{"outlet_equal", 10, 200, 10, SteamLimit::None}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace selvio
