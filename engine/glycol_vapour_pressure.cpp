#include "engine/glycol_vapour_pressure.h"

#include "engine/water_if97.h"

namespace selvio {
namespace {

constexpr double kBarPerMegapascal = 10;

}  // namespace

std::optional<GlycolVapourPressure> GlycolVapourPressureAt(double temperature) {
  if (!(temperature >= kGlycolMinTemperature && temperature <= kGlycolMaxTemperature)) {
    return std::nullopt;
  }
  const bool belowFreezing = temperature < 0;
  const double kelvin =
      belowFreezing ? if97::kTriplePointTemperature : temperature + if97::kZeroCelsius;
  return GlycolVapourPressure{if97::SaturationPressure(kelvin) * kBarPerMegapascal, belowFreezing};
}

}  // namespace selvio
