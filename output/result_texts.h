#pragma once

#include <QString>

#include "engine/selection_result.h"
#include "output/panel_choices.h"

namespace selvio {

// Texts of the form's choices the actuator and controller areas last showed; the selection
// report prints them. Each is set when its area shows it, from the choice made then; a choice
// left without a checked radio keeps the text shown before.
struct ResultTexts {
  QString positionerText;
  QString normalPositionText;
  QString capillaryLengthText;
  QString capillaryMetalText;
  QString elementMetalText;
  QString elementTypeText;
  QString controllerVariantText;
  QString heatCarrierSensorCount;
  QString outdoorSensorCount;
  QString roomSensorCount;
};

// The texts after the result areas showed `result`: the pneumatic actuator's texts when one is
// shown, the thermostat's when one is, the controller's when the controller area is shown.
ResultTexts ShownResultTexts(ResultTexts texts, const PanelChoices& choices,
                             const SelectionResult& result);

// Whether the controller area shows the kit: a control valve was found and both sections are
// switched on.
bool ControllerShown(const SelectionResult& result, const PanelChoices& choices);

}  // namespace selvio
