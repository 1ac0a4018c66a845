#include "engine/unit_factors.h"

namespace selvio {

float PressureFactor(int index) {
  if (index < 0 || index >= static_cast<int>(pressureFactors.size())) return 1.0f;
  return pressureFactors[static_cast<std::size_t>(index)];
}

double CheckPressureFactor(int index) {
  if (index < 0 || index >= static_cast<int>(checkPressureFactors.size())) return 1.0;
  return checkPressureFactors[static_cast<std::size_t>(index)];
}

double RealBarFromFormBar(double formBar, int index) {
  constexpr int kKilogramForceIndex = 2;
  return index == kKilogramForceIndex ? formBar * kBarPerKilogramForce : formBar;
}

float ConvertFlow(float flow, int index, bool isSteam) {
  switch (index) {
    case 0:
      return isSteam ? flow * 1000.0f : flow;  // t/h to kg/h
    case 1:
      return isSteam ? flow : flow / 1000.0f;  // l/h to m³/h
    case 2:
      return isSteam ? flow * 3600.0f : flow * 3.6f;  // kg/s to kg/h, l/s to m³/h
    default:
      return flow;
  }
}

}  // namespace selvio
