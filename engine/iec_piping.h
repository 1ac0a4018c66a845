#pragma once

#include "engine/iec_sizing.h"

// A valve installed between concentric reducers in a larger pipe, after IEC 60534-2-1: the loss
// coefficients of the reducers, the piping geometry factor FP, the combined factors FLP and xTP,
// and Kv sized with them. Nominal sizes in mm, pressures absolute in bar, Kv in m³/h.
namespace selvio::iec {

// N2 and N5 for Kv with d in mm.
inline constexpr double kN2 = 1.60e-3;
inline constexpr double kN5 = 1.80e-3;

// The sizing stops when Kv changes by less than this fraction from one pass to the next.
inline constexpr double kPipingTolerance = 0.001;
// Passes after which a sizing that has not settled is given up.
inline constexpr int kPipingMaxIterations = 100;

// Loss coefficient of the reducer before the valve: ζ1 = 0.5·(1 − (d/D)²)², d the valve's size
// and D the pipe's.
double InletReducerLoss(double d, double pipe);

// Loss coefficient of the increaser after the valve: ζ2 = 1.0·(1 − (d/D)²)².
double OutletReducerLoss(double d, double pipe);

// Bernoulli coefficient of a change of section: ζB = 1 − (d/D)⁴.
double BernoulliCoefficient(double d, double pipe);

// A valve of size d between an inlet pipe D1 and an outlet pipe D2, mm. A pipe not larger than
// the valve has no reducer (a pipe smaller than the valve is an input to refuse before).
struct Reducers {
  double d = 0;
  double inletPipe = 0;
  double outletPipe = 0;

  bool Any() const { return inletPipe > d || outletPipe > d; }
};

struct ReducerLosses {
  double zeta1 = 0;   // ζ1
  double zeta2 = 0;   // ζ2
  double zetaB1 = 0;  // ζB1, at the inlet
  double zetaB2 = 0;  // ζB2, at the outlet

  // Σζ = ζ1 + ζ2 + ζB1 − ζB2 (the Bernoulli terms cancel when both pipes are the same).
  double Sum() const { return zeta1 + zeta2 + zetaB1 - zetaB2; }
  // ζ1 + ζB1, the losses ahead of the vena contracta that FLP and xTP take.
  double Inlet() const { return zeta1 + zetaB1; }
};

ReducerLosses LossesOf(const Reducers& reducers);

// Piping geometry factor FP = 1/√(1 + Σζ/N2·(C/d²)²), C in m³/h (Kv), d in mm.
double PipingGeometryFactor(double sumZeta, double c, double d);

// Liquid pressure recovery factor of the valve with its fittings, taken with FP as one factor:
// FLP = FL/√(1 + FL²·(ζ1 + ζB1)/N2·(C/d²)²).
double CombinedRecoveryFactor(double fl, double inletZeta, double c, double d);

// Pressure differential ratio factor of the valve with its fittings:
// xTP = (xT/FP²) / (1 + xT·(ζ1 + ζB1)/N5·(C/d²)²).
double CombinedDropRatioFactor(double xt, double fp, double inletZeta, double c, double d);

struct PipingFactors {
  double fp = 1;   // FP
  double flp = 0;  // FLP
  double xtp = 0;  // xTP
};

// The three factors at the flow coefficient C; without reducers FP = 1, FLP = FL, xTP = xT.
PipingFactors PipingFactorsAt(const Reducers& reducers, double c, double fl, double xt);

// A liquid sized with its fittings. Non-choked: Kv = Q/FP·√((ρ1/ρ0)/ΔP); choked when
// ΔP ≥ (FLP/FP)²·(P1 − FF·Pv), then Kv = Q/FLP·√((ρ1/ρ0)/(P1 − FF·Pv)).
struct LiquidPipeSizing {
  PipingFactors factors;  // at the Kv of the pass before the last; xtp unused (0)
  double ff = 0;          // FF
  double chokedDrop = 0;  // (FLP/FP)²·(P1 − FF·Pv), bar
  bool choked = false;
  double kv = 0;          // m³/h
  int iterations = 0;     // passes with the factors; 0 without reducers
  bool converged = true;  // false: Kv did not settle (the reducers alone take more than the
                          // drop); kv is then the last pass's and means nothing
};

// Sizes as the standard's procedure does: Kv with FP = 1, FLP = FL first; then, again and
// again, the factors at the last Kv and Kv with those factors, until Kv changes by less than
// 0.1 %. Q in m³/h, ρ1 in kg/m³, P1, ΔP, Pv and Pc in bar.
LiquidPipeSizing SizeLiquidInPipe(double flow, double density, double p1, double drop,
                                  double vapourPressure, double criticalPressure, double fl,
                                  const Reducers& reducers);

// A compressible fluid sized with its fittings: x is taken up to Fγ·xTP,
// Y = 1 − x/(3·Fγ·xTP) and Kv = W/(N6·FP·Y·√(x·P1·ρ1)).
struct CompressiblePipeSizing {
  PipingFactors factors;   // at the Kv of the pass before the last
  double fGamma = 0;       // Fγ
  double chokedRatio = 0;  // Fγ·xTP
  bool choked = false;     // x ≥ Fγ·xTP
  double sizingRatio = 0;  // x, or Fγ·xTP when choked
  double expansion = 0;    // Y
  double kv = 0;           // m³/h
  int iterations = 0;
  bool converged = true;
};

// The same procedure for W in kg/h, P1 absolute in bar, ρ1 in kg/m³ at the inlet, x = ΔP/P1.
CompressiblePipeSizing SizeCompressibleInPipe(double massFlow, double p1, double density, double x,
                                              double gamma, double xt, double fl,
                                              const Reducers& reducers);

// Mean velocity of a volume flow Q (m³/h) in a bore of diameter D (mm): v = Q/3600/(π·D²/4),
// m/s; the connection's with the valve's DN, the pipe's with the pipe's.
double PipeVelocity(double volumeFlow, double diameter);

}  // namespace selvio::iec
