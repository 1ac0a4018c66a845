#pragma once

#include "app/form/form_state.h"
#include "platform/form_controls.h"

// The mode rules of the selection form: what a choice of medium, execution, safety factor,
// product type, actuator kind or electric control shows, hides, enables, checks and refills.
// Each runs after the click has checked its radio or toggled its box. A capillary metal
// (1054, 1055, 1056) only refills list 1076: FillCapillaryLengths.
namespace selvio {

void OnWater(FormControls& controls);                            // 1000
void OnGlycol(FormControls& controls);                           // 1001
void OnSteam(FormControls& controls);                            // 1002
void OnTwoWay(FormControls& controls);                           // 1006
void OnThreeWay(FormControls& controls);                         // 1007
void OnUseSafetyFactor(FormControls& controls);                  // 1021
void OnControlValve(FormControls& controls, FormState& state);   // 1104
void OnRegulatorType(FormControls& controls, FormState& state);  // 1105 and 1106
void OnElectric(FormControls& controls, FormState& state);       // 1027
void OnThermostat(FormControls& controls, FormState& state);     // 1028
void OnPneumatic(FormControls& controls, FormState& state);      // 1029
void OnThreePoint(FormControls& controls);                       // 1031
void OnAnalogue(FormControls& controls);                         // 1032

}  // namespace selvio
