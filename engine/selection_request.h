#pragma once

#include "catalogue/catalogue_records.h"

namespace selvio {

enum class ProductKind { ControlValve, DpRegulator, ReducingValve };
enum class Medium { None, Water, Glycol, Steam };
enum class ActuatorKind { None, Electric, Thermostat, Pneumatic };

enum SelectionOutcome : int { Found = 1, NothingFound = 0, NoActuator = -1, InvalidInput = -2 };

// The actuator inputs of a calculation. The signal flags are set for an electric actuator and
// the thermostat inputs for a thermostat; the panels show them for the actuator found.
struct ActuatorPreferences {
  ActuatorKind actuatorKind = ActuatorKind::None;
  ControlKind controlSignal = ControlKind::NotGiven;
  int supplyVoltage = 0;  // V
  bool requestedSignal0to10V = false;
  bool requestedSignal2to10V = false;
  bool requestedSignal0to20mA = false;
  bool requestedSignal4to20mA = false;
  bool wantLimitSwitches = false;
  bool wantPotentiometer = false;
  bool wantSpringReturn = false;
  bool wantHeater = false;
  int maintainedTemperature = 0;  // °C
  bool spiralElement = false;
  bool copperElement = false;
  bool copperCapillary = false;
  bool pvcCapillary = false;
  bool wantPZ1 = false;
  bool wantPZ2 = false;
  bool wantNormallyOpen = false;
  bool wantNormallyClosed = false;
};

// Every input of one calculation, in base units: pressures in bar, the flow in m³/h (water,
// glycol) or kg/h (steam).
struct SelectionRequest {
  bool IsSteam() const { return medium == Medium::Steam; }

  ProductKind product = ProductKind::ControlValve;
  Medium medium = Medium::None;
  ConnectionKind connection = ConnectionKind::NotGiven;
  ValveKind valveKind = ValveKind::NotGiven;
  bool wantMixing = false;
  bool wantDiverting = false;
  bool wantBalanced = false;
  bool useSafetyFactor = false;
  bool checkCavitation = false;
  bool matchActuators = false;  // the actuator section is on: candidates need an actuator
  float p1 = 0;                 // bar
  float p2 = 0;                 // bar
  int temperature = 0;          // °C
  float drop = 0;               // ΔP in bar (water, glycol) or the relative drop δ (steam)
  float setting = 0;            // bar
  float flow = 0;               // m³/h (water, glycol) or kg/h (steam)
  float safetyFactor = 1;       // K; 1 when not asked for, so no K is shown
  float density = 0;            // kg/m³
  ActuatorPreferences actuator;
};

}  // namespace selvio
