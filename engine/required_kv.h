#pragma once

#include <optional>

#include "engine/sizing_context.h"

namespace selvio {

// The medium branch shared by valve and regulator sizing: checks the steam relative drop δ and
// the inputs that would leave Kv without a finite, positive value (the flow among them, last),
// and computes Kv·K from the flow in base units. Nothing when an input is refused (its message is
// left in the result); 0 when no medium is chosen.
std::optional<float> ComputeRequiredKv(const SizingContext& context);

}  // namespace selvio
