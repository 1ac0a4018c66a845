#pragma once

#include "engine/saturation_table.h"
#include "engine/selection_request.h"

// Formulas shared by the sizing and the result display. Pressures in bar (gauge), temperatures
// in °C, volume flow in m³/h, steam mass flow in kg/h, density in kg/m³, diameters in mm.
namespace selvio {

// Density of water: ρw(T) = 1000·(1 − (T − 3.9863)²·(T + 288.9414) / (508929.2·(T + 68.12963))),
// kg/m³, rounded to single precision.
float WaterDensity(int temperature);

// Kv of water: Kv = K·G / √ΔP, G in m³/h, ΔP in bar.
float KvWater(float safetyFactor, float flow, float drop);

// Kv of a glycol solution: Kv = K·G / √|ΔP| · √(ρw(T) / ρ), ρ the solution's density.
float KvGlycol(float safetyFactor, float flow, float drop, float waterDensity, float density);

// Steam expansion term f(δ) = 22·√δ·(1 − 0.72·δ), δ the relative pressure drop.
float SteamFactor(float relativeDrop);

// Kv of steam: Kv = K·G / (P1·f(δ)), G in kg/h, P1 in bar.
float KvSteam(float safetyFactor, float flow, float p1, float relativeDrop);

// Cavitation is possible when |P1 − P2| > z·(P1 − Psat(T)); never when z is 0.
bool IsCavitationRisk(const SelectionRequest& request, const SaturationTable& saturation, float z);

struct LossVelocity {
  float dpv = 0;       // bar
  float velocity = 0;  // m/s
};

// Pressure loss across the open product and velocity through it:
//   dPv = (G / Kvs)²,  V = 4·10⁶·G / (3600·3.1415·dn²)  (G in m³/h);
// for steam through a steam-rated product dPv = δ·P1 and V = 4·10⁶·G / (3600·3.1415·ρw(T)·dn²)
// (G in kg/h).
LossVelocity LossAndVelocity(const SelectionRequest& request, float kvs, float dn, bool forSteam);

}  // namespace selvio
