#include "app/form/settings_transfer.h"

#include <array>
#include <initializer_list>
#include <span>

#include "app/files/settings_record.h"
#include "app/form/control_ids.h"
#include "app/form/form_state.h"
#include "app/form/mode_rules.h"
#include "app/form/section_switches.h"

namespace selvio {
namespace {

// The radio groups the record stores, each in the order of its stored numbers (1 for the first).
constexpr std::array<int, 3> kMediumRadios{ids::kWater, ids::kGlycol, ids::kSteam};
constexpr std::array<int, 2> kConnectionRadios{ids::kFlanged, ids::kThreaded};
constexpr std::array<int, 2> kExecutionRadios{ids::kTwoWay, ids::kThreeWay};
constexpr std::array<int, 2> kThreeWayUseRadios{ids::kMixing, ids::kDiverting};
constexpr std::array<int, 3> kActuatorKindRadios{ids::kElectric, ids::kThermostat, ids::kPneumatic};
constexpr std::array<int, 2> kControlRadios{ids::kThreePoint, ids::kAnalogue};
constexpr std::array<int, 2> kVoltageRadios{ids::kVoltage24, ids::kVoltage220};
constexpr std::array<int, 2> kElementTypeRadios{ids::kRodElement, ids::kSpiralElement};
constexpr std::array<int, 2> kElementMetalRadios{ids::kCopperElement, ids::kStainlessElement};
constexpr std::array<int, 3> kCapillaryMetalRadios{ids::kCopperCapillary, ids::kPvcCapillary,
                                                   ids::kStainlessCapillary};
constexpr std::array<int, 2> kPositionerRadios{ids::kPositionerPZ1, ids::kPositionerPZ2};
constexpr std::array<int, 2> kNormalPositionRadios{ids::kNormallyOpen, ids::kNormallyClosed};
constexpr std::array<int, 3> kControllerVariantRadios{
    ids::kControllerOneCircuit, ids::kControllerHotWaterAndHeating, ids::kControllerTwoHeating};
constexpr std::array<int, 3> kProductRadios{ids::kControlValve, ids::kDpRegulator,
                                            ids::kReducingValve};

// The number (1 for the first) of the last checked radio of `group`; `field` keeps its value
// when none is checked.
void CaptureRadioGroup(const FormControls& controls, std::span<const int> group,
                       std::int32_t& field) {
  std::int32_t number = 1;
  for (int id : group) {
    if (controls.IsChecked(id)) field = number;
    ++number;
  }
}

std::int32_t CheckValue(const FormControls& controls, int id) {
  return controls.IsChecked(id) ? 1 : 0;
}

void CaptureText(const FormControls& controls, int id, TextField& field) {
  SetFieldText(field, controls.Text(id));
}

// Checks the radio numbered `value` (1 for the first) and unchecks the rest of `group`.
// A value outside the group changes nothing. True when a radio was checked.
bool ApplyRadioGroup(FormControls& controls, std::span<const int> group, std::int32_t value) {
  if (value < 1 || value > static_cast<std::int32_t>(group.size())) return false;
  std::int32_t number = 1;
  for (int id : group) controls.SetChecked(id, number++ == value);
  return true;
}

void RunMediumRule(FormControls& controls, std::int32_t medium) {
  if (medium == 1) OnWater(controls);
  if (medium == 2) OnGlycol(controls);
  if (medium == 3) OnSteam(controls);
}

const CapillaryLengthList* CapillaryLengthsOf(const FormState& state, std::int32_t metal) {
  if (metal == 1) return &state.copperCapillaryLengths;
  if (metal == 2) return &state.pvcCapillaryLengths;
  if (metal == 3) return &state.stainlessCapillaryLengths;
  return nullptr;
}

}  // namespace

void ClearRadioChoices(SettingsRecord& r) {
  for (std::int32_t* choice :
       {&r.medium, &r.connection, &r.execution, &r.threeWayUse, &r.actuatorKind, &r.controlSignal,
        &r.supplyVoltage, &r.elementType, &r.elementMetal, &r.capillaryMetal, &r.positioner,
        &r.normalPosition, &r.controllerVariant, &r.productType}) {
    *choice = 0;
  }
}

void CaptureSettingsRecord(const FormControls& controls, const FormState& state,
                           SettingsRecord& r) {
  SetFieldText(r.calcHeatPower, state.calcHeatPowerText);
  SetFieldText(r.calcSupplyTemperature, state.calcSupplyTemperatureText);
  SetFieldText(r.calcReturnTemperature, state.calcReturnTemperatureText);

  CaptureRadioGroup(controls, kMediumRadios, r.medium);
  CaptureRadioGroup(controls, kConnectionRadios, r.connection);
  CaptureRadioGroup(controls, kExecutionRadios, r.execution);
  CaptureRadioGroup(controls, kThreeWayUseRadios, r.threeWayUse);

  CaptureText(controls, ids::kDensity, r.density);
  CaptureText(controls, ids::kP1, r.p1);
  CaptureText(controls, ids::kP2, r.p2);
  CaptureText(controls, ids::kTemperature, r.temperature);
  CaptureText(controls, ids::kDrop, r.drop);
  CaptureText(controls, ids::kSetting, r.setting);
  CaptureText(controls, ids::kFlow, r.flow);

  r.useSafetyFactor = CheckValue(controls, ids::kUseSafetyFactor);
  CaptureText(controls, ids::kSafetyFactor, r.safetyFactor);

  r.checkCavitation = CheckValue(controls, ids::kCheckCavitation);
  r.actuatorSectionOn = state.actuatorSectionOn;
  r.balancedOnly = CheckValue(controls, ids::kBalanced);

  r.p1Unit = controls.SelectedIndex(ids::kP1Unit);
  r.p2Unit = controls.SelectedIndex(ids::kP2Unit);
  r.temperatureUnit = controls.SelectedIndex(ids::kTemperatureUnit);
  r.dropUnit = controls.SelectedIndex(ids::kDropUnit);
  r.settingUnit = controls.SelectedIndex(ids::kSettingUnit);
  r.flowUnit = controls.SelectedIndex(ids::kFlowUnit);

  CaptureRadioGroup(controls, kActuatorKindRadios, r.actuatorKind);
  CaptureRadioGroup(controls, kControlRadios, r.controlSignal);
  CaptureRadioGroup(controls, kVoltageRadios, r.supplyVoltage);
  r.signalType = controls.SelectedIndex(ids::kSignalType);

  r.limitSwitches = CheckValue(controls, ids::kLimitSwitches);
  r.potentiometer = CheckValue(controls, ids::kPotentiometer);
  r.springReturn = CheckValue(controls, ids::kSpringReturn);
  r.heater = CheckValue(controls, ids::kHeater);

  CaptureText(controls, ids::kMaintainedTemperature, r.maintainedTemperature);

  CaptureRadioGroup(controls, kElementTypeRadios, r.elementType);
  CaptureRadioGroup(controls, kElementMetalRadios, r.elementMetal);
  CaptureRadioGroup(controls, kCapillaryMetalRadios, r.capillaryMetal);
  r.capillaryLength = controls.SelectedIndex(ids::kCapillaryLength);

  CaptureRadioGroup(controls, kPositionerRadios, r.positioner);
  CaptureRadioGroup(controls, kNormalPositionRadios, r.normalPosition);
  CaptureRadioGroup(controls, kControllerVariantRadios, r.controllerVariant);

  CaptureText(controls, ids::kHeatCarrierSensors, r.heatCarrierSensors);
  CaptureText(controls, ids::kOutdoorSensors, r.outdoorSensors);
  CaptureText(controls, ids::kRoomSensors, r.roomSensors);

  r.controllerSectionOn = state.controllerSectionOn;

  // The first checked product type counts.
  if (controls.IsChecked(ids::kControlValve)) {
    r.productType = 1;
  } else if (controls.IsChecked(ids::kDpRegulator)) {
    r.productType = 2;
  } else if (controls.IsChecked(ids::kReducingValve)) {
    r.productType = 3;
  }
}

void ApplySettingsRecord(const SettingsRecord& r, FormControls& controls, FormState& state) {
  state.calcHeatPowerText = FieldText(r.calcHeatPower);
  state.calcSupplyTemperatureText = FieldText(r.calcSupplyTemperature);
  state.calcReturnTemperatureText = FieldText(r.calcReturnTemperature);

  if (ApplyRadioGroup(controls, kMediumRadios, r.medium)) {
    RunMediumRule(controls, r.medium);
  }
  ApplyRadioGroup(controls, kConnectionRadios, r.connection);
  if (ApplyRadioGroup(controls, kExecutionRadios, r.execution)) {
    if (r.execution == 1) OnTwoWay(controls);
    if (r.execution == 2) OnThreeWay(controls);
  }
  ApplyRadioGroup(controls, kThreeWayUseRadios, r.threeWayUse);

  controls.SetText(ids::kDensity, FieldText(r.density));
  controls.SetText(ids::kP1, FieldText(r.p1));
  controls.SetText(ids::kP2, FieldText(r.p2));
  controls.SetText(ids::kTemperature, FieldText(r.temperature));
  controls.SetText(ids::kDrop, FieldText(r.drop));
  controls.SetText(ids::kSetting, FieldText(r.setting));
  controls.SetText(ids::kFlow, FieldText(r.flow));

  controls.SetChecked(ids::kUseSafetyFactor, r.useSafetyFactor == 1);
  controls.SetText(ids::kSafetyFactor, FieldText(r.safetyFactor));

  controls.SetChecked(ids::kCheckCavitation, r.checkCavitation == 1);
  controls.SetChecked(ids::kBalanced, r.balancedOnly == 1);

  state.actuatorSectionOn = r.actuatorSectionOn == 1 ? 1 : 0;
  RefreshActuatorSwitch(controls, state);

  controls.SelectListEntry(ids::kP1Unit, r.p1Unit);
  controls.SelectListEntry(ids::kP2Unit, r.p2Unit);
  controls.SelectListEntry(ids::kTemperatureUnit, r.temperatureUnit);
  controls.SelectListEntry(ids::kDropUnit, r.dropUnit);
  controls.SelectListEntry(ids::kSettingUnit, r.settingUnit);
  controls.SelectListEntry(ids::kFlowUnit, r.flowUnit);

  ApplyRadioGroup(controls, kActuatorKindRadios, r.actuatorKind);
  if (ApplyRadioGroup(controls, kControlRadios, r.controlSignal)) {
    controls.Enable(ids::kSignalType, r.controlSignal == 2);
  }
  ApplyRadioGroup(controls, kVoltageRadios, r.supplyVoltage);
  controls.SelectListEntry(ids::kSignalType, r.signalType);

  controls.SetChecked(ids::kLimitSwitches, r.limitSwitches != 0);
  controls.SetChecked(ids::kPotentiometer, r.potentiometer != 0);
  controls.SetChecked(ids::kSpringReturn, r.springReturn != 0);
  controls.SetChecked(ids::kHeater, r.heater != 0);

  controls.SetText(ids::kMaintainedTemperature, FieldText(r.maintainedTemperature));

  ApplyRadioGroup(controls, kElementTypeRadios, r.elementType);
  ApplyRadioGroup(controls, kElementMetalRadios, r.elementMetal);
  ApplyRadioGroup(controls, kCapillaryMetalRadios, r.capillaryMetal);
  ApplyRadioGroup(controls, kPositionerRadios, r.positioner);
  ApplyRadioGroup(controls, kNormalPositionRadios, r.normalPosition);
  ApplyRadioGroup(controls, kControllerVariantRadios, r.controllerVariant);

  controls.SetText(ids::kHeatCarrierSensors, FieldText(r.heatCarrierSensors));
  controls.SetText(ids::kOutdoorSensors, FieldText(r.outdoorSensors));
  controls.SetText(ids::kRoomSensors, FieldText(r.roomSensors));

  state.controllerSectionOn = r.controllerSectionOn != 0 ? 1 : 0;
  RefreshControllerSwitch(controls, state);

  RunMediumRule(controls, r.medium);
  if (r.execution == 1) OnTwoWay(controls);

  if (r.actuatorKind == 1) OnElectric(controls, state);
  if (r.actuatorKind == 2) OnThermostat(controls, state);
  if (r.actuatorKind == 3) OnPneumatic(controls, state);

  // The length index is its own field: it is selected in whatever list 1076 holds, also when
  // the stored metal names no list.
  if (const CapillaryLengthList* lengths = CapillaryLengthsOf(state, r.capillaryMetal)) {
    FillCapillaryLengths(controls, *lengths);
  }
  controls.SelectListEntry(ids::kCapillaryLength, r.capillaryLength);

  ApplyActuatorSection(controls, state);
  ApplyControllerSection(controls, state);

  if (ApplyRadioGroup(controls, kProductRadios, r.productType)) {
    if (r.productType == 1) {
      OnControlValve(controls, state);
    } else {
      OnRegulatorType(controls, state);
    }
  }

  controls.Enable(ids::kSafetyFactor, controls.IsChecked(ids::kUseSafetyFactor));
}

}  // namespace selvio
