#pragma once

#include <QString>

#include "output/panel_state.h"

namespace selvio {

// The selection form's own state besides its controls: what the panels read, and the rest.
struct FormState : PanelState {
  int actuatorSectionAvailable = 0;
  int controllerSectionAvailable = 0;
  // Inputs of the flow-from-heat-load calculator, kept between its uses.
  QString calcSupplyTemperatureText;
  QString calcReturnTemperatureText;
  QString calcHeatPowerText;
};

}  // namespace selvio
