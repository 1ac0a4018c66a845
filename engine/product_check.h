#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "catalogue/flow_characteristic.h"

// A check of the product shown against IEC 60534-2-1, beside the program's own choice: the
// standard's Kv at the working point with water and steam properties after IAPWS-IF97, the
// choked-flow and cavitation tests, the opening and lift, the velocity in the connection, a
// verdict on the product's Kvs, and the data of two pictures. Double precision throughout. The
// check gives codes and figures; its words are composed above the engine (words/check_words.h).
namespace selvio {

enum class CheckMedium { Water, Glycol, Steam };

// The working point in the engine's base units.
struct CheckWorkingPoint {
  CheckMedium medium = CheckMedium::Water;
  double p1 = 0;            // inlet pressure, bar gauge
  int temperature = 0;      // °C: the liquid's, and the rating chart's working point (saturated
                            // steam takes its own properties from P1)
  double drop = 0;          // ΔP across the valve, bar (water, glycol); δ = ΔP/P1 (steam)
  double flow = 0;          // m³/h (water, glycol); kg/h (steam)
  double density = 0;       // kg/m³, the glycol solution's (unused for water and steam)
  double safetyFactor = 1;  // K, 1 when it is not asked for
};

// One point of a pressure–temperature rating: the permitted pressure at a temperature.
struct RatingPair {
  double temperature = 0;  // °C
  double pressure = 0;     // bar
};

// The product shown.
struct CheckedProduct {
  double kvs = 0;  // m³/h
  double dn = 0;   // nominal diameter of the connection, mm; 0 when not known
  FlowCharacteristic characteristic = FlowCharacteristic::Other;  // Other: no lift
  bool isRegulator = false;                                       // a regulator has no lift
  std::vector<RatingPair> rating;
};

// An entry of the candidate list the product was shown from.
struct ListedProduct {
  QString name;
  double kvs = 0;  // m³/h
};

struct ProductCheckInput {
  CheckWorkingPoint point;
  CheckedProduct product;
  std::vector<ListedProduct> list;  // in list order, the product shown included
};

// Valve factors used for every product: FL and xT of a single-seat globe valve (contoured plug,
// flow to open) from the standard's table of typical values; FP = FR = 1.
inline constexpr double kCheckFl = 0.9;
inline constexpr double kCheckXt = 0.72;
// Atmospheric pressure added to a gauge pressure, bar.
inline constexpr double kAtmosphericPressure = 1.01325;
// Critical pressure of water, bar (IAPWS-IF97: 22.064 MPa).
inline constexpr double kWaterCriticalPressure = 220.64;
// Working band of the relative lift, %.
inline constexpr double kLiftBandLow = 10;
inline constexpr double kLiftBandHigh = 70;
// Cavitation index from which a globe valve may cavitate.
inline constexpr double kIncipientCavitationIndex = 0.5;
// Velocity in the connection, m/s: advised range and warning limit.
inline constexpr double kLiquidVelocityAdvised = 3;
inline constexpr double kLiquidVelocityLimit = 5;
inline constexpr double kSteamVelocityAdvisedLow = 15;
inline constexpr double kSteamVelocityAdvisedHigh = 40;
inline constexpr double kSteamVelocityLimit = 60;

enum class CheckStatus {
  Computed,        // Kv and the figures that follow from it are known
  BoilingAtInlet,  // a liquid whose vapour pressure exceeds P1: no Kv
  OutOfRange,      // an input the check cannot take (CheckRefusal says which): no Kv
};

// The input the check could not take, for OutOfRange.
enum class CheckRefusal {
  None,
  NoKvs,                           // the product has no Kvs
  FlowNotPositive,                 // the flow
  SafetyFactorNotPositive,         // K
  InletPressureNotPositive,        // P1 absolute
  TemperatureOutsideWater,         // a liquid outside 0–350 °C, IF97 region 1
  DropNotPositive,                 // ΔP of a liquid
  DensityNotPositive,              // the glycol solution's density
  InletPressureAboveWater,         // a liquid's P1 above 1000 bar, IF97 region 1
  DropNotBelowInletPressure,       // a liquid's ΔP not below P1 absolute
  RelativeDropOutsideUnit,         // steam: δ not between 0 and 1
  SteamPressureOutsideSaturation,  // steam: P1 or P2 outside 0.0061–165 bar absolute
};

// What a warning of the check is about, and which figures it gives.
enum class CheckWarningCode {
  BoilingAtInlet,             // figure Pv, bound P1, bar absolute
  ChokedLiquid,               // figure ΔP, bound FL²·(P1 − FF·Pv), bar
  Cavitation,                 // figure x_F, bound kIncipientCavitationIndex
  ChokedSteam,                // figure x = δ, bound Fγ·xT
  BelowControllableRange,     // figure Kv/Kvs, % (below 1/50 = 2 %)
  LiftBelowBand,              // figure the lift, % (below 10 %)
  LiftAboveBand,              // figure the lift, % (above 70 %)
  KvsInsufficient,            // figure Kv/Kvs, % (above 100 %)
  VelocityAboveLimit,         // figure V, bound the warning limit, m/s
  LiquidVelocityAboveAdvice,  // figure V, m/s (above 3 m/s)
  SteamVelocityAboveAdvice,   // figure V, m/s (above 40 m/s)
  SteamVelocityBelowAdvice,   // figure V, m/s (below 15 m/s)
};

struct CheckWarning {
  CheckWarningCode code = CheckWarningCode::BoilingAtInlet;
  double figure = 0;  // the figure the warning is about
  double bound = 0;   // the bound it passed, where the code names one

