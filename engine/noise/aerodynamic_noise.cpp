#include "engine/noise/aerodynamic_noise.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace selvio::noise {
namespace {

// Clause 7: contraction coefficient β of the jet leaving the outlet (straight-pattern globe
// valves, NOTE 1 to eq. (35)), and the expander's own row of Table 4.
constexpr double kOutletContraction = 0.93;
constexpr double kExpanderEfficiencyFactor = -3.0;
constexpr double kExpanderStrouhal = 0.2;
// The pipe Mach numbers the equations are limited to: eq. (16) and eq. (34).
constexpr double kVelocityCorrectionMachLimit = 0.3;
constexpr double kExpanderPipeMachLimit = 0.8;
// Standard atmospheric pressure ps of eq. (20a), Pa.
constexpr double kStandardPressure = 101325;
// The structural loss factor's reference frequency, Hz.
constexpr double kLossFactorReferenceFrequency = 1.0;
// Eq. (20b): the outlet diameters, m, between which the small-valve correction follows its cubic,
// and the correction below the smaller one, dB.
constexpr double kSmallOutletDiameter = 0.05;
constexpr double kLargeOutletDiameter = 0.15;
constexpr double kSmallValveCorrectionMax = 9;
// Table 3: the peak frequency of the shock cells against Stp.
constexpr double kShockPeakFactor = 1.4;

double Exponent(double gamma) { return (gamma - 1) / gamma; }

bool Positive(double value) { return std::isfinite(value) && value > 0; }

bool ValidInputs(const GasWorkingPoint& point, const GasValve& valve, const PipeWall& pipe,
                 const OutsideAir& air) {
  const bool outletGiven = point.outletDensity > 0 || point.outletSoundSpeed > 0;
  return Positive(point.massFlow) && Positive(point.outletPressure) &&
         point.inletPressure > point.outletPressure && Positive(point.inletDensity) &&
         Positive(point.inletTemperature) && std::isfinite(point.specificHeatRatio) &&
         point.specificHeatRatio > 1 && Positive(point.molarMass) && Positive(valve.kv) &&
         Positive(valve.fl) && Positive(valve.fd) && Positive(valve.fp) &&
         (valve.fp == 1 || Positive(valve.flp)) && Positive(valve.outletDiameter) &&
         std::isfinite(valve.efficiencyFactor) && Positive(valve.peakStrouhal) &&
         Positive(pipe.internalDiameter) && Positive(pipe.wallThickness) &&
         Positive(pipe.density) && Positive(pipe.soundSpeed) && Positive(air.soundSpeed) &&
         Positive(air.pressure) &&
         (!outletGiven || (Positive(point.outletDensity) && Positive(point.outletSoundSpeed)));
}

// The band whose centre lies nearest fp on a logarithmic scale.
std::size_t NearestBand(double frequency) {
  std::size_t nearest = 0;
  for (std::size_t i = 1; i < kBandCount; ++i) {
    if (std::abs(std::log(kBandCentres[i] / frequency)) <
        std::abs(std::log(kBandCentres[nearest] / frequency))) {
      nearest = i;
    }
  }
  return nearest;
}

OutletNoise PredictOutletNoise(const GasWorkingPoint& point, const GasValve& valve,
                               const PipeWall& pipe, double rho2, double c2,
                               double velocityCorrection) {
  const double di = std::min(valve.outletDiameter, pipe.internalDiameter);
  OutletNoise outlet;
  outlet.pipeVelocity = ExpanderPipeVelocity(point.massFlow, rho2, pipe.internalDiameter, c2);
  outlet.inletVelocity = ExpanderInletVelocity(outlet.pipeVelocity, pipe.internalDiameter, di, c2);
  outlet.mach = outlet.inletVelocity / c2;  // eq. (39)
  outlet.streamPower =
      ExpanderStreamPower(point.massFlow, outlet.inletVelocity, di, pipe.internalDiameter);
  outlet.efficiency = std::pow(10.0, kExpanderEfficiencyFactor) * std::pow(outlet.mach, 3);
  outlet.soundPower = outlet.efficiency * outlet.streamPower;            // eq. (40)
  outlet.peakFrequency = kExpanderStrouhal * outlet.inletVelocity / di;  // eq. (37)
  outlet.internalLevel =
      InternalLevel(outlet.soundPower, rho2, c2, pipe.internalDiameter) + velocityCorrection;
  return outlet;
}

}  // namespace

double PressureRatio(double p1, double p2) { return (p1 - p2) / p1; }

