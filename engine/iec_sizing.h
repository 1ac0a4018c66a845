#pragma once

// Flow coefficient Kv of a control valve after IEC 60534-2-1 (sizing equations for fluid flow
// under installed conditions), fully turbulent flow (FR = 1) without attached fittings (FP = 1).
// Pressures are absolute; Kv in m³/h.
namespace selvio::iec {

// Density of water at 15 °C, kg/m³: the reference ρ0 of the liquid equations.
inline constexpr double kReferenceDensity = 999.10329;
// N6 for Kv with W in kg/h, P1 in kPa and ρ1 in kg/m³.
inline constexpr double kN6 = 3.16;
// The ratio of specific heats of air, to which Fγ refers.
inline constexpr double kAirSpecificHeatRatio = 1.40;

// Liquid, non-choked: Kv = Q·√((ρ1/ρ0) / ΔP), Q in m³/h, ρ1 in kg/m³, ΔP in bar (N1 = 1).
double LiquidKv(double flow, double density, double drop);

// Liquid critical pressure ratio factor FF = 0.96 − 0.28·√(Pv/Pc), Pv and Pc in the same unit.
double CriticalPressureRatioFactor(double vapourPressure, double criticalPressure);

// Pressure drop at which a liquid flow chokes, ΔPmax = FL²·(P1 − FF·Pv), bar; the flow is
// choked when ΔP ≥ ΔPmax, and Kv is then taken with ΔPmax.
double ChokedLiquidDrop(double fl, double p1, double ff, double vapourPressure);

// Cavitation index x_F = ΔP / (P1 − Pv), pressures in bar.
double CavitationIndex(double drop, double p1, double vapourPressure);

// Specific heat ratio factor Fγ = γ / 1.40.
double SpecificHeatRatioFactor(double gamma);

// Pressure drop ratio at which a compressible flow chokes, x_choked = Fγ·xT; the flow is choked
// when x ≥ Fγ·xT, and x is then taken as Fγ·xT.
double ChokedDropRatio(double fGamma, double xt);

// Expansion factor Y = 1 − x / (3·Fγ·xT), x = ΔP/P1.
double ExpansionFactor(double x, double fGamma, double xt);

// Compressible: Kv = W / (N6·Y·√(x·P1·ρ1)), W in kg/h, P1 in kPa, ρ1 in kg/m³.
double CompressibleKv(double massFlow, double y, double x, double p1Kilopascal, double density);

// Isentropic exponent of a real gas from its speed of sound w (m/s), density ρ (kg/m³) and
// pressure p (Pa): κ = w²·ρ / p, the γ of the compressible equations.
double IsentropicExponent(double speedOfSound, double density, double pressure);

// A liquid sized with its choked-flow test.
struct LiquidSizing {
  double ff = 0;          // FF
  double chokedDrop = 0;  // ΔPmax, bar
  bool choked = false;    // ΔP ≥ ΔPmax
  double sizingDrop = 0;  // ΔP, or ΔPmax when choked, bar
  double kv = 0;          // m³/h
};

// Kv of a liquid: Q in m³/h, ρ1 in kg/m³, P1, Pv and Pc absolute in bar, ΔP in bar.
LiquidSizing SizeLiquid(double flow, double density, double p1, double drop, double vapourPressure,
                        double criticalPressure, double fl);

// A compressible fluid sized with its choked-flow test.
struct CompressibleSizing {
  double fGamma = 0;       // Fγ
  double chokedRatio = 0;  // Fγ·xT
  bool choked = false;     // x ≥ Fγ·xT
  double sizingRatio = 0;  // x, or Fγ·xT when choked
  double expansion = 0;    // Y
  double kv = 0;           // m³/h
};

// Kv of a compressible fluid: W in kg/h, P1 absolute in bar (kPa inside), ρ1 in kg/m³ at the
// inlet, x = ΔP/P1, γ its isentropic exponent.
CompressibleSizing SizeCompressible(double massFlow, double p1, double density, double x,
                                    double gamma, double xt);

// Relative flow coefficient Kv/Kvs, the opening of the valve at the working point.
double RelativeKv(double kv, double kvs);

// Relative lift h of a linear characteristic: h = Kv/Kvs.
double LinearLift(double relativeKv);

// Relative lift h of an equal-percentage characteristic with rangeability 50 at the relative
// flow coefficient Kv/Kvs: h = 1 + ln(Kv/Kvs) / ln 50 (0 at Kv/Kvs = 1/50, 1 at Kv/Kvs = 1).
double EqualPercentageLift(double relativeKv);

// Relative flow coefficient of the equal-percentage characteristic at lift h: Kv/Kvs = 50^(h−1).
double EqualPercentageRelativeKv(double lift);

}  // namespace selvio::iec
