#pragma once

#include "catalogue/catalogue_records.h"
#include "engine/saturation_table.h"
#include "engine/selection_request.h"
#include "engine/selection_result.h"
#include "output/panel_state.h"
#include "output/result_texts.h"
#include "platform/control_ids.h"
#include "platform/form_controls.h"

namespace selvio {

// The result-panel routines of the form. A calculation clears the panels at its start and shows
// the product's panel at its end.
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

// The result panels of the selection form: the regulator, actuator, controller and
// calculated-data areas, filled from the candidate lists of the result and the form's state
// as they are at the moment of each call. Keeps the actuator and controller texts the
// selection report prints in `texts`. The value blocks 1085 and 1089 are never hidden.
class FormResultPanels : public ResultPanels {
 public:
  FormResultPanels(FormControls& controls, const Catalogue& catalogue,
                   const SaturationTable& saturation, const SelectionRequest& request,
                   SelectionResult& result, const PanelState& state, ResultTexts& texts);

  void ShowValveResult() override;
  void ShowDpRegulatorResult() override;
  void ShowReducingValveResult() override;
  void ShowActuatorResult() override;
  void ShowControllerResult() override;
  void ShowCalculatedData() override;

 private:
  struct DocumentButtons {
    int description;
    int drawing2d;
    int drawing3d;
  };
  // The document buttons of the regulator area, shared by the valve and regulator panels.
  static constexpr DocumentButtons kRegulatorButtons{
      ids::kRegulatorDescription, ids::kRegulatorDrawing2d, ids::kRegulatorDrawing3d};
  struct DocumentFiles {
    QString description;
    QString drawing2d;
    QString drawing3d;
  };

  void ShowRegulatorResult(bool reducingValve);
  // Hides the area's label block, empties 1085 and clears the dependent areas.
  void ClearRegulatorArea(int labels);
  DocumentFiles ShowPneumaticActuator(const PneumaticActuatorRecord& actuator);
  DocumentFiles ShowThermostat(const ThermostatRecord& thermostat);
  // Enables each button whose file name has more than one character, disables the others.
  void EnableDocumentButtons(const DocumentButtons& buttons, const DocumentFiles& files);

  FormControls& controls_;
  const Catalogue& catalogue_;
  const SaturationTable& saturation_;
  const SelectionRequest& request_;
  SelectionResult& result_;
  const PanelState& state_;
  ResultTexts& texts_;
};

}  // namespace selvio
