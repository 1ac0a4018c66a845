#include "engine/noise/hydrodynamic_noise.h"

#include <algorithm>
#include <cmath>

namespace selvio::noise {
namespace {

// N14 and N34 of Table 1 for Kv in m³/h.
constexpr double kN14 = 4.9e-3;
constexpr double kN34 = 1.0;

bool Positive(double value) { return std::isfinite(value) && value > 0; }

bool ValidInputs(const LiquidWorkingPoint& point, const LiquidValve& valve, const PipeWall& pipe,
                 const OutsideAir& air) {
  const bool ratioValid =
      !valve.incipientRatio || (Positive(*valve.incipientRatio) && *valve.incipientRatio < 1);
  return Positive(point.massFlow) && std::isfinite(point.outletPressure) &&
         point.inletPressure > point.outletPressure && std::isfinite(point.vapourPressure) &&
         point.vapourPressure >= 0 && point.inletPressure > point.vapourPressure &&
         Positive(point.density) && Positive(point.soundSpeed) && Positive(valve.kv) &&
         Positive(valve.fl) && Positive(valve.fd) && ratioValid && Positive(valve.inletDiameter) &&
         valve.seatDiameter >= 0 && std::isfinite(valve.efficiencyFactor) &&
         Positive(pipe.internalDiameter) && Positive(pipe.wallThickness) &&
         Positive(pipe.density) && Positive(pipe.soundSpeed) && Positive(air.density) &&
         Positive(air.soundSpeed);
}

}  // namespace

double LiquidPressureRatio(double p1, double p2, double pv) { return (p1 - p2) / (p1 - pv); }

double EffectiveDrop(double p1, double p2, double pv, double fl) {
  return std::min(p1 - p2, fl * fl * (p1 - pv));
}

double EstimatedIncipientRatio(double kv, double fd, double fl) {
  return 0.90 / std::sqrt(1 + 3 * fd * std::sqrt(kv / (kN34 * fl)));
}

double CorrectedIncipientRatio(double xfz, double p1) {
  return xfz * std::pow(kIncipientReferencePressure / p1, 0.125);
}

double LiquidJetDiameter(double kv, double fd, double fl) { return kN14 * fd * std::sqrt(kv * fl); }

double JetVelocity(double effectiveDrop, double density, double fl) {
  return std::sqrt(2 * effectiveDrop / density) / fl;
}

double LiquidStreamPower(double massFlow, double uvc, double fl) {
  return massFlow * uvc * uvc * fl * fl / 2;
}

double TurbulentEfficiency(double anl, double uvc, double cl) {
  return std::pow(10.0, anl) * uvc / cl;
}

double CavitationEfficiency(double turbulent, double drop, double effectiveDrop, double xf,
                            double xfzp1) {
  return 0.32 * turbulent * std::sqrt(drop / (effectiveDrop * xfzp1)) * std::exp(5 * xfzp1) *
         std::sqrt((1 - xfzp1) / (1 - xf)) * std::pow(xf / xfzp1, 5) * std::pow(xf - xfzp1, 1.5);
}

double LiquidStrouhal(double kv, double fl, double fd, double xfzp1, double d, double seat,
                      double p1, double pv) {
  return 0.036 * fl * fl * kv * std::pow(fd, 0.75) / (kN34 * std::pow(xfzp1, 1.5) * d * seat) *
         std::pow(1 / (p1 - pv), 0.57);
}

double TurbulentPeakFrequency(double strouhal, double uvc, double dj) {
  return strouhal * uvc / dj;
}

double CavitationPeakFrequency(double turbulentPeak, double xf, double xfzp1) {
  const double open = (1 - xf) / (1 - xfzp1);
  return 6 * turbulentPeak * open * open * std::pow(xfzp1 / xf, 2.5);
}

double TurbulentSpectrum(double fi, double peak) {
  const double r = fi / peak;
  return -8 - 10 * std::log10(0.25 * r * r * r + 1 / r);
}

double CavitationSpectrum(double fi, double peak) {
  const double r = fi / peak;
  return -9 - 10 * std::log10(0.25 * std::pow(r, 1.5) + std::pow(r, -1.5));
}

double RingTransmissionLoss(const PipeWall& pipe, const OutsideAir& air) {
  return -10 - 10 * std::log10(pipe.soundSpeed * pipe.density * pipe.wallThickness /
                               (air.soundSpeed * air.density * pipe.internalDiameter));
}

double LiquidTransmissionLoss(double ringLoss, double fr, double fi) {
  return ringLoss - 20 * std::log10(fr / fi + std::pow(fi / fr, 1.5));
}

const char* RegimeName(LiquidNoiseRegime regime) {
  switch (regime) {
    case LiquidNoiseRegime::kTurbulent:
      return "turbulent";
    case LiquidNoiseRegime::kCavitating:
      return "cavitating";
    case LiquidNoiseRegime::kFlashing:
      return "flashing";
  }
  return "";
}

std::optional<HydrodynamicNoise> PredictHydrodynamicNoise(const LiquidWorkingPoint& point,
                                                          const LiquidValve& valve,
                                                          const PipeWall& pipe,
                                                          const OutsideAir& air) {
  if (!ValidInputs(point, valve, pipe, air)) return std::nullopt;
  const double p1 = point.inletPressure;
  const double p2 = point.outletPressure;
  const double pv = point.vapourPressure;
  HydrodynamicNoise n;
  n.pressureRatio = LiquidPressureRatio(p1, p2, pv);
  n.incipientRatio =
      valve.incipientRatio.value_or(EstimatedIncipientRatio(valve.kv, valve.fd, valve.fl));
  n.correctedRatio = CorrectedIncipientRatio(n.incipientRatio, p1);
  if (p2 <= pv) {
    n.regime = LiquidNoiseRegime::kFlashing;
    return n;
  }
  // xFzp1 at or above 1 cannot be passed without flashing: the flow stays turbulent.
  n.regime = n.pressureRatio > n.correctedRatio ? LiquidNoiseRegime::kCavitating
                                                : LiquidNoiseRegime::kTurbulent;
  const bool cavitating = n.regime == LiquidNoiseRegime::kCavitating;
  n.effectiveDrop = EffectiveDrop(p1, p2, pv, valve.fl);
  n.jetDiameter = LiquidJetDiameter(valve.kv, valve.fd, valve.fl);
  n.jetVelocity = JetVelocity(n.effectiveDrop, point.density, valve.fl);
  n.streamPower = LiquidStreamPower(point.massFlow, n.jetVelocity, valve.fl);
  n.turbulentEfficiency =
      TurbulentEfficiency(valve.efficiencyFactor, n.jetVelocity, point.soundSpeed);
  if (cavitating) {
    n.cavitationEfficiency = CavitationEfficiency(n.turbulentEfficiency, p1 - p2, n.effectiveDrop,
                                                  n.pressureRatio, n.correctedRatio);
  }
  const double efficiency = n.turbulentEfficiency + n.cavitationEfficiency;
  n.soundPower = efficiency * n.streamPower;  // eq. (7a), (7b)
  n.internalLevel =
      InternalLevel(n.soundPower, point.density, point.soundSpeed, pipe.internalDiameter);
  const double seat = valve.seatDiameter > 0 ? valve.seatDiameter : valve.inletDiameter;
  n.strouhal = LiquidStrouhal(valve.kv, valve.fl, valve.fd, n.correctedRatio, valve.inletDiameter,
                              seat, p1, pv);
  n.turbulentPeakFrequency = TurbulentPeakFrequency(n.strouhal, n.jetVelocity, n.jetDiameter);
  if (cavitating) {
    n.cavitationPeakFrequency =
        CavitationPeakFrequency(n.turbulentPeakFrequency, n.pressureRatio, n.correctedRatio);
  }
  n.ringFrequency = RingFrequency(pipe.soundSpeed, pipe.internalDiameter);
  n.ringTransmissionLoss = RingTransmissionLoss(pipe, air);
  const double spreading = OneMetreSpreading(pipe.internalDiameter, pipe.wallThickness);
  const double cavitationShare = n.cavitationEfficiency / efficiency;
  for (std::size_t i = 0; i < kLiquidBandCount; ++i) {
    const double fi = kBandCentres[i];
    // The two spectra in proportion to their efficiencies (eq. (19b)); turbulent alone (19a).
    double spectrum = TurbulentSpectrum(fi, n.turbulentPeakFrequency);
    if (cavitating) {
      spectrum =
          10 *
          std::log10((1 - cavitationShare) * std::pow(10.0, spectrum / 10) +
                     cavitationShare *
                         std::pow(10.0, CavitationSpectrum(fi, n.cavitationPeakFrequency) / 10));
    }
    n.bandInternalLevel[i] = n.internalLevel + spectrum;
    n.bandTransmissionLoss[i] = LiquidTransmissionLoss(n.ringTransmissionLoss, n.ringFrequency, fi);
    n.bandExternalLevel[i] = n.bandInternalLevel[i] + n.bandTransmissionLoss[i] + spreading;
  }
  n.levelDba = AWeightedLevel(n.bandExternalLevel);
  return n;
}

}  // namespace selvio::noise
