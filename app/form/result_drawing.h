#pragma once

#include "output/result_view.h"
#include "platform/form_controls.h"

namespace selvio {

// Writes the result areas of `view` into the form's controls: shows the product's and the
// actuator's label and value blocks (and hides the others, whose texts stay), the controller
// kit, the calculated data, and enables each document button whose file name has more than one
// character. The value blocks 1085 and 1089 are never hidden.
void DrawResultView(FormControls& controls, const ResultView& view);

// The label block of the form for each kind the view names; 0 for none.
int ProductLabelsId(ProductLabels labels);
int ActuatorLabelsId(ActuatorBlock block);
int ActuatorValuesId(ActuatorBlock block);

}  // namespace selvio
