#include "engine/valve_drops.h"

#include "engine/iec_sizing.h"

namespace selvio {

double DesignDrop(ProductKind product, double dropField, double p1, double setting) {
  return product == ProductKind::ReducingValve ? p1 - setting : dropField;
}

double SteamDesignDrop(double relativeDrop, double p1Absolute) { return relativeDrop * p1Absolute; }

std::optional<double> ClosingDrop(ProductKind product, double p1, std::optional<double> p2,
                                  double setting) {
  switch (product) {
    case ProductKind::ReducingValve:
      return p1 - setting;
    case ProductKind::ControlValve:
      if (p2) return p1 - *p2;
      break;
    case ProductKind::DpRegulator:
      if (p2) return (p1 - *p2) - setting;
      break;
  }
  return std::nullopt;
}

bool IsInconsistentDrop(double dropField, double p1, double p2) { return dropField > p1 - p2; }

bool IsDesignDropRefused(double designDrop, double p1Absolute) { return designDrop >= p1Absolute; }

std::optional<double> Authority(const AuthorityCase& product, double flow, double kvs,
                                double density, double p1, std::optional<double> p2) {
  if (product.product != ProductKind::ControlValve || product.valveKind != ValveKind::TwoWay ||
      product.steam || !p2 || !(p1 - *p2 > 0) || !(kvs > 0)) {
    return std::nullopt;
  }
  const double openDrop = (flow / kvs) * (flow / kvs) * (density / iec::kReferenceDensity);
  return openDrop / (p1 - *p2);
}

double MinimumFlowDrop(double drop, double p1, std::optional<double> p2, double flow,
                       double minimumFlow) {
  if (!p2) return drop;
  const double available = p1 - *p2;
  const double ratio = minimumFlow / flow;
  return available - (available - drop) * ratio * ratio;
}

bool IsFlashing(double outletPressureAbsolute, double vapourPressure) {
  return outletPressureAbsolute <= vapourPressure;
}

}  // namespace selvio
