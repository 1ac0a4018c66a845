#include "engine/selection.h"

#include <gtest/gtest.h>

#include <clocale>
#include <functional>

#include "tests/engine_fixture.h"

namespace selvio {
namespace {

using test::EngineFixture;
using test::MakeValve;

const QString kPressureOrder = QString::fromUtf8("Должно быть Р2<Р1");
const QString kSafetyFactor = QString::fromUtf8("Должно быть 1<K<1.25");
const QString kDelta = QString::fromUtf8("Относительный перепад давления может быть 0.01<δ<0.42");
const QString kDpSetting = QString::fromUtf8("Значение настройки может быть 0.2<P<8");
const QString kReducingSetting = QString::fromUtf8("Значение настройки может быть 0.4<P<16");
const QString kWaterDrop =
    QString::fromUtf8("Перепад давления на клапане ΔP должен быть больше нуля");
const QString kGlycolDrop =
    QString::fromUtf8("Перепад давления на клапане ΔP не может быть равен нулю");
const QString kDensity = QString::fromUtf8("Плотность среды должна быть больше нуля");
const QString kInletPressure = QString::fromUtf8("Входное давление Р1 должно быть больше нуля");

struct ValidationCase {
  const char* name;
  int product;
  int medium;
  bool useK;
  const char* k;
  const char* p1;
  const char* p2;
  const char* drop;
  const char* setting;
  const char* density;
  QString message;  // empty: accepted
};

class ValidationTest : public ::testing::TestWithParam<ValidationCase> {};

TEST_P(ValidationTest, ChecksInOrderWithInclusiveBounds) {
  const ValidationCase& c = GetParam();
  EngineFixture f;
  f.ChooseProduct(c.product);
  f.ChooseMedium(c.medium);
  f.Check(ids::kUseSafetyFactor, c.useK);
  f.Type(ids::kSafetyFactor, c.k);
  f.Type(ids::kP1, c.p1);
  f.Type(ids::kP2, c.p2);
  f.Type(ids::kDrop, c.drop);
  f.Type(ids::kSetting, c.setting);
  f.Type(ids::kDensity, c.density);
  SelectionForm form = f.Form();
  const SelectionOutcome outcome = RunSelection(form);
  if (c.message.isEmpty()) {
    EXPECT_NE(outcome, InvalidInput);
    EXPECT_TRUE(f.controls.Messages().isEmpty()) << f.controls.Messages().join('|').toStdString();
  } else {
    EXPECT_EQ(outcome, InvalidInput);
    EXPECT_EQ(f.controls.Messages(), QStringList{c.message});
  }
  EXPECT_EQ(f.result->outcome, outcome);
}

constexpr int kValve = ids::kControlValve;
constexpr int kDp = ids::kDpRegulator;
constexpr int kReducing = ids::kReducingValve;
constexpr int kWater = ids::kWater;
constexpr int kGlycol = ids::kGlycol;
constexpr int kSteam = ids::kSteam;

INSTANTIATE_TEST_SUITE_P(
    Cases, ValidationTest,
    ::testing::Values(
        ValidationCase{"equal_pressures", kValve, kWater, false, "1", "5", "5", "0.25", "1", "0",
                       kPressureOrder},
        ValidationCase{"equal_pressures_steam_skips_check",
                       kValve,
                       kSteam,
                       false,
                       "1",
                       "5",
                       "5",
                       "0.25",
                       "1",
                       "0",
                       {}},
        ValidationCase{"pressures_before_k", kValve, kWater, true, "2", "3", "5", "0.25", "1", "0",
                       kPressureOrder},
        ValidationCase{"k_unchecked_forced_to_one",
                       kValve,
                       kWater,
                       false,
                       "3",
                       "6",
                       "3",
                       "0.25",
                       "1",
                       "0",
                       {}},
        ValidationCase{
            "k_upper_bound", kValve, kWater, true, "1.25", "6", "3", "0.25", "1", "0", {}},
        ValidationCase{"k_above", kValve, kWater, true, "1.26", "6", "3", "0.25", "1", "0",
                       kSafetyFactor},
        ValidationCase{"k_below", kValve, kWater, true, "0.99", "6", "3", "0.25", "1", "0",
                       kSafetyFactor},
        ValidationCase{"delta_0_01_is_below_in_float", kValve, kSteam, false, "1", "5", "0", "0.01",
                       "1", "0", kDelta},
        ValidationCase{"delta_0_011", kValve, kSteam, false, "1", "5", "0", "0.011", "1", "0", {}},
        ValidationCase{"delta_0_42", kValve, kSteam, false, "1", "5", "0", "0.42", "1", "0", {}},
        ValidationCase{"delta_0_5_reducing", kReducing, kSteam, false, "1", "5", "0", "0.5", "1",
                       "0", kDelta},
        ValidationCase{"dp_setting_0_2", kDp, kWater, false, "1", "6", "3", "0.25", "0.2", "0", {}},
        ValidationCase{"dp_setting_8", kDp, kWater, false, "1", "6", "3", "0.25", "8", "0", {}},
        ValidationCase{"dp_setting_8_01", kDp, kWater, false, "1", "6", "3", "0.25", "8.01", "0",
                       kDpSetting},
        ValidationCase{"dp_setting_before_delta", kDp, kSteam, false, "1", "6", "3", "0.9", "9",
                       "0", kDpSetting},
        ValidationCase{
            "reducing_setting_16", kReducing, kWater, false, "1", "6", "3", "0.25", "16", "0", {}},
        ValidationCase{"reducing_setting_16_5", kReducing, kWater, false, "1", "6", "3", "0.25",
                       "16.5", "0", kReducingSetting},
        ValidationCase{"reducing_setting_0_39", kReducing, kWater, false, "1", "6", "3", "0.25",
                       "0.39", "0", kReducingSetting},
        ValidationCase{"water_zero_drop_refused", kValve, kWater, false, "1", "6", "3", "0", "1",
                       "0", kWaterDrop},
        ValidationCase{"water_negative_drop_refused", kDp, kWater, false, "1", "6", "3", "-1", "1",
                       "0", kWaterDrop},
        ValidationCase{"glycol_zero_drop_refused", kValve, kGlycol, false, "1", "6", "3", "0", "1",
                       "1040", kGlycolDrop},
        ValidationCase{"glycol_negative_drop_accepted",
                       kValve,
                       kGlycol,
                       false,
                       "1",
                       "6",
                       "3",
                       "-0.25",
                       "1",
                       "1040",
                       {}},
        ValidationCase{"glycol_zero_density_refused", kValve, kGlycol, false, "1", "6", "3", "0.25",
                       "1", "0", kDensity},
        ValidationCase{"steam_zero_inlet_refused", kValve, kSteam, false, "1", "0", "3", "0.25",
                       "1", "0", kInletPressure},
        ValidationCase{"unreadable_drop_refused_by_name", kValve, kWater, false, "1", "6", "3",
                       "abc", "1", "0", QString::fromUtf8("Поле «ΔP» не содержит числа")}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(CaptureRequestTest, ConvertsUnitsAndReadsDecimalComma) {
  struct Case {
    const char* p1;
    int p1Unit;
    float expectedP1;
  };
  for (const Case& c : {Case{"6,5", 1, 0.065f}, Case{"250", 1, 2.5f}, Case{"2.5", 2, 2.5f},
                        Case{"2.5 бар", 0, 2.5f}}) {
    EngineFixture f;
    f.Type(ids::kP1, QString::fromUtf8(c.p1));
    f.SelectUnit(ids::kP1Unit, c.p1Unit);
    SelectionForm form = f.Form();
    CaptureRequest(form);
    EXPECT_FLOAT_EQ(f.request.p1, c.expectedP1) << c.p1;
  }
}

TEST(CaptureRequestTest, TemperatureIsReadAsWholeDegrees) {
  EngineFixture f;
  f.Type(ids::kTemperature, "75,6");
  SelectionForm form = f.Form();
  CaptureRequest(form);
  EXPECT_EQ(f.request.temperature, 75);
}

// A field the calculation uses whose text holds no number refuses the calculation by name,
// before any other check, even when an earlier calculation read a number there. Each case
// starts after a calculation that found a valve (Kv 20 against Kvs 25).
struct UnreadableCase {
  const char* name;
  std::function<void(EngineFixture&)> setup;
  const char* field;  // nullptr: the calculation goes on
};

class UnreadableFieldTest : public ::testing::TestWithParam<UnreadableCase> {};

TEST_P(UnreadableFieldTest, RefusesByNameOrGoesOn) {
  const UnreadableCase& c = GetParam();
  EngineFixture f;
  f.catalogue->valves.Append(MakeValve("V", 50, 25));
  SelectionForm first = f.Form();
  ASSERT_EQ(RunSelection(first), Found);
  c.setup(f);
  SelectionForm form = f.Form();
  const SelectionOutcome outcome = RunSelection(form);
  if (c.field == nullptr) {
    EXPECT_NE(outcome, InvalidInput);
    EXPECT_TRUE(f.controls.Messages().isEmpty()) << f.controls.Messages().join('|').toStdString();
    return;
  }
  const QString message =
      QString::fromUtf8("Поле «%1» не содержит числа").arg(QString::fromUtf8(c.field));
  EXPECT_EQ(outcome, InvalidInput);
  EXPECT_EQ(f.controls.Messages(), QStringList{message});
  EXPECT_EQ(f.result->valveCandidateCount, 0);
  EXPECT_EQ(f.result->kv, 0.0f);
}

void Clear(EngineFixture& f, int id) { f.Type(id, ""); }

INSTANTIATE_TEST_SUITE_P(
    Cases, UnreadableFieldTest,
    ::testing::Values(
        UnreadableCase{"cleared_flow_is_not_the_previous_one",
                       [](EngineFixture& f) { Clear(f, ids::kFlow); }, "G"},
        UnreadableCase{"blank_inlet_pressure", [](EngineFixture& f) { f.Type(ids::kP1, "   "); },
                       "Р1"},
        UnreadableCase{"letters_in_outlet_pressure",
                       [](EngineFixture& f) { f.Type(ids::kP2, "бар"); }, "Р2"},
        UnreadableCase{"letters_in_temperature",
                       [](EngineFixture& f) { f.Type(ids::kTemperature, "abc"); }, "Т"},
        UnreadableCase{"empty_drop", [](EngineFixture& f) { Clear(f, ids::kDrop); }, "ΔP"},
        UnreadableCase{"empty_relative_drop_for_steam",
                       [](EngineFixture& f) {
                         f.ChooseMedium(ids::kSteam);
                         Clear(f, ids::kDrop);
                       },
                       "δ"},
        UnreadableCase{"empty_k_while_ticked",
                       [](EngineFixture& f) {
                         f.Check(ids::kUseSafetyFactor);
                         Clear(f, ids::kSafetyFactor);
                       },
                       "K"},
        UnreadableCase{"empty_density_for_glycol",
                       [](EngineFixture& f) {
                         f.ChooseMedium(ids::kGlycol);
                         Clear(f, ids::kDensity);
                       },
                       "Плотность среды"},
        UnreadableCase{"empty_setting_for_a_regulator",
                       [](EngineFixture& f) {
                         f.ChooseProduct(ids::kDpRegulator);
                         Clear(f, ids::kSetting);
                       },
                       "Требуемый перепад давления (настройка)"},
        UnreadableCase{"empty_thermostat_temperature_when_asked",
                       [](EngineFixture& f) {
                         f.actuatorSectionOn = true;
                         f.Check(ids::kThermostat);
                         Clear(f, ids::kMaintainedTemperature);
                       },
                       "Поддерживаемая температура"},
        UnreadableCase{"first_in_form_order",
                       [](EngineFixture& f) {
                         Clear(f, ids::kFlow);
                         Clear(f, ids::kP1);
                         f.Check(ids::kUseSafetyFactor);
                         f.Type(ids::kSafetyFactor, "x");
                       },
                       "K"},
        UnreadableCase{"before_the_pressure_order_check",
                       [](EngineFixture& f) {
                         Clear(f, ids::kP1);
                         f.Type(ids::kP2, "7");
                       },
                       "Р1"},
        UnreadableCase{"hidden_outlet_pressure_for_steam",
                       [](EngineFixture& f) {
                         f.ChooseMedium(ids::kSteam);
                         Clear(f, ids::kP2);
                       },
                       nullptr},
        UnreadableCase{"k_not_ticked", [](EngineFixture& f) { Clear(f, ids::kSafetyFactor); },
                       nullptr},
        UnreadableCase{"density_for_water", [](EngineFixture& f) { Clear(f, ids::kDensity); },
                       nullptr},
        UnreadableCase{"setting_for_a_valve", [](EngineFixture& f) { Clear(f, ids::kSetting); },
                       nullptr},
        UnreadableCase{"thermostat_temperature_with_the_section_off",
                       [](EngineFixture& f) {
                         f.Check(ids::kThermostat);
                         Clear(f, ids::kMaintainedTemperature);
                       },
                       nullptr},
        UnreadableCase{"a_number_followed_by_a_unit",
                       [](EngineFixture& f) { f.Type(ids::kFlow, "10 м3/ч"); }, nullptr}),
    [](const auto& row) { return std::string(row.param.name); });

// An empty K with its box ticked used to count as 1: a safety factor nobody typed.
TEST(CaptureRequestTest, EmptyTickedKIsNotTakenAsOne) {
  EngineFixture f;
  f.Check(ids::kUseSafetyFactor);
  f.Type(ids::kSafetyFactor, "");
  SelectionForm form = f.Form();
  EXPECT_EQ(CaptureRequest(form), QString::fromUtf8("Поле «K» не содержит числа"));
}

TEST(CaptureRequestTest, LastCheckedRadioDecidesConnectionAndWays) {
  EngineFixture f;
  f.Check(ids::kThreaded);
  f.Check(ids::kThreeWay);
  SelectionForm form = f.Form();
  CaptureRequest(form);
  EXPECT_EQ(f.request.connection, kThreaded);
  EXPECT_EQ(f.request.valveKind, kThreeWay);
  f.Check(ids::kFlanged, false);
  f.Check(ids::kThreaded, false);
  CaptureRequest(form);
  EXPECT_EQ(f.request.connection, kConnectionNotGiven);
}

TEST(CaptureRequestTest, NumbersReadTheSameInRussianLocale) {
  if (!std::setlocale(LC_ALL, "ru_RU.UTF-8")) GTEST_SKIP() << "ru_RU.UTF-8 is not installed";
  EngineFixture f;
  f.Type(ids::kP1, "2.5");
  f.Type(ids::kP2, "1,5");
  f.Type(ids::kFlow, " 0.25 л/с");
  SelectionForm form = f.Form();
  CaptureRequest(form);
  std::setlocale(LC_ALL, "C");
  EXPECT_FLOAT_EQ(f.request.p1, 2.5f);
  EXPECT_FLOAT_EQ(f.request.p2, 1.5f);
  EXPECT_FLOAT_EQ(f.request.flow, 0.25f);
}

struct FlowCase {
  int medium;
  const char* flow;
  int unit;
  float expected;  // m³/h or kg/h
};

class FlowUnitsTest : public ::testing::TestWithParam<FlowCase> {};

TEST_P(FlowUnitsTest, ConvertsByMediumAndUnitIndex) {
  EngineFixture f;
  f.ChooseMedium(GetParam().medium);
  f.Type(ids::kFlow, GetParam().flow);
  f.SelectUnit(ids::kFlowUnit, GetParam().unit);
  f.Type(ids::kDrop, "0.25");
  SelectionForm form = f.Form();
  RunSelection(form);
  EXPECT_FLOAT_EQ(f.request.flow, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Units, FlowUnitsTest,
    ::testing::Values(FlowCase{kWater, "10", 0, 10.0f}, FlowCase{kWater, "500", 1, 0.5f},
                      FlowCase{kWater, "0.25", 2, 0.9f}, FlowCase{kSteam, "2", 0, 2000.0f},
                      FlowCase{kSteam, "500", 1, 500.0f}, FlowCase{kSteam, "0.5", 2, 1800.0f}));

TEST(RunSelectionTest, KvIsStoredAndPsatLookedUp) {
  EngineFixture f;
  f.saturation.temperatures = {80, 90, 100};
  f.saturation.pressures = {0.47f, 0.70f, 1.01f};
  f.saturation.count = 3;
  SelectionForm form = f.Form();
  EXPECT_EQ(RunSelection(form), NothingFound);
  EXPECT_FLOAT_EQ(f.result->kv, 20.0f);
  EXPECT_FLOAT_EQ(f.result->psat, 0.70f);
}

TEST(RunSelectionTest, RefusalClearsTheListsAndTheNumbers) {
  EngineFixture f;
  f.catalogue->valves.Append(MakeValve("V", 50, 25));
  SelectionForm form = f.Form();
  ASSERT_EQ(RunSelection(form), Found);
  f.Type(ids::kP2, "7");
  EXPECT_EQ(RunSelection(form), InvalidInput);
  EXPECT_EQ(f.result->valveCandidateCount, 0);
  EXPECT_EQ(f.result->kv, 0.0f);
}

TEST(RunSelectionTest, NoMediumCheckedFindsNothing) {
  EngineFixture f;
  f.Check(ids::kWater, false);
  f.catalogue->valves.Append(MakeValve("V", 50, 25));
  SelectionForm form = f.Form();
  EXPECT_EQ(RunSelection(form), NothingFound);
  EXPECT_TRUE(f.controls.Messages().isEmpty());
}

// Records the order in which the engine calls the panels.
struct PanelLog : ResultPanels {
  QStringList calls;
  void ShowValveResult() override { calls << "valve"; }
  void ShowDpRegulatorResult() override { calls << "dp"; }
  void ShowReducingValveResult() override { calls << "reducing"; }
  void ShowActuatorResult() override { calls << "actuator"; }
  void ShowControllerResult() override { calls << "controller"; }
  void ShowCalculatedData() override { calls << "data"; }
};

TEST(RunSelectionTest, ClearsThePanelsFirstThenShowsTheProductsPanel) {
  const QStringList clearing{"valve", "reducing", "dp", "actuator", "controller", "data"};
  for (int product : {kValve, kDp, kReducing}) {
    EngineFixture f;
    f.ChooseProduct(product);
    PanelLog log;
    SelectionForm form = f.Form();
    form.panels = &log;
    RunSelection(form);
    const QString last = product == kValve ? "valve" : product == kDp ? "dp" : "reducing";
    EXPECT_EQ(log.calls, clearing + QStringList{last});
  }
}

TEST(OnCalculateTest, MessagesAndOtherConfigurationButtonByOutcome) {
  EngineFixture f;
  f.catalogue->valves.Append(MakeValve("V", 50, 25));
  SelectionForm form = f.Form();
  OnCalculate(form);
  EXPECT_TRUE(f.controls.Messages().isEmpty());
  EXPECT_TRUE(f.controls.IsEnabled(ids::kOtherConfiguration));

  f.Type(ids::kFlow, "100");  // Kv 200: nothing fits
  OnCalculate(form);
  ASSERT_EQ(f.controls.Messages().size(), 1);
  EXPECT_TRUE(f.controls.Messages()[0].startsWith(
      QString::fromUtf8("Вашим параметрам не удовлетворяет ни один клапан\r\n")));
  EXPECT_FALSE(f.controls.IsEnabled(ids::kOtherConfiguration));

  f.controls.ClearMessages();
  f.Type(ids::kP2, "6");
  OnCalculate(form);
  EXPECT_EQ(f.controls.Messages(), QStringList{kPressureOrder});
  EXPECT_FALSE(f.controls.IsEnabled(ids::kOtherConfiguration));
}

TEST(OnCalculateTest, OutcomeMessages) {
  EXPECT_TRUE(OutcomeMessage(Found, false).isEmpty());
  EXPECT_TRUE(OutcomeMessage(InvalidInput, true).isEmpty());
  EXPECT_EQ(OutcomeMessage(NoActuator, true),
            QString::fromUtf8("Вашим параметрам не удовлетворяет ни один привод. Попробуйте "
                              "выбрать термостат из нержавеющей стали."));
  const QString noActuator = OutcomeMessage(NoActuator, false);
  EXPECT_TRUE(noActuator.startsWith(
      QString::fromUtf8("Вашим параметрам не удовлетворяет ни один привод!\r\n")));
  EXPECT_GT(noActuator.size(), 52);
}

}  // namespace
}  // namespace selvio

namespace selvio {
namespace {

// The engine alone: a request built in code, no form. Water, 6 → 3 bar, ΔP 0.25 bar, G 10 m³/h:
// Kv = 10/√0.25 = 20, so a Kvs 25 valve fits and a Kvs 16 one does not.
SelectionRequest WaterRequest() {
  SelectionRequest r;
  r.isWater = true;
  r.connection = kFlanged;
  r.valveKind = kTwoWay;
  r.p1 = 6;
  r.p2 = 3;
  r.temperature = 90;
  r.drop = 0.25f;
  r.flow = 10;
  return r;
}

TEST(EngineTest, SizesARequestAndLeavesTheOutcomeWithItsMessage) {
  auto catalogue = std::make_unique<Catalogue>();
  catalogue->valves.Append(test::MakeValve("V16", 50, 16));
  catalogue->valves.Append(test::MakeValve("V25", 50, 25));
  const SaturationTable saturation;
  auto result = std::make_unique<SelectionResult>();

  RunSelection(WaterRequest(), *catalogue, saturation, *result);
  EXPECT_EQ(result->outcome, Found);
  EXPECT_TRUE(result->message.isEmpty());
  EXPECT_FLOAT_EQ(result->kv, 20.0f);
  EXPECT_EQ(test::CandidateNames(*result), std::vector<QString>{"V25"});

  SelectionRequest refused = WaterRequest();
  refused.p2 = 6;
  RunSelection(refused, *catalogue, saturation, *result);
  EXPECT_EQ(result->outcome, InvalidInput);
  EXPECT_EQ(result->message, QString::fromUtf8("Должно быть Р2<Р1"));
  EXPECT_EQ(result->valveCandidateCount, 0);

  SelectionRequest tooMuch = WaterRequest();
  tooMuch.flow = 20;  // Kv 40
  RunSelection(tooMuch, *catalogue, saturation, *result);
  EXPECT_EQ(result->outcome, NothingFound);
  EXPECT_TRUE(result->message.startsWith(
      QString::fromUtf8("Вашим параметрам не удовлетворяет ни один клапан\r\n")));
}

TEST(EngineTest, AResetResultIsAFreshOneThatKeepsItsStorage) {
  auto catalogue = std::make_unique<Catalogue>();
  catalogue->valves.Append(test::MakeValve("V25", 50, 25));
  auto result = std::make_unique<SelectionResult>();
  RunSelection(WaterRequest(), *catalogue, SaturationTable{}, *result);
  result->shownActuator = 3;
  result->stainlessHint = true;
  const ValveCandidate* storage = result->valveCandidates.data();
  ResetSelectionResult(*result);
  EXPECT_EQ(result->valveCandidates.data(), storage);
  EXPECT_EQ(result->valveCandidateCount, 0);
  EXPECT_EQ(result->outcome, NothingFound);
  EXPECT_TRUE(result->message.isEmpty());
  EXPECT_EQ(result->kv, 0.0f);
  EXPECT_EQ(result->shownActuator, 0);
  EXPECT_FALSE(result->stainlessHint);
}

}  // namespace
}  // namespace selvio
