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

}  // namespace selvio
