#include "engine/iec_piping.h"

#include <cmath>
#include <numbers>

namespace selvio::iec {
namespace {

constexpr double kKilopascalPerBar = 100.0;
constexpr double kSecondsPerHour = 3600.0;

// (C/d²)², the flow coefficient over the valve's cross-section that every fitting term carries.
double RelativeCapacitySquared(double c, double d) {
  const double ratio = c / (d * d);
  return ratio * ratio;
}

// Repeats `pass` (a sizing with given factors) with the factors at the Kv of the pass before,
// from FP = 1, FLP = FL, xTP = xT, until Kv changes by less than kPipingTolerance.
template <class Sizing, class Pass>
Sizing Iterate(const Reducers& reducers, double fl, double xt, Pass pass) {
  Sizing s = pass(PipingFactors{1, fl, xt});
  if (!reducers.Any()) return s;
  for (int i = 1; i <= kPipingMaxIterations && std::isfinite(s.kv); ++i) {
    Sizing next = pass(PipingFactorsAt(reducers, s.kv, fl, xt));
    next.iterations = i;
    const bool settled = std::abs(next.kv - s.kv) < kPipingTolerance * next.kv;
    s = next;
    if (settled) return s;
  }
  s.converged = false;
  return s;
}

}  // namespace

double InletReducerLoss(double d, double pipe) {
  const double open = 1 - (d / pipe) * (d / pipe);
  return 0.5 * open * open;
}

double OutletReducerLoss(double d, double pipe) {
  const double open = 1 - (d / pipe) * (d / pipe);
  return 1.0 * open * open;
}

double BernoulliCoefficient(double d, double pipe) { return 1 - std::pow(d / pipe, 4); }

ReducerLosses LossesOf(const Reducers& reducers) {
  ReducerLosses losses;
  if (reducers.inletPipe > reducers.d) {
    losses.zeta1 = InletReducerLoss(reducers.d, reducers.inletPipe);
    losses.zetaB1 = BernoulliCoefficient(reducers.d, reducers.inletPipe);
  }
  if (reducers.outletPipe > reducers.d) {
    losses.zeta2 = OutletReducerLoss(reducers.d, reducers.outletPipe);
    losses.zetaB2 = BernoulliCoefficient(reducers.d, reducers.outletPipe);
  }
  return losses;
}

double PipingGeometryFactor(double sumZeta, double c, double d) {
  return 1 / std::sqrt(1 + sumZeta / kN2 * RelativeCapacitySquared(c, d));
}

double CombinedRecoveryFactor(double fl, double inletZeta, double c, double d) {
  return fl / std::sqrt(1 + fl * fl * inletZeta / kN2 * RelativeCapacitySquared(c, d));
}

double CombinedDropRatioFactor(double xt, double fp, double inletZeta, double c, double d) {
  return (xt / (fp * fp)) / (1 + xt * inletZeta / kN5 * RelativeCapacitySquared(c, d));
}

PipingFactors PipingFactorsAt(const Reducers& reducers, double c, double fl, double xt) {
  if (!reducers.Any()) return {1, fl, xt};
  const ReducerLosses losses = LossesOf(reducers);
  PipingFactors f;
  f.fp = PipingGeometryFactor(losses.Sum(), c, reducers.d);
  f.flp = CombinedRecoveryFactor(fl, losses.Inlet(), c, reducers.d);
  f.xtp = CombinedDropRatioFactor(xt, f.fp, losses.Inlet(), c, reducers.d);
  return f;
}

LiquidPipeSizing SizeLiquidInPipe(double flow, double density, double p1, double drop,
                                  double vapourPressure, double criticalPressure, double fl,
                                  const Reducers& reducers) {
  const double ff = CriticalPressureRatioFactor(vapourPressure, criticalPressure);
  const double limit = p1 - ff * vapourPressure;  // P1 − FF·Pv
  const double relativeDensity = density / kReferenceDensity;
  auto pass = [&](const PipingFactors& f) {
    LiquidPipeSizing s;
    s.factors = f;
    s.ff = ff;
    const double ratio = f.flp / f.fp;
    s.chokedDrop = ratio * ratio * limit;
    s.choked = drop >= s.chokedDrop;
    s.kv = s.choked ? flow / f.flp * std::sqrt(relativeDensity / limit)
                    : flow / f.fp * std::sqrt(relativeDensity / drop);
    return s;
  };
  return Iterate<LiquidPipeSizing>(reducers, fl, 0, pass);
}

CompressiblePipeSizing SizeCompressibleInPipe(double massFlow, double p1, double density, double x,
                                              double gamma, double xt, double fl,
                                              const Reducers& reducers) {
  const double fGamma = SpecificHeatRatioFactor(gamma);
  auto pass = [&](const PipingFactors& f) {
    CompressiblePipeSizing s;
    s.factors = f;
    s.fGamma = fGamma;
    s.chokedRatio = ChokedDropRatio(fGamma, f.xtp);
    s.choked = x >= s.chokedRatio;
    s.sizingRatio = s.choked ? s.chokedRatio : x;
    s.expansion = ExpansionFactor(s.sizingRatio, fGamma, f.xtp);
    s.kv = CompressibleKv(massFlow, s.expansion, s.sizingRatio, p1 * kKilopascalPerBar, density) /
           f.fp;
    return s;
  };
  return Iterate<CompressiblePipeSizing>(reducers, fl, xt, pass);
}

double PipeVelocity(double volumeFlow, double diameter) {
  const double d = diameter / 1000;
  return volumeFlow / kSecondsPerHour / (std::numbers::pi * d * d / 4);
}

}  // namespace selvio::iec
