#include "engine/selection.h"

#include "engine/hydraulics.h"
#include "engine/regulator_sizing.h"
#include "engine/shown_product_check.h"
#include "engine/sizing_context.h"
#include "engine/valve_sizing.h"

namespace selvio {
namespace {

void ClearNumbers(SelectionResult& result) {
  result.kv = 0;
  result.dpv = 0;
  result.velocity = 0;
  result.psat = 0;
  result.cavitationWarning = false;
  result.check.reset();
}

// dPv, V, the cavitation warning and the check of the product shown; none when the list holds
// no product at the shown index. Only a two-way valve among the control valves is checked for
// cavitation.
void FinishShownProduct(SelectionResult& result, const SelectionRequest& request,
                        const SaturationTable& saturation) {
  result.dpv = 0;
  result.velocity = 0;
  result.cavitationWarning = false;
  result.check = CheckShownProduct(request, result);
  LossVelocity figures;
  if (const ValveCandidate* valve = ShownValve(result)) {
    const ValveRecord& v = valve->valve;
    result.cavitationWarning = v.valveKind == ValveKind::TwoWay && request.checkCavitation &&
                               IsCavitationRisk(request, saturation, v.z);
    figures = LossAndVelocity(request, v.kvs, v.dn, v.forSteam != 0);
  } else if (const RegulatorCandidate* regulator = ShownRegulator(result)) {
    const RegulatorRecord& r = regulator->regulator;
    result.cavitationWarning =
        request.checkCavitation && IsCavitationRisk(request, saturation, r.z);
    figures = LossAndVelocity(request, r.kvs, r.dn, r.forSteam != 0);
  } else {
    return;
  }
  result.dpv = figures.dpv;
  result.velocity = figures.velocity;
}

void Finish(SelectionResult& result, SelectionOutcome outcome) {
  result.outcome = outcome;
  if (outcome != InvalidInput) result.message = OutcomeMessage(outcome, result.stainlessHint);
}

void Refuse(SelectionResult& result, const SelectionMessage& message) {
  result.message = message;
  result.outcome = InvalidInput;
}

}  // namespace

void RunSelection(const SelectionRequest& r, const Catalogue& catalogue,
                  const SaturationTable& saturation, SelectionResult& result) {
  ClearCandidateLists(result);
  ClearNumbers(result);
  result.message = {};
  result.psat = LookupSaturationPressure(saturation, static_cast<float>(r.temperature));

  if (!r.IsSteam() && !(r.p2 < r.p1)) {
    return Refuse(result,
                  {SelectionMessageCode::OutletPressureNotBelowInlet, InputField::OutletPressure});
  }
  if (r.safetyFactor > kSafetyFactorMax || r.safetyFactor < kSafetyFactorMin) {
    return Refuse(result, {SelectionMessageCode::SafetyFactorOutOfRange, InputField::SafetyFactor,
                           kSafetyFactorMin, kSafetyFactorMax});
  }

  result.stainlessHint = false;
  SizingContext context{r, catalogue, result};
  if (r.product == ProductKind::ControlValve) {
    const std::optional<bool> valveFound = SizeControlValve(context);
    if (!valveFound) return Finish(result, InvalidInput);
    FinishShownProduct(result, r, saturation);
    if (!result.valveCandidates.empty()) return Finish(result, Found);
    return Finish(result, *valveFound ? NoActuator : NothingFound);
  }
  if (!SizeRegulator(context, r.product)) return Finish(result, InvalidInput);
  FinishShownProduct(result, r, saturation);
  Finish(result, CandidateCount(result) > 0 ? Found : NothingFound);
}

SelectionResult RunSelection(const SelectionRequest& request, const Catalogue& catalogue,
                             const SaturationTable& saturation) {
  SelectionResult result;
  RunSelection(request, catalogue, saturation, result);
  return result;
}

bool HoldsChoice(const SelectionResult& result, CandidateChoice choice) {
  if (!result.valveCandidates.empty()) {
    const ValveCandidate* c = EntryAt(result.valveCandidates, choice.candidate);
    if (!c) return false;
    const int actuators = ActuatorCount(*c);
    return actuators == 0 ? choice.actuator == -1
                          : (choice.actuator >= 0 && choice.actuator < actuators);
  }
  return EntryAt(RegulatorCandidates(result), choice.candidate) && choice.actuator == -1;
}

void ShowCandidate(SelectionResult& result, const SelectionRequest& request,
                   const SaturationTable& saturation, CandidateChoice choice) {
  result.shownCandidate = choice.candidate;
  result.shownActuator = choice.actuator;
  FinishShownProduct(result, request, saturation);
}

void RefuseSelection(SelectionResult& result, const SelectionMessage& message) {
  ClearCandidateLists(result);
  ClearNumbers(result);
  result.outcome = InvalidInput;
  result.message = message;
}

void ClearCandidateLists(SelectionResult& result) {
  result.valveCandidates.clear();
  result.dpRegulatorCandidates.clear();
  result.reducingValveCandidates.clear();
}

void ResetSelectionResult(SelectionResult& result) {
  ClearCandidateLists(result);
  ClearNumbers(result);
  result.outcome = NothingFound;
  result.message = {};
  result.shownCandidate = 0;
  result.shownActuator = 0;
  result.stainlessHint = false;
}

SelectionMessage OutcomeMessage(SelectionOutcome outcome, bool stainlessHint) {
  switch (outcome) {
    case NothingFound:
      return {SelectionMessageCode::NoValveFits};
    case NoActuator:
      return {stainlessHint ? SelectionMessageCode::NoActuatorTryStainlessThermostat
                            : SelectionMessageCode::NoActuatorFits};
    case Found:
    case InvalidInput:
      break;
  }
  return {};
}

}  // namespace selvio
