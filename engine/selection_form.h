#pragma once

#include "catalogue/catalogue_records.h"
#include "engine/saturation_table.h"
#include "engine/selection_request.h"
#include "engine/selection_result.h"
#include "platform/form_controls.h"

namespace selvio {

// The result-panel routines of the form. The engine clears the panels at the start of a
// calculation and shows the product's panel at its end; the form implements them.
class ResultPanels {
 public:
  virtual ~ResultPanels() = default;
  virtual void ShowValveResult() = 0;
  virtual void ShowDpRegulatorResult() = 0;
  virtual void ShowReducingValveResult() = 0;
  virtual void ShowActuatorResult() = 0;
  virtual void ShowControllerResult() = 0;
  virtual void ShowCalculatedData() = 0;
};

// What a calculation reads and writes of the form that runs it.
struct SelectionForm {
  FormControls& controls;
  const Catalogue& catalogue;
  const SaturationTable& saturation;
  SelectionRequest& request;
  SelectionResult& result;
  bool actuatorSectionOn = false;
  ResultPanels* panels = nullptr;  // none: the outcome is only held in `result`
};

}  // namespace selvio
