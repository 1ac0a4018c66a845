#include "engine/noise/third_octave_bands.h"

#include <cmath>

namespace selvio::noise {
namespace {

double Energy(double level) { return std::pow(10.0, level / 10); }

}  // namespace

double AddLevels(double first, double second) {
  return 10 * std::log10(Energy(first) + Energy(second));
}

double AWeightedLevel(std::span<const double> levels) {
  double energy = 0;
  for (std::size_t i = 0; i < levels.size() && i < kBandCount; ++i) {
    energy += Energy(levels[i] + kAWeighting[i]);
  }
  return 10 * std::log10(energy);
}

}  // namespace selvio::noise
