#include "output/candidate_entries.h"

namespace selvio {
namespace {

CandidateEntry ValveEntry(const ValveCandidate& c) {
  CandidateEntry entry{c.valve.name, c.valve.dnText, c.valve.kvs, {}};
  for (const ElectricActuatorRecord& e : c.electricActuators) entry.actuators << e.variant;
  for (const PneumaticActuatorRecord& p : c.pneumaticActuators) entry.actuators << p.name;
  for (const ThermostatRecord& t : c.thermostats) entry.actuators << t.name;
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
