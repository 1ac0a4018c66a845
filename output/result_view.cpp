#include "output/result_view.h"

#include <QCoreApplication>

namespace selvio {
namespace {

void ShowActuator(ResultView& view, const SelectionRequest& request, const ValveCandidate& valve,
                  int shownActuator, const ResultTexts& texts) {
  const ShownActuatorRecords shown = LocateShownActuator(valve, shownActuator);
  if (shown.electric) {
    const ElectricActuatorRecord& e = *shown.electric;
    view.actuator = ActuatorBlock::Electric;
    view.actuatorValues = ElectricActuatorValueText(e, request.actuator);
    view.actuatorDocuments = {e.descriptionFile, e.drawing2d, e.drawing3d};
  } else if (shown.pneumatic) {
    const PneumaticActuatorRecord& p = *shown.pneumatic;
    view.actuator = ActuatorBlock::Pneumatic;
    view.actuatorValues = PneumaticActuatorValueText(p, texts);
    view.actuatorDocuments = {p.descriptionFile, p.drawing2d, p.drawing3d};
  } else if (shown.thermostat) {
    const ThermostatRecord& t = *shown.thermostat;
    view.actuator = ActuatorBlock::Thermostat;
    view.actuatorValues = ThermostatValueText(t, texts);
    // The drawings of the element the matching was asked for.
    view.actuatorDocuments =
        request.actuator.spiralElement
            ? ProductDocumentFiles{t.descriptionFile, t.spiralDrawing2d, t.spiralDrawing3d}
            : ProductDocumentFiles{t.descriptionFile, t.rodDrawing2d, t.rodDrawing3d};
  }
}

}  // namespace

CalculatedData CalculatedDataOf(const SelectionRequest& request, const SelectionResult& result) {
  return {result.kv, result.dpv, result.velocity, result.psat, request.safetyFactor};
}

ResultView ClearedResultView(const CalculatedData& previous) {
  ResultView view;
  view.calculatedData = CalculatedDataText(previous);
  return view;
}

ResultView ComposeResultView(const SelectionRequest& request, const SelectionResult& result,
                             const Catalogue& catalogue, const ResultTexts& texts,
                             const PanelChoices& choices) {
  ResultView view = ClearedResultView(CalculatedDataOf(request, result));
  if (request.product == ProductKind::ControlValve) {
    if (const ValveCandidate* candidate = ShownValve(result)) {
      const ValveRecord& v = candidate->valve;
      view.productLabels = ProductLabels::Valve;
      view.productValues = ValveValueText(v);
      view.productDocuments = {v.descriptionFile, v.drawing2d, v.drawing3d};
      ShowActuator(view, request, *candidate, result.shownActuator, texts);
    }
  } else if (const RegulatorCandidate* candidate = ShownRegulator(result)) {
    const RegulatorRecord& r = candidate->regulator;
    const bool reducingValve = request.product == ProductKind::ReducingValve;
    view.productLabels = reducingValve ? ProductLabels::ReducingValve : ProductLabels::DpRegulator;
    view.productValues = RegulatorValueText(*candidate, reducingValve);
    view.productDocuments = {r.descriptionFile, r.drawing2d, r.drawing3d};
  }
  if (ControllerShown(result, choices)) {
    const ControllerRecord& controller = catalogue.controller;
    view.controllerShown = true;
    view.controllerValues = ControllerValueText(texts);
    view.controllerDocuments = {controller.descriptionFile, controller.drawing2d,
                                controller.drawing3d};
  }
  return view;
}

QString CavitationWarningText(ProductKind product) {
  return product == ProductKind::DpRegulator
             ? QCoreApplication::translate("ResultPanels",
                                           "Для данного регулятора возможна кавитация!")
             : QCoreApplication::translate("ResultPanels",
                                           "Для данного клапана возможна кавитация!");
}

}  // namespace selvio
