#include "engine/selection_result.h"

namespace selvio {

const std::vector<RegulatorCandidate>& RegulatorCandidates(const SelectionResult& result) {
  return result.dpRegulatorCandidates.empty() ? result.reducingValveCandidates
                                              : result.dpRegulatorCandidates;
}

int CandidateCount(const SelectionResult& result) {
  if (!result.valveCandidates.empty()) return CountOf(result.valveCandidates);
  return CountOf(RegulatorCandidates(result));
}

const ValveCandidate* ShownValve(const SelectionResult& result) {
  return EntryAt(result.valveCandidates, result.shownCandidate);
}

const RegulatorCandidate* ShownRegulator(const SelectionResult& result) {
  return EntryAt(RegulatorCandidates(result), result.shownCandidate);
}

ShownActuatorRecords LocateShownActuator(const ValveCandidate& c, int i) {
  const int nE = CountOf(c.electricActuators);
  const int nP = CountOf(c.pneumaticActuators);
  const int nT = CountOf(c.thermostats);
  ShownActuatorRecords shown;
  if (i < 0 || i >= nE + nP + nT) return shown;
  if (i < nE) {
    shown.electric = &c.electricActuators[static_cast<std::size_t>(i)];
  } else if (i < nE + nP) {
    shown.pneumatic = &c.pneumaticActuators[static_cast<std::size_t>(i - nE)];
  } else {
    shown.thermostat = &c.thermostats[static_cast<std::size_t>(i - nE - nP)];
  }
  return shown;
}

int ActuatorCount(const ValveCandidate& candidate) {
  return CountOf(candidate.electricActuators) + CountOf(candidate.pneumaticActuators) +
         CountOf(candidate.thermostats);
}

}  // namespace selvio
