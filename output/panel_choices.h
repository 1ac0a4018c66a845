#pragma once

#include <QString>
#include <optional>

#include "catalogue/catalogue_records.h"

namespace selvio {

// What the result areas show of the form's own choices besides the request: the two section
// switches, and the actuator and controller options whose texts the areas print. Numbers are
// those of the form's radio groups (1 for the first), 0 when none is checked.
struct PanelChoices {
  bool actuatorSectionOn = false;
  bool controllerSectionOn = false;
  int positioner = 0;      // 1 PZ1, 2 PZ2
  int normalPosition = 0;  // 1 normally open, 2 normally closed
  int elementType = 0;     // 1 rod, 2 spiral
  int elementMetal = 0;    // 1 copper, 2 stainless steel
  CapillaryMaterial capillaryMetal = CapillaryMaterial::NotGiven;
  QString capillaryLength;    // the entry chosen in the capillary length list, empty when none
  int controllerVariant = 0;  // 1, 2 or 3
  QString heatCarrierSensors;
  QString outdoorSensors;
  QString roomSensors;

  // Whether the controller kit goes with the valve: both sections are switched on.
  bool WithController() const { return actuatorSectionOn && controllerSectionOn; }
};

}  // namespace selvio
