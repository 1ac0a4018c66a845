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

// What the result panels and the selection report read of the form's own state.
struct PanelState {
  int actuatorSectionOn = 0;
  int controllerSectionOn = 0;
  CapillaryLengthList copperCapillaryLengths;
  CapillaryLengthList pvcCapillaryLengths;
  CapillaryLengthList stainlessCapillaryLengths;
};

}  // namespace selvio
