#include "engine/heat_load.h"

#include <cmath>

namespace selvio {

float WaterFlowFromHeatLoad(float heatLoadKw, float supplyC, float returnC) {
  const float difference = std::fabs(supplyC - returnC);
  return static_cast<float>(static_cast<double>(heatLoadKw) * 0.86 / difference);
}

}  // namespace selvio
