#pragma once

#include "app/form/form_state.h"
#include "platform/form_controls.h"

// The section switches of the actuator and controller columns (their header pictures and the
// clicks on them) and the routines that show, hide, enable and refill the actuator column.
namespace selvio {

// Shows the one actuator header picture that matches the two actuator flags: 1129 ticked,
// 1130 empty, 1132 greyed ticked, 1131 greyed empty.
void RefreshActuatorSwitch(FormControls& controls, const FormState& state);
// The same for the controller header: 1134, 1133, 1137, 1135.
void RefreshControllerSwitch(FormControls& controls, const FormState& state);

// Enables or disables the actuator column by actuatorSectionOn and derives
// controllerSectionAvailable from it and the electric actuator.
void ApplyActuatorSection(FormControls& controls, FormState& state);
// Enables or disables the controller column (1066-1071) by controllerSectionOn.
void ApplyControllerSection(FormControls& controls, const FormState& state);

// Clicks on the ticked (1129, 1134) or empty (1130, 1133) header pictures: switch the section
// off or on, redraw its header and apply it.
void SetActuatorSection(FormControls& controls, FormState& state, bool on);
void SetControllerSection(FormControls& controls, FormState& state, bool on);

// Show or hide every control of a group of the actuator column.
void ShowElectricGroup(FormControls& controls, bool shown);
void ShowThermostatGroup(FormControls& controls, bool shown);
void ShowPneumaticGroup(FormControls& controls, bool shown);

// Empties list 1076, appends the labels of `lengths` in order and selects entry 0.
void FillCapillaryLengths(FormControls& controls, const CapillaryLengthList& lengths);

}  // namespace selvio
