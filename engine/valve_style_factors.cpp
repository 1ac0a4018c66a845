#include "engine/valve_style_factors.h"

#include <cmath>

namespace selvio {
namespace {

UsedFactor Choose(const std::optional<float>& given, double typical) {
  UsedFactor used{typical, FactorSource::TypicalTable, false};
  if (!given) return used;
  const double value = *given;
  if (value > 0 && value <= 1) return {value, FactorSource::Catalogue, false};
  used.catalogueValueRejected = true;
  return used;
}

}  // namespace

TypicalFactors TypicalFactorsOf(ValveStyle style) {
  switch (style) {
    case ValveStyle::GlobeSingleSeatContouredPlugFlowToOpen:
      return {0.90, 0.72, 0.46};
    case ValveStyle::GlobeDoubleSeatContouredPlug:
      return {0.85, 0.70, 0.32};
    case ValveStyle::BallFull:
      return {0.74, 0.42, 0.99};
    case ValveStyle::BallSegmented:
      return {0.60, 0.30, 0.98};
    case ValveStyle::ButterflySwingThrough70:
      return {0.62, 0.35, 0.57};
    case ValveStyle::ButterflyOffsetSeat70:
      return {0.67, 0.35, 0.57};
  }
  return {0.90, 0.72, 0.46};
}

ValveFactors FactorsOf(const ValveCoefficients& given, const StyleMatch& style) {
  const TypicalFactors typical = TypicalFactorsOf(style.style);
  ValveFactors f;
  f.style = style;
  f.fl = Choose(given.fl, typical.fl);
  f.xt = Choose(given.xt, typical.xt);
  f.fd = Choose(given.fd, typical.fd);
  if (given.an && std::isfinite(*given.an)) f.an = *given.an;
  return f;
}

ValveFactors FactorsOf(const ValveRecord& valve) {
  return FactorsOf(valve.coefficients, StyleOfConstruction(valve.construction));
}

ValveFactors FactorsOf(const RegulatorRecord& regulator) {
  return FactorsOf(regulator.coefficients,
                   {ValveStyle::GlobeSingleSeatContouredPlugFlowToOpen, StyleBasis::Regulator});
}

}  // namespace selvio
