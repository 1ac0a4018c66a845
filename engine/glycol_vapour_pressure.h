#pragma once

#include <optional>

// The vapour pressure the check takes for a glycol solution: water's, which bounds the
// solution's from above (the glycol lowers it), so that cavitation and flashing are judged on
// the safe side.
namespace selvio {

// The temperatures a glycol solution is checked at, °C: down to −40 °C, where glycol solutions
// are used below water's freezing point, and up to the end of IF97 region 1 that the check
// takes water's vapour pressure from.
inline constexpr double kGlycolMinTemperature = -40;
inline constexpr double kGlycolMaxTemperature = 350;

struct GlycolVapourPressure {
  double pressure = 0;            // bar absolute
  bool triplePointBound = false;  // below 0 °C: water's at its triple point (0.01 °C) was taken
};

// Water's saturation pressure at T (IF97 eq. (30)) for 0 °C ≤ T ≤ 350 °C; below 0 °C down to
// −40 °C, water's at its triple point, 0.00611657 bar, which is higher still than water's (and
// so the solution's) at T. Nothing outside −40…350 °C.
std::optional<GlycolVapourPressure> GlycolVapourPressureAt(double temperature);

}  // namespace selvio
