#pragma once

#include <QString>

#include "engine/selection_result.h"
#include "output/panel_texts.h"
#include "output/result_texts.h"

namespace selvio {

// The product a result shows, by the names the candidate list gives it: the valve or regulator
// with its diameter text and Kvs, and the actuator shown (empty when none is).
struct ShownProduct {
  bool shown = false;  // a candidate is shown
  QString name;
  QString dnText;
  float kvs = 0;  // m³/h
  QString actuator;
};

ShownProduct ShownProductOf(const SelectionResult& result);

// The name the candidate list gives actuator `index` of a valve candidate (an electric
// actuator by its variant, the others by name); empty when the index is outside its actuators.
QString ActuatorName(const ValveCandidate& candidate, int index);

// The controller kit as one name, the model and its variant ("ZR310-94").
QString ControllerKitName(const ResultTexts& texts);

}  // namespace selvio
