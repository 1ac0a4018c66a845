#pragma once

#include "app/files/settings_record.h"
#include "app/form/form_state.h"
#include "platform/form_controls.h"

namespace selvio {

// Sets every radio group's stored choice to 0, none: a capture over the record then keeps 0
// for a group that has no radio checked.
void ClearRadioChoices(SettingsRecord& record);

// Copies the form's controls and members into the record.
void CaptureSettingsRecord(const FormControls& controls, const FormState& state,
                           SettingsRecord& record);
// Sets the form's controls and members from the record and runs the mode rules for the stored
// choices; a stored choice outside its group leaves the group as it is.
void ApplySettingsRecord(const SettingsRecord& record, FormControls& controls, FormState& state);

}  // namespace selvio
