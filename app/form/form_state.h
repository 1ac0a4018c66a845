#pragma once

#include <QString>
#include <array>

#include "catalogue/catalogue_records.h"

namespace selvio {

// Capillary lengths offered for one capillary metal: the texts list 1076 shows and the lengths.
struct CapillaryLengthList {
  std::array<QString, kListCapacity> labels;
  std::array<float, kListCapacity> lengths{};  // m
  int count = 0;
};

// The selection form's own state besides its controls.
struct FormState {
  int actuatorSectionOn = 0;
  int controllerSectionOn = 0;
  int actuatorSectionAvailable = 0;
  int controllerSectionAvailable = 0;
  CapillaryLengthList copperCapillaryLengths;
  CapillaryLengthList pvcCapillaryLengths;
  CapillaryLengthList stainlessCapillaryLengths;
  // Inputs of the flow-from-heat-load calculator, kept between its uses.
  QString calcSupplyTemperatureText;
  QString calcReturnTemperatureText;
  QString calcHeatPowerText;
};

}  // namespace selvio
