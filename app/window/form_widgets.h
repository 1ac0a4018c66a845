#pragma once

#include <vector>

#include "platform/qt/qt_controls.h"

class QGridLayout;
class QWidget;

namespace selvio {

// The rows of the command strip the window fills with controls of its own, under its buttons and
// above the logo.
inline constexpr int kWindowCommandRow = 11;
inline constexpr int kWindowCommandRows = 2;

// Builds every control of the inventory inside `form`, laid out by the placement table, with
// its start state, picture and accessible name, and registers it with `controls` together
// with the radio groups. Returns the command strip's grid, whose rows from kWindowCommandRow
// are the window's own.
QGridLayout* BuildFormWidgets(QWidget* form, QtControls& controls);

// Makes Tab follow the form's reading order: top to bottom in each column with its result area
// under it, then the command strip. Run once every control that takes the focus does (a picture
// takes it once a handler is bound to it). The window's own controls of the command strip,
// `windowControls`, follow its buttons.
void OrderTabs(const QtControls& controls, const std::vector<QWidget*>& windowControls = {});

}  // namespace selvio
