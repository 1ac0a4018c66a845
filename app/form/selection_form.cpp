#include "app/form/selection_form.h"

#include "engine/selection.h"
#include "engine/unit_factors.h"
#include "platform/c_numbers.h"
#include "platform/control_ids.h"

namespace selvio {
namespace {

// Reads a real the way the form accepts it: a decimal comma counts as a point. False, with the
// field left as it was, when the text holds no number.
bool ReadReal(const FormControls& controls, int id, float& field) {
  QString text = controls.Text(id);
  text.replace(QLatin1Char(','), QLatin1Char('.'));
  const std::optional<float> value = ScanFloat(text);
  if (value) field = *value;
  return value.has_value();
}

bool ReadInt(const FormControls& controls, int id, int& field) {
  const std::optional<int> value = ScanInt(controls.Text(id));
  if (value) field = *value;
  return value.has_value();
}

// A number field of the form, by the name the refusal gives it.
struct NumberField {
  const char* name;
  bool used;
  bool readable;
};

QString UnreadableFieldMessage(const char* name) {
  return QString::fromUtf8("Поле «%1» не содержит числа").arg(QString::fromUtf8(name));
}

void CaptureRequestedSignal(const FormControls& controls, ActuatorPreferences& prefs) {
  const int selected = controls.SelectedIndex(ids::kSignalType);
  prefs.requestedSignal0to10V = selected == 0;
  prefs.requestedSignal2to10V = selected == 1;
  prefs.requestedSignal0to20mA = selected == 2;
  prefs.requestedSignal4to20mA = selected == 3;
}

// With neither element type checked the previous one stays.
void CaptureThermostatInputs(const FormControls& controls, ActuatorPreferences& prefs) {
  prefs.maintainedTemperature = ScanInt(controls.Text(ids::kMaintainedTemperature)).value_or(0);
  if (controls.IsChecked(ids::kRodElement)) prefs.spiralElement = false;
  if (controls.IsChecked(ids::kSpiralElement)) prefs.spiralElement = true;
  prefs.copperElement = controls.IsChecked(ids::kCopperElement);
  prefs.copperCapillary = controls.IsChecked(ids::kCopperCapillary);
  prefs.pvcCapillary = controls.IsChecked(ids::kPvcCapillary);
}

void CaptureActuatorPreferences(const FormControls& controls, ActuatorPreferences& prefs) {
  prefs.actuatorKind = controls.IsChecked(ids::kElectric)     ? ActuatorKind::Electric
                       : controls.IsChecked(ids::kThermostat) ? ActuatorKind::Thermostat
                       : controls.IsChecked(ids::kPneumatic)  ? ActuatorKind::Pneumatic
                                                              : ActuatorKind::None;
  prefs.controlSignal = 0;
  if (controls.IsChecked(ids::kThreePoint)) prefs.controlSignal = kThreePoint;
  if (controls.IsChecked(ids::kAnalogue)) prefs.controlSignal = kAnalogue;
  prefs.supplyVoltage = 0;
  if (controls.IsChecked(ids::kVoltage24)) prefs.supplyVoltage = 24;
  if (controls.IsChecked(ids::kVoltage220)) prefs.supplyVoltage = 220;
  prefs.wantLimitSwitches = controls.IsChecked(ids::kLimitSwitches);
  prefs.wantPotentiometer = controls.IsChecked(ids::kPotentiometer);
  prefs.wantSpringReturn = controls.IsChecked(ids::kSpringReturn);
  prefs.wantHeater = controls.IsChecked(ids::kHeater);
  prefs.wantPZ1 = controls.IsChecked(ids::kPositionerPZ1);
  prefs.wantPZ2 = controls.IsChecked(ids::kPositionerPZ2);
  prefs.wantNormallyOpen = controls.IsChecked(ids::kNormallyOpen);
  prefs.wantNormallyClosed = controls.IsChecked(ids::kNormallyClosed);
  if (prefs.actuatorKind == ActuatorKind::Electric) CaptureRequestedSignal(controls, prefs);
  if (prefs.actuatorKind == ActuatorKind::Thermostat) CaptureThermostatInputs(controls, prefs);
}

void ClearPanels(ResultPanels& panels) {
  panels.ShowValveResult();
  panels.ShowReducingValveResult();
  panels.ShowDpRegulatorResult();
  panels.ShowActuatorResult();
  panels.ShowControllerResult();
  panels.ShowCalculatedData();
}

void ShowProductPanel(ResultPanels& panels, ProductKind product) {
  switch (product) {
    case ProductKind::ControlValve:
      panels.ShowValveResult();
      break;
    case ProductKind::DpRegulator:
      panels.ShowDpRegulatorResult();
      break;
    case ProductKind::ReducingValve:
      panels.ShowReducingValveResult();
      break;
  }
}

}  // namespace

std::optional<QString> CaptureRequest(SelectionForm& form) {
  const FormControls& c = form.controls;
  SelectionRequest& r = form.request;
  r.wantBalanced = c.IsChecked(ids::kBalanced);

  const bool densityRead = ReadReal(c, ids::kDensity, r.density);
  const bool p1Read = ReadReal(c, ids::kP1, r.p1);
  const bool p2Read = ReadReal(c, ids::kP2, r.p2);
  const bool temperatureRead = ReadInt(c, ids::kTemperature, r.temperature);
  const bool dropRead = ReadReal(c, ids::kDrop, r.drop);
  const bool settingRead = ReadReal(c, ids::kSetting, r.setting);
  const bool flowRead = ReadReal(c, ids::kFlow, r.flow);
  const bool safetyFactorRead = ReadReal(c, ids::kSafetyFactor, r.safetyFactor);

  r.isWater = c.IsChecked(ids::kWater);
  r.isGlycol = c.IsChecked(ids::kGlycol);
  r.isSteam = c.IsChecked(ids::kSteam);
  const bool flanged = c.IsChecked(ids::kFlanged);
  const bool threaded = c.IsChecked(ids::kThreaded);
  const bool twoWay = c.IsChecked(ids::kTwoWay);
  const bool threeWay = c.IsChecked(ids::kThreeWay);
  r.wantMixing = c.IsChecked(ids::kMixing);
  r.wantDiverting = c.IsChecked(ids::kDiverting);
  r.useSafetyFactor = c.IsChecked(ids::kUseSafetyFactor);
  r.checkCavitation = c.IsChecked(ids::kCheckCavitation);
  r.product = c.IsChecked(ids::kControlValve)  ? ProductKind::ControlValve
              : c.IsChecked(ids::kDpRegulator) ? ProductKind::DpRegulator
                                               : ProductKind::ReducingValve;

  r.p1 *= PressureFactor(c.SelectedIndex(ids::kP1Unit));
  r.p2 *= PressureFactor(c.SelectedIndex(ids::kP2Unit));
  r.drop *= PressureFactor(c.SelectedIndex(ids::kDropUnit));
  r.setting *= PressureFactor(c.SelectedIndex(ids::kSettingUnit));
  r.flow = ConvertFlow(r.flow, c.SelectedIndex(ids::kFlowUnit), r.isSteam);

  if (!r.useSafetyFactor) r.safetyFactor = 1.0f;

  r.connection = kConnectionNotGiven;
  if (flanged) r.connection = kFlanged;
  if (threaded) r.connection = kThreaded;
  r.valveKind = kValveKindNotGiven;
  if (twoWay) r.valveKind = kTwoWay;
  if (threeWay) r.valveKind = kThreeWay;

  r.matchActuators = form.actuatorSectionOn;
  CaptureActuatorPreferences(c, r.actuator);

  const bool regulator = r.product != ProductKind::ControlValve;
  const bool thermostatAsked =
      r.matchActuators && !regulator && r.actuator.actuatorKind == ActuatorKind::Thermostat;
  const bool thermostatRead = ScanInt(c.Text(ids::kMaintainedTemperature)).has_value();
  // In the order the fields stand on the form.
  const NumberField fields[] = {
      {"K", r.useSafetyFactor, safetyFactorRead},
      {"Плотность среды", r.isGlycol, densityRead},
      {"Р1", true, p1Read},
      {"Р2", !r.isSteam, p2Read},
      {"Т", true, temperatureRead},
      {r.isSteam ? "δ" : "ΔP", true, dropRead},
      {"Требуемый перепад давления (настройка)", regulator, settingRead},
      {"G", true, flowRead},
      {"Поддерживаемая температура", thermostatAsked, thermostatRead},
  };
  for (const NumberField& field : fields) {
    if (field.used && !field.readable) return UnreadableFieldMessage(field.name);
  }
  return std::nullopt;
}

SelectionOutcome RunSelection(SelectionForm& form) {
  // The panels are cleared from the emptied lists before anything of this calculation is known.
  ClearCandidateLists(form.result);
  if (form.panels) ClearPanels(*form.panels);
  if (const std::optional<QString> refusal = CaptureRequest(form)) {
    RefuseSelection(form.result, *refusal);
  } else {
    RunSelection(form.request, form.catalogue, form.saturation, form.result);
  }
  if (form.result.outcome == InvalidInput) {
    form.controls.ShowMessage(form.result.message);
  } else if (form.panels) {
    ShowProductPanel(*form.panels, form.request.product);
  }
  return form.result.outcome;
}

void OnCalculate(SelectionForm& form) {
  const SelectionOutcome outcome = RunSelection(form);
  if (outcome != InvalidInput && !form.result.message.isEmpty()) {
    form.controls.ShowMessage(form.result.message);
  }
  form.controls.Enable(ids::kOtherConfiguration, outcome == Found);
}

}  // namespace selvio
