#include "output/result_texts.h"

#include <QCoreApplication>

namespace selvio {
namespace {

void SetPneumaticTexts(ResultTexts& texts, const PanelChoices& c) {
  if (c.positioner == 1) texts.positionerText = QStringLiteral("PZ1");
  if (c.positioner == 2) texts.positionerText = QStringLiteral("PZ2");
  if (c.normalPosition == 1)
    texts.normalPositionText = QCoreApplication::translate("ResultPanels", "Норм.открытый");
  if (c.normalPosition == 2)
    texts.normalPositionText = QCoreApplication::translate("ResultPanels", "Норм.закрытый");
}

void SetThermostatTexts(ResultTexts& texts, const PanelChoices& c) {
  if (c.elementType == 2)
    texts.elementTypeText = QCoreApplication::translate("ResultPanels", "Спиральный");
  if (c.elementType == 1)
    texts.elementTypeText = QCoreApplication::translate("ResultPanels", "Стержневой");
  if (c.elementMetal == 1)
    texts.elementMetalText = QCoreApplication::translate("ResultPanels", "Медь");
  if (c.elementMetal == 2)
    texts.elementMetalText = QCoreApplication::translate("ResultPanels", "Нерж.сталь");
  // With no capillary metal chosen the previous metal and length texts stay.
  switch (c.capillaryMetal) {
    case CapillaryMaterial::Copper:
      texts.capillaryMetalText = QCoreApplication::translate("ResultPanels", "Медь");
      break;
    case CapillaryMaterial::Stainless:
      texts.capillaryMetalText = QCoreApplication::translate("ResultPanels", "Нерж.сталь");
      break;
    case CapillaryMaterial::CopperPvc:
      texts.capillaryMetalText = QCoreApplication::translate("ResultPanels", "Медь с ПВХ");
      break;
    case CapillaryMaterial::NotGiven:
      return;
  }
  texts.capillaryLengthText = c.capillaryLength;
}

void SetControllerTexts(ResultTexts& texts, const PanelChoices& c) {
  if (c.controllerVariant == 1) texts.controllerVariantText = QStringLiteral("-94");
  if (c.controllerVariant == 2) texts.controllerVariantText = QStringLiteral("-96");
  if (c.controllerVariant == 3) texts.controllerVariantText = QStringLiteral("-98");
  texts.heatCarrierSensorCount = c.heatCarrierSensors;
  texts.outdoorSensorCount = c.outdoorSensors;
  texts.roomSensorCount = c.roomSensors;
}

}  // namespace

bool ControllerShown(const SelectionResult& result, const PanelChoices& choices) {
  return !result.valveCandidates.empty() && choices.WithController();
}

ResultTexts ShownResultTexts(ResultTexts texts, const PanelChoices& choices,
                             const SelectionResult& result) {
  if (const ValveCandidate* valve = ShownValve(result)) {
    const ShownActuatorRecords shown = LocateShownActuator(*valve, result.shownActuator);
    if (shown.pneumatic) SetPneumaticTexts(texts, choices);
    if (shown.thermostat) SetThermostatTexts(texts, choices);
  }
  if (ControllerShown(result, choices)) SetControllerTexts(texts, choices);
  return texts;
}

}  // namespace selvio
