#pragma once

#include <optional>

#include "engine/sizing_context.h"

namespace selvio {

// The control-valve branch of a calculation: Kv for the medium, then every catalogue valve that
// fits becomes a candidate (with its actuators while the actuator section is on), thinned to
// close alternatives of the first one; the shown indices go back to 0. Returns whether any valve
// passed the hydraulic tests, or nothing when an input was refused.
std::optional<bool> SizeControlValve(const SizingContext& context);

// Whether valve v passes the seven hydraulic tests of the request with Kv `kv`.
bool ValveFits(const ValveRecord& valve, const SelectionRequest& request, float kv);

// Whether the pruning drops valve `newest` placed after the candidates `kept`: when two of them
// share its name, or its diameter is not near the first candidate's.
bool PruneDrops(const std::vector<ValveCandidate>& kept, const ValveRecord& newest);

}  // namespace selvio
