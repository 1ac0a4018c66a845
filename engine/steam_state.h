#pragma once

// The state of steam before and after a valve after IAPWS-IF97 (engine/water_if97.h): saturated
// or superheated at the inlet, judged by the temperature given against the saturation
// temperature at P1, and the state after the valve, where throttling keeps the specific
// enthalpy. Pressures are absolute, in bar; temperatures in °C.
namespace selvio {

enum class MediumState { Liquid, Saturated, Superheated };

// Steam up to this much above its saturation temperature counts as saturated, K: a temperature
// field read from a gauge near Ts cannot tell a slight superheat from none.
inline constexpr double kSaturationMargin = 0.5;

// The input that lies outside the regions the state is taken from (IF97 regions 2 and 4).
enum class SteamLimit {
  None,
  InletPressure,   // P1 outside 0.00611213–165.29 bar (the saturation line within region 2)
  Temperature,     // T above 800 °C, or not a number
  OutletPressure,  // P2 below 0.00611213 bar or above P1
};

struct SteamState {
  SteamLimit outOfRange = SteamLimit::None;  // when not None, nothing below is set
  MediumState state = MediumState::Saturated;
  double temperature = 0;            // °C the steam is taken at: Ts when saturated, else T
  double saturationTemperature = 0;  // Ts at P1, °C
  bool temperatureReplaced = false;  // saturated, and T differs from Ts by more than 0.5 K
  double inletDensity = 0;           // ρ1, kg/m³
  double isentropicExponent = 0;     // γ = w²·ρ1/P1 at the inlet state
  double inletEnthalpy = 0;          // h1, kJ/kg
  // After the valve, at P2 with the enthalpy h1: superheated steam, or wet steam (Saturated)
  // at Ts(P2) when h1 is below the saturated vapour's h''(P2).
  MediumState outletState = MediumState::Superheated;
  double outletTemperature = 0;  // °C
  double outletDensity = 0;      // kg/m³; of the wet mixture, 1/(x·v'' + (1 − x)·v'), when wet
  double outletDryness = 1;  // vapour mass fraction x = (h1 − h')/(h'' − h'); 1 when superheated
};

// The steam state at P1 (bar absolute) with the temperature field T (°C), and after the valve at
// P2 (bar absolute).
SteamState SteamStateAt(double p1, double temperature, double p2);

}  // namespace selvio
