#pragma once

#include "engine/sizing_context.h"

namespace selvio {

// Fills the candidate's actuator lists with the catalogue actuators of the kind the request's
// preferences ask for that the valve's links name, that suit the medium and the pressure
// difference, and that have the options asked for. True when anything was added.
bool MatchActuators(const SizingContext& context, ValveCandidate& candidate);

// For a valve that passed the hydraulic tests but will not be kept whatever its actuators: notes
// what matching it would have noted (the stainless-thermostat hint), without copying records.
void NoteMatchingHints(const SizingContext& context, const ValveRecord& valve);

}  // namespace selvio
