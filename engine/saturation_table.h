#pragma once

#include <array>

namespace selvio {

inline constexpr int kSaturationCapacity = 1000;

// Saturated-vapour pressure of water against temperature; slot i of both arrays belong together.
struct SaturationTable {
  std::array<float, kSaturationCapacity> pressures{};     // bar
  std::array<float, kSaturationCapacity> temperatures{};  // °C
  int count = 0;
};

// The pressure of the first slot whose temperature is >= T (no interpolation); 0 when none is.
float LookupSaturationPressure(const SaturationTable& table, float temperature);

}  // namespace selvio
