#include "app/form/result_drawing.h"

#include "app/form/control_ids.h"
#include "output/value_text.h"

namespace selvio {
namespace {

struct DocumentButtons {
  int description;
  int drawing2d;
  int drawing3d;
};

void EnableDocumentButtons(FormControls& controls, const DocumentButtons& buttons,
                           const ProductDocumentFiles& files) {
  controls.Enable(buttons.description, HasDocumentFile(files.description));
  controls.Enable(buttons.drawing2d, HasDocumentFile(files.drawing2d));
  controls.Enable(buttons.drawing3d, HasDocumentFile(files.drawing3d));
}

}  // namespace

int ProductLabelsId(ProductLabels labels) {
  switch (labels) {
    case ProductLabels::Valve:
      return ids::kValveLabels;
    case ProductLabels::DpRegulator:
      return ids::kDpRegulatorLabels;
    case ProductLabels::ReducingValve:
      return ids::kReducingValveLabels;
    case ProductLabels::None:
      break;
  }
  return 0;
}

int ActuatorLabelsId(ActuatorBlock block) {
  switch (block) {
    case ActuatorBlock::Electric:
      return ids::kElectricLabels;
    case ActuatorBlock::Pneumatic:
      return ids::kPneumaticLabels;
    case ActuatorBlock::Thermostat:
      return ids::kThermostatLabels;
    case ActuatorBlock::None:
      break;
  }
  return 0;
}

int ActuatorValuesId(ActuatorBlock block) {
  switch (block) {
    case ActuatorBlock::Electric:
      return ids::kElectricValues;
    case ActuatorBlock::Pneumatic:
      return ids::kPneumaticValues;
    case ActuatorBlock::Thermostat:
      return ids::kThermostatValues;
    case ActuatorBlock::None:
      break;
  }
  return 0;
}

void DrawResultView(FormControls& controls, const ResultView& view) {
  for (ProductLabels labels :
       {ProductLabels::Valve, ProductLabels::DpRegulator, ProductLabels::ReducingValve}) {
    controls.Show(ProductLabelsId(labels), labels == view.productLabels);
  }
  controls.SetText(ids::kRegulatorValues, view.productValues);

  for (ActuatorBlock block :
       {ActuatorBlock::Electric, ActuatorBlock::Pneumatic, ActuatorBlock::Thermostat}) {
    const bool shown = block == view.actuator;
    controls.Show(ActuatorLabelsId(block), shown);
    controls.Show(ActuatorValuesId(block), shown);
    if (shown) controls.SetText(ActuatorValuesId(block), view.actuatorValues);
  }

  controls.Show(ids::kControllerLabels, view.controllerShown);
  controls.Show(ids::kControllerValues, view.controllerShown);
  if (view.controllerShown) controls.SetText(ids::kControllerValues, view.controllerValues);

  controls.SetText(ids::kCalculatedData, view.calculatedData);

  EnableDocumentButtons(
      controls, {ids::kRegulatorDescription, ids::kRegulatorDrawing2d, ids::kRegulatorDrawing3d},
      view.productDocuments);
  EnableDocumentButtons(
      controls, {ids::kActuatorDescription, ids::kActuatorDrawing2d, ids::kActuatorDrawing3d},
      view.actuatorDocuments);
  EnableDocumentButtons(
      controls, {ids::kControllerDescription, ids::kControllerDrawing2d, ids::kControllerDrawing3d},
      view.controllerDocuments);
}

}  // namespace selvio
