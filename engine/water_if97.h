#pragma once

// Water and steam properties after IAPWS-IF97, the Industrial Formulation 1997 for the
// Thermodynamic Properties of Water and Steam (IAPWS R7-97, revised 2012), in the release's own
// units: pressure p in MPa, temperature T in K, specific volume v in m³/kg, speed of sound w in
// m/s. Equation and table numbers are the release's. Only the regions this program meets are
// written: 1 (liquid water), 2 (steam) and 4 (the saturation line).
namespace selvio::if97 {

// Specific gas constant of water, kJ/(kg·K), eq. (1).
inline constexpr double kGasConstant = 0.461526;
// Critical pressure, MPa, eq. (4).
inline constexpr double kCriticalPressure = 22.064;
// 0 °C in K.
inline constexpr double kZeroCelsius = 273.15;

// Validity used here: region 1 for 273.15 K ≤ T ≤ 623.15 K and ps(T) ≤ p ≤ 100 MPa; region 2 for
// 273.15 K ≤ T ≤ 623.15 K and 0 < p ≤ ps(T), and above 623.15 K up to 1073.15 K for
// p ≤ 16.5291643 MPa (below the boundary to region 3 there); region 4 for 273.15 K ≤ T ≤ 647.096 K,
// that is 611.213 Pa ≤ p ≤ 22.064 MPa. Outside these the functions still return numbers, which mean
// nothing.
inline constexpr double kRegion1MinTemperature = 273.15;      // K
inline constexpr double kRegion1MaxTemperature = 623.15;      // K
inline constexpr double kRegion1MaxPressure = 100.0;          // MPa
inline constexpr double kSaturationMinPressure = 611.213e-6;  // MPa, ps(273.15 K)
// ps(623.15 K) from eq. (30): the highest pressure at which saturated steam lies in region 2.
inline constexpr double kRegion2MaxSaturationPressure = 16.5291643;  // MPa
// Upper end of region 2, K (800 °C).
inline constexpr double kRegion2MaxTemperature = 1073.15;
// Triple point, K: the lowest temperature of the saturation line that liquid and vapour share.
inline constexpr double kTriplePointTemperature = 273.16;

// Region 1, from the dimensionless Gibbs free energy eq. (7),
//   γ(π, τ) = Σ nᵢ (7.1 − π)^Iᵢ (τ − 1.222)^Jᵢ,  π = p / 16.53 MPa,  τ = 1386 K / T,
// coefficients of Table 2, properties by Table 3.

// Specific volume v = (R·T/p)·π·γπ, m³/kg.
double Region1SpecificVolume(double p, double t);

// Speed of sound w² = R·T·γπ² / ((γπ − τ·γπτ)² / (τ²·γττ) − γππ), m/s.
double Region1SpeedOfSound(double p, double t);

// Specific enthalpy h = R·T·τ·γτ, kJ/kg (Table 3).
double Region1SpecificEnthalpy(double p, double t);

// Region 2, from γ = γ° + γʳ, eq. (15): the ideal-gas part eq. (16) with the coefficients of
// Table 10, the residual part eq. (17) with those of Table 11; π = p / 1 MPa, τ = 540 K / T;
// properties by Table 12.

// Specific volume v = (R·T/p)·π·(γ°π + γʳπ), m³/kg.
double Region2SpecificVolume(double p, double t);

// Speed of sound, Table 12:
//   w² = R·T·(1 + 2πγʳπ + π²γʳπ²) / ((1 − π²γʳππ) + (1 + πγʳπ − τπγʳπτ)² / (τ²(γ°ττ + γʳττ))),
// m/s.
double Region2SpeedOfSound(double p, double t);

// Specific enthalpy h = R·T·τ·(γ°τ + γʳτ), kJ/kg (Table 12).
double Region2SpecificEnthalpy(double p, double t);

// Specific isobaric heat capacity cp = −R·τ²·(γ°ττ + γʳττ), kJ/(kg·K) (Table 12).
double Region2SpecificIsobaricHeatCapacity(double p, double t);

// Temperature T(p, h) of steam in region 2, K, for p ≤ kRegion2MaxSaturationPressure and h at or
// above the saturated vapour's h''(p): the root of Region2SpecificEnthalpy(p, T) = h between
// Ts(p) and kRegion2MaxTemperature, found by Newton's method kept inside a shrinking bracket.
// It agrees with the forward equation to 1e-9 K, where the release's backward equations
// (22)–(24) keep only within 10 mK of it. Outside that range of h it returns the nearer end of
// the bracket.
double Region2Temperature(double p, double h);

// Region 4, the saturation line: the quadratic eq. (29) in β = (ps / 1 MPa)^¼ and
// ϑ = T/1 K + n₉ / (T/1 K − n₁₀) with the coefficients of Table 34.

// Saturation pressure ps(T), MPa, eq. (30): ps = (2C / (−B + √(B² − 4AC)))⁴ with
//   A = ϑ² + n₁ϑ + n₂,  B = n₃ϑ² + n₄ϑ + n₅,  C = n₆ϑ² + n₇ϑ + n₈.
double SaturationPressure(double t);

// Saturation temperature Ts(p), K, eq. (31): Ts = (n₁₀ + D − √((n₁₀ + D)² − 4(n₉ + n₁₀D))) / 2
// with D = 2G / (−F − √(F² − 4EG)),
//   E = β² + n₃β + n₆,  F = n₁β² + n₄β + n₇,  G = n₂β² + n₅β + n₈.
double SaturationTemperature(double p);

}  // namespace selvio::if97
