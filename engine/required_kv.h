#pragma once

#include "engine/selection_form.h"

#include <optional>

namespace selvio {

// The medium branch shared by valve and regulator sizing: converts the flow to base units in
// place, checks the steam relative drop δ and the inputs that would leave Kv without a finite
// value, and computes Kv·K. Nothing when an input is refused (its message is shown); 0 when no
// medium is chosen.
std::optional<float> ComputeRequiredKv(SelectionForm& form);

}  // namespace selvio
