#pragma once

#include "platform/qt/qt_controls.h"

class QWidget;

namespace selvio {

// Builds every control of the inventory inside `form`, laid out by the placement table, with
// its start state, picture and accessible name, and registers it with `controls` together
// with the radio groups.
void BuildFormWidgets(QWidget* form, QtControls& controls);

}  // namespace selvio
