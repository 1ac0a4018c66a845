#include "engine/valve_sizing.h"

#include "engine/actuator_matching.h"
#include "engine/medium.h"
#include "engine/rating.h"
#include "engine/required_kv.h"

namespace selvio {
namespace {

bool DesignFits(const ValveRecord& valve, const SelectionRequest& request) {
  if (request.valveKind == ValveKind::TwoWay) return true;
  if (request.valveKind == ValveKind::ThreeWay) {
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

bool PruneDrops(const std::vector<ValveCandidate>& kept, const ValveRecord& newest) {
  if (kept.empty()) return false;
  int sameName = 0;
  for (const ValveCandidate& candidate : kept) {
    if (candidate.valve.name == newest.name) ++sameName;
  }
  return sameName > 1 || !IsNearDn(kept.front().valve.dn, newest.dn);
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
    if (CountOf(result.valveCandidates) >= kListCapacity) continue;
    // The candidates are thinned as they come: a valve the pruning drops is neither copied nor
    // given actuators; only what matching notes for the whole calculation is kept.
    if (PruneDrops(result.valveCandidates, valves[i])) {
      if (request.matchActuators) NoteMatchingHints(context, valves[i]);
      continue;
    }
    ValveCandidate& candidate = result.valveCandidates.emplace_back(valves[i]);
    if (request.matchActuators && !MatchActuators(context, candidate)) {
      result.valveCandidates.pop_back();
    }
  }

  result.shownCandidate = 0;
  result.shownActuator = 0;
  return valveFound;
}

}  // namespace selvio
