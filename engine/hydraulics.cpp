#include "engine/hydraulics.h"

#include <cmath>

namespace selvio {

float WaterDensity(int temperature) {
  const double t = temperature;
  const double d = t - 3.9863;
  return static_cast<float>(1000.0 * (1.0 - d * d * (t + 288.9414) / (508929.2 * (t + 68.12963))));
}

float KvWater(float safetyFactor, float flow, float drop) {
  const float root = std::sqrt(drop);
  return safetyFactor * flow / root;
}

float KvGlycol(float safetyFactor, float flow, float drop, float waterDensity, float density) {
  const float dropRoot = std::sqrt(std::fabs(drop));
  const float densityRoot = std::sqrt(waterDensity / density);
  return safetyFactor * flow / dropRoot * densityRoot;
}

float SteamFactor(float relativeDrop) {
  const float root = std::sqrt(relativeDrop);
  return static_cast<float>(22.0 * root * (1.0 - 0.72 * relativeDrop));
}

float KvSteam(float safetyFactor, float flow, float p1, float relativeDrop) {
  return safetyFactor * flow / (p1 * SteamFactor(relativeDrop));
}

bool IsCavitationRisk(const SelectionRequest& request, const SaturationTable& saturation, float z) {
  if (z == 0) return false;
  const float psat = LookupSaturationPressure(saturation, static_cast<float>(request.temperature));
  const float drop = std::fabs(request.p1 - request.p2);
  const float limit = z * (request.p1 - psat);
  return drop > limit;
}

LossVelocity LossAndVelocity(const SelectionRequest& request, float kvs, float dn, bool forSteam) {
  const double g = request.flow;
  const double area = static_cast<double>(dn) * dn;
  LossVelocity out;
  if (request.IsSteam() && forSteam) {
    out.dpv = static_cast<float>(static_cast<double>(request.drop) * request.p1);
    out.velocity = static_cast<float>(
        4e6 * g / (60.0 * 60.0 * 3.1415 * WaterDensity(request.temperature) * area));
  } else {
    const double ratio = g / kvs;
    out.dpv = static_cast<float>(ratio * ratio);
    out.velocity = static_cast<float>(4e6 * g / (11309.4 * area));
  }
  return out;
}

}  // namespace selvio
