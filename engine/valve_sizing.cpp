#include "engine/valve_sizing.h"

#include "engine/actuator_matching.h"
#include "engine/medium.h"
#include "engine/rating.h"
#include "engine/required_kv.h"

namespace selvio {
namespace {

bool DesignFits(const ValveRecord& valve, const SelectionRequest& request) {
  if (request.valveKind == kTwoWay) return true;
  if (request.valveKind == kThreeWay) {
    return (request.wantDiverting && valve.diverting) || (request.wantMixing && valve.mixing);
  }
  return false;
}

}  // namespace

bool ValveFits(const ValveRecord& valve, const SelectionRequest& request, float kv) {
  return valve.connection == request.connection && valve.valveKind == request.valveKind &&
         DesignFits(valve, request) && (!request.wantBalanced || valve.pressureBalanced) &&
         SuitsMedium(valve, request) &&
         RatingAllows(valve, request.p1, request.p2, static_cast<float>(request.temperature)) &&
         kv <= valve.kvs;
}

bool PruneDrops(const SelectionResult& result, int kept, const ValveRecord& newest) {
  if (kept < 1) return false;
  int sameName = 0;
  for (int i = 0; i < kept; ++i) {
    if (result.valveCandidates[static_cast<std::size_t>(i)].valve.name == newest.name) ++sameName;
  }
  return sameName > 1 || !IsNearDn(result.valveCandidates[0].valve.dn, newest.dn);
}

std::optional<bool> SizeControlValve(const SizingContext& context) {
  const std::optional<float> kv = ComputeRequiredKv(context);
  if (!kv) return std::nullopt;
  SelectionResult& result = context.result;
  const SelectionRequest& request = context.request;
  result.kv = *kv;

  bool valveFound = false;
  const RecordContainer<ValveRecord>& valves = context.catalogue.valves;
  for (int i = 0; i < valves.count; ++i) {
    if (!ValveFits(valves[i], request, *kv)) continue;
    valveFound = true;
    // A full list takes no further candidates.
    if (result.valveCandidateCount >= kListCapacity) continue;
    // The candidates are thinned as they come: a valve the pruning drops is neither copied nor
    // given actuators; only what matching notes for the whole calculation is kept.
    if (PruneDrops(result, result.valveCandidateCount, valves[i])) {
      if (request.matchActuators) NoteMatchingHints(context, valves[i]);
      continue;
    }
    ValveCandidate& candidate =
        result.valveCandidates[static_cast<std::size_t>(result.valveCandidateCount)];
    candidate.valve = valves[i];
    candidate.electricActuatorCount = 0;
    candidate.pneumaticActuatorCount = 0;
    candidate.thermostatCount = 0;
    if (request.matchActuators && !MatchActuators(context, candidate)) continue;
    ++result.valveCandidateCount;
  }

  result.shownCandidate = 0;
  result.shownActuator = 0;
  return valveFound;
}

}  // namespace selvio