double PressureRecovery(double fl, double fp, double flp) { return fp == 1 ? fl : flp / fp; }

double VenaContractaPressure(double p1, double p2, double fl) { return p1 - (p1 - p2) / (fl * fl); }

double CriticalVenaContractaPressure(double p1, double gamma) {
  return p1 * std::pow(2 / (gamma + 1), 1 / Exponent(gamma));
}

double CriticalOutletPressure(double p1, double pvcc, double fl) {
  return p1 - fl * fl * (p1 - pvcc);
}

double RecoveryCorrection(double pvcc, double p2c) { return pvcc / p2c; }

double BreakPointPressure(double p1, double alpha, double gamma) {
  return p1 / alpha * std::pow(1 / gamma, 1 / Exponent(gamma));
}

double ConstantEfficiencyPressure(double p1, double alpha) { return p1 / (22 * alpha); }

int FlowRegime(double p2, double p2c, double pvcc, double p2b, double p2ce) {
  if (p2 >= p2c) return 1;
  if (p2 >= pvcc) return 2;
  if (p2 >= p2b) return 3;
  if (p2 >= p2ce) return 4;
  return 5;
}

double JetDiameter(double kv, double fd, double fl) { return kN14 * fd * std::sqrt(kv * fl); }

double CriticalSoundSpeed(double gamma, double p1, double rho1) {
  return std::sqrt(2 * gamma / (gamma + 1) * p1 / rho1);
}

double VenaContractaVelocity(double gamma, double p1, double rho1, double pvc) {
  return std::sqrt(2 / Exponent(gamma) * (1 - std::pow(pvc / p1, Exponent(gamma))) * p1 / rho1);
}

double VenaContractaTemperature(double t1, double p1, double pvc, double gamma) {
  return t1 * std::pow(pvc / p1, Exponent(gamma));
}

double VenaContractaMach(double uvc, double cvc) { return uvc / cvc; }

double JetMach(double gamma, double p1, double p2, double alpha) {
  return std::sqrt(2 / (gamma - 1) * (std::pow(p1 / (alpha * p2), Exponent(gamma)) - 1));
}

double ConstantEfficiencyJetMach(double gamma) {
  return std::sqrt(2 / (gamma - 1) * (std::pow(22.0, Exponent(gamma)) - 1));
}

double StreamPower(double massFlow, double velocity) { return massFlow * velocity * velocity / 2; }

double SubsonicEfficiency(double an, double mvc, double fl) {
  return std::pow(10.0, an) * fl * fl * mvc * mvc * mvc;
}

double SupersonicEfficiency(double an, double mj, double fl) {
  return std::pow(10.0, an) * std::pow(mj, 6.6 * fl * fl);
}

double ShockCellEfficiency(double an, double mj, double fl) {
  return std::pow(10.0, an) * (mj * mj / 2) * std::pow(std::numbers::sqrt2, 6.6 * fl * fl);
}

double SoundPower(double efficiency, double streamPower) { return efficiency * streamPower; }

double ChokedPowerRatio(double p1, double p2, double pvcc) { return (p1 - p2) / (p1 - pvcc); }

double SubsonicPeakFrequency(double stp, double uvc, double dj) { return stp * uvc / dj; }

double ChokedPeakFrequency(double stp, double mj, double cvcc, double dj) {
  return stp * mj * cvcc / dj;
}

double ShockPeakFrequency(double stp, double cvcc, double dj, double mj) {
  return kShockPeakFactor * stp * cvcc / (dj * std::sqrt(mj * mj - 1));
}

double OutletDensity(double rho1, double p1, double p2) { return rho1 * p2 / p1; }

double GasSoundSpeed(double gamma, double temperature, double molarMass) {
  return std::sqrt(gamma * kGasConstant * temperature / molarMass);
}

double FlowMach(double massFlow, double diameter, double rho2, double c2) {
  return 4 * massFlow / (std::numbers::pi * diameter * diameter * rho2 * c2);
}

double VelocityCorrection(double pipeMach) {
  return 16 * std::log10(1 / (1 - std::min(pipeMach, kVelocityCorrectionMachLimit)));
}

double BandInternalLevel(double lpi, double fp, double fi) {
  return lpi - 8 -
         10 * std::log10((1 + std::pow(fi / (2 * fp), 2.5)) * (1 + std::pow(fp / (2 * fi), 1.7)));
}

double InternalCoincidenceFrequency(double fr, double c2, double airSoundSpeed) {
  return fr / 4 * (c2 / airSoundSpeed);
}

