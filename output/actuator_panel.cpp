#include "output/panel_texts.h"
#include "output/result_panels.h"
#include "output/value_text.h"
#include "platform/control_ids.h"

namespace selvio {
namespace {

// The label shown in combo 1076 at `index`, empty when the list holds none there.
QString CapillaryLabel(const CapillaryLengthList& list, int index) {
  if (index < 0 || index >= list.count || index >= kListCapacity) return {};
  return list.labels[static_cast<std::size_t>(index)];
}

}  // namespace

void FormResultPanels::ShowActuatorResult() {
  const DocumentButtons buttons{ids::kActuatorDescription, ids::kActuatorDrawing2d,
                                ids::kActuatorDrawing3d};
  for (int id : {ids::kElectricLabels, ids::kElectricValues, ids::kPneumaticLabels,
                 ids::kPneumaticValues, ids::kThermostatLabels, ids::kThermostatValues}) {
    controls_.Show(id, false);
  }
  EnableDocumentButtons(buttons, {});
  const ValveCandidate* c =
      ShownEntry(result_.valveCandidates, result_.valveCandidateCount, result_.shownCandidate);
  if (!c) return;
  const ShownActuatorRecords shown = LocateShownActuator(*c, result_.shownActuator);
  DocumentFiles files;
  if (shown.electric) {
    const ElectricActuatorRecord& e = *shown.electric;
    files = {e.descriptionFile, e.drawing2d, e.drawing3d};
    controls_.SetText(ids::kElectricValues, ElectricActuatorValueText(e, request_.actuator));
    controls_.Show(ids::kElectricLabels, true);
    controls_.Show(ids::kElectricValues, true);
  } else if (shown.pneumatic) {
    files = ShowPneumaticActuator(*shown.pneumatic);
  } else if (shown.thermostat) {
    files = ShowThermostat(*shown.thermostat);
  } else {
    return;  // a candidate without actuators, or an index past them
  }
  EnableDocumentButtons(buttons, files);
}

FormResultPanels::DocumentFiles FormResultPanels::ShowPneumaticActuator(
    const PneumaticActuatorRecord& p) {
  // The positioner and normal position are the form's choice, not flags of the record.
  if (controls_.IsChecked(ids::kPositionerPZ1)) texts_.positionerText = QStringLiteral("PZ1");
  if (controls_.IsChecked(ids::kPositionerPZ2)) texts_.positionerText = QStringLiteral("PZ2");
  if (controls_.IsChecked(ids::kNormallyOpen)) {
    texts_.normalPositionText = QStringLiteral("Норм.открытый");
  }
  if (controls_.IsChecked(ids::kNormallyClosed)) {
    texts_.normalPositionText = QStringLiteral("Норм.закрытый");
  }
  controls_.SetText(ids::kPneumaticValues, PneumaticActuatorValueText(p, texts_));
  controls_.Show(ids::kPneumaticLabels, true);
  controls_.Show(ids::kPneumaticValues, true);
  return {p.descriptionFile, p.drawing2d, p.drawing3d};
}

FormResultPanels::DocumentFiles FormResultPanels::ShowThermostat(const ThermostatRecord& t) {
  const int k = controls_.SelectedIndex(ids::kCapillaryLength);
  if (controls_.IsChecked(ids::kSpiralElement))
    texts_.elementTypeText = QStringLiteral("Спиральный");
  if (controls_.IsChecked(ids::kRodElement)) texts_.elementTypeText = QStringLiteral("Стержневой");
  if (controls_.IsChecked(ids::kCopperElement)) texts_.elementMetalText = QStringLiteral("Медь");
  if (controls_.IsChecked(ids::kStainlessElement)) {
    texts_.elementMetalText = QStringLiteral("Нерж.сталь");
  }
  // With no capillary metal checked the previous metal and length texts stay.
  if (controls_.IsChecked(ids::kCopperCapillary)) {
    texts_.capillaryMetalText = QStringLiteral("Медь");
    texts_.capillaryLengthText = CapillaryLabel(state_.copperCapillaryLengths, k);
  }
  if (controls_.IsChecked(ids::kStainlessCapillary)) {
    texts_.capillaryMetalText = QStringLiteral("Нерж.сталь");
    texts_.capillaryLengthText = CapillaryLabel(state_.stainlessCapillaryLengths, k);
  }
  if (controls_.IsChecked(ids::kPvcCapillary)) {
    texts_.capillaryMetalText = QStringLiteral("Медь с ПВХ");
    texts_.capillaryLengthText = CapillaryLabel(state_.pvcCapillaryLengths, k);
  }
  controls_.SetText(ids::kThermostatValues, ThermostatValueText(t, texts_));
  controls_.Show(ids::kThermostatLabels, true);
  controls_.Show(ids::kThermostatValues, true);
  if (request_.actuator.spiralElement) {
    return {t.descriptionFile, t.spiralDrawing2d, t.spiralDrawing3d};
  }
  return {t.descriptionFile, t.rodDrawing2d, t.rodDrawing3d};
}

}  // namespace selvio
