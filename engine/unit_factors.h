#pragma once

#include <array>

namespace selvio {

// Factors to bar of the pressure unit lists, by the index of the selected entry:
// "Бар", "кПа", "кгс/см²" (one kgf/cm² is taken as one bar).
inline constexpr std::array<float, 3> pressureFactors{1.0f, 0.01f, 1.0f};

// The factor of unit index `index`; a list without a selection (or an unknown index) counts as
// the base unit.
float PressureFactor(int index);

// One kilogram-force per square centimetre in bar: 9.80665 N over 1 cm², exactly 0.980665 bar.
inline constexpr double kBarPerKilogramForce = 0.980665;

// Factors to bar of the same unit lists at their real values, for the check (the form keeps
// taking one kgf/cm² as one bar): "Бар", "кПа", "кгс/см²".
inline constexpr std::array<double, 3> checkPressureFactors{1.0, 0.01, kBarPerKilogramForce};

// The real factor of unit index `index`; no selection or an unknown index counts as bar.
double CheckPressureFactor(int index);

// A pressure the form converted to bar with pressureFactors, in real bar: unchanged for "Бар" and
// "кПа", times 0.980665 for "кгс/см²". The check's boundary.
double RealBarFromFormBar(double formBar, int index);

// Converts a flow in the unit of index `index` into m³/h (water, glycol: "м³/ч", "л/ч", "л/с")
// or kg/h (steam: "т/ч", "кг/ч", "кг/с"), in single precision. Other indices leave it unchanged.
float ConvertFlow(float flow, int index, bool isSteam);

}  // namespace selvio
