#include "output/candidate_entries.h"

namespace selvio {
namespace {

CandidateEntry ValveEntry(const ValveCandidate& c) {
  CandidateEntry entry{c.valve.name, c.valve.dnText, c.valve.kvs, {}};
  for (int k = 0; k < c.electricActuatorCount; ++k) {
    entry.actuators << c.electricActuators[static_cast<std::size_t>(k)].variant;
  }
  for (int k = 0; k < c.pneumaticActuatorCount; ++k) {
    entry.actuators << c.pneumaticActuators[static_cast<std::size_t>(k)].name;
  }
  for (int k = 0; k < c.thermostatCount; ++k) {
    entry.actuators << c.thermostats[static_cast<std::size_t>(k)].name;
  }
  return entry;
}

}  // namespace

std::vector<CandidateEntry> CandidateEntries(const SelectionResult& result) {
  std::vector<CandidateEntry> entries;
  for (const ValveCandidate& candidate : result.valveCandidates) {
    entries.push_back(ValveEntry(candidate));
  }
  if (!entries.empty()) return entries;
  for (const RegulatorCandidate& candidate : RegulatorCandidates(result)) {
    const RegulatorRecord& r = candidate.regulator;
    entries.push_back({r.name, r.dnText, r.kvs, {}});
  }
  return entries;
}

}  // namespace selvio
