#include "engine/steam_state.h"

#include <cmath>

#include "engine/iec_sizing.h"
#include "engine/water_if97.h"

namespace selvio {
namespace {

constexpr double kMegapascalPerBar = 0.1;
constexpr double kPascalPerBar = 1e5;

double Kelvin(double celsius) { return celsius + if97::kZeroCelsius; }
double Celsius(double kelvin) { return kelvin - if97::kZeroCelsius; }

bool InSteamPressureRange(double p) {
  const double pMpa = p * kMegapascalPerBar;
  return pMpa >= if97::kSaturationMinPressure && pMpa <= if97::kRegion2MaxSaturationPressure;
}

SteamLimit LimitOf(double p1, double temperature, double p2) {
  if (!InSteamPressureRange(p1)) return SteamLimit::InletPressure;
  if (!(Kelvin(temperature) <= if97::kRegion2MaxTemperature)) return SteamLimit::Temperature;
  if (!InSteamPressureRange(p2) || p2 > p1) return SteamLimit::OutletPressure;
  return SteamLimit::None;
}

// The state after throttling to p2 (bar) with the enthalpy h1 (kJ/kg) kept: superheated steam
// when h1 reaches the saturated vapour's h'', otherwise wet steam of dryness
// x = (h1 − h')/(h'' − h') at Ts(p2), its density that of the homogeneous mixture.
void SetOutlet(double p2, double h1, SteamState& s) {
  const double pMpa = p2 * kMegapascalPerBar;
  const double ts = if97::SaturationTemperature(pMpa);
  const double vapourEnthalpy = if97::Region2SpecificEnthalpy(pMpa, ts);
  if (h1 >= vapourEnthalpy) {
    const double t = if97::Region2Temperature(pMpa, h1);
    s.outletState = MediumState::Superheated;
    s.outletTemperature = Celsius(t);
    s.outletDensity = 1 / if97::Region2SpecificVolume(pMpa, t);
    s.outletDryness = 1;
    return;
  }
  const double liquidEnthalpy = if97::Region1SpecificEnthalpy(pMpa, ts);
  const double x = (h1 - liquidEnthalpy) / (vapourEnthalpy - liquidEnthalpy);
  const double v =
      x * if97::Region2SpecificVolume(pMpa, ts) + (1 - x) * if97::Region1SpecificVolume(pMpa, ts);
  s.outletState = MediumState::Saturated;
  s.outletTemperature = Celsius(ts);
  s.outletDensity = 1 / v;
  s.outletDryness = x;
}

}  // namespace

SteamState SteamStateAt(double p1, double temperature, double p2) {
  SteamState s;
  s.outOfRange = LimitOf(p1, temperature, p2);
  if (s.outOfRange != SteamLimit::None) return s;

  const double pMpa = p1 * kMegapascalPerBar;
  const double ts = if97::SaturationTemperature(pMpa);
  s.saturationTemperature = Celsius(ts);
  const bool superheated = temperature > s.saturationTemperature + kSaturationMargin;
  s.state = superheated ? MediumState::Superheated : MediumState::Saturated;
  s.temperatureReplaced =
      !superheated && std::abs(temperature - s.saturationTemperature) > kSaturationMargin;
  s.temperature = superheated ? temperature : s.saturationTemperature;

  const double t = superheated ? Kelvin(temperature) : ts;
  s.inletDensity = 1 / if97::Region2SpecificVolume(pMpa, t);
  s.isentropicExponent = iec::IsentropicExponent(if97::Region2SpeedOfSound(pMpa, t), s.inletDensity,
                                                 p1 * kPascalPerBar);
  s.inletEnthalpy = if97::Region2SpecificEnthalpy(pMpa, t);
  SetOutlet(p2, s.inletEnthalpy, s);
  return s;
}

}  // namespace selvio
