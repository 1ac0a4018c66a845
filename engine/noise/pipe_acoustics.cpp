#include "engine/noise/pipe_acoustics.h"

#include <cmath>
#include <numbers>

namespace selvio::noise {
namespace {

// The reference distance of the level outside, m.
constexpr double kOneMetre = 1.0;

}  // namespace

double InternalLevel(double soundPower, double density, double soundSpeed,
                     double internalDiameter) {
  return 10 * std::log10(3.2e9 * soundPower * density * soundSpeed /
                         (internalDiameter * internalDiameter));
}

double RingFrequency(double pipeSoundSpeed, double internalDiameter) {
  return pipeSoundSpeed / (std::numbers::pi * internalDiameter);
}

double OneMetreSpreading(double internalDiameter, double wallThickness) {
  const double outside = internalDiameter + 2 * wallThickness;
  return -10 * std::log10((outside + 2 * kOneMetre) / outside);
}

}  // namespace selvio::noise
