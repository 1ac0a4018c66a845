#include "engine/product_check.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/code_printers.h"

namespace selvio {
namespace {

// Figures below come from hand calculations with water properties out of IAPWS-IF97 as steam
// tables print them (and as Debian's python3-iapws gives them); absolute pressure = gauge +
// 1.01325 bar, ρ0 = 999.10329 kg/m³, FL = 0.9, xT = 0.72, ln 50 = 3.912023.

constexpr FlowCharacteristic kEqualPercentage = FlowCharacteristic::EqualPercentage;
constexpr FlowCharacteristic kLinear = FlowCharacteristic::Linear;

ProductCheckInput Liquid(CheckMedium medium, int temperature, double p1, double drop, double flow,
                         double kvs, double dn, FlowCharacteristic characteristic) {
  ProductCheckInput input;
  input.point.medium = medium;
  input.point.temperature = temperature;
  input.point.p1 = p1;
  input.point.drop = drop;
  input.point.flow = flow;
  input.product.kvs = kvs;
  input.product.dn = dn;
  input.product.characteristic = characteristic;
  input.list = {{QStringLiteral("Клапан"), kvs}};
  return input;
}

ProductCheckInput Water(int temperature, double p1, double drop, double flow, double kvs, double dn,
                        FlowCharacteristic characteristic = kEqualPercentage) {
  return Liquid(CheckMedium::Water, temperature, p1, drop, flow, kvs, dn, characteristic);
}

ProductCheckInput Steam(double p1, double delta, double flow, double kvs, double dn) {
  ProductCheckInput input = Water(20, p1, delta, flow, kvs, dn);
  input.point.medium = CheckMedium::Steam;
  return input;
}

// The warning of `code`, or none.
std::optional<CheckWarning> WarningOf(const ProductCheck& check, CheckWarningCode code) {
  for (const CheckWarning& warning : check.warnings) {
    if (warning.code == code) return warning;
  }
  return std::nullopt;
}

// Water at 90 °C, 3 bar g, ΔP 0.5 bar, 5 m³/h, equal-percentage Kvs 25 in DN 40:
//   P1 = 4.01325 bar; Pv(90 °C) = 0.701824 bar; ρ(90 °C, 4.013 bar) = 965.456 kg/m³;
//   FF = 0.96 − 0.28·√(0.701824/220.64) = 0.944208;
//   ΔPmax = 0.81·(4.01325 − 0.944208·0.701824) = 2.71397 bar > 0.5: not choked;
//   Kv = 5·√((965.456/999.10329)/0.5) = 6.95098; x_F = 0.5/(4.01325 − 0.701824) = 0.150992;
//   Kv/Kvs = 27.804 %, lift = 1 + ln(0.278039)/ln 50 = 67.28 %;
//   V = 5/3600/(π·0.04²/4) = 1.1052 m/s; P2 = 4.01325 − 0.5 = 3.51325 bar.
TEST(ProductCheckTest, WaterAt90DegreesHandCalculation) {
  const ProductCheck c = CheckProduct(Water(90, 3, 0.5, 5, 25, 40));
  ASSERT_EQ(c.status, CheckStatus::Computed);
  EXPECT_FALSE(c.isSteam);
  EXPECT_NEAR(c.p1, 4.01325, 1e-12);
  EXPECT_NEAR(c.p2, 3.51325, 1e-12);
  EXPECT_NEAR(*c.vapourPressure, 0.701824, 1e-6);
  EXPECT_NEAR(*c.rho, 965.456, 1e-3);
  EXPECT_NEAR(*c.ff, 0.944208, 1e-6);
  EXPECT_NEAR(*c.chokedDrop, 2.71397, 1e-5);
  EXPECT_FALSE(c.choked);
  EXPECT_NEAR(*c.kvIec, 6.95098, 1e-5);
  EXPECT_NEAR(*c.kvRequired, 6.95098, 1e-5);
  EXPECT_NEAR(*c.xF, 0.150992, 1e-6);
  EXPECT_NEAR(*c.openingPercent, 27.804, 1e-3);
  EXPECT_NEAR(*c.liftPercent, 67.28, 0.005);
  EXPECT_NEAR(*c.velocity, 1.1052, 1e-4);
  EXPECT_FALSE(c.gamma || c.expansion || c.saturationTemperature || c.outletDensity);
  EXPECT_TRUE(c.warnings.empty()) << ::testing::PrintToString(c.warnings);
  // "Kvs достаточен: по МЭК требуется Kv 6.95 ≤ Kvs 25."
  EXPECT_FALSE(c.flags.kvExceedsKvs);
  EXPECT_EQ(c.kvs, 25);
  EXPECT_EQ(c.safetyFactor, 1);
  EXPECT_FALSE(c.suggestion);
}

// Saturated steam at 6 bar g, δ = 0.2, 500 kg/h, equal-percentage Kvs 16 in DN 40:
//   P1 = 7.01325 bar, Ts = 165.03 °C; saturated vapour (IF97 region 2) ρ1 = 3.67274 kg/m³,
//   w = 497.551 m/s; γ = 497.551²·3.67274/701325 = 1.29642; Fγ = 1.29642/1.4 = 0.926015;
//   Fγ·xT = 0.666731 > 0.2: not choked; Y = 1 − 0.2/(3·0.666731) = 0.900010;
//   Kv = 500/(3.16·0.900010·√(0.2·701.325·3.67274)) = 7.74579;
//   P2 = 7.01325·0.8 = 5.6106 bar, ρ2 = 2.97428 kg/m³, V = 500/3600/2.97428/(π·0.04²/4)
//   = 37.16 m/s (inside the advised 15–40 m/s); Kv/Kvs = 48.41 %, lift 81.46 % (above the band).
TEST(ProductCheckTest, SaturatedSteamAt6BarGaugeHandCalculation) {
  const ProductCheck c = CheckProduct(Steam(6, 0.2, 500, 16, 40));
  ASSERT_EQ(c.status, CheckStatus::Computed);
  EXPECT_TRUE(c.isSteam);
  EXPECT_NEAR(*c.saturationTemperature, 165.03, 0.005);
  EXPECT_NEAR(*c.rho, 3.67274, 1e-5);
  EXPECT_NEAR(*c.gamma, 1.29642, 1e-5);
  EXPECT_NEAR(*c.fGamma, 0.926015, 1e-6);
  EXPECT_NEAR(*c.chokedRatio, 0.666731, 1e-6);
  EXPECT_FALSE(c.choked);
  EXPECT_NEAR(*c.expansion, 0.900010, 1e-6);
  EXPECT_NEAR(*c.kvIec, 7.74579, 1e-5);
  EXPECT_NEAR(c.p2, 5.6106, 1e-9);
  EXPECT_NEAR(c.drop, 1.40265, 1e-9);
  EXPECT_NEAR(*c.outletDensity, 2.97428, 1e-5);
  EXPECT_NEAR(*c.velocity, 37.16, 0.005);
  EXPECT_NEAR(*c.openingPercent, 48.411, 1e-3);
  EXPECT_NEAR(*c.liftPercent, 81.456, 1e-3);
  EXPECT_FALSE(c.xF);
  EXPECT_FALSE(c.vapourPressure || c.ff || c.chokedDrop);
  EXPECT_TRUE(c.flags.noReserve);
  EXPECT_FALSE(c.flags.velocityAboveAdvice || c.flags.velocityBelowAdvice || c.flags.velocityHigh);
  ASSERT_EQ(c.warnings.size(), 1u);
  EXPECT_EQ(c.warnings[0].code, CheckWarningCode::LiftAboveBand);
  EXPECT_NEAR(c.warnings[0].figure, 81.456, 1e-3);
}

// The same steam through DN 25: V = 500/3600/2.97428/(π·0.025²/4) = 95.13 m/s > 60 m/s.
TEST(ProductCheckTest, SteamTooFastInTheConnection) {
  const ProductCheck c = CheckProduct(Steam(6, 0.2, 500, 16, 25));
  EXPECT_NEAR(*c.velocity, 95.13, 0.005);
  EXPECT_TRUE(c.flags.velocityHigh);
  const std::optional<CheckWarning> fast = WarningOf(c, CheckWarningCode::VelocityAboveLimit);
  ASSERT_TRUE(fast);
  EXPECT_NEAR(fast->figure, 95.13, 0.005);
  EXPECT_EQ(fast->bound, 60);
}

// δ = 0.7 lies beyond Fγ·xT = 0.666731: choked, x taken as 0.666731, Y = 2/3,
// Kv = 500/(3.16·(2/3)·√(0.666731·701.325·3.67274)) = 5.72722.
TEST(ProductCheckTest, SteamChokedBeyondFGammaXt) {
  const ProductCheck c = CheckProduct(Steam(6, 0.7, 500, 16, 40));
  ASSERT_EQ(c.status, CheckStatus::Computed);
  EXPECT_TRUE(c.choked);
  EXPECT_TRUE(c.flags.choked);
  EXPECT_NEAR(*c.expansion, 2.0 / 3, 1e-12);
  EXPECT_NEAR(*c.kvIec, 5.72722, 1e-5);
  const std::optional<CheckWarning> choked = WarningOf(c, CheckWarningCode::ChokedSteam);
  ASSERT_TRUE(choked);
  EXPECT_EQ(choked->figure, 0.7);
  EXPECT_NEAR(choked->bound, 0.666731, 1e-6);
}

// 40 % ethylene glycol, ρ = 1040 kg/m³, 20 °C, 4 bar g, ΔP 0.25 bar, 10 m³/h, linear Kvs 40 in
// DN 50: Kv = 10·√((1040/999.10329)/0.25) = 20.4052; water at the same point (ρ = 998.389 at
// 20 °C, 5.013 bar) needs 19.9928: the denser liquid needs the larger Kv. Pv is water's,
// 0.023392 bar: x_F = 0.25/(5.01325 − 0.023392) = 0.050102. Linear lift = Kv/Kvs = 51.01 %.
TEST(ProductCheckTest, GlycolTakesTheDensityField) {
  ProductCheckInput input = Liquid(CheckMedium::Glycol, 20, 4, 0.25, 10, 40, 50, kLinear);
  input.point.density = 1040;
  const ProductCheck glycol = CheckProduct(input);
  ASSERT_EQ(glycol.status, CheckStatus::Computed);
  EXPECT_DOUBLE_EQ(*glycol.rho, 1040);
  EXPECT_NEAR(*glycol.kvIec, 20.4052, 1e-4);
  EXPECT_NEAR(*glycol.xF, 0.050102, 1e-6);
  EXPECT_NEAR(*glycol.liftPercent, 51.013, 1e-3);
  EXPECT_NEAR(*glycol.velocity, 1.4147, 1e-4);
  EXPECT_TRUE(glycol.warnings.empty());

  const ProductCheck water = CheckProduct(Water(20, 4, 0.25, 10, 40, 50, kLinear));
  EXPECT_NEAR(*water.kvIec, 19.9928, 1e-4);
  EXPECT_GT(*glycol.kvIec, *water.kvIec);
}

// Hot water at 130 °C, 3 bar g, ΔP 1.5 bar, 10 m³/h, Kvs 16: Pv = 2.702596 bar,
// FF = 0.96 − 0.28·√(2.702596/220.64) = 0.929011, ΔPmax = 0.81·(4.01325 − 0.929011·2.702596)
// = 1.21703 bar ≤ 1.5: choked; ρ(130 °C, 4.013 bar) = 934.900 kg/m³,
// Kv = 10·√((934.900/999.10329)/1.21703) = 8.76852; x_F = 1.5/(4.01325 − 2.702596) = 1.14447.
TEST(ProductCheckTest, HotWaterChokedAndCavitating) {
  const ProductCheck c = CheckProduct(Water(130, 3, 1.5, 10, 16, 40));
  ASSERT_EQ(c.status, CheckStatus::Computed);
  EXPECT_TRUE(c.choked);
  EXPECT_NEAR(*c.chokedDrop, 1.21703, 1e-5);
  EXPECT_NEAR(*c.kvIec, 8.76852, 1e-5);
  EXPECT_NEAR(*c.xF, 1.14447, 1e-5);
  EXPECT_TRUE(c.flags.choked);
  EXPECT_TRUE(c.flags.cavitation);
  // Both come first, in the order of the calculation; the lift's warning follows.
  ASSERT_GE(c.warnings.size(), 2u);
  EXPECT_EQ(c.warnings[0], (CheckWarning{CheckWarningCode::ChokedLiquid, 1.5, *c.chokedDrop}));
  EXPECT_EQ(c.warnings[1], (CheckWarning{CheckWarningCode::Cavitation, *c.xF, 0.5}));
}

// The cavitation warning starts at x_F = 0.5: 20 °C water at 1 bar g (P1 = 2.01325 bar,
// Pv = 0.023392 bar): x_F = ΔP/1.989858, so ΔP 0.99 bar gives 0.4975 and 1.0 bar 0.5025.
TEST(ProductCheckTest, CavitationWarningFromHalf) {
  EXPECT_FALSE(CheckProduct(Water(20, 1, 0.99, 5, 16, 40)).flags.cavitation);
  EXPECT_TRUE(CheckProduct(Water(20, 1, 1.0, 5, 16, 40)).flags.cavitation);
}

// Water at 150 °C boils at 3 bar g: Pv(150 °C) = 4.76101 bar > P1 = 4.01325 bar.
TEST(ProductCheckTest, BoilingAtTheInletGivesNoKv) {
  const ProductCheck c = CheckProduct(Water(150, 3, 0.5, 5, 16, 40));
  EXPECT_EQ(c.status, CheckStatus::BoilingAtInlet);
  EXPECT_TRUE(c.flags.boilingAtInlet);
  EXPECT_NEAR(*c.vapourPressure, 4.76101, 1e-5);
  EXPECT_FALSE(c.kvIec || c.kvRequired || c.openingPercent || c.liftPercent || c.velocity || c.xF);
  // "Расчет по МЭК невозможен: при 150 °C среда вскипает на входе (Pv 4.76 бар > P1 4.01 бар
  // абс.)."
  EXPECT_EQ(c.temperature, 150);
  EXPECT_NEAR(c.p1, 4.01325, 1e-12);
  EXPECT_EQ(
      c.warnings,
      (std::vector<CheckWarning>{{CheckWarningCode::BoilingAtInlet, *c.vapourPressure, c.p1}}));
  // At 4 bar g (5.01325 bar) the same water stays liquid.
  EXPECT_EQ(CheckProduct(Water(150, 4, 0.5, 5, 16, 40)).status, CheckStatus::Computed);
}

// 0.5 m³/h at ΔP 1 bar, 20 °C, 5 bar g: ρ = 998.435, Kv = 0.5·√(0.999325/1) = 0.499833.
// Equal-percentage Kvs 40: Kv/Kvs = 1.25 % < 2 % (1/50): below the controllable range, lift 0.
// Linear Kvs 6.3: lift 7.93 % < 10 %: oversized, inside the range.
TEST(ProductCheckTest, OversizedValves) {
  const ProductCheck equal = CheckProduct(Water(20, 5, 1.0, 0.5, 40, 50));
  EXPECT_NEAR(*equal.kvIec, 0.499833, 1e-6);
  EXPECT_NEAR(*equal.openingPercent, 1.2496, 1e-4);
  EXPECT_DOUBLE_EQ(*equal.liftPercent, 0);
  EXPECT_TRUE(equal.flags.belowControllableRange);
  EXPECT_TRUE(equal.flags.oversized);
  // Below the range the lift's own warning gives way to it.
  EXPECT_EQ(equal.warnings, (std::vector<CheckWarning>{{CheckWarningCode::BelowControllableRange,
                                                        *equal.openingPercent}}));
  EXPECT_EQ(equal.characteristicChart.workingPoint->x, 0);

  const ProductCheck linear = CheckProduct(Water(20, 5, 1.0, 0.5, 6.3, 50, kLinear));
  EXPECT_NEAR(*linear.liftPercent, 7.934, 1e-3);
  EXPECT_FALSE(linear.flags.belowControllableRange);
  EXPECT_TRUE(linear.flags.oversized);
  EXPECT_EQ(linear.warnings,
            (std::vector<CheckWarning>{{CheckWarningCode::LiftBelowBand, *linear.liftPercent}}));
}

// 10 m³/h at ΔP 0.25 bar, 20 °C, 5 bar g: Kv = 10·√((998.435/999.10329)/0.25) = 19.9933,
// beyond a Kvs of 16 (124.96 %). The list holds Kvs 16 (shown), 10, 25, 40 and another 25: the
// first 25 is the smallest that would do.
TEST(ProductCheckTest, KvsInsufficientNamesTheSmallestSufficientCandidate) {
  ProductCheckInput input = Water(20, 5, 0.25, 10, 16, 50);
  input.list = {{QStringLiteral("ВК 40"), 16},
                {QStringLiteral("ВК 32"), 10},
                {QStringLiteral("ВК 50"), 25},
                {QStringLiteral("ВК 65"), 40},
                {QStringLiteral("ВК 50Н"), 25}};
  const ProductCheck c = CheckProduct(input);
  EXPECT_NEAR(*c.kvIec, 19.9933, 1e-4);
  EXPECT_NEAR(*c.openingPercent, 124.958, 1e-3);
  EXPECT_NEAR(*c.liftPercent, 105.70, 0.005);
  EXPECT_TRUE(c.flags.kvsInsufficient);
  EXPECT_FALSE(c.flags.noReserve);
  EXPECT_TRUE(c.flags.kvExceedsKvs);
  EXPECT_EQ(c.suggestion, 2);
  ASSERT_TRUE(c.suggestedProduct);
  EXPECT_EQ(c.suggestedProduct->name, QStringLiteral("ВК 50"));
  EXPECT_EQ(c.suggestedProduct->kvs, 25);
  const std::optional<CheckWarning> short_ = WarningOf(c, CheckWarningCode::KvsInsufficient);
  ASSERT_TRUE(short_);
  EXPECT_NEAR(short_->figure, 124.958, 1e-3);
}

TEST(ProductCheckTest, KvsInsufficientWithNoLargerCandidate) {
  ProductCheckInput input = Water(20, 5, 0.25, 10, 16, 50);
  input.list = {{QStringLiteral("ВК 40"), 16}, {QStringLiteral("ВК 32"), 10}};
  const ProductCheck c = CheckProduct(input);
  EXPECT_TRUE(c.flags.kvExceedsKvs);
  EXPECT_FALSE(c.suggestion);
  EXPECT_FALSE(c.suggestedProduct);
}

// The verdict compares Kv·K: Kv 19.9933 fits a Kvs of 20 (99.97 %, lift 99.99 %: no reserve),
// but with K = 1.1 the standard asks for 21.99.
TEST(ProductCheckTest, SafetyFactorEntersTheVerdictNotTheOpening) {
  ProductCheckInput input = Water(20, 5, 0.25, 10, 20, 50);
  input.point.safetyFactor = 1.1;
  input.list = {{QStringLiteral("ВК 50"), 20}, {QStringLiteral("ВК 65"), 32}};
  const ProductCheck c = CheckProduct(input);
  EXPECT_NEAR(*c.kvRequired, 21.9926, 1e-4);
  EXPECT_FALSE(c.flags.kvsInsufficient);
  EXPECT_TRUE(c.flags.noReserve);
  EXPECT_TRUE(c.flags.kvExceedsKvs);
  EXPECT_EQ(c.safetyFactor, 1.1);
  ASSERT_TRUE(c.suggestedProduct);
  EXPECT_EQ(c.suggestedProduct->name, QStringLiteral("ВК 65"));
}

// 5 m³/h in DN 15: V = 5/3600/(π·0.015²/4) = 7.8595 m/s > 5 m/s; in DN 25 2.829 m/s is within
// the advised 3 m/s; in DN 20 4.421 m/s is above the advice but below the limit.
TEST(ProductCheckTest, LiquidVelocityAdviceAndLimit) {
  const ProductCheck fast = CheckProduct(Water(20, 3, 0.5, 5, 10, 15));
  EXPECT_NEAR(*fast.velocity, 7.8595, 1e-4);
  EXPECT_TRUE(fast.flags.velocityHigh);
  EXPECT_FALSE(fast.flags.velocityAboveAdvice);
  const ProductCheck brisk = CheckProduct(Water(20, 3, 0.5, 5, 10, 20));
  EXPECT_NEAR(*brisk.velocity, 4.421, 1e-3);
  EXPECT_TRUE(brisk.flags.velocityAboveAdvice);
  EXPECT_FALSE(brisk.flags.velocityHigh);
  const std::optional<CheckWarning> advice =
      WarningOf(brisk, CheckWarningCode::LiquidVelocityAboveAdvice);
  ASSERT_TRUE(advice);
  EXPECT_EQ(advice->figure, *brisk.velocity);
  const ProductCheck calm = CheckProduct(Water(20, 3, 0.5, 5, 10, 25));
  EXPECT_FALSE(calm.flags.velocityAboveAdvice || calm.flags.velocityHigh);
  EXPECT_FALSE(CheckProduct(Water(20, 3, 0.5, 5, 10, 0)).velocity);
}

// A regulator, or a valve whose characteristic is neither, has no lift and no characteristic
// picture; its opening still counts.
TEST(ProductCheckTest, NoLiftForRegulatorsAndOtherCharacteristics) {
  ProductCheckInput regulator = Water(90, 3, 0.5, 5, 25, 40);
  regulator.product.isRegulator = true;
  const ProductCheck c = CheckProduct(regulator);
  EXPECT_NEAR(*c.openingPercent, 27.804, 1e-3);
  EXPECT_FALSE(c.liftPercent);
  EXPECT_TRUE(c.characteristicChart.curve.empty());
  EXPECT_FALSE(c.characteristicChart.workingPoint);
  EXPECT_FALSE(c.flags.oversized || c.flags.noReserve);

  EXPECT_FALSE(CheckProduct(Water(90, 3, 0.5, 5, 25, 40, FlowCharacteristic::Other)).liftPercent);
}

TEST(ProductCheckTest, RatingChartHoldsThePairsAndTheWorkingPoint) {
  ProductCheckInput input = Water(90, 3, 0.5, 5, 25, 40);
  input.product.rating = {{20, 16}, {120, 13}, {150, 12}};
  const ProductCheck c = CheckProduct(input);
  ASSERT_EQ(c.ratingChart.curve.size(), 3u);
  EXPECT_EQ(c.ratingChart.curve[1].x, 120);
  EXPECT_EQ(c.ratingChart.curve[1].y, 13);
  EXPECT_EQ(c.ratingChart.workingPoint.x, 90);
  EXPECT_EQ(c.ratingChart.workingPoint.y, 3);  // gauge, as the rating
}

// Equal percentage: Kv/Kvs = 50^(h − 1): 2 % at no lift, 100/√50 = 14.142 % at half lift, 100 %
// at full lift; linear: Kv/Kvs = h. The working point is (lift, Kv/Kvs) of the hand calculation
// above (67.28 %, 27.804 %), the band 10–70 %.
TEST(ProductCheckTest, CharacteristicChartData) {
  const ProductCheck c = CheckProduct(Water(90, 3, 0.5, 5, 25, 40));
  const CharacteristicChart& chart = c.characteristicChart;
  ASSERT_EQ(chart.curve.size(), 101u);
  EXPECT_NEAR(chart.curve[0].y, 2, 1e-12);
  EXPECT_EQ(chart.curve[50].x, 50);
  EXPECT_NEAR(chart.curve[50].y, 14.142136, 1e-6);
  EXPECT_NEAR(chart.curve[100].y, 100, 1e-12);
  ASSERT_TRUE(chart.workingPoint);
  EXPECT_NEAR(chart.workingPoint->x, 67.28, 0.005);
  EXPECT_NEAR(chart.workingPoint->y, 27.804, 1e-3);
  EXPECT_EQ(chart.bandLow, 10);
  EXPECT_EQ(chart.bandHigh, 70);

  const ProductCheck linear = CheckProduct(Water(90, 3, 0.5, 5, 25, 40, kLinear));
  EXPECT_NEAR(linear.characteristicChart.curve[37].y, 37, 1e-12);
}

TEST(ProductCheckTest, NotesStateTheFactorsAndTheirSource) {
  const ProductCheck c = CheckProduct(Water(90, 3, 0.5, 5, 25, 40));
  EXPECT_EQ(c.fl, 0.9);
  EXPECT_EQ(c.xt, 0.72);
  EXPECT_EQ(c.notes, (std::vector<CheckNote>{
                         CheckNote::TypicalValveFactors, CheckNote::FittingsAndTurbulence,
                         CheckNote::WaterProperties, CheckNote::AbsolutePressure}));
  EXPECT_EQ(CheckProduct(Steam(6, 0.2, 500, 16, 40)).notes[2], CheckNote::SteamProperties);
  ProductCheckInput glycol = Liquid(CheckMedium::Glycol, 20, 4, 0.25, 10, 40, 50, kLinear);
  glycol.point.density = 1040;
  EXPECT_EQ(CheckProduct(glycol).notes[2], CheckNote::GlycolProperties);
}

struct RefusalCase {
  const char* name;
  ProductCheckInput input;
  CheckRefusal refusal;
};

class ProductCheckRefusalTest : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(ProductCheckRefusalTest, GivesNoKvAndSaysWhy) {
  const ProductCheck c = CheckProduct(GetParam().input);
  EXPECT_EQ(c.status, CheckStatus::OutOfRange);
  EXPECT_FALSE(c.kvIec || c.openingPercent || c.liftPercent);
  EXPECT_EQ(c.refusal, GetParam().refusal);
}

ProductCheckInput WithoutKvs() { return Water(20, 3, 0.5, 5, 0, 40); }
ProductCheckInput FrozenWater() { return Water(-5, 3, 0.5, 5, 16, 40); }
ProductCheckInput NegativeDrop() { return Water(20, 3, -0.5, 5, 16, 40); }
ProductCheckInput DropBeyondP1() { return Water(20, 1, 2.5, 5, 16, 40); }
ProductCheckInput ZeroFlow() { return Water(20, 3, 0.5, 0, 16, 40); }
ProductCheckInput GlycolWithoutDensity() {
  return Liquid(CheckMedium::Glycol, 20, 3, 0.5, 5, 16, 40, kLinear);
}
ProductCheckInput SupercriticalSteam() { return Steam(170, 0.2, 500, 16, 40); }
ProductCheckInput ZeroSafetyFactor() {
  ProductCheckInput input = Water(20, 3, 0.5, 5, 16, 40);
  input.point.safetyFactor = 0;
  return input;
}
// 1000 bar is the upper pressure of IAPWS-IF97 region 1: 999 bar g is 1000.01325 bar absolute.
ProductCheckInput WaterAbove1000Bar() { return Water(20, 999, 0.5, 5, 16, 40); }
// −1.5 bar g lies below the absolute zero of pressure (−1.01325 bar g).
ProductCheckInput VacuumInlet() { return Water(20, -1.5, 0.5, 5, 16, 40); }
ProductCheckInput SteamDeltaOfOne() { return Steam(6, 1, 500, 16, 40); }

INSTANTIATE_TEST_SUITE_P(
    Inputs, ProductCheckRefusalTest,
    ::testing::Values(
        RefusalCase{"no_kvs", WithoutKvs(), CheckRefusal::NoKvs},
        RefusalCase{"below_zero_celsius", FrozenWater(), CheckRefusal::TemperatureOutsideWater},
        RefusalCase{"negative_drop", NegativeDrop(), CheckRefusal::DropNotPositive},
        RefusalCase{"drop_beyond_p1", DropBeyondP1(), CheckRefusal::DropNotBelowInletPressure},
        RefusalCase{"zero_flow", ZeroFlow(), CheckRefusal::FlowNotPositive},
        RefusalCase{"zero_safety_factor", ZeroSafetyFactor(),
                    CheckRefusal::SafetyFactorNotPositive},
        RefusalCase{"glycol_without_density", GlycolWithoutDensity(),
                    CheckRefusal::DensityNotPositive},
        RefusalCase{"water_above_region_1", WaterAbove1000Bar(),
                    CheckRefusal::InletPressureAboveWater},
        RefusalCase{"vacuum_inlet", VacuumInlet(), CheckRefusal::InletPressureNotPositive},
        RefusalCase{"steam_delta_of_one", SteamDeltaOfOne(), CheckRefusal::RelativeDropOutsideUnit},
        RefusalCase{"steam_above_region_2", SupercriticalSteam(),
                    CheckRefusal::SteamPressureOutsideSaturation}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace selvio
