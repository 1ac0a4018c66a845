#pragma once

#include <optional>

#include "app/files/settings_record.h"
#include "app/project/project.h"
#include "engine/selection.h"
#include "engine/selection_result.h"

namespace selvio {

// What the form shows of `result`, calculated from `inputs`: the outcome, the candidate and
// actuator shown with their names, the controller kit when the calculation found valves with
// both sections on, and the figures.
ShownSelection ShownSelectionOf(const SelectionResult& result, const SettingsRecord& inputs);

// The choice in `result` that shows again what `shown` showed: its indices while they still
// name the same product and actuator, else the product found by name and diameter text with
// its actuator by name (the first one when that is gone). Nothing when nothing was shown or the
// product is not in the list any more. A choice other than the one shown is applied only when
// the candidate dialog could confirm it (HoldsChoice).
std::optional<CandidateChoice> FindShownChoice(const SelectionResult& result,
                                               const ShownSelection& shown);

// How a selection differs from an earlier one of the same inputs.
enum class SelectionChange {
  None,
  OtherProduct,     // another product, actuator or controller kit; or one found where none was
  NothingFound,     // a product was shown and none is now
  DifferentFigures  // the same products with other figures (Kvs, Kv, dPv, V as the schedule
                    // prints them) or the cavitation warning raised or dropped
};

SelectionChange CompareSelections(const ShownSelection& before, const ShownSelection& after);

}  // namespace selvio
