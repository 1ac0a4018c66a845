#pragma once

#include <QString>
#include <optional>

#include "catalogue/catalogue_records.h"
#include "engine/saturation_table.h"
#include "engine/selection_request.h"
#include "engine/selection_result.h"
#include "output/result_panels.h"
#include "platform/form_controls.h"

namespace selvio {

// What a calculation on the form reads and writes: the controls, the program's data, and the
// form's request and result.
struct SelectionForm {
  FormControls& controls;
  const Catalogue& catalogue;
  const SaturationTable& saturation;
  SelectionRequest& request;
  SelectionResult& result;
  bool actuatorSectionOn = false;
  ResultPanels* panels = nullptr;  // none: the outcome is only held in `result`
};

// Fills the request from the form: numbers, flags, pressures converted to bar and the flow to
// m³/h or kg/h, K forced to 1 when not asked for, connection, ways and the actuator preferences.
// A number is read as C reads a leading number ("2.5 бар" is 2.5; a decimal comma counts as a
// point). A field the calculation uses whose text holds no number refuses the request: the
// message naming the first such field in the form's order is returned. A field it does not use
// (P2 for steam among them) keeps its previous value when its text cannot be read.
std::optional<QString> CaptureRequest(SelectionForm& form);

// One calculation on the form: empties the candidate lists and clears the panels, captures the
// request, runs the engine (unless the capture refused it), shows a refusal's message or else
// the product's panel. The outcome is also stored in the result.
SelectionOutcome RunSelection(SelectionForm& form);

// Handler of "Расчет": runs the calculation, shows the outcome's message and enables
// "Другая конфигурация" only when something was found.
void OnCalculate(SelectionForm& form);

}  // namespace selvio
