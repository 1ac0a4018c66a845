#pragma once

#include <QString>

namespace selvio {

// Texts the actuator and controller panels last showed; the selection report reads them.
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

}  // namespace selvio
