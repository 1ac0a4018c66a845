#pragma once

#include <QString>

#include "catalogue/catalogue_records.h"
#include "engine/selection_request.h"
#include "output/result_texts.h"

// The value blocks of the result panels: one value per line, lines separated by "\r\n", each
// line beside its label in the panel's label block. Every text fits the 1024-character buffer.
namespace selvio {

// Block 1085 for a control valve: name, DN, connection, max pressure, max temperature,
// Kvs (one decimal), characteristic, construction, leakage (two decimals).
QString ValveValueText(const ValveRecord& valve);

// Block 1085 for a regulator: name, DN, connection, max pressure, max temperature, Kvs,
// leakage, setting range "lo-hi" (one decimal each). A reducing valve shows the leakage
// without decimals, a differential-pressure regulator with two.
QString RegulatorValueText(const RegulatorCandidate& candidate, bool reducingValve);

// Block 1088: variant, control kind, voltage, the requested signals the actuator supports
// (an empty line when none), then "да"/"нет" for potentiometer, limit switches, spring return
// and heater.
QString ElectricActuatorValueText(const ElectricActuatorRecord& actuator,
                                  const ActuatorPreferences& preferences);

// Block 1094: name, positioner, normal position.
QString PneumaticActuatorValueText(const PneumaticActuatorRecord& actuator,
                                   const ResultTexts& texts);

// Block 1092: name, capillary length, element metal, capillary metal, element type, range.
QString ThermostatValueText(const ThermostatRecord& thermostat, const ResultTexts& texts);

// The controller's model; the result areas and the report print it beside the variant.
inline constexpr const char* kControllerModel = "ZR310";

// Block 1096: the controller model, its variant, an empty line, the three sensor counts.
QString ControllerValueText(const ResultTexts& texts);

struct CalculatedData {
  float kv = 0;            // m³/h, Kv·K
  float dpv = 0;           // bar
  float velocity = 0;      // m/s
  float psat = 0;          // bar
  float safetyFactor = 1;  // K
};

// The velocity as block 1089 shows it: "%.2f", or "%f" when it is at most 0.1 m/s (V·10 ≤ 1,
// tested on the float widened to double).
QString VelocityText(float velocity);

// Block 1089: Kv (with "Kv(Kv·K)" when K is not exactly 1), dPv, V (six decimals when
// V·10 ≤ 1), Psat. A value that is not finite is shown as "—".
QString CalculatedDataText(const CalculatedData& data);

}  // namespace selvio
