#include "engine/noise/liquid_sound_speed.h"

#include "engine/water_if97.h"

namespace selvio::noise {
namespace {

constexpr double kPascalPerMegapascal = 1e6;

}  // namespace

double WaterSoundSpeed(double pressure, double temperature) {
  return if97::Region1SpeedOfSound(pressure / kPascalPerMegapascal, temperature);
}

}  // namespace selvio::noise
