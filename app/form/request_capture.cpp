#include "app/form/request_capture.h"

#include "engine/unit_factors.h"
#include "platform/c_numbers.h"

namespace selvio {
namespace {

// Reads a real the way the form accepts it: a decimal comma counts as a point. False, with the
// value left as it was, when the text holds no number.
bool ReadReal(const TextField& field, float& value) {
  QString text = FieldText(field);
  text.replace(QLatin1Char(','), QLatin1Char('.'));
  const std::optional<float> read = ScanFloat(text);
  if (read) value = *read;
  return read.has_value();
}

bool ReadInt(const TextField& field, int& value) {
  const std::optional<int> read = ScanInt(FieldText(field));
  if (read) value = *read;
  return read.has_value();
}

// A number field of the form, as the refusal names it.
struct NumberField {
  InputField field;
  bool used;
  bool readable;
};

Medium MediumOf(std::int32_t number) {
  switch (number) {
    case 1:
      return Medium::Water;
    case 2:
      return Medium::Glycol;
    case 3:
      return Medium::Steam;
    default:
      return Medium::None;
  }
}

ActuatorKind ActuatorKindOf(std::int32_t number) {
  switch (number) {
    case 1:
      return ActuatorKind::Electric;
    case 2:
      return ActuatorKind::Thermostat;
    case 3:
      return ActuatorKind::Pneumatic;
    default:
      return ActuatorKind::None;
  }
}

ProductKind ProductOf(std::int32_t number) {
  if (number == 1) return ProductKind::ControlValve;
  if (number == 2) return ProductKind::DpRegulator;
  return ProductKind::ReducingValve;
}

// The radio group numbers 1 and 2 of the connection, ways and control groups are the codes
// the catalogue gives them.
template <class Code>
Code CodeOf(std::int32_t number) {
  return number == 1 || number == 2 ? static_cast<Code>(number) : Code::NotGiven;
}

CapillaryMaterial CapillaryMetalOf(std::int32_t number) {
  switch (number) {
    case 1:
      return CapillaryMaterial::Copper;
    case 2:
      return CapillaryMaterial::CopperPvc;
    case 3:
      return CapillaryMaterial::Stainless;
    default:
      return CapillaryMaterial::NotGiven;
  }
}

// The requested signal is the entry selected in the signal list: 0-10 V, 2-10 V, 0-20 mA or
// 4-20 mA.
void CaptureRequestedSignal(std::int32_t signalType, ActuatorPreferences& prefs) {
  prefs.requestedSignal0to10V = signalType == 0;
  prefs.requestedSignal2to10V = signalType == 1;
  prefs.requestedSignal0to20mA = signalType == 2;
  prefs.requestedSignal4to20mA = signalType == 3;
}

// With neither element type chosen the previous one stays.
void CaptureThermostatInputs(const SettingsRecord& in, ActuatorPreferences& prefs) {
  prefs.maintainedTemperature = ScanInt(FieldText(in.maintainedTemperature)).value_or(0);
  if (in.elementType == 1) prefs.spiralElement = false;
  if (in.elementType == 2) prefs.spiralElement = true;
  prefs.copperElement = in.elementMetal == 1;
  prefs.copperCapillary = in.capillaryMetal == 1;
  prefs.pvcCapillary = in.capillaryMetal == 2;
}

void CaptureActuatorPreferences(const SettingsRecord& in, ActuatorPreferences& prefs) {
  prefs.actuatorKind = ActuatorKindOf(in.actuatorKind);
  prefs.controlSignal = CodeOf<ControlKind>(in.controlSignal);
  prefs.supplyVoltage = in.supplyVoltage == 1 ? 24 : in.supplyVoltage == 2 ? 220 : 0;
  prefs.wantLimitSwitches = in.limitSwitches != 0;
  prefs.wantPotentiometer = in.potentiometer != 0;
  prefs.wantSpringReturn = in.springReturn != 0;
  prefs.wantHeater = in.heater != 0;
  prefs.wantPZ1 = in.positioner == 1;
  prefs.wantPZ2 = in.positioner == 2;
  prefs.wantNormallyOpen = in.normalPosition == 1;
  prefs.wantNormallyClosed = in.normalPosition == 2;
  if (prefs.actuatorKind == ActuatorKind::Electric) CaptureRequestedSignal(in.signalType, prefs);
  if (prefs.actuatorKind == ActuatorKind::Thermostat) CaptureThermostatInputs(in, prefs);
}

// The label the capillary length list shows at `index`, empty when the list holds none there.
QString CapillaryLabel(const CapillaryLengthList& list, int index) {
  if (index < 0 || index >= list.count || index >= kListCapacity) return {};
  return list.labels[static_cast<std::size_t>(index)];
}

}  // namespace

CapturedRequest CaptureRequest(const SettingsRecord& in, SelectionRequest r) {
  r.wantBalanced = in.balancedOnly != 0;

  const bool densityRead = ReadReal(in.density, r.density);
  const bool p1Read = ReadReal(in.p1, r.p1);
  const bool p2Read = ReadReal(in.p2, r.p2);
  const bool temperatureRead = ReadInt(in.temperature, r.temperature);
  const bool dropRead = ReadReal(in.drop, r.drop);
  const bool settingRead = ReadReal(in.setting, r.setting);
  const bool flowRead = ReadReal(in.flow, r.flow);
  const bool safetyFactorRead = ReadReal(in.safetyFactor, r.safetyFactor);

  r.medium = MediumOf(in.medium);
  r.wantMixing = in.threeWayUse == 1;
  r.wantDiverting = in.threeWayUse == 2;
  r.useSafetyFactor = in.useSafetyFactor != 0;
  r.checkCavitation = in.checkCavitation != 0;
  r.product = ProductOf(in.productType);

  r.p1 *= PressureFactor(in.p1Unit);
  r.p2 *= PressureFactor(in.p2Unit);
  r.drop *= PressureFactor(in.dropUnit);
  r.setting *= PressureFactor(in.settingUnit);
  r.flow = ConvertFlow(r.flow, in.flowUnit, r.IsSteam());

  if (!r.useSafetyFactor) r.safetyFactor = 1.0f;

  r.connection = CodeOf<ConnectionKind>(in.connection);
  r.valveKind = CodeOf<ValveKind>(in.execution);

  r.matchActuators = in.actuatorSectionOn != 0;
  CaptureActuatorPreferences(in, r.actuator);

  const bool regulator = r.product != ProductKind::ControlValve;
  const bool thermostatAsked =
      r.matchActuators && !regulator && r.actuator.actuatorKind == ActuatorKind::Thermostat;
  const bool thermostatRead = ScanInt(FieldText(in.maintainedTemperature)).has_value();
  // In the order the fields stand on the form.
  const NumberField fields[] = {
      {InputField::SafetyFactor, r.useSafetyFactor, safetyFactorRead},
      {InputField::Density, r.medium == Medium::Glycol, densityRead},
      {InputField::InletPressure, true, p1Read},
      {InputField::OutletPressure, !r.IsSteam(), p2Read},
      {InputField::Temperature, true, temperatureRead},
      {r.IsSteam() ? InputField::RelativeDrop : InputField::PressureDrop, true, dropRead},
      {InputField::Setting, regulator, settingRead},
      {InputField::Flow, true, flowRead},
      {InputField::MaintainedTemperature, thermostatAsked, thermostatRead},
  };
  for (const NumberField& field : fields) {
    if (field.used && !field.readable)
      return {r, SelectionMessage{SelectionMessageCode::FieldWithoutNumber, field.field}};
  }
  return {r, std::nullopt};
}

PanelChoices CapturePanelChoices(const SettingsRecord& in, const FormState& state) {
  PanelChoices c;
  c.actuatorSectionOn = in.actuatorSectionOn != 0;
  c.controllerSectionOn = in.controllerSectionOn != 0;
  c.positioner = in.positioner;
  c.normalPosition = in.normalPosition;
  c.elementType = in.elementType;
  c.elementMetal = in.elementMetal;
  c.capillaryMetal = CapillaryMetalOf(in.capillaryMetal);
  switch (c.capillaryMetal) {
    case CapillaryMaterial::Copper:
      c.capillaryLength = CapillaryLabel(state.copperCapillaryLengths, in.capillaryLength);
      break;
    case CapillaryMaterial::CopperPvc:
      c.capillaryLength = CapillaryLabel(state.pvcCapillaryLengths, in.capillaryLength);
      break;
    case CapillaryMaterial::Stainless:
      c.capillaryLength = CapillaryLabel(state.stainlessCapillaryLengths, in.capillaryLength);
      break;
    case CapillaryMaterial::NotGiven:
      break;
  }
  c.controllerVariant = in.controllerVariant;
  c.heatCarrierSensors = FieldText(in.heatCarrierSensors);
  c.outdoorSensors = FieldText(in.outdoorSensors);
  c.roomSensors = FieldText(in.roomSensors);
  return c;
}

}  // namespace selvio
