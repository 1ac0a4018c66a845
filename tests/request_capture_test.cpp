#include "app/form/request_capture.h"

#include <gtest/gtest.h>

#include <clocale>
#include <functional>
#include <optional>
#include <string>

#include "tests/code_printers.h"

namespace selvio {
namespace {

// The form's inputs for a flanged two-way control valve for water: P1 6 bar, P2 3 bar, 90 °C,
// ΔP 0.25 bar, G 10 m³/h, K 1 not asked for, density 1040, setting 1 bar; every unit list on its
// first entry, the actuator section off.
SettingsRecord WaterValveInputs() {
  SettingsRecord in;
  in.medium = 1;
  in.connection = 1;
  in.execution = 1;
  in.productType = 1;
  SetFieldText(in.p1, "6");
  SetFieldText(in.p2, "3");
  SetFieldText(in.temperature, "90");
  SetFieldText(in.drop, "0.25");
  SetFieldText(in.flow, "10");
  SetFieldText(in.safetyFactor, "1");
  SetFieldText(in.density, "1040");
  SetFieldText(in.setting, "1");
  return in;
}

SelectionRequest Capture(const SettingsRecord& in, const SelectionRequest& previous = {}) {
  const CapturedRequest captured = CaptureRequest(in, previous);
  EXPECT_FALSE(captured.refusal.has_value()) << ::testing::PrintToString(*captured.refusal);
  return captured.request;
}

TEST(CaptureRequestTest, WaterValveInputsGiveTheRequestInBaseUnits) {
  const SelectionRequest r = Capture(WaterValveInputs());
  EXPECT_EQ(r.product, ProductKind::ControlValve);
  EXPECT_EQ(r.medium, Medium::Water);
  EXPECT_EQ(r.connection, ConnectionKind::Flanged);
  EXPECT_EQ(r.valveKind, ValveKind::TwoWay);
  EXPECT_FLOAT_EQ(r.p1, 6);
  EXPECT_FLOAT_EQ(r.p2, 3);
  EXPECT_EQ(r.temperature, 90);
  EXPECT_FLOAT_EQ(r.drop, 0.25f);
  EXPECT_FLOAT_EQ(r.flow, 10);
  EXPECT_FLOAT_EQ(r.safetyFactor, 1);
  EXPECT_FLOAT_EQ(r.density, 1040);
  EXPECT_FLOAT_EQ(r.setting, 1);
  EXPECT_FALSE(r.matchActuators);
  EXPECT_FALSE(r.checkCavitation);
  EXPECT_FALSE(r.wantBalanced);
}

TEST(CaptureRequestTest, ConvertsPressureUnitsAndReadsDecimalComma) {
  struct Case {
    const char* p1;
    int p1Unit;  // 0 "Бар", 1 "кПа", 2 "кгс/см²"
    float expectedP1;
  };
  for (const Case& c : {Case{"6,5", 1, 0.065f}, Case{"250", 1, 2.5f}, Case{"2.5", 2, 2.5f},
                        Case{"2.5 бар", 0, 2.5f}}) {
    SettingsRecord in = WaterValveInputs();
    SetFieldText(in.p1, QString::fromUtf8(c.p1));
    in.p1Unit = c.p1Unit;
    EXPECT_FLOAT_EQ(Capture(in).p1, c.expectedP1) << c.p1;
  }
}

TEST(CaptureRequestTest, EachPressureTakesTheFactorOfItsOwnList) {
  SettingsRecord in = WaterValveInputs();
  SetFieldText(in.p2, "300");
  in.p2Unit = 1;
  SetFieldText(in.drop, "25");
  in.dropUnit = 1;
  SetFieldText(in.setting, "50");
  in.settingUnit = 1;
  const SelectionRequest r = Capture(in);
  EXPECT_FLOAT_EQ(r.p1, 6);
  EXPECT_FLOAT_EQ(r.p2, 3);
  EXPECT_FLOAT_EQ(r.drop, 0.25f);
  EXPECT_FLOAT_EQ(r.setting, 0.5f);
}

TEST(CaptureRequestTest, TemperatureIsReadAsWholeDegrees) {
  for (const char* text : {"75,6", "75.6"}) {
    SettingsRecord in = WaterValveInputs();
    SetFieldText(in.temperature, text);
    EXPECT_EQ(Capture(in).temperature, 75) << text;
  }
}

struct FlowCase {
  std::int32_t medium;  // 1 water, 3 steam
  const char* flow;
  std::int32_t unit;
  float expected;  // m³/h or kg/h
};

class FlowUnitsTest : public ::testing::TestWithParam<FlowCase> {};

TEST_P(FlowUnitsTest, ConvertsByMediumAndUnitIndex) {
  SettingsRecord in = WaterValveInputs();
  in.medium = GetParam().medium;
  SetFieldText(in.flow, GetParam().flow);
  in.flowUnit = GetParam().unit;
  EXPECT_FLOAT_EQ(Capture(in).flow, GetParam().expected);
}

// "м³/ч", "л/ч", "л/с" for water; "т/ч", "кг/ч", "кг/с" for steam.
INSTANTIATE_TEST_SUITE_P(Units, FlowUnitsTest,
                         ::testing::Values(FlowCase{1, "10", 0, 10.0f}, FlowCase{1, "500", 1, 0.5f},
                                           FlowCase{1, "0.25", 2, 0.9f},
                                           FlowCase{3, "2", 0, 2000.0f},
                                           FlowCase{3, "500", 1, 500.0f},
                                           FlowCase{3, "0.5", 2, 1800.0f}));

TEST(CaptureRequestTest, KNotAskedForIsOneWhateverItsField) {
  SettingsRecord in = WaterValveInputs();
  SetFieldText(in.safetyFactor, "3");
  EXPECT_FLOAT_EQ(Capture(in).safetyFactor, 1.0f);
  in.useSafetyFactor = 1;
  const SelectionRequest asked = Capture(in);
  EXPECT_TRUE(asked.useSafetyFactor);
  EXPECT_FLOAT_EQ(asked.safetyFactor, 3.0f);
}

TEST(CaptureRequestTest, RadioGroupNumbersGiveTheCodes) {
  struct Case {
    std::int32_t number;
    ConnectionKind connection;
    ValveKind valveKind;
    ControlKind control;
  };
  for (const Case& c :
       {Case{0, ConnectionKind::NotGiven, ValveKind::NotGiven, ControlKind::NotGiven},
        Case{1, ConnectionKind::Flanged, ValveKind::TwoWay, ControlKind::ThreePoint},
        Case{2, ConnectionKind::Threaded, ValveKind::ThreeWay, ControlKind::Analogue},
        Case{3, ConnectionKind::NotGiven, ValveKind::NotGiven, ControlKind::NotGiven}}) {
    SettingsRecord in = WaterValveInputs();
    in.connection = in.execution = in.controlSignal = c.number;
    const SelectionRequest r = Capture(in);
    EXPECT_EQ(r.connection, c.connection) << c.number;
    EXPECT_EQ(r.valveKind, c.valveKind) << c.number;
    EXPECT_EQ(r.actuator.controlSignal, c.control) << c.number;
  }
}

TEST(CaptureRequestTest, MediumProductAndActuatorKindByNumber) {
  const Medium media[] = {Medium::None, Medium::Water, Medium::Glycol, Medium::Steam};
  const ProductKind products[] = {ProductKind::ReducingValve, ProductKind::ControlValve,
                                  ProductKind::DpRegulator, ProductKind::ReducingValve};
  const ActuatorKind kinds[] = {ActuatorKind::None, ActuatorKind::Electric,
                                ActuatorKind::Thermostat, ActuatorKind::Pneumatic};
  for (std::int32_t n = 0; n < 4; ++n) {
    SettingsRecord in = WaterValveInputs();
    in.medium = n;
    in.productType = n;
    in.actuatorKind = n;
    SetFieldText(in.setting, "1");
    const CapturedRequest captured = CaptureRequest(in, {});
    EXPECT_EQ(captured.request.medium, media[n]) << n;
    EXPECT_EQ(captured.request.product, products[n]) << n;
    EXPECT_EQ(captured.request.actuator.actuatorKind, kinds[n]) << n;
  }
}

TEST(CaptureRequestTest, FlagsAndOptions) {
  SettingsRecord in = WaterValveInputs();
  in.execution = 2;
  in.threeWayUse = 2;
  in.balancedOnly = 1;
  in.checkCavitation = 1;
  in.actuatorSectionOn = 1;
  in.actuatorKind = 3;
  in.supplyVoltage = 2;
  in.limitSwitches = in.potentiometer = 1;
  in.positioner = 2;
  in.normalPosition = 1;
  SelectionRequest r = Capture(in);
  EXPECT_FALSE(r.wantMixing);
  EXPECT_TRUE(r.wantDiverting);
  EXPECT_TRUE(r.wantBalanced);
  EXPECT_TRUE(r.checkCavitation);
  EXPECT_TRUE(r.matchActuators);
  const ActuatorPreferences& p = r.actuator;
  EXPECT_EQ(p.supplyVoltage, 220);
  EXPECT_TRUE(p.wantLimitSwitches);
  EXPECT_TRUE(p.wantPotentiometer);
  EXPECT_FALSE(p.wantSpringReturn);
  EXPECT_FALSE(p.wantHeater);
  EXPECT_FALSE(p.wantPZ1);
  EXPECT_TRUE(p.wantPZ2);
  EXPECT_TRUE(p.wantNormallyOpen);
  EXPECT_FALSE(p.wantNormallyClosed);

  in.threeWayUse = 1;
  in.supplyVoltage = 1;
  in.springReturn = in.heater = 1;
  in.positioner = 1;
  in.normalPosition = 2;
  r = Capture(in);
  EXPECT_TRUE(r.wantMixing);
  EXPECT_FALSE(r.wantDiverting);
  EXPECT_EQ(r.actuator.supplyVoltage, 24);
  EXPECT_TRUE(r.actuator.wantSpringReturn);
  EXPECT_TRUE(r.actuator.wantHeater);
  EXPECT_TRUE(r.actuator.wantPZ1);
  EXPECT_FALSE(r.actuator.wantPZ2);
  EXPECT_FALSE(r.actuator.wantNormallyOpen);
  EXPECT_TRUE(r.actuator.wantNormallyClosed);

  in.supplyVoltage = 0;
  EXPECT_EQ(Capture(in).actuator.supplyVoltage, 0);
}

TEST(CaptureRequestTest, NumbersReadTheSameInRussianLocale) {
  if (!std::setlocale(LC_ALL, "ru_RU.UTF-8")) GTEST_SKIP() << "ru_RU.UTF-8 is not installed";
  SettingsRecord in = WaterValveInputs();
  SetFieldText(in.p1, "2.5");
  SetFieldText(in.p2, "1,5");
  SetFieldText(in.flow, QString::fromUtf8(" 0.25 л/с"));
  in.flowUnit = 2;
  const SelectionRequest r = Capture(in);
  std::setlocale(LC_ALL, "C");
  EXPECT_FLOAT_EQ(r.p1, 2.5f);
  EXPECT_FLOAT_EQ(r.p2, 1.5f);
  EXPECT_FLOAT_EQ(r.flow, 0.9f);  // 0.25 l/s = 0.9 m³/h
}

// The signal list: 0-10 V, 2-10 V, 0-20 mA, 4-20 mA. The flags follow it for an electric
// actuator only; for another kind they stay as the previous request had them.
TEST(CaptureRequestTest, SignalFlagsAreCapturedForElectricActuatorsOnly) {
  SettingsRecord in = WaterValveInputs();
  in.actuatorKind = 1;
  in.signalType = 2;
  SelectionRequest r = Capture(in);
  EXPECT_FALSE(r.actuator.requestedSignal0to10V);
  EXPECT_FALSE(r.actuator.requestedSignal2to10V);
  EXPECT_TRUE(r.actuator.requestedSignal0to20mA);
  EXPECT_FALSE(r.actuator.requestedSignal4to20mA);

  in.signalType = 1;
  in.actuatorKind = 3;
  r = Capture(in, r);
  EXPECT_TRUE(r.actuator.requestedSignal0to20mA);
  EXPECT_FALSE(r.actuator.requestedSignal2to10V);

  in.actuatorKind = 1;
  in.signalType = -1;
  r = Capture(in, r);
  EXPECT_FALSE(r.actuator.requestedSignal0to10V);
  EXPECT_FALSE(r.actuator.requestedSignal2to10V);
  EXPECT_FALSE(r.actuator.requestedSignal0to20mA);
  EXPECT_FALSE(r.actuator.requestedSignal4to20mA);

  in.signalType = 3;
  EXPECT_TRUE(Capture(in, r).actuator.requestedSignal4to20mA);
  in.signalType = 0;
  EXPECT_TRUE(Capture(in, r).actuator.requestedSignal0to10V);
}

// Element type 1 rod, 2 spiral; metals 1 copper. Read for a thermostat only; with no element
// type chosen the previous one stays.
TEST(CaptureRequestTest, ThermostatInputsAreCapturedForThermostatsOnly) {
  SettingsRecord in = WaterValveInputs();
  in.actuatorKind = 1;
  in.elementType = 2;
  in.elementMetal = 1;
  in.capillaryMetal = 2;
  SetFieldText(in.maintainedTemperature, "55");
  SelectionRequest r = Capture(in);
  EXPECT_FALSE(r.actuator.spiralElement);
  EXPECT_EQ(r.actuator.maintainedTemperature, 0);
  EXPECT_FALSE(r.actuator.copperElement);
  EXPECT_FALSE(r.actuator.pvcCapillary);

  in.actuatorKind = 2;
  r = Capture(in, r);
  EXPECT_TRUE(r.actuator.spiralElement);
  EXPECT_EQ(r.actuator.maintainedTemperature, 55);
  EXPECT_TRUE(r.actuator.copperElement);
  EXPECT_FALSE(r.actuator.copperCapillary);
  EXPECT_TRUE(r.actuator.pvcCapillary);

  in.elementType = 0;
  r = Capture(in, r);
  EXPECT_TRUE(r.actuator.spiralElement);
  in.elementType = 1;
  r = Capture(in, r);
  EXPECT_FALSE(r.actuator.spiralElement);

  in.elementMetal = 2;
  in.capillaryMetal = 1;
  r = Capture(in, r);
  EXPECT_FALSE(r.actuator.copperElement);
  EXPECT_TRUE(r.actuator.copperCapillary);
  EXPECT_FALSE(r.actuator.pvcCapillary);
  in.capillaryMetal = 3;
  r = Capture(in, r);
  EXPECT_FALSE(r.actuator.copperCapillary);
  EXPECT_FALSE(r.actuator.pvcCapillary);
}

TEST(CaptureRequestTest, MaintainedTemperatureIsAWholeNumberOrZero) {
  struct Case {
    const char* text;
    int expected;
  };
  for (const Case& c : {Case{"90.9", 90}, Case{"abc", 0}, Case{"", 0}, Case{"-5", -5}}) {
    SettingsRecord in = WaterValveInputs();
    in.actuatorKind = 2;
    SetFieldText(in.maintainedTemperature, c.text);
    SelectionRequest previous;
    previous.actuator.maintainedTemperature = 60;
    EXPECT_EQ(Capture(in, previous).actuator.maintainedTemperature, c.expected) << c.text;
  }
}

// A field the calculation uses whose text holds no number refuses the request by name, the
// first in the form's order, even when the previous request read a number there.
struct UnreadableCase {
  const char* name;
  std::function<void(SettingsRecord&)> change;
  std::optional<InputField> field;  // none: accepted
};

class UnreadableFieldTest : public ::testing::TestWithParam<UnreadableCase> {};

TEST_P(UnreadableFieldTest, RefusesByNameOrGoesOn) {
  const UnreadableCase& c = GetParam();
  const SelectionRequest previous = Capture(WaterValveInputs());
  SettingsRecord in = WaterValveInputs();
  c.change(in);
  const CapturedRequest captured = CaptureRequest(in, previous);
  if (!c.field) {
    EXPECT_FALSE(captured.refusal.has_value()) << ::testing::PrintToString(*captured.refusal);
    return;
  }
  ASSERT_TRUE(captured.refusal.has_value());
  EXPECT_EQ(*captured.refusal,
            (SelectionMessage{SelectionMessageCode::FieldWithoutNumber, *c.field}));
}

void Clear(TextField& field) { SetFieldText(field, ""); }

INSTANTIATE_TEST_SUITE_P(
    Cases, UnreadableFieldTest,
    ::testing::Values(
        UnreadableCase{"cleared_flow_is_not_the_previous_one",
                       [](SettingsRecord& in) { Clear(in.flow); }, InputField::Flow},
        UnreadableCase{"blank_inlet_pressure",
                       [](SettingsRecord& in) { SetFieldText(in.p1, "   "); },
                       InputField::InletPressure},
        UnreadableCase{"letters_in_outlet_pressure",
                       [](SettingsRecord& in) { SetFieldText(in.p2, QString::fromUtf8("бар")); },
                       InputField::OutletPressure},
        UnreadableCase{"letters_in_temperature",
                       [](SettingsRecord& in) { SetFieldText(in.temperature, "abc"); },
                       InputField::Temperature},
        UnreadableCase{"empty_drop", [](SettingsRecord& in) { Clear(in.drop); },
                       InputField::PressureDrop},
        UnreadableCase{"letters_in_drop", [](SettingsRecord& in) { SetFieldText(in.drop, "abc"); },
                       InputField::PressureDrop},
        UnreadableCase{"empty_relative_drop_for_steam",
                       [](SettingsRecord& in) {
                         in.medium = 3;
                         Clear(in.drop);
                       },
                       InputField::RelativeDrop},
        UnreadableCase{"empty_k_while_ticked",
                       [](SettingsRecord& in) {
                         in.useSafetyFactor = 1;
                         Clear(in.safetyFactor);
                       },
                       InputField::SafetyFactor},
        UnreadableCase{"empty_density_for_glycol",
                       [](SettingsRecord& in) {
                         in.medium = 2;
                         Clear(in.density);
                       },
                       InputField::Density},
        UnreadableCase{"empty_setting_for_a_regulator",
                       [](SettingsRecord& in) {
                         in.productType = 2;
                         Clear(in.setting);
                       },
                       InputField::Setting},
        UnreadableCase{"empty_setting_for_a_reducing_valve",
                       [](SettingsRecord& in) {
                         in.productType = 3;
                         Clear(in.setting);
                       },
                       InputField::Setting},
        UnreadableCase{"empty_thermostat_temperature_when_asked",
                       [](SettingsRecord& in) {
                         in.actuatorSectionOn = 1;
                         in.actuatorKind = 2;
                         Clear(in.maintainedTemperature);
                       },
                       InputField::MaintainedTemperature},
        UnreadableCase{"first_in_form_order",
                       [](SettingsRecord& in) {
                         Clear(in.flow);
                         Clear(in.p1);
                         in.useSafetyFactor = 1;
                         SetFieldText(in.safetyFactor, "x");
                       },
                       InputField::SafetyFactor},
        UnreadableCase{"before_the_pressure_order_check",
                       [](SettingsRecord& in) {
                         Clear(in.p1);
                         SetFieldText(in.p2, "7");
                       },
                       InputField::InletPressure},
        UnreadableCase{"hidden_outlet_pressure_for_steam",
                       [](SettingsRecord& in) {
                         in.medium = 3;
                         Clear(in.p2);
                       },
                       std::nullopt},
        UnreadableCase{"k_not_ticked", [](SettingsRecord& in) { Clear(in.safetyFactor); },
                       std::nullopt},
        UnreadableCase{"density_for_water", [](SettingsRecord& in) { Clear(in.density); },
                       std::nullopt},
        UnreadableCase{"setting_for_a_valve", [](SettingsRecord& in) { Clear(in.setting); },
                       std::nullopt},
        UnreadableCase{"thermostat_temperature_with_the_section_off",
                       [](SettingsRecord& in) {
                         in.actuatorKind = 2;
                         Clear(in.maintainedTemperature);
                       },
                       std::nullopt},
        UnreadableCase{"thermostat_temperature_for_a_regulator",
                       [](SettingsRecord& in) {
                         in.productType = 2;
                         in.actuatorSectionOn = 1;
                         in.actuatorKind = 2;
                         Clear(in.maintainedTemperature);
                       },
                       std::nullopt},
        UnreadableCase{
            "a_number_followed_by_a_unit",
            [](SettingsRecord& in) { SetFieldText(in.flow, QString::fromUtf8("10 м3/ч")); },
            std::nullopt}),
    [](const auto& row) { return std::string(row.param.name); });

// An empty K with its box ticked used to count as 1: a safety factor nobody typed.
TEST(CaptureRequestTest, EmptyTickedKIsNotTakenAsOne) {
  SettingsRecord in = WaterValveInputs();
  in.useSafetyFactor = 1;
  Clear(in.safetyFactor);
  EXPECT_EQ(CaptureRequest(in, {}).refusal,
            (SelectionMessage{SelectionMessageCode::FieldWithoutNumber, InputField::SafetyFactor}));
}

// A field whose text cannot be read keeps the previous request's value, in base units, and is
// converted again: 3 bar read through "кПа" becomes 0.03.
TEST(CaptureRequestTest, UnreadableFieldKeepsThePreviousValueConvertedAgain) {
  const SelectionRequest previous = Capture(WaterValveInputs());
  SettingsRecord in = WaterValveInputs();
  in.medium = 3;
  Clear(in.p2);
  in.p2Unit = 1;
  EXPECT_FLOAT_EQ(Capture(in, previous).p2, 0.03f);
}

// A refused request is whole: what could be read is read, the rest is the previous request's.
TEST(CaptureRequestTest, ARefusedRequestIsWhole) {
  SelectionRequest previous;
  previous.flow = 7;
  SettingsRecord in = WaterValveInputs();
  Clear(in.flow);
  const CapturedRequest captured = CaptureRequest(in, previous);
  ASSERT_TRUE(captured.refusal.has_value());
  EXPECT_FLOAT_EQ(captured.request.flow, 7);
  EXPECT_FLOAT_EQ(captured.request.p1, 6);
  EXPECT_EQ(captured.request.medium, Medium::Water);
}

}  // namespace
}  // namespace selvio