double ExternalCoincidenceFrequency(double airSoundSpeed, double wallThickness,
                                    double pipeSoundSpeed) {
  return std::sqrt(3.0) * airSoundSpeed * airSoundSpeed /
         (std::numbers::pi * wallThickness * pipeSoundSpeed);
}

FrequencyFactors TransmissionFrequencyFactors(double fi, double fr, double fo, double fg) {
  if (fi < fo) {
    return {std::pow(fo / fr, 2.0 / 3) * std::pow(fi / fo, 4), fo < fg ? fo / fg : 1};
  }
  return {fi < fr ? std::sqrt(fi / fr) : 1, fi < fg ? fi / fg : 1};
}

double StructuralLossFactor(double fi) {
  return kPipeLossFactorAt1Hz / std::sqrt(fi / kLossFactorReferenceFrequency);
}

double SmallValveCorrection(double outletDiameter) {
  const double d = outletDiameter;
  if (d > kLargeOutletDiameter) return 0;
  if (d < kSmallOutletDiameter) return kSmallValveCorrectionMax;
  return 35.8 - 813 * d + 6370 * d * d - 16660 * d * d * d;
}

double TransmissionLoss(double fi, double c2, double rho2, const PipeWall& pipe,
                        const FrequencyFactors& factors, double lossFactor,
                        double smallValveCorrection, double atmosphericPressure) {
  const double wallWave = c2 / (pipe.wallThickness * fi);
  const double damping = 2 * std::numbers::pi * pipe.wallThickness * fi * pipe.density * lossFactor;
  return 10 * std::log10(8.25e-7 * wallWave * wallWave * factors.gx /
                         ((rho2 * c2 + damping) / (415 * factors.gy) + 1) *
                         (atmosphericPressure / kStandardPressure)) -
         smallValveCorrection;
}

double ExpanderPipeVelocity(double massFlow, double rho2, double internalDiameter, double c2) {
  const double velocity =
      4 * massFlow / (std::numbers::pi * rho2 * internalDiameter * internalDiameter);
  return std::min(velocity, kExpanderPipeMachLimit * c2);
}

double ExpanderInletVelocity(double up, double internalDiameter, double di, double c2) {
  return std::min(up * internalDiameter * internalDiameter / (kOutletContraction * di * di), c2);
}

double ExpanderStreamPower(double massFlow, double ur, double di, double internalDiameter) {
  const double expansion = 1 - di * di / (internalDiameter * internalDiameter);
  return massFlow * ur * ur / 2 * (expansion * expansion + 0.2);
}

const char* RegimeName(int regime) {
  static constexpr const char* kNames[] = {"I", "II", "III", "IV", "V"};
  return regime >= 1 && regime <= 5 ? kNames[regime - 1] : "";
}

