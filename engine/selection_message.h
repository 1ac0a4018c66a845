#pragma once

namespace selvio {

// What a calculation tells the user, as a code and the figures its text needs. The engine
// decides which message a calculation gives; its words are composed above the engine
// (words/selection_words.h), in the language in use.
enum class SelectionMessageCode {
  None,                              // nothing to show
  FieldWithoutNumber,                // an input field the calculation uses holds no number
  OutletPressureNotBelowInlet,       // a liquid's P2 is not below its P1
  SafetyFactorOutOfRange,            // K outside low..high
  DropNotPositive,                   // water: ΔP not above zero
  DropZero,                          // glycol: ΔP is zero
  DensityNotPositive,                // glycol: the density is not above zero
  RelativeDropOutOfRange,            // steam: δ outside low..high
  InletPressureNotPositive,          // steam: P1 not above zero
  FlowNotPositive,                   // G not above zero (after every other refusal)
  SettingOutOfRange,                 // a regulator's setting outside low..high
  NoValveFits,                       // nothing found (for a regulator too)
  NoActuatorFits,                    // valves fit, but none with an actuator
  NoActuatorTryStainlessThermostat,  // the same, where a stainless-steel thermostat would do
};

// An input field of the selection, as a refusal names it.
enum class InputField {
  None,  // the message is about no one field
  SafetyFactor,
  Density,
  InletPressure,
  OutletPressure,
  Temperature,
  PressureDrop,  // ΔP, for a liquid
  RelativeDrop,  // δ, for steam
  Setting,       // a regulator's setting
  Flow,
  MaintainedTemperature,  // a thermostat's
};

struct SelectionMessage {
  SelectionMessageCode code = SelectionMessageCode::None;
  InputField field = InputField::None;  // the field refused (for FieldWithoutNumber the first
                                        // one without a number, in the form's order)
  double low = 0;                       // ...OutOfRange: the bounds of the range, as the
  double high = 0;                      // calculation took them

  bool operator==(const SelectionMessage&) const = default;
};

// The accepted ranges of the inputs the calculation checks before it sizes (inclusive).
inline constexpr double kSafetyFactorMin = 1;
inline constexpr double kSafetyFactorMax = 1.25;
inline constexpr double kRelativeDropMin = 0.01;
inline constexpr double kRelativeDropMax = 0.42;

}  // namespace selvio
