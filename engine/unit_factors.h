#pragma once

#include <array>

namespace selvio {

// Factors to bar of the pressure unit lists, by the index of the selected entry:
// "Бар", "кПа", "кгс/см²" (one kgf/cm² is taken as one bar).
inline constexpr std::array<float, 3> pressureFactors{1.0f, 0.01f, 1.0f};

// The factor of unit index `index`; a list without a selection (or an unknown index) counts as
// the base unit.
float PressureFactor(int index);

// Converts a flow in the unit of index `index` into m³/h (water, glycol: "м³/ч", "л/ч", "л/с")
// or kg/h (steam: "т/ч", "кг/ч", "кг/с"), in single precision. Other indices leave it unchanged.
float ConvertFlow(float flow, int index, bool isSteam);

}  // namespace selvio
