#pragma once

#include "platform/qt/qt_controls.h"

class QWidget;

namespace selvio {

// Builds every control of the inventory inside `form`, laid out by the placement table, with
// its start state, picture and accessible name, and registers it with `controls` together
// with the radio groups.
void BuildFormWidgets(QWidget* form, QtControls& controls);

// Makes Tab follow the form's reading order: top to bottom in each column with its result area
// under it, then the command strip. Run once every control that takes the focus does (a picture
// takes it once a handler is bound to it).
void OrderTabs(const QtControls& controls);

}  // namespace selvio
