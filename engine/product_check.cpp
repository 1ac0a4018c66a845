#include "engine/product_check.h"

#include <cmath>
#include <numbers>

#include "engine/iec_sizing.h"
#include "engine/water_if97.h"

namespace selvio {
namespace {

constexpr double kMegapascalPerBar = 0.1;
constexpr double kPascalPerBar = 1e5;
constexpr double kSecondsPerHour = 3600;
// Water is taken as liquid from 0 °C to the end of IF97 region 1.
constexpr double kLiquidMinTemperature = 0;                                           // °C
constexpr double kLiquidMaxTemperature = 350;                                         // °C
constexpr double kLiquidMaxPressure = if97::kRegion1MaxPressure / kMegapascalPerBar;  // bar
// Saturated steam between the triple point and the end of region 2, bar absolute.
constexpr double kSteamMinPressure = if97::kSaturationMinPressure / kMegapascalPerBar;
constexpr double kSteamMaxPressure = if97::kRegion2MaxSaturationPressure / kMegapascalPerBar;

double Kelvin(double celsius) { return celsius + if97::kZeroCelsius; }
double Megapascal(double bar) { return bar * kMegapascalPerBar; }

bool IsPositive(double value) { return std::isfinite(value) && value > 0; }

// Cross-section of a connection of nominal diameter dn (mm): π·dn²/4, m².
double ConnectionArea(double dn) {
  const double d = dn / 1000;
  return std::numbers::pi * d * d / 4;
}

// Saturated-vapour density after IF97 region 2 at the saturation temperature of p (bar), kg/m³.
double SaturatedVapourDensity(double p) {
  const double pMpa = Megapascal(p);
  return 1 / if97::Region2SpecificVolume(pMpa, if97::SaturationTemperature(pMpa));
}

void Refuse(ProductCheck& check, CheckRefusal refusal) {
  check.status = CheckStatus::OutOfRange;
  check.refusal = refusal;
}

// Inputs every medium needs; the refusal, or nothing.
std::optional<CheckRefusal> CommonRefusal(const ProductCheckInput& input, double p1) {
  if (!IsPositive(input.product.kvs)) return CheckRefusal::NoKvs;
  if (!IsPositive(input.point.flow)) return CheckRefusal::FlowNotPositive;
  if (!IsPositive(input.point.safetyFactor)) return CheckRefusal::SafetyFactorNotPositive;
  if (!IsPositive(p1)) return CheckRefusal::InletPressureNotPositive;
  return std::nullopt;
}

void CheckLiquid(const ProductCheckInput& input, ProductCheck& check) {
  const CheckWorkingPoint& point = input.point;
  const bool glycol = point.medium == CheckMedium::Glycol;
  const double t = point.temperature;
  if (t < kLiquidMinTemperature || t > kLiquidMaxTemperature)
    return Refuse(check, CheckRefusal::TemperatureOutsideWater);
  if (!IsPositive(point.drop)) return Refuse(check, CheckRefusal::DropNotPositive);
  if (glycol && !IsPositive(point.density)) return Refuse(check, CheckRefusal::DensityNotPositive);
  if (check.p1 > kLiquidMaxPressure) return Refuse(check, CheckRefusal::InletPressureAboveWater);

  const double pv = if97::SaturationPressure(Kelvin(t)) / kMegapascalPerBar;
  check.vapourPressure = pv;
  if (pv > check.p1) {
    check.status = CheckStatus::BoilingAtInlet;
    check.flags.boilingAtInlet = true;
    check.warnings.push_back({CheckWarningCode::BoilingAtInlet, pv, check.p1});
    return;
  }
  if (point.drop >= check.p1) return Refuse(check, CheckRefusal::DropNotBelowInletPressure);

  const double rho =
      glycol ? point.density : 1 / if97::Region1SpecificVolume(Megapascal(check.p1), Kelvin(t));
  const iec::LiquidSizing sizing =
      iec::SizeLiquid(point.flow, rho, check.p1, point.drop, pv, kWaterCriticalPressure, check.fl);
  check.status = CheckStatus::Computed;
  check.drop = point.drop;
  check.p2 = check.p1 - point.drop;
  check.rho = rho;
  check.ff = sizing.ff;
  check.chokedDrop = sizing.chokedDrop;
  check.choked = sizing.choked;
  check.kvIec = sizing.kv;
  check.xF = iec::CavitationIndex(point.drop, check.p1, pv);

  check.flags.choked = sizing.choked;
  if (sizing.choked) {
    check.warnings.push_back({CheckWarningCode::ChokedLiquid, point.drop, sizing.chokedDrop});
  }
  check.flags.cavitation = *check.xF >= kIncipientCavitationIndex;
  if (check.flags.cavitation) {
    check.warnings.push_back({CheckWarningCode::Cavitation, *check.xF, kIncipientCavitationIndex});
  }
}

void CheckSteam(const ProductCheckInput& input, ProductCheck& check) {
  const CheckWorkingPoint& point = input.point;
  const double x = point.drop;
  if (!(x > 0 && x < 1)) return Refuse(check, CheckRefusal::RelativeDropOutsideUnit);
  check.p2 = check.p1 * (1 - x);
  if (check.p1 > kSteamMaxPressure || check.p2 < kSteamMinPressure)
    return Refuse(check, CheckRefusal::SteamPressureOutsideSaturation);

  const double p1Mpa = Megapascal(check.p1);
  const double ts = if97::SaturationTemperature(p1Mpa);
  const double rho1 = 1 / if97::Region2SpecificVolume(p1Mpa, ts);
  const double w = if97::Region2SpeedOfSound(p1Mpa, ts);
  const double gamma = iec::IsentropicExponent(w, rho1, check.p1 * kPascalPerBar);
  const iec::CompressibleSizing sizing =
      iec::SizeCompressible(point.flow, check.p1, rho1, x, gamma, check.xt);
  check.status = CheckStatus::Computed;
  check.drop = x * check.p1;
  check.saturationTemperature = ts - if97::kZeroCelsius;
  check.rho = rho1;
  check.outletDensity = SaturatedVapourDensity(check.p2);
  check.gamma = gamma;
  check.fGamma = sizing.fGamma;
  check.chokedRatio = sizing.chokedRatio;
  check.expansion = sizing.expansion;
  check.choked = sizing.choked;
  check.kvIec = sizing.kv;

  check.flags.choked = sizing.choked;
  if (sizing.choked)
    check.warnings.push_back({CheckWarningCode::ChokedSteam, x, sizing.chokedRatio});
}

// The characteristic that gives a lift; a regulator has none.
FlowCharacteristic CharacteristicOf(const CheckedProduct& product) {
  return product.isRegulator ? FlowCharacteristic::Other : product.characteristic;
}

// Relative lift in % at Kv/Kvs, or nothing without a characteristic that gives one. Below the
// equal-percentage characteristic's range (Kv/Kvs < 1/50) the lift is 0.
std::optional<double> LiftPercent(FlowCharacteristic characteristic, double relativeKv,
                                  CheckFlags& flags) {
  switch (characteristic) {
    case FlowCharacteristic::EqualPercentage:
      if (relativeKv < iec::EqualPercentageRelativeKv(0)) {
        flags.belowControllableRange = true;
        return 0.0;
      }
      return 100 * iec::EqualPercentageLift(relativeKv);
    case FlowCharacteristic::Linear:
      return 100 * iec::LinearLift(relativeKv);
    case FlowCharacteristic::Other:
      break;
  }
  return std::nullopt;
}

void AddOpening(const CheckedProduct& product, ProductCheck& check) {
  const double relativeKv = iec::RelativeKv(*check.kvIec, product.kvs);
  check.openingPercent = 100 * relativeKv;
  check.liftPercent = LiftPercent(CharacteristicOf(product), relativeKv, check.flags);
  check.flags.kvsInsufficient = relativeKv > 1;

  if (check.flags.belowControllableRange)
    check.warnings.push_back({CheckWarningCode::BelowControllableRange, *check.openingPercent});
  if (check.liftPercent) {
    const double lift = *check.liftPercent;
    check.flags.oversized = lift < kLiftBandLow;
    check.flags.noReserve = lift > kLiftBandHigh && !check.flags.kvsInsufficient;
    if (check.flags.oversized && !check.flags.belowControllableRange)
      check.warnings.push_back({CheckWarningCode::LiftBelowBand, lift});
    if (check.flags.noReserve) check.warnings.push_back({CheckWarningCode::LiftAboveBand, lift});
  }
  if (check.flags.kvsInsufficient)
    check.warnings.push_back({CheckWarningCode::KvsInsufficient, *check.openingPercent});
}

// Velocity in the connection: the volume flow for liquids, the mass flow over the saturated
// vapour density at P2 for steam.
void AddVelocity(const ProductCheckInput& input, ProductCheck& check) {
  if (!IsPositive(input.product.dn)) return;
  const double area = ConnectionArea(input.product.dn);
  const double volumeFlow =
      check.isSteam ? input.point.flow / *check.outletDensity : input.point.flow;  // m³/h
  const double v = volumeFlow / kSecondsPerHour / area;
  check.velocity = v;

  const double limit = check.isSteam ? kSteamVelocityLimit : kLiquidVelocityLimit;
  const double advisedHigh = check.isSteam ? kSteamVelocityAdvisedHigh : kLiquidVelocityAdvised;
  check.flags.velocityHigh = v > limit;
  check.flags.velocityAboveAdvice = v > advisedHigh && v <= limit;
  check.flags.velocityBelowAdvice = check.isSteam && v < kSteamVelocityAdvisedLow;
  if (check.flags.velocityHigh) {
    check.warnings.push_back({CheckWarningCode::VelocityAboveLimit, v, limit});
  } else if (check.flags.velocityAboveAdvice) {
    check.warnings.push_back({check.isSteam ? CheckWarningCode::SteamVelocityAboveAdvice
                                            : CheckWarningCode::LiquidVelocityAboveAdvice,
                              v});
  } else if (check.flags.velocityBelowAdvice) {
    check.warnings.push_back({CheckWarningCode::SteamVelocityBelowAdvice, v});
  }
}

// The list entry with the smallest Kvs not below `kv`; the first of equal ones.
std::optional<int> SmallestSufficient(const std::vector<ListedProduct>& list, double kv) {
  std::optional<int> best;
  for (int i = 0; i < static_cast<int>(list.size()); ++i) {
    const double kvs = list[static_cast<std::size_t>(i)].kvs;
    if (kvs >= kv && (!best || kvs < list[static_cast<std::size_t>(*best)].kvs)) best = i;
  }
  return best;
}

void AddVerdict(const ProductCheckInput& input, ProductCheck& check) {
  check.kvRequired = *check.kvIec * input.point.safetyFactor;
  const double required = *check.kvRequired;
  check.flags.kvExceedsKvs = required > input.product.kvs;
  if (!check.flags.kvExceedsKvs) return;
  check.suggestion = SmallestSufficient(input.list, required);
  if (check.suggestion)
    check.suggestedProduct = input.list[static_cast<std::size_t>(*check.suggestion)];
}

std::vector<CheckNote> BasisNotes(const CheckWorkingPoint& point) {
  std::vector<CheckNote> notes = {CheckNote::TypicalValveFactors, CheckNote::FittingsAndTurbulence};
  switch (point.medium) {
    case CheckMedium::Water:
      notes.push_back(CheckNote::WaterProperties);
      break;
    case CheckMedium::Glycol:
      notes.push_back(CheckNote::GlycolProperties);
      break;
    case CheckMedium::Steam:
      notes.push_back(CheckNote::SteamProperties);
      break;
  }
  notes.push_back(CheckNote::AbsolutePressure);
  return notes;
}

RatingChart MakeRatingChart(const ProductCheckInput& input) {
  RatingChart chart;
  for (const RatingPair& pair : input.product.rating)
    chart.curve.push_back({pair.temperature, pair.pressure});
  chart.workingPoint = {static_cast<double>(input.point.temperature), input.point.p1};
  return chart;
}

CharacteristicChart MakeCharacteristicChart(const CheckedProduct& product,
                                            const ProductCheck& check) {
  CharacteristicChart chart;
  const FlowCharacteristic characteristic = CharacteristicOf(product);
  if (characteristic == FlowCharacteristic::Other) return chart;
  for (int percent = 0; percent <= 100; ++percent) {
    const double h = percent / 100.0;
    const double relativeKv = characteristic == FlowCharacteristic::EqualPercentage
                                  ? iec::EqualPercentageRelativeKv(h)
                                  : h;
    chart.curve.push_back({static_cast<double>(percent), 100 * relativeKv});
  }
  if (check.liftPercent && check.openingPercent)
    chart.workingPoint = ChartPoint{*check.liftPercent, *check.openingPercent};
  return chart;
}

}  // namespace

ProductCheck CheckProduct(const ProductCheckInput& input) {
  ProductCheck check;
  check.isSteam = input.point.medium == CheckMedium::Steam;
  check.kvs = input.product.kvs;
  check.safetyFactor = input.point.safetyFactor;
  check.temperature = input.point.temperature;
  check.p1 = input.point.p1 + kAtmosphericPressure;
  check.notes = BasisNotes(input.point);
  check.ratingChart = MakeRatingChart(input);

  if (const std::optional<CheckRefusal> refusal = CommonRefusal(input, check.p1)) {
    Refuse(check, *refusal);
  } else if (check.isSteam) {
    CheckSteam(input, check);
  } else {
    CheckLiquid(input, check);
  }
  if (check.status == CheckStatus::Computed) {
    AddOpening(input.product, check);
    AddVelocity(input, check);
    AddVerdict(input, check);
  }
  check.characteristicChart = MakeCharacteristicChart(input.product, check);
  return check;
}

}  // namespace selvio