std::optional<AerodynamicNoise> PredictAerodynamicNoise(const GasWorkingPoint& point,
                                                        const GasValve& valve, const PipeWall& pipe,
                                                        const OutsideAir& air) {
  if (!ValidInputs(point, valve, pipe, air)) return std::nullopt;
  const double p1 = point.inletPressure;
  const double p2 = point.outletPressure;
  const double gamma = point.specificHeatRatio;
  AerodynamicNoise n;
  n.pressureRatio = PressureRatio(p1, p2);
  n.pressureRecovery = PressureRecovery(valve.fl, valve.fp, valve.flp);
  const double fl = n.pressureRecovery;
  n.venaContractaPressure = VenaContractaPressure(p1, p2, fl);
  n.criticalVenaContractaPressure = CriticalVenaContractaPressure(p1, gamma);
  n.criticalOutletPressure = CriticalOutletPressure(p1, n.criticalVenaContractaPressure, fl);
  n.recoveryCorrection =
      RecoveryCorrection(n.criticalVenaContractaPressure, n.criticalOutletPressure);
  n.breakPointPressure = BreakPointPressure(p1, n.recoveryCorrection, gamma);
  n.constantEfficiencyPressure = ConstantEfficiencyPressure(p1, n.recoveryCorrection);
  n.regime = FlowRegime(p2, n.criticalOutletPressure, n.criticalVenaContractaPressure,
                        n.breakPointPressure, n.constantEfficiencyPressure);
  n.jetDiameter = JetDiameter(valve.kv, valve.fd, fl);
  n.criticalSoundSpeed = CriticalSoundSpeed(gamma, p1, point.inletDensity);
  const double an = valve.efficiencyFactor;
  const double stp = valve.peakStrouhal;
  if (n.regime == 1) {
    n.venaContractaVelocity =
        VenaContractaVelocity(gamma, p1, point.inletDensity, n.venaContractaPressure);
    n.venaContractaTemperature =
        VenaContractaTemperature(point.inletTemperature, p1, n.venaContractaPressure, gamma);
    n.mach = VenaContractaMach(n.venaContractaVelocity,
                               GasSoundSpeed(gamma, n.venaContractaTemperature, point.molarMass));
    n.streamPower = StreamPower(point.massFlow, n.venaContractaVelocity);
    n.efficiency = SubsonicEfficiency(an, n.mach, fl);
    n.soundPower = SoundPower(n.efficiency, n.streamPower);
    n.peakFrequency = SubsonicPeakFrequency(stp, n.venaContractaVelocity, n.jetDiameter);
  } else {
    n.venaContractaVelocity = n.criticalSoundSpeed;
    n.streamPower = StreamPower(point.massFlow, n.criticalSoundSpeed);
    n.mach = n.regime == 5 ? ConstantEfficiencyJetMach(gamma)
                           : JetMach(gamma, p1, p2, n.recoveryCorrection);
    if (n.regime <= 3) {
      n.efficiency = SupersonicEfficiency(an, n.mach, fl);
      n.peakFrequency = ChokedPeakFrequency(stp, n.mach, n.criticalSoundSpeed, n.jetDiameter);
    } else {
      n.efficiency = ShockCellEfficiency(an, n.mach, fl);
      n.peakFrequency = ShockPeakFrequency(stp, n.criticalSoundSpeed, n.jetDiameter, n.mach);
    }
    n.soundPower = SoundPower(n.efficiency, n.streamPower);
    if (n.regime == 2) {
      n.soundPower *= ChokedPowerRatio(p1, p2, n.criticalVenaContractaPressure);
    }
  }

  const bool outletGiven = point.outletDensity > 0;
  n.outletDensity = outletGiven ? point.outletDensity : OutletDensity(point.inletDensity, p1, p2);
  n.outletSoundSpeed = outletGiven ? point.outletSoundSpeed
                                   : GasSoundSpeed(gamma, point.inletTemperature, point.molarMass);
  const double rho2 = n.outletDensity;
  const double c2 = n.outletSoundSpeed;
  n.outletMach = FlowMach(point.massFlow, valve.outletDiameter, rho2, c2);
  n.pipeMach = FlowMach(point.massFlow, pipe.internalDiameter, rho2, c2);
  n.velocityCorrection = VelocityCorrection(n.pipeMach);
  n.internalLevel =
      InternalLevel(n.soundPower, rho2, c2, pipe.internalDiameter) + n.velocityCorrection;
  if (n.outletMach > kOutletMachLimit) {
    n.outlet = PredictOutletNoise(point, valve, pipe, rho2, c2, n.velocityCorrection);
  }

  n.ringFrequency = RingFrequency(pipe.soundSpeed, pipe.internalDiameter);
  n.internalCoincidenceFrequency =
      InternalCoincidenceFrequency(n.ringFrequency, c2, air.soundSpeed);
  n.externalCoincidenceFrequency =
      ExternalCoincidenceFrequency(air.soundSpeed, pipe.wallThickness, pipe.soundSpeed);
  n.smallValveCorrection = SmallValveCorrection(valve.outletDiameter);
  const double spreading = OneMetreSpreading(pipe.internalDiameter, pipe.wallThickness);
  for (std::size_t i = 0; i < kBandCount; ++i) {
    const double fi = kBandCentres[i];
    double internal = BandInternalLevel(n.internalLevel, n.peakFrequency, fi);
    if (n.outlet) {  // eq. (42) and (43)
      internal = AddLevels(internal,
                           BandInternalLevel(n.outlet->internalLevel, n.outlet->peakFrequency, fi));
    }
    const FrequencyFactors factors = TransmissionFrequencyFactors(
        fi, n.ringFrequency, n.internalCoincidenceFrequency, n.externalCoincidenceFrequency);
    n.bandInternalLevel[i] = internal;
    n.bandTransmissionLoss[i] =
        TransmissionLoss(fi, c2, rho2, pipe, factors, StructuralLossFactor(fi),
                         n.smallValveCorrection, air.pressure);
    n.bandExternalLevel[i] = internal + n.bandTransmissionLoss[i] + spreading;
  }
  n.peakTransmissionLoss = n.bandTransmissionLoss[NearestBand(n.peakFrequency)];
  n.levelDba = AWeightedLevel(n.bandExternalLevel);
  return n;
}

}  // namespace selvio::noise
