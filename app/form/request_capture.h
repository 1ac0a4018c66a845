#pragma once

#include <QString>
#include <optional>

#include "app/files/settings_record.h"
#include "app/form/form_state.h"
#include "engine/selection_message.h"
#include "engine/selection_request.h"
#include "output/panel_choices.h"

namespace selvio {

// A request captured from the form's inputs, and the refusal of a field it could not read.
struct CapturedRequest {
  SelectionRequest request;
  std::optional<SelectionMessage> refusal;  // FieldWithoutNumber
};

// Turns the form's inputs into the request of a calculation: numbers, flags, pressures converted
// to bar and the flow to m³/h or kg/h, K forced to 1 when not asked for, connection, ways and
// the actuator preferences. A number is read as C reads a leading number ("2.5 бар" is 2.5; a
// decimal comma counts as a point). A field the calculation uses whose text holds no number
// refuses the request: the refusal names the first such field in the form's order. A field
// whose text cannot be read keeps its value of `previous` (and is converted again), so the
// request is whole also when refused.
CapturedRequest CaptureRequest(const SettingsRecord& inputs, SelectionRequest previous);

// The form's choices the result areas print: the section switches, the actuator's and the
// controller's options, and the capillary length chosen in the list of the checked metal.
PanelChoices CapturePanelChoices(const SettingsRecord& inputs, const FormState& state);

}  // namespace selvio
