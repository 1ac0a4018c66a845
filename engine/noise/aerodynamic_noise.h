#pragma once

#include <optional>

#include "engine/noise/pipe_acoustics.h"
#include "engine/noise/third_octave_bands.h"

// Aerodynamic noise of a control valve after IEC 60534-8-3:2010 (control valve aerodynamic noise
// prediction method), clause 5 for standard trims and clause 7 for the flow leaving a fast valve
// outlet: the A-weighted sound pressure level 1 m from the outer wall of the pipe after the valve.
// SI units throughout (Pa absolute, kg/s, kg/m³, m, m/s, K); the flow coefficient is Kv in m³/h.
// Equation and table numbers are the 2010 edition's.
namespace selvio::noise {

// Universal gas constant, J/(kmol·K), as the standard takes it.
inline constexpr double kGasConstant = 8314;
// Molar mass of water, kg/kmol.
inline constexpr double kSteamMolarMass = 18.015;
// Acoustic efficiency factor Aη for steam unless the catalogue gives the product's own.
inline constexpr double kSteamEfficiencyFactor = -4.1;
// Strouhal number at the peak frequency, Stp (Table 4, single-seat globe valves and cages).
inline constexpr double kPeakStrouhal = 0.2;
// Structural loss factor of the pipe wall at 1 Hz; it falls with the root of the frequency (5.5).
inline constexpr double kPipeLossFactorAt1Hz = 0.1;
// N14 of Table 1 for Kv: the jet diameter of eq. (9) in m.
inline constexpr double kN14 = 4.9e-3;
// Outlet Mach number above which the flow leaving the valve outlet is a second source (clause 5,
// NOTE 1 to eq. (15); clause 7).
inline constexpr double kOutletMachLimit = 0.3;

// The gas or steam at the working point.
struct GasWorkingPoint {
  double massFlow = 0;                 // ṁ, kg/s
  double inletPressure = 0;            // p1, Pa absolute
  double outletPressure = 0;           // p2, Pa absolute
  double inletDensity = 0;             // ρ1, kg/m³
  double inletTemperature = 0;         // T1, K
  double specificHeatRatio = 0;        // γ
  double molarMass = kSteamMolarMass;  // M, kg/kmol
  // The state after the valve. Zero: the standard's ideal gas throttled at constant temperature,
  // ρ2 = ρ1·p2/p1 and c2 = √(γ·R·T1/M). A caller that knows the real outlet state (steam throttled
  // at constant enthalpy) gives both.
  double outletDensity = 0;     // ρ2, kg/m³
  double outletSoundSpeed = 0;  // c2, m/s
};

// The valve at the working point.
struct GasValve {
  double kv = 0;              // Kv at the working point, m³/h
  double fl = 0.9;            // FL, liquid pressure recovery factor without fittings
  double fd = 0.46;           // Fd, valve style modifier
  double fp = 1;              // FP, piping geometry factor (1 when the pipe equals the valve)
  double flp = 0;             // FLP with the reducers; used when FP differs from 1
  double outletDiameter = 0;  // D, valve outlet = DN, m
  double efficiencyFactor = kSteamEfficiencyFactor;  // Aη
  double peakStrouhal = kPeakStrouhal;               // Stp
};

// The noise the flow leaving the valve outlet makes (clause 7), present when Mo exceeds 0,3.
struct OutletNoise {
  double pipeVelocity = 0;   // Up, m/s, eq. (34), at most Mach 0,8
  double inletVelocity = 0;  // UR, m/s, eq. (35), at most sonic
  double mach = 0;           // MR, eq. (39)
  double streamPower = 0;    // WmR, W, eq. (36)
  double efficiency = 0;     // ηR, eq. (38)
  double soundPower = 0;     // WaR, W, eq. (40)
  double peakFrequency = 0;  // fpR, Hz, eq. (37)
  double internalLevel = 0;  // LpiR, dB, eq. (41)
};

// What the method gives at one working point, with the figures it passes through.
struct AerodynamicNoise {
  int regime = 0;                            // 1 … 5 for regimes I … V of 5.2
  double pressureRatio = 0;                  // x = (p1 − p2)/p1, eq. (1)
  double pressureRecovery = 0;               // FL, or FLP/FP with the reducers
  double venaContractaPressure = 0;          // pvc, Pa, eq. (2)
  double criticalVenaContractaPressure = 0;  // pvcc, Pa, eq. (3)
  double criticalOutletPressure = 0;         // p2C, Pa, eq. (4)
  double recoveryCorrection = 0;             // α, eq. (5)
  double breakPointPressure = 0;             // p2B, Pa, eq. (6)
  double constantEfficiencyPressure = 0;     // p2CE, Pa, eq. (7)
  double jetDiameter = 0;                    // Dj, m, eq. (9)
  double criticalSoundSpeed = 0;             // cvcc, m/s, in the vena contracta at sonic flow
  double venaContractaVelocity = 0;          // Uvc, m/s (regime I; cvcc above)
  double venaContractaTemperature = 0;       // Tvc, K (regime I)
  double mach = 0;                           // Mvc in regime I, Mj in II … IV, Mj5 in V (Table 3)
  double efficiency = 0;                     // η (Table 3)
  double streamPower = 0;                    // Wm or Wms, W (Table 3)
  double soundPower = 0;                     // Wa, W, eq. (11)
  double peakFrequency = 0;                  // fp, Hz (Table 3)
  double outletDensity = 0;                  // ρ2, kg/m³
  double outletSoundSpeed = 0;               // c2, m/s
  double outletMach = 0;                     // Mo, eq. (15)
  double pipeMach = 0;                       // M2, eq. (17), before the 0,3 limit
  double velocityCorrection = 0;             // Lg, dB, eq. (16)
  double internalLevel = 0;                  // Lpi, dB, eq. (18)
  double ringFrequency = 0;                  // fr, Hz, eq. (21)
  double internalCoincidenceFrequency = 0;   // fo, Hz, eq. (22)
  double externalCoincidenceFrequency = 0;   // fg, Hz, eq. (23)
  double smallValveCorrection = 0;           // ΔTL, dB, eq. (20b), by the valve outlet diameter
  std::optional<OutletNoise> outlet;         // clause 7, when Mo > 0,3
  BandLevels bandInternalLevel{};            // Lpi(fi), dB, eq. (19) (with eq. (43) when outlet)
  BandLevels bandTransmissionLoss{};         // TL(fi), dB, negative, eq. (20a)
  BandLevels bandExternalLevel{};            // Lpe,1m(fi), dB, eq. (24)
  double peakTransmissionLoss = 0;           // TL in the band nearest fp, dB
  double levelDba = 0;                       // LpAe,1m, dB(A), eq. (25)
};

// The A-weighted level 1 m from the pipe after the valve with every intermediate figure; nothing
// when the inputs lie outside the method (no flow, no pressure drop, a state or a size that is not
// positive, γ not above 1).
std::optional<AerodynamicNoise> PredictAerodynamicNoise(const GasWorkingPoint& point,
                                                        const GasValve& valve, const PipeWall& pipe,
                                                        const OutsideAir& air = {});

// The regime's roman numeral, "I" … "V".
const char* RegimeName(int regime);

// The equations, one function each.

// Differential pressure ratio x = (p1 − p2)/p1, eq. (1).
double PressureRatio(double p1, double p2);

// The recovery factor the method uses: FL, or FLP/FP with reducers (NOTE to Table 3).
double PressureRecovery(double fl, double fp, double flp);

// Vena contracta pressure pvc = p1 − (p1 − p2)/FL², Pa, eq. (2).
double VenaContractaPressure(double p1, double p2, double fl);

// Vena contracta pressure at critical flow pvcc = p1·(2/(γ + 1))^(γ/(γ − 1)), Pa, eq. (3).
double CriticalVenaContractaPressure(double p1, double gamma);

// Outlet pressure at critical flow p2C = p1 − FL²·(p1 − pvcc), Pa, eq. (4).
double CriticalOutletPressure(double p1, double pvcc, double fl);

// Recovery correction factor α = pvcc/p2C, eq. (5).
double RecoveryCorrection(double pvcc, double p2c);

// Outlet pressure at the break point p2B = (p1/α)·(1/γ)^(γ/(γ − 1)), Pa, eq. (6).
double BreakPointPressure(double p1, double alpha, double gamma);

// Outlet pressure where the acoustic efficiency becomes constant p2CE = p1/(22·α), Pa, eq. (7).
double ConstantEfficiencyPressure(double p1, double alpha);

// Regime of 5.2 from the outlet pressure: I when p2 ≥ p2C, II when p2 ≥ pvcc, III when p2 ≥ p2B,
// IV when p2 ≥ p2CE, V below.
int FlowRegime(double p2, double p2c, double pvcc, double p2b, double p2ce);

// Jet diameter Dj = N14·Fd·√(Kv·FL), m, eq. (9), Kv in m³/h.
double JetDiameter(double kv, double fd, double fl);

// Speed of sound in the vena contracta at critical flow cvcc = √(2γ/(γ + 1)·p1/ρ1), m/s
// (Table 3).
double CriticalSoundSpeed(double gamma, double p1, double rho1);

// Regime I, vena contracta velocity Uvc = √(2γ/(γ − 1)·(1 − (pvc/p1)^((γ − 1)/γ))·p1/ρ1), m/s
// (Table 3).
double VenaContractaVelocity(double gamma, double p1, double rho1, double pvc);

// Regime I, temperature in the vena contracta Tvc = T1·(pvc/p1)^((γ − 1)/γ), K (Table 3).
double VenaContractaTemperature(double t1, double p1, double pvc, double gamma);

// Regime I, vena contracta Mach number Mvc = Uvc/cvc, cvc = √(γ·R·Tvc/M) (Table 3).
double VenaContractaMach(double uvc, double cvc);

// Regimes II … IV, jet Mach number Mj = √(2/(γ − 1)·((p1/(α·p2))^((γ − 1)/γ) − 1)) (Table 3).
double JetMach(double gamma, double p1, double p2, double alpha);

// Regime V, jet Mach number at the constant-efficiency point Mj5 = √(2/(γ − 1)·(22^((γ − 1)/γ)
// − 1)) (Table 3).
double ConstantEfficiencyJetMach(double gamma);

// Stream power Wm = ṁ·U²/2, W: U = Uvc in regime I, cvcc in II … V (Wms) (Table 3).
double StreamPower(double massFlow, double velocity);

// Acoustic efficiency in regime I, η = 10^Aη·FL²·Mvc³ (Table 3).
double SubsonicEfficiency(double an, double mvc, double fl);

// Acoustic efficiency in regimes II and III, η = 10^Aη·Mj^(6,6·FL²) (Table 3).
double SupersonicEfficiency(double an, double mj, double fl);

// Acoustic efficiency in regimes IV and V, η = 10^Aη·(Mj²/2)·√2^(6,6·FL²), with Mj5 in V
// (Table 3).
double ShockCellEfficiency(double an, double mj, double fl);

// Sound power Wa = η·Wm, W, eq. (11), with Wms in regimes II … V (Table 3).
double SoundPower(double efficiency, double streamPower);

// Regime II, the share of the sound power the partly choked jet makes, (p1 − p2)/(p1 − pvcc)
// (Table 3): FL² at the regime's start, where it meets regime I, and 1 at its end.
double ChokedPowerRatio(double p1, double p2, double pvcc);

// Peak frequency, regime I: fp = Stp·Uvc/Dj, Hz (Table 3).
double SubsonicPeakFrequency(double stp, double uvc, double dj);

// Peak frequency, regimes II and III: fp = Stp·Mj·cvcc/Dj, Hz (Table 3), which meets regime I's
// at Mj = 1.
double ChokedPeakFrequency(double stp, double mj, double cvcc, double dj);

// Peak frequency, regimes IV and V (shock cells): fp = 1,4·Stp·cvcc/(Dj·√(Mj² − 1)), Hz, with Mj5
// in V (Table 3).
double ShockPeakFrequency(double stp, double cvcc, double dj, double mj);

// Density after the valve of the ideal gas throttled at constant temperature, ρ2 = ρ1·p2/p1,
// kg/m³ (5.1).
double OutletDensity(double rho1, double p1, double p2);

// Speed of sound of the ideal gas c = √(γ·R·T/M), m/s (5.1).
double GasSoundSpeed(double gamma, double temperature, double molarMass);

// Mach number of the flow through a circular section of diameter d, M = 4ṁ/(π·d²·ρ2·c2): the
// valve outlet Mo, eq. (15), and the pipe M2, eq. (17).
double FlowMach(double massFlow, double diameter, double rho2, double c2);

// Velocity correction Lg = 16·lg(1/(1 − M2)), dB, with M2 at most 0,3, eq. (16).
double VelocityCorrection(double pipeMach);

// Internal level spread over the bands,
// Lpi(fi) = Lpi − 8 − 10·lg{[1 + (fi/(2fp))^2,5]·[1 + (fp/(2fi))^1,7]}, dB, eq. (19).
double BandInternalLevel(double lpi, double fp, double fi);

// Internal coincidence frequency fo = fr/4·(c2/ca), Hz, eq. (22).
double InternalCoincidenceFrequency(double fr, double c2, double airSoundSpeed);

// External coincidence frequency fg = √3·ca²/(π·ts·cs), Hz, eq. (23).
double ExternalCoincidenceFrequency(double airSoundSpeed, double wallThickness,
                                    double pipeSoundSpeed);

// The frequency factors Gx and Gy of Table 6 at fi: below fo Gx = (fo/fr)^⅔·(fi/fo)⁴ and
// Gy = fo/fg (1 when fo ≥ fg); from fo Gx = (fi/fr)^½ up to fr, 1 above, and Gy = fi/fg up to fg,
// 1 above.
struct FrequencyFactors {
  double gx = 0;
  double gy = 0;
};
FrequencyFactors TransmissionFrequencyFactors(double fi, double fr, double fo, double fg);

// Structural loss factor of the pipe wall ηs(fi) = 0,1/√(fi/1 Hz) (5.5).
double StructuralLossFactor(double fi);

// The further loss of the pipe behind a small valve outlet, ΔTL, dB, eq. (20b), by the outlet
// diameter D (m): 0 above 0,15 m, 35,8 − 813·D + 6 370·D² − 16 660·D³ from 0,05 m to 0,15 m,
// 9 below 0,05 m.
double SmallValveCorrection(double outletDiameter);

// Transmission loss of the pipe wall, negative, dB, eq. (20a):
// TL(fi) = 10·lg[8,25·10⁻⁷·(c2/(ts·fi))²·Gx/((ρ2·c2 + 2π·ts·fi·ρs·ηs)/(415·Gy) + 1)·(pa/ps)]
//          − ΔTL.
double TransmissionLoss(double fi, double c2, double rho2, const PipeWall& pipe,
                        const FrequencyFactors& factors, double lossFactor,
                        double smallValveCorrection, double atmosphericPressure);

// Clause 7: the flow leaving a valve outlet of diameter di into the pipe.

// Velocity in the pipe Up = 4ṁ/(π·ρ2·Di²), m/s, at most 0,8·c2, eq. (34).
double ExpanderPipeVelocity(double massFlow, double rho2, double internalDiameter, double c2);

// Velocity at the expander inlet UR = Up·Di²/(β·di²), m/s, at most c2, eq. (35); β = 0,93.
double ExpanderInletVelocity(double up, double internalDiameter, double di, double c2);

// Stream power WmR = ṁ·UR²/2·[(1 − di²/Di²)² + 0,2], W, eq. (36).
double ExpanderStreamPower(double massFlow, double ur, double di, double internalDiameter);

}  // namespace selvio::noise
