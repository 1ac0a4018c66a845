#include "engine/selection.h"

#include <gtest/gtest.h>

#include <functional>

#include "tests/engine_fixture.h"

namespace selvio {
namespace {

using test::CandidateNames;
using test::EngineFixture;
using test::MakeRegulator;
using test::MakeValve;

using Code = SelectionMessageCode;

// The refusals with the bounds the form's messages give ("Должно быть 1<K<1.25", "Значение
// настройки может быть 0.2<P<8"; their words are tested in selection_words_test.cpp).
const SelectionMessage kPressureOrder{Code::OutletPressureNotBelowInlet,
                                      InputField::OutletPressure};
const SelectionMessage kSafetyFactor{Code::SafetyFactorOutOfRange, InputField::SafetyFactor, 1,
                                     1.25};
const SelectionMessage kDelta{Code::RelativeDropOutOfRange, InputField::RelativeDrop, 0.01, 0.42};
const SelectionMessage kDpSetting{Code::SettingOutOfRange, InputField::Setting, 0.2, 8};
const SelectionMessage kReducingSetting{Code::SettingOutOfRange, InputField::Setting, 0.4, 16};
const SelectionMessage kWaterDrop{Code::DropNotPositive, InputField::PressureDrop};
const SelectionMessage kGlycolDrop{Code::DropZero, InputField::PressureDrop};
const SelectionMessage kDensity{Code::DensityNotPositive, InputField::Density};
const SelectionMessage kInletPressure{Code::InletPressureNotPositive, InputField::InletPressure};
const SelectionMessage kNothingFound{Code::NoValveFits};
const SelectionMessage kFlow{Code::FlowNotPositive, InputField::Flow};

constexpr ProductKind kValve = ProductKind::ControlValve;
constexpr ProductKind kDp = ProductKind::DpRegulator;
constexpr ProductKind kReducing = ProductKind::ReducingValve;
constexpr Medium kWater = Medium::Water;
constexpr Medium kGlycol = Medium::Glycol;
constexpr Medium kSteam = Medium::Steam;

struct ValidationCase {
  const char* name;
  ProductKind product;
  Medium medium;
  float k;
  float p1;
  float p2;
  float drop;
  float setting;
  float density;
  SelectionMessage message;  // None: accepted
};

class ValidationTest : public ::testing::TestWithParam<ValidationCase> {};

// The request as the form captures it: K is 1 unless asked for, the flow in base units.
TEST_P(ValidationTest, ChecksInOrderWithInclusiveBounds) {
  const ValidationCase& c = GetParam();
  EngineFixture f;
  f.request.product = c.product;
  f.request.medium = c.medium;
  f.request.useSafetyFactor = c.k != 1;
  f.request.safetyFactor = c.k;
  f.request.p1 = c.p1;
  f.request.p2 = c.p2;
  f.request.drop = c.drop;
  f.request.setting = c.setting;
  f.request.density = c.density;
  const SelectionOutcome outcome = f.Run();
  if (c.message.code == Code::None) {
    EXPECT_NE(outcome, InvalidInput);
    // Nothing is in the empty catalogue: the outcome's own message, no refusal.
    EXPECT_EQ(f.result.message, OutcomeMessage(outcome, false));
  } else {
    EXPECT_EQ(outcome, InvalidInput);
    EXPECT_EQ(f.result.message, c.message);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ValidationTest,
    ::testing::Values(
        ValidationCase{"equal_pressures", kValve, kWater, 1, 5, 5, 0.25f, 1, 0, kPressureOrder},
        ValidationCase{
            "equal_pressures_steam_skips_check", kValve, kSteam, 1, 5, 5, 0.25f, 1, 0, {}},
        ValidationCase{"pressures_before_k", kValve, kWater, 2, 3, 5, 0.25f, 1, 0, kPressureOrder},
        ValidationCase{"k_upper_bound", kValve, kWater, 1.25f, 6, 3, 0.25f, 1, 0, {}},
        ValidationCase{"k_above", kValve, kWater, 1.26f, 6, 3, 0.25f, 1, 0, kSafetyFactor},
        ValidationCase{"k_below", kValve, kWater, 0.99f, 6, 3, 0.25f, 1, 0, kSafetyFactor},
        ValidationCase{"delta_0_01_is_below_in_float", kValve, kSteam, 1, 5, 0, 0.01f, 1, 0,
                       kDelta},
        ValidationCase{"delta_0_011", kValve, kSteam, 1, 5, 0, 0.011f, 1, 0, {}},
        ValidationCase{"delta_0_42", kValve, kSteam, 1, 5, 0, 0.42f, 1, 0, {}},
        ValidationCase{"delta_0_5_reducing", kReducing, kSteam, 1, 5, 0, 0.5f, 1, 0, kDelta},
        ValidationCase{"dp_setting_0_2", kDp, kWater, 1, 6, 3, 0.25f, 0.2f, 0, {}},
        ValidationCase{"dp_setting_8", kDp, kWater, 1, 6, 3, 0.25f, 8, 0, {}},
        ValidationCase{"dp_setting_8_01", kDp, kWater, 1, 6, 3, 0.25f, 8.01f, 0, kDpSetting},
        ValidationCase{"dp_setting_before_delta", kDp, kSteam, 1, 6, 3, 0.9f, 9, 0, kDpSetting},
        ValidationCase{"reducing_setting_16", kReducing, kWater, 1, 6, 3, 0.25f, 16, 0, {}},
        ValidationCase{"reducing_setting_16_5", kReducing, kWater, 1, 6, 3, 0.25f, 16.5f, 0,
                       kReducingSetting},
        ValidationCase{"reducing_setting_0_39", kReducing, kWater, 1, 6, 3, 0.25f, 0.39f, 0,
                       kReducingSetting},
        ValidationCase{"water_zero_drop_refused", kValve, kWater, 1, 6, 3, 0, 1, 0, kWaterDrop},
        ValidationCase{"water_negative_drop_refused", kDp, kWater, 1, 6, 3, -1, 1, 0, kWaterDrop},
        ValidationCase{"glycol_zero_drop_refused", kValve, kGlycol, 1, 6, 3, 0, 1, 1040,
                       kGlycolDrop},
        ValidationCase{
            "glycol_negative_drop_accepted", kValve, kGlycol, 1, 6, 3, -0.25f, 1, 1040, {}},
        ValidationCase{"glycol_zero_density_refused", kValve, kGlycol, 1, 6, 3, 0.25f, 1, 0,
                       kDensity},
        ValidationCase{"steam_zero_inlet_refused", kValve, kSteam, 1, 0, 3, 0.25f, 1, 0,
                       kInletPressure}),
    [](const auto& row) { return std::string(row.param.name); });

// A flow of zero or below is refused in every medium and for every product, after every other
// check: with water at ΔP 0.25 bar and K 1, G = −5 would give Kv = −5/√0.25 = −10 and G = 0 a Kv
// of 0, which any valve's Kvs passes; a refused earlier check keeps its own message.
struct FlowCase {
  const char* name;
  ProductKind product;
  Medium medium;
  float flow;
  float p2;
  float setting;
  SelectionMessage message;  // code None: sized
};

class FlowTest : public ::testing::TestWithParam<FlowCase> {};

TEST_P(FlowTest, ZeroOrNegativeFlowIsRefused) {
  const FlowCase& c = GetParam();
  EngineFixture f;
  f.catalogue->valves.Append(MakeValve("V", 50, 25));
  f.catalogue->dpRegulators.Append(MakeRegulator("RD"));
  f.catalogue->reducingValves.Append(MakeRegulator("RK"));
  f.request.product = c.product;
  f.request.medium = c.medium;
  f.request.flow = c.flow;
  f.request.p2 = c.p2;
  f.request.setting = c.setting;
  const SelectionOutcome outcome = f.Run();
  if (c.message.code == Code::None) {
    EXPECT_EQ(outcome, Found);
    EXPECT_GT(f.result.kv, 0.0f);
  } else {
    EXPECT_EQ(outcome, InvalidInput);
    EXPECT_EQ(f.result.message, c.message);
    EXPECT_EQ(f.result.kv, 0.0f);
    EXPECT_EQ(CandidateCount(f.result), 0);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FlowTest,
    ::testing::Values(FlowCase{"water_negative", kValve, kWater, -5, 3, 1, kFlow},
                      FlowCase{"water_zero", kValve, kWater, 0, 3, 1, kFlow},
                      FlowCase{"water_tiny_positive", kValve, kWater, 0.001f, 3, 1, {}},
                      FlowCase{"glycol_negative", kValve, kGlycol, -5, 3, 1, kFlow},
                      FlowCase{"steam_zero", kValve, kSteam, 0, 3, 1, kFlow},
                      FlowCase{"dp_regulator_negative", kDp, kWater, -5, 3, 1, kFlow},
                      FlowCase{"reducing_valve_zero", kReducing, kWater, 0, 3, 1, kFlow},
                      FlowCase{"pressures_first", kValve, kWater, -5, 7, 1, kPressureOrder},
                      FlowCase{"setting_first", kDp, kWater, 0, 3, 9, kDpSetting}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(RunSelectionTest, KvIsStoredAndPsatLookedUp) {
  EngineFixture f;
  f.saturation.temperatures = {80, 90, 100};
  f.saturation.pressures = {0.47f, 0.70f, 1.01f};
  f.saturation.count = 3;
  EXPECT_EQ(f.Run(), NothingFound);
  EXPECT_FLOAT_EQ(f.result.kv, 20.0f);
  EXPECT_FLOAT_EQ(f.result.psat, 0.70f);
}

TEST(RunSelectionTest, RefusalClearsTheListsAndTheNumbers) {
  EngineFixture f;
  f.request.checkCavitation = true;
  ValveRecord v = MakeValve("V", 50, 25);
  v.z = 0.4f;  // 3 > 0.4·(6 − 0) = 2.4: cavitation is possible
  f.catalogue->valves.Append(v);
  ASSERT_EQ(f.Run(), Found);
  ASSERT_GT(f.result.dpv, 0.0f);
  ASSERT_TRUE(f.result.cavitationWarning);
  f.request.p2 = 7;
  EXPECT_EQ(f.Run(), InvalidInput);
  EXPECT_TRUE(f.result.valveCandidates.empty());
  EXPECT_EQ(f.result.kv, 0.0f);
  EXPECT_EQ(f.result.dpv, 0.0f);
  EXPECT_EQ(f.result.velocity, 0.0f);
  EXPECT_FALSE(f.result.cavitationWarning);
}

TEST(RunSelectionTest, RefusalOfAnUnreadableFieldEmptiesTheResult) {
  EngineFixture f;
  f.catalogue->valves.Append(MakeValve("V", 50, 25));
  ASSERT_EQ(f.Run(), Found);
  const SelectionMessage message{Code::FieldWithoutNumber, InputField::Flow};
  RefuseSelection(f.result, message);
  EXPECT_EQ(f.result.outcome, InvalidInput);
  EXPECT_EQ(f.result.message, message);
  EXPECT_TRUE(f.result.valveCandidates.empty());
  EXPECT_EQ(f.result.kv, 0.0f);
  EXPECT_EQ(f.result.dpv, 0.0f);
}

TEST(RunSelectionTest, NoMediumChosenFindsNothing) {
  EngineFixture f;
  f.request.medium = Medium::None;
  f.catalogue->valves.Append(MakeValve("V", 50, 25));
  EXPECT_EQ(f.Run(), NothingFound);
  EXPECT_TRUE(f.result.valveCandidates.empty());
  EXPECT_EQ(f.result.kv, 0.0f);
  EXPECT_EQ(f.result.message, kNothingFound);
}

TEST(OutcomeMessageTest, ByOutcomeAndHint) {
  EXPECT_EQ(OutcomeMessage(Found, false).code, Code::None);
  EXPECT_EQ(OutcomeMessage(InvalidInput, true).code, Code::None);
  EXPECT_EQ(OutcomeMessage(NoActuator, true).code, Code::NoActuatorTryStainlessThermostat);
  EXPECT_EQ(OutcomeMessage(NoActuator, false).code, Code::NoActuatorFits);
  EXPECT_EQ(OutcomeMessage(NothingFound, false), kNothingFound);
  EXPECT_EQ(OutcomeMessage(NothingFound, true), kNothingFound);
}

TEST(EngineTest, SizesARequestAndLeavesTheOutcomeWithItsMessage) {
  EngineFixture f;
  f.catalogue->valves.Append(MakeValve("V16", 50, 16));
  f.catalogue->valves.Append(MakeValve("V25", 50, 25));

  f.Run();
  EXPECT_EQ(f.result.outcome, Found);
  EXPECT_EQ(f.result.message.code, Code::None);
  EXPECT_FLOAT_EQ(f.result.kv, 20.0f);
  EXPECT_EQ(CandidateNames(f.result), std::vector<QString>{"V25"});

  f.request.p2 = 6;
  f.Run();
  EXPECT_EQ(f.result.outcome, InvalidInput);
  EXPECT_EQ(f.result.message, kPressureOrder);
  EXPECT_TRUE(f.result.valveCandidates.empty());

  f.request.p2 = 3;
  f.request.flow = 20;  // Kv 40
  f.Run();
  EXPECT_EQ(f.result.outcome, NothingFound);
  EXPECT_EQ(f.result.message, kNothingFound);
}

TEST(EngineTest, AResetResultIsAFreshOneThatKeepsItsStorage) {
  EngineFixture f;
  f.catalogue->valves.Append(MakeValve("V25", 50, 25));
  f.Run();
  f.result.shownActuator = 3;
  f.result.stainlessHint = true;
  const ValveCandidate* storage = f.result.valveCandidates.data();
  ResetSelectionResult(f.result);
  EXPECT_EQ(f.result.valveCandidates.data(), storage);
  EXPECT_TRUE(f.result.valveCandidates.empty());
  EXPECT_EQ(f.result.outcome, NothingFound);
  EXPECT_EQ(f.result.message.code, Code::None);
  EXPECT_EQ(f.result.kv, 0.0f);
  EXPECT_EQ(f.result.shownActuator, 0);
  EXPECT_FALSE(f.result.stainlessHint);
}

}  // namespace
}  // namespace selvio

// What the result carries for the product shown, computed by the engine alone.
namespace selvio {
namespace {

// Water, P1 6, P2 3 bar, 90 °C (Psat 0.70 bar), ΔP 0.25 bar, G 5 m³/h: Kv = 5/√0.25 = 10.
// Two valves fit, in this order: Kvs 16 DN 32 and Kvs 25 DN 40 (one diameter step apart).
struct ShownProductFixture : EngineFixture {
  ShownProductFixture() {
    saturation.temperatures = {80, 90, 100};
    saturation.pressures = {0.47f, 0.70f, 1.01f};
    saturation.count = 3;
    request.flow = 5;
    request.checkCavitation = true;
    ValveRecord first = MakeValve("V32", 32, 16);
    first.z = 0.6f;  // 0.6·(6 − 0.70) = 3.18 > 3: no cavitation
    ValveRecord second = MakeValve("V40", 40, 25);
    second.z = 0.5f;  // 0.5·(6 − 0.70) = 2.65 < 3: cavitation is possible
    catalogue->valves.Append(first);
    catalogue->valves.Append(second);
  }
};

// dPv = (5/16)² = 0.097656 bar; V = 4·10⁶·5 / (11309.4·32²) = 1.72699 m/s.
TEST(ShownProductTest, TheResultAloneCarriesTheFiguresOfTheFirstCandidate) {
  ShownProductFixture f;
  ASSERT_EQ(f.Run(), Found);
  ASSERT_EQ(CandidateNames(f.result), (std::vector<QString>{"V32", "V40"}));
  EXPECT_EQ(f.result.shownCandidate, 0);
  EXPECT_FLOAT_EQ(f.result.kv, 10.0f);
  EXPECT_FLOAT_EQ(f.result.psat, 0.70f);
  EXPECT_NEAR(f.result.dpv, 0.097656, 1e-6);
  EXPECT_NEAR(f.result.velocity, 1.72699, 1e-5);
  EXPECT_FALSE(f.result.cavitationWarning);
}

// The second: dPv = (5/25)² = 0.04 bar; V = 4·10⁶·5 / (11309.4·40²) = 1.10528 m/s.
TEST(ShownProductTest, ShowCandidateRecomputesTheFiguresForAnotherCandidate) {
  ShownProductFixture f;
  ASSERT_EQ(f.Run(), Found);
  ShowCandidate(f.result, f.request, f.saturation, {1, -1});
  EXPECT_EQ(f.result.shownCandidate, 1);
  EXPECT_EQ(f.result.shownActuator, -1);
  EXPECT_NEAR(f.result.dpv, 0.04, 1e-6);
  EXPECT_NEAR(f.result.velocity, 1.10528, 1e-5);
  EXPECT_TRUE(f.result.cavitationWarning);
  EXPECT_FLOAT_EQ(f.result.kv, 10.0f);  // the calculation's own figures stay
  EXPECT_FLOAT_EQ(f.result.psat, 0.70f);

  ShowCandidate(f.result, f.request, f.saturation, {0, -1});
  EXPECT_NEAR(f.result.dpv, 0.097656, 1e-6);
  EXPECT_NEAR(f.result.velocity, 1.72699, 1e-5);
  EXPECT_FALSE(f.result.cavitationWarning);
}

TEST(ShownProductTest, NoFiguresForACandidateTheListDoesNotHold) {
  ShownProductFixture f;
  ASSERT_EQ(f.Run(), Found);
  ShowCandidate(f.result, f.request, f.saturation, {2, -1});
  EXPECT_EQ(f.result.dpv, 0.0f);
  EXPECT_EQ(f.result.velocity, 0.0f);
  EXPECT_FALSE(f.result.cavitationWarning);
}

struct CavitationCase {
  const char* name;
  std::function<void(ShownProductFixture&)> change;
  bool warning;  // for the second candidate, whose z 0.5 lets it cavitate
};

class CavitationWarningTest : public ::testing::TestWithParam<CavitationCase> {};

TEST_P(CavitationWarningTest, RaisedForTheShownProductWhenAskedFor) {
  ShownProductFixture f;
  GetParam().change(f);
  ASSERT_EQ(f.Run(), Found);
  ShowCandidate(f.result, f.request, f.saturation, {1, -1});
  EXPECT_EQ(f.result.cavitationWarning, GetParam().warning);
}

void MakeThreeWay(ShownProductFixture& f) {
  f.request.valveKind = ValveKind::ThreeWay;
  f.request.wantMixing = true;
  for (int i = 0; i < f.catalogue->valves.count; ++i) {
    f.catalogue->valves[i].valveKind = ValveKind::ThreeWay;
    f.catalogue->valves[i].mixing = 1;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CavitationWarningTest,
    ::testing::Values(
        CavitationCase{"two_way_asked", [](ShownProductFixture&) {}, true},
        CavitationCase{"not_asked",
                       [](ShownProductFixture& f) { f.request.checkCavitation = false; }, false},
        CavitationCase{"three_way_valve_never", MakeThreeWay, false},
        // 0.5·(6 − 0) = 3, not exceeded by 3: Psat counts (the table ends below 101 °C).
        CavitationCase{"above_the_table_psat_is_zero",
                       [](ShownProductFixture& f) { f.request.temperature = 101; }, false}),
    [](const auto& row) { return std::string(row.param.name); });

// A regulator shows its own figures and is checked for cavitation without the two-way condition:
// Kvs 16 DN 32 and z 0.5 as the valve above.
TEST(ShownProductTest, RegulatorFiguresAndCavitation) {
  for (ProductKind product : {ProductKind::DpRegulator, ProductKind::ReducingValve}) {
    ShownProductFixture f;
    f.request.product = product;
    RegulatorRecord r = MakeRegulator("R", 32, 16);
    r.z = 0.5f;
    (product == ProductKind::DpRegulator ? f.catalogue->dpRegulators : f.catalogue->reducingValves)
        .Append(r);
    ASSERT_EQ(f.Run(), Found);
    EXPECT_TRUE(f.result.valveCandidates.empty());
    EXPECT_NEAR(f.result.dpv, 0.097656, 1e-6);
    EXPECT_NEAR(f.result.velocity, 1.72699, 1e-5);
    EXPECT_TRUE(f.result.cavitationWarning);
  }
}

// Steam of 100 kg/h at P1 6 bar, δ 0.25 and 20 °C through a steam-rated DN 32 valve:
// dPv = 0.25·6 = 1.5 bar; V = 4·10⁶·100 / (3600·3.1415·998.23·32²) = 0.034601 m/s.
TEST(ShownProductTest, SteamFiguresOfASteamRatedValve) {
  EngineFixture f;
  f.request.medium = Medium::Steam;
  f.request.flow = 100;
  f.request.temperature = 20;
  f.catalogue->valves.Append(MakeValve("V32", 32, 16));
  ASSERT_EQ(f.Run(), Found);
  EXPECT_FLOAT_EQ(f.result.dpv, 1.5f);
  EXPECT_NEAR(f.result.velocity, 0.034601, 1e-6);
}

// The figures of the previous calculation do not outlive one that shows nothing.
TEST(ShownProductTest, NothingShownLeavesNoFigures) {
  ShownProductFixture f;
  ASSERT_EQ(f.Run(), Found);
  ShowCandidate(f.result, f.request, f.saturation, {1, -1});
  ASSERT_TRUE(f.result.cavitationWarning);
  f.request.flow = 50;  // Kv 100
  EXPECT_EQ(f.Run(), NothingFound);
  EXPECT_EQ(f.result.dpv, 0.0f);
  EXPECT_EQ(f.result.velocity, 0.0f);
  EXPECT_FALSE(f.result.cavitationWarning);
  EXPECT_FLOAT_EQ(f.result.kv, 100.0f);
}

// Two valves with electric actuators: the first offers two, the second one.
struct ChoiceFixture : EngineFixture {
  ChoiceFixture() {
    request.matchActuators = true;
    request.actuator.actuatorKind = ActuatorKind::Electric;
    for (const char* name : {"E1", "E2"}) {
      ElectricActuatorRecord e;
      e.name = name;
      catalogue->electricActuators.Append(e);
    }
    ValveRecord first = MakeValve("V1", 50, 25);
    ValveRecord second = MakeValve("V2", 50, 25);
    for (auto [valve, names] :
         {std::pair{&first, QStringList{"E1", "E2"}}, std::pair{&second, QStringList{"E2"}}}) {
      for (const QString& name : names) {
        ActuatorLink link;
        link.name = name;
        link.forWater = 1;
        link.maxPressureDrop = 10;
        AppendBounded(valve->electricLinks, valve->electricLinkCount, link);
      }
    }
    catalogue->valves.Append(first);
    catalogue->valves.Append(second);
  }
};

TEST(HoldsChoiceTest, ACandidateOfTheListAndOneOfItsActuators) {
  ChoiceFixture f;
  ASSERT_EQ(f.Run(), Found);
  ASSERT_EQ(CountOf(f.result.valveCandidates[0].electricActuators), 2);
  struct Row {
    const char* name;
    CandidateChoice choice;
    bool holds;
  };
  const Row rows[] = {{"first pair", {0, 0}, true},
                      {"second actuator of the first", {0, 1}, true},
                      {"actuator beyond the first's", {0, 2}, false},
                      {"only actuator of the second", {1, 0}, true},
                      {"actuator beyond the second's", {1, 1}, false},
                      {"candidate beyond the list", {2, 0}, false},
                      {"negative candidate", {-1, 0}, false},
                      {"no actuator for a valve that has some", {0, -1}, false}};
  for (const Row& row : rows) EXPECT_EQ(HoldsChoice(f.result, row.choice), row.holds) << row.name;
}

TEST(HoldsChoiceTest, CandidatesWithoutActuatorsTakeMinusOne) {
  ChoiceFixture f;
  f.request.matchActuators = false;
  ASSERT_EQ(f.Run(), Found);
  EXPECT_TRUE(HoldsChoice(f.result, {1, -1}));
  EXPECT_FALSE(HoldsChoice(f.result, {1, 0}));
  EXPECT_FALSE(HoldsChoice(f.result, {2, -1}));

  f.request.product = ProductKind::DpRegulator;
  f.catalogue->dpRegulators.Append(MakeRegulator("DP"));
  ASSERT_EQ(f.Run(), Found);
  EXPECT_TRUE(HoldsChoice(f.result, {0, -1}));
  EXPECT_FALSE(HoldsChoice(f.result, {0, 0}));
  EXPECT_FALSE(HoldsChoice(f.result, {1, -1}));

  f.request.flow = 100;  // Kv 200: nothing
  ASSERT_EQ(f.Run(), NothingFound);
  EXPECT_FALSE(HoldsChoice(f.result, {0, -1}));
  EXPECT_FALSE(HoldsChoice(f.result, {0, 0}));
}

}  // namespace
}  // namespace selvio
