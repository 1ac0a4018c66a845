#include "output/result_panels.h"

#include "output/panel_texts.h"
#include "output/value_text.h"
#include "platform/control_ids.h"

namespace selvio {

FormResultPanels::FormResultPanels(FormControls& controls, const Catalogue& catalogue,
                                   const SaturationTable& saturation,
                                   const SelectionRequest& request, SelectionResult& result,
                                   const PanelState& state, ResultTexts& texts)
    : controls_(controls),
      catalogue_(catalogue),
      saturation_(saturation),
      request_(request),
      result_(result),
      state_(state),
      texts_(texts) {}

void FormResultPanels::ShowControllerResult() {
  const DocumentButtons buttons{ids::kControllerDescription, ids::kControllerDrawing2d,
                                ids::kControllerDrawing3d};
  EnableDocumentButtons(buttons, {});
  if (result_.valveCandidateCount == 0 || !state_.controllerSectionOn ||
      !state_.actuatorSectionOn) {
    controls_.Show(ids::kControllerLabels, false);
    controls_.Show(ids::kControllerValues, false);
    return;
  }
  controls_.Show(ids::kControllerLabels, true);
  controls_.Show(ids::kControllerValues, true);
  if (controls_.IsChecked(ids::kControllerOneCircuit)) {
    texts_.controllerVariantText = QStringLiteral("-94");
  }
  if (controls_.IsChecked(ids::kControllerHotWaterAndHeating)) {
    texts_.controllerVariantText = QStringLiteral("-96");
  }
  if (controls_.IsChecked(ids::kControllerTwoHeating)) {
    texts_.controllerVariantText = QStringLiteral("-98");
  }
  texts_.heatCarrierSensorCount = controls_.Text(ids::kHeatCarrierSensors);
  texts_.outdoorSensorCount = controls_.Text(ids::kOutdoorSensors);
  texts_.roomSensorCount = controls_.Text(ids::kRoomSensors);
  controls_.SetText(ids::kControllerValues, ControllerValueText(texts_));
  const ControllerRecord& controller = catalogue_.controller;
  EnableDocumentButtons(buttons,
                        {controller.descriptionFile, controller.drawing2d, controller.drawing3d});
}

void FormResultPanels::ShowCalculatedData() {
  controls_.SetText(ids::kCalculatedData,
                    CalculatedDataText({result_.kv, result_.dpv, result_.velocity, result_.psat,
                                        request_.safetyFactor}));
}

void FormResultPanels::EnableDocumentButtons(const DocumentButtons& buttons,
                                             const DocumentFiles& files) {
  controls_.Enable(buttons.description, HasDocumentFile(files.description));
  controls_.Enable(buttons.drawing2d, HasDocumentFile(files.drawing2d));
  controls_.Enable(buttons.drawing3d, HasDocumentFile(files.drawing3d));
}

}  // namespace selvio
