#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "catalogue/catalogue_records.h"
#include "engine/product_check.h"
#include "engine/selection_message.h"
#include "engine/selection_request.h"

namespace selvio {

// The outcome of one calculation, the message to show for it, the candidates it found, the
// figures of the product shown and its check.
struct SelectionResult {
  SelectionOutcome outcome = NothingFound;
  // A refusal's message, or the outcome's own; None when none is shown.
  SelectionMessage message;
  float kv = 0;        // m³/h, Kv·K
  float dpv = 0;       // bar, across the open product shown
  float velocity = 0;  // m/s, through the product shown
  float psat = 0;      // bar
  // The shown product may cavitate and the request asked to be warned of it.
  bool cavitationWarning = false;
  // What was found, at most kListCapacity each; a calculation fills at most one list.
  std::vector<ValveCandidate> valveCandidates;
  std::vector<RegulatorCandidate> dpRegulatorCandidates;
  std::vector<RegulatorCandidate> reducingValveCandidates;
  int shownCandidate = 0;  // in whichever list is filled
  int shownActuator = 0;   // electric actuators first, then pneumatic ones, then thermostats
  bool stainlessHint = false;
  // The product shown checked against IEC 60534-2-1; none when no product is shown.
  std::optional<ProductCheck> check;
};

// The number of entries of a candidate list.
template <class Candidate>
int CountOf(const std::vector<Candidate>& list) {
  return static_cast<int>(list.size());
}

// The filled regulator list (differential-pressure regulators first), or the empty reducing
// valve list when neither holds anything.
const std::vector<RegulatorCandidate>& RegulatorCandidates(const SelectionResult& result);

// The number of candidates the calculation found, in whichever list it filled.
int CandidateCount(const SelectionResult& result);

// Entry `index` of a candidate list, or null when it holds none there.
template <class Candidate>
const Candidate* EntryAt(const std::vector<Candidate>& list, int index) {
  if (index < 0 || index >= CountOf(list)) return nullptr;
  return &list[static_cast<std::size_t>(index)];
}

// The candidate shown of each kind; null when its list holds none at the shown index.
const ValveCandidate* ShownValve(const SelectionResult& result);
const RegulatorCandidate* ShownRegulator(const SelectionResult& result);

// The actuator a shown index picks in a valve candidate: the index runs over the electric
// actuators, then the pneumatic ones, then the thermostats. Null pointers when the index lies
// outside them all (a candidate without actuators included).
struct ShownActuatorRecords {
  const ElectricActuatorRecord* electric = nullptr;
  const PneumaticActuatorRecord* pneumatic = nullptr;
  const ThermostatRecord* thermostat = nullptr;
};
ShownActuatorRecords LocateShownActuator(const ValveCandidate& candidate, int shownActuator);

// How many actuators a valve candidate offers, of all three kinds.
int ActuatorCount(const ValveCandidate& candidate);

}  // namespace selvio
