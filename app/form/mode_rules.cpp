#include "app/form/mode_rules.h"

#include <QCoreApplication>
#include <QString>

#include "app/form/control_ids.h"
#include "app/form/section_switches.h"
#include "app/form/units.h"

namespace selvio {
namespace {

// The density edit with its caption, unit and calculator button; only glycol asks for it.
void ShowDensityField(FormControls& controls, bool shown) {
  controls.Enable(ids::kDensity, shown);
  for (int id : {ids::kDensityCaption, ids::kDensityUnit, ids::kDensityCalc, ids::kDensity}) {
    controls.Show(id, shown);
  }
}

// Water and glycol differ only in the density field.
void ApplyLiquid(FormControls& controls, bool askDensity) {
  ShowDensityField(controls, askDensity);
  if (controls.IsChecked(ids::kControlValve)) controls.Show(ids::kThreeWay, true);
  RefillFlowUnits(controls, VolumeFlowUnits());
  controls.SetText(ids::kDropCaption, QCoreApplication::translate(
                                          "SelectionForm", "Перепад давления на клапане *(ΔP):"));
  controls.Enable(ids::kCheckCavitation, true);
  for (int id : {ids::kP2Caption, ids::kP2, ids::kP2Unit}) controls.Show(id, true);
}

// Thermostats and pneumatic actuators take no controller kit: its section goes off.
void MakeControllerUnavailable(FormControls& controls, FormState& state) {
  state.controllerSectionOn = 0;
  RefreshControllerSwitch(controls, state);
  state.controllerSectionAvailable = 0;
  RefreshControllerSwitch(controls, state);
  ApplyControllerSection(controls, state);
}

}  // namespace

void OnWater(FormControls& controls) { ApplyLiquid(controls, false); }

void OnGlycol(FormControls& controls) { ApplyLiquid(controls, true); }

void OnSteam(FormControls& controls) {
  ShowDensityField(controls, false);
  controls.SetChecked(ids::kTwoWay, true);
  controls.SetChecked(ids::kThreeWay, false);
  controls.Show(ids::kThreeWay, false);
  controls.SetText(ids::kDropCaption, QCoreApplication::translate(
                                          "SelectionForm", "Относительный перепад давления *(δ):"));
  OnTwoWay(controls);
  RefillFlowUnits(controls, MassFlowUnits());
  controls.SetChecked(ids::kCheckCavitation, false);
  controls.Enable(ids::kCheckCavitation, false);
  for (int id : {ids::kP2Caption, ids::kP2, ids::kP2Unit}) controls.Show(id, false);
}

void OnTwoWay(FormControls& controls) {
  controls.Enable(ids::kMixing, false);
  controls.Enable(ids::kDiverting, false);
  controls.Show(ids::kCheckCavitation, true);
  controls.Enable(ids::kBalanced, true);
}

void OnThreeWay(FormControls& controls) {
  controls.Enable(ids::kMixing, true);
  controls.Enable(ids::kDiverting, true);
  controls.Show(ids::kCheckCavitation, false);
  controls.SetChecked(ids::kBalanced, false);
  controls.Enable(ids::kBalanced, false);
}

void OnUseSafetyFactor(FormControls& controls) {
  controls.Enable(ids::kSafetyFactor, controls.IsChecked(ids::kUseSafetyFactor));
}

void OnControlValve(FormControls& controls, FormState& state) {
  state.actuatorSectionAvailable = 1;
  RefreshActuatorSwitch(controls, state);
  state.controllerSectionAvailable = 1;
  RefreshControllerSwitch(controls, state);
  ApplyControllerSection(controls, state);
  ApplyActuatorSection(controls, state);
  for (int id : {ids::kThreaded, ids::kBalanced, ids::kThreeWay}) controls.Show(id, true);
  for (int id : {ids::kSettingCaption, ids::kSetting, ids::kSettingUnit}) controls.Show(id, false);
  OnTwoWay(controls);
  if (controls.IsChecked(ids::kSteam)) OnSteam(controls);
}

void OnRegulatorType(FormControls& controls, FormState& state) {
  const int actuatorWasOn = state.actuatorSectionOn != 0 ? 1 : 0;
  const int controllerWasOn = state.controllerSectionOn != 0 ? 1 : 0;

  state.actuatorSectionOn = 0;
  RefreshActuatorSwitch(controls, state);
  state.actuatorSectionAvailable = 0;
  RefreshActuatorSwitch(controls, state);
  ApplyActuatorSection(controls, state);
  state.actuatorSectionOn = actuatorWasOn;
  RefreshActuatorSwitch(controls, state);

  state.controllerSectionOn = 0;
  state.controllerSectionAvailable = 0;
  RefreshControllerSwitch(controls, state);
  ApplyControllerSection(controls, state);
  state.controllerSectionOn = controllerWasOn;
  RefreshControllerSwitch(controls, state);

  controls.Show(ids::kBalanced, false);
  controls.SetChecked(ids::kFlanged, true);
  controls.SetChecked(ids::kThreaded, false);
  controls.Show(ids::kThreaded, false);
  controls.SetChecked(ids::kTwoWay, true);
  controls.SetChecked(ids::kThreeWay, false);
  controls.Show(ids::kThreeWay, false);
  for (int id : {ids::kSettingCaption, ids::kSetting, ids::kSettingUnit}) controls.Show(id, true);
  OnTwoWay(controls);
}

void OnElectric(FormControls& controls, FormState& state) {
  ShowThermostatGroup(controls, false);
  ShowPneumaticGroup(controls, false);
  ShowElectricGroup(controls, true);
  state.controllerSectionAvailable = 1;
  RefreshControllerSwitch(controls, state);
  ApplyControllerSection(controls, state);
}

void OnThermostat(FormControls& controls, FormState& state) {
  ShowElectricGroup(controls, false);
  ShowPneumaticGroup(controls, false);
  ShowThermostatGroup(controls, true);
  MakeControllerUnavailable(controls, state);
}

void OnPneumatic(FormControls& controls, FormState& state) {
  ShowElectricGroup(controls, false);
  ShowThermostatGroup(controls, false);
  ShowPneumaticGroup(controls, true);
  MakeControllerUnavailable(controls, state);
}

void OnThreePoint(FormControls& controls) {
  controls.Enable(ids::kSignalType, false);
  controls.Enable(ids::kVoltage220, true);
}

void OnAnalogue(FormControls& controls) {
  controls.Enable(ids::kSignalType, true);
  controls.Enable(ids::kVoltage220, false);
  controls.SetChecked(ids::kVoltage24, true);
  controls.SetChecked(ids::kVoltage220, false);
}

}  // namespace selvio
