#pragma once

#include "catalogue/catalogue_records.h"
#include "engine/saturation_table.h"
#include "engine/selection_request.h"
#include "engine/selection_result.h"

namespace selvio {

// One calculation: empties the candidate lists and the numbers, looks up Psat at the request's
// temperature, checks the inputs in their fixed order and sizes the chosen product. The outcome,
// the message to show (a refusal, or what the outcome says; empty when nothing is to be shown)
// and, when the sizing reached its end, the first candidate and actuator shown with their
// figures are left in `result`, whose storage is reused. The shown indices change only when the
// sizing reaches its end, as the candidate dialog's last choice stays until then.
void RunSelection(const SelectionRequest& request, const Catalogue& catalogue,
                  const SaturationTable& saturation, SelectionResult& result);

// The same into a fresh result.
SelectionResult RunSelection(const SelectionRequest& request, const Catalogue& catalogue,
                             const SaturationTable& saturation);

// A pair in the candidate list: the candidate and, for a control valve, its actuator (-1 for a
// candidate without actuators and for regulators).
struct CandidateChoice {
  int candidate = 0;
  int actuator = 0;
};

// Whether the candidate dialog could confirm `choice` for this result: a candidate of the filled
// list and one of its actuators, or -1 when it has none.
bool HoldsChoice(const SelectionResult& result, CandidateChoice choice);

// Shows another candidate and actuator of the result: the figures of the product shown (dPv, V),
// its cavitation warning and its check are computed anew for the request the result was sized
// for.
void ShowCandidate(SelectionResult& result, const SelectionRequest& request,
                   const SaturationTable& saturation, CandidateChoice choice);

// Ends a calculation whose inputs could not be read before they reached the sizing: empty lists,
// no numbers, outcome InvalidInput with `message`.
void RefuseSelection(SelectionResult& result, const SelectionMessage& message);

// Empties the three candidate lists, keeping their storage.
void ClearCandidateLists(SelectionResult& result);

// Puts `result` back as a fresh one would be, keeping the storage of its lists.
void ResetSelectionResult(SelectionResult& result);

// The message the outcome itself shows; None for Found and InvalidInput (a refusal carries its
// own).
SelectionMessage OutcomeMessage(SelectionOutcome outcome, bool stainlessHint);

}  // namespace selvio
