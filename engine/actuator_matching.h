#pragma once

#include "engine/selection_form.h"

namespace selvio {

// Reads the actuator inputs of the form that every kind uses (kind, control, voltage, options,
// positioner, normal position).
void CaptureActuatorPreferences(const FormControls& controls, ActuatorPreferences& prefs);

// Fills the candidate's actuator lists with the catalogue actuators of the kind chosen on the
// form that the valve's links name, that suit the medium and the pressure difference, and that
// have the options asked for. True when anything was added.
bool MatchActuators(SelectionForm& form, ValveCandidate& candidate);

// For a valve that passed the hydraulic tests but will not be kept whatever its actuators: notes
// what matching it would have noted (the stainless-thermostat hint), without copying records.
// Relies on the preferences a MatchActuators call of the same calculation captured.
void NoteMatchingHints(SelectionForm& form, const ValveRecord& valve);

}  // namespace selvio