  bool operator==(const CheckWarning&) const = default;
};

// The basis of the check, one note each: the factors, the properties and the assumptions.
enum class CheckNote {
  TypicalValveFactors,    // FL and xT are the standard's typical values (ProductCheck::fl, xt)
  FittingsAndTurbulence,  // FP = 1, FR = 1
  WaterProperties,        // IAPWS-IF97 for water
  GlycolProperties,       // the density field, water's vapour pressure
  SteamProperties,        // δ on absolute pressure, IAPWS-IF97 for saturated steam
  AbsolutePressure,       // absolute = gauge + kAtmosphericPressure; opening without K
};

// Flags of the warnings the check raises.
struct CheckFlags {
  bool boilingAtInlet = false;          // liquid: Pv > P1
  bool choked = false;                  // liquid ΔP ≥ FL²·(P1 − FF·Pv); steam x ≥ Fγ·xT
  bool cavitation = false;              // liquid: x_F ≥ 0.5
  bool belowControllableRange = false;  // equal-percentage Kv/Kvs < 1/50
  bool oversized = false;               // lift below 10 %
  bool noReserve = false;               // lift above 70 % while Kv ≤ Kvs
  bool kvsInsufficient = false;         // Kv (without K) > Kvs
  bool velocityAboveAdvice = false;     // above the advised velocity, up to the limit
  bool velocityBelowAdvice = false;     // steam below 15 m/s
  bool velocityHigh = false;            // above the warning limit
  bool kvExceedsKvs = false;            // Kv·K > Kvs: the verdict names a remedy
};

struct ChartPoint {
  double x = 0;
  double y = 0;
};

// The P–T picture: the rating pairs as given (x °C, y bar) and the working point (T, P1 gauge).
struct RatingChart {
  std::vector<ChartPoint> curve;
  ChartPoint workingPoint;
};

// The characteristic picture: Kv/Kvs in % (y) against the relative lift in % (x) from 0 to
// 100 %, the working point (lift, Kv/Kvs) and the working band. Empty curve and no working point
// for products without a lift.
struct CharacteristicChart {
  std::vector<ChartPoint> curve;
  std::optional<ChartPoint> workingPoint;
  double bandLow = kLiftBandLow;    // % lift
  double bandHigh = kLiftBandHigh;  // % lift
};

struct ProductCheck {
  CheckStatus status = CheckStatus::OutOfRange;
  bool isSteam = false;
  double fl = kCheckFl;
  double xt = kCheckXt;
  double p1 = 0;    // bar absolute
  double p2 = 0;    // bar absolute: P1 − ΔP (liquids), P1·(1 − δ) (steam)
  double drop = 0;  // ΔP, bar (steam: δ·P1)
  std::optional<double> vapourPressure;         // liquids: Pv of water at T, bar absolute
  std::optional<double> saturationTemperature;  // steam: Ts at P1, °C
  std::optional<double> rho;                    // density at the inlet, kg/m³ (steam: ρ1)
  std::optional<double> outletDensity;          // steam: saturated vapour at P2, kg/m³
  // Liquids.
  std::optional<double> ff;          // FF
  std::optional<double> chokedDrop;  // ΔPmax = FL²·(P1 − FF·Pv), bar
  std::optional<double> xF;          // cavitation index; none for steam
  // Steam.
  std::optional<double> gamma;        // isentropic exponent w²·ρ1/P1
  std::optional<double> fGamma;       // Fγ
  std::optional<double> chokedRatio;  // Fγ·xT
  std::optional<double> expansion;    // Y
  bool choked = false;
  std::optional<double> kvIec;           // the standard's Kv, m³/h, without K
  std::optional<double> kvRequired;      // Kv·K, m³/h
  std::optional<double> openingPercent;  // 100·Kv/Kvs
  std::optional<double> liftPercent;     // relative lift, %; none for regulators and other
                                         // characteristics; 0 below the controllable range
  std::optional<double> velocity;        // m/s in the connection; none without DN
  std::optional<int> suggestion;         // index in the list of the smallest sufficient Kvs
  std::optional<ListedProduct> suggestedProduct;  // that entry
  CheckFlags flags;
  // The verdict follows from the status: the refusal (OutOfRange), the boiling liquid
  // (temperature, Pv and P1), or Kv·K against Kvs with K and the suggestion (Computed).
  CheckRefusal refusal = CheckRefusal::None;
  double kvs = 0;                      // the product's, m³/h
  double safetyFactor = 1;             // K
  int temperature = 0;                 // °C, the working point's
  std::vector<CheckNote> notes;        // the basis of the check
  std::vector<CheckWarning> warnings;  // one per raised flag, in the order of the calculation
  RatingChart ratingChart;
  CharacteristicChart characteristicChart;
};

// Checks the product shown at the working point.
ProductCheck CheckProduct(const ProductCheckInput& input);

}  // namespace selvio
