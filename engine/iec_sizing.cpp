#include "engine/iec_sizing.h"

#include <cmath>

namespace selvio::iec {
namespace {

constexpr double kKilopascalPerBar = 100.0;
constexpr double kRangeability = 50.0;

}  // namespace

double LiquidKv(double flow, double density, double drop) {
  return flow * std::sqrt(density / kReferenceDensity / drop);
}

double CriticalPressureRatioFactor(double vapourPressure, double criticalPressure) {
  return 0.96 - 0.28 * std::sqrt(vapourPressure / criticalPressure);
}

double ChokedLiquidDrop(double fl, double p1, double ff, double vapourPressure) {
  return fl * fl * (p1 - ff * vapourPressure);
}

double CavitationIndex(double drop, double p1, double vapourPressure) {
  return drop / (p1 - vapourPressure);
}

double SpecificHeatRatioFactor(double gamma) { return gamma / kAirSpecificHeatRatio; }

double ChokedDropRatio(double fGamma, double xt) { return fGamma * xt; }

double ExpansionFactor(double x, double fGamma, double xt) { return 1 - x / (3 * fGamma * xt); }

double CompressibleKv(double massFlow, double y, double x, double p1Kilopascal, double density) {
  return massFlow / (kN6 * y * std::sqrt(x * p1Kilopascal * density));
}

double IsentropicExponent(double speedOfSound, double density, double pressure) {
  return speedOfSound * speedOfSound * density / pressure;
}

LiquidSizing SizeLiquid(double flow, double density, double p1, double drop, double vapourPressure,
                        double criticalPressure, double fl) {
  LiquidSizing s;
  s.ff = CriticalPressureRatioFactor(vapourPressure, criticalPressure);
  s.chokedDrop = ChokedLiquidDrop(fl, p1, s.ff, vapourPressure);
  s.choked = drop >= s.chokedDrop;
  s.sizingDrop = s.choked ? s.chokedDrop : drop;
  s.kv = LiquidKv(flow, density, s.sizingDrop);
  return s;
}

CompressibleSizing SizeCompressible(double massFlow, double p1, double density, double x,
                                    double gamma, double xt) {
  CompressibleSizing s;
  s.fGamma = SpecificHeatRatioFactor(gamma);
  s.chokedRatio = ChokedDropRatio(s.fGamma, xt);
  s.choked = x >= s.chokedRatio;
  s.sizingRatio = s.choked ? s.chokedRatio : x;
  s.expansion = ExpansionFactor(s.sizingRatio, s.fGamma, xt);
  s.kv = CompressibleKv(massFlow, s.expansion, s.sizingRatio, p1 * kKilopascalPerBar, density);
  return s;
}

double RelativeKv(double kv, double kvs) { return kv / kvs; }

double LinearLift(double relativeKv) { return relativeKv; }

double EqualPercentageLift(double relativeKv) {
  return 1 + std::log(relativeKv) / std::log(kRangeability);
}

double EqualPercentageRelativeKv(double lift) { return std::pow(kRangeability, lift - 1); }

}  // namespace selvio::iec
