#pragma once

#include "engine/selection_form.h"

namespace selvio {

// Fills the request from the form: numbers (a field that cannot be read keeps its value),
// flags, pressures converted to bar, K forced to 1 when not asked for, connection and ways.
void CaptureRequest(SelectionForm& form);

// One calculation on the form's request and result: clears the panels, captures and checks the
// inputs, sizes the chosen product. The outcome is also stored in the result.
SelectionOutcome RunSelection(SelectionForm& form);

// Handler of "Расчет": runs the calculation, shows the outcome's message and enables
// "Другая конфигурация" only when something was found.
void OnCalculate(SelectionForm& form);

// The message OnCalculate shows for an outcome; empty when none is shown.
QString OutcomeMessage(SelectionOutcome outcome, bool stainlessHint);

}  // namespace selvio
