#pragma once

#include <optional>

#include "engine/selection_request.h"

// The pressure drops a product works at, for the check. P1 and P2 are the pressures at the inlet
// and the outlet of the controlled circuit; the setting is the pressure a reducing valve keeps
// after itself (gauge) or the difference a differential-pressure regulator keeps. All in bar;
// a difference of two gauge pressures is the same as of the absolute ones.
namespace selvio {

// The drop the product is sized at (liquids): the ΔP field for a control valve and a
// differential-pressure regulator; P1 − setting for a reducing valve, which takes the inlet
// pressure down to its setting.
double DesignDrop(ProductKind product, double dropField, double p1, double setting);

// The drop of steam: δ·P1 with P1 absolute (δ is a ratio, never scaled by a pressure unit).
double SteamDesignDrop(double relativeDrop, double p1Absolute);

// The drop the product takes when nearly closed (liquids), when the circuit's losses vanish with
// the flow: P1 − P2 for a control valve; P1 − setting for a reducing valve; (P1 − P2) − setting
// for a differential-pressure regulator, which keeps the setting across the circuit. Nothing
// when P2 is needed and not known.
std::optional<double> ClosingDrop(ProductKind product, double p1, std::optional<double> p2,
                                  double setting);

// A ΔP field larger than the whole available P1 − P2 contradicts the pressures given.
bool IsInconsistentDrop(double dropField, double p1, double p2);

// A design drop at or above P1 absolute would leave no absolute pressure after the valve.
bool IsDesignDropRefused(double designDrop, double p1Absolute);

// Authority of a two-way control valve, the open valve's drop at design flow over the circuit's
// available drop: a = (G/Kvs)²·(ρ/ρ0) / (P1 − P2), G in m³/h, Kvs in m³/h, ρ in kg/m³, ρ0 the
// reference density of IEC 60534-2-1. Nothing for three-way valves, regulators and steam, when
// P2 is not known, or when P1 − P2 is not positive.
struct AuthorityCase {
  ProductKind product = ProductKind::ControlValve;
  ValveKind valveKind = ValveKind::TwoWay;
  bool steam = false;
};
std::optional<double> Authority(const AuthorityCase& product, double flow, double kvs,
                                double density, double p1, std::optional<double> p2);

// The valve's drop at the minimum flow Gmin, where the circuit's losses, (P1 − P2) − ΔP at the
// design flow G, fall with the square of the flow:
//   ΔPmin = (P1 − P2) − ((P1 − P2) − ΔP)·(Gmin/G)²;
// ΔP itself when P2 is not known.
double MinimumFlowDrop(double drop, double p1, std::optional<double> p2, double flow,
                       double minimumFlow);

// A liquid flashes when the pressure after the valve (absolute) is at or below its vapour
// pressure.
bool IsFlashing(double outletPressureAbsolute, double vapourPressure);

}  // namespace selvio
