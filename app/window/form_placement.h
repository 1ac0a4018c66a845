#pragma once

#include <span>

namespace selvio {

// The framed areas of the window: the three columns, the result areas under them, the command
// strip on the right and the bottom edge.
enum class FormArea {
  RegulatorColumn,
  ActuatorColumn,
  ControllerColumn,
  RegulatorResult,
  ActuatorResult,
  ControllerResult,
  CalculatedData,
  Commands,
  Bottom,
};

// The three actuator groups share their rows: only one of them is shown at a time.
enum class PlacementGroup { None, Electric, Thermostat, Pneumatic };

// Where one control of the inventory sits: its area, its group, and its cell in the area's grid.
struct Placement {
  int id = 0;
  FormArea area = FormArea::RegulatorColumn;
  PlacementGroup group = PlacementGroup::None;
  int row = 0;
  int column = 0;
  int columnSpan = 1;
};

// One entry for every control of the inventory.
std::span<const Placement> FormPlacement();

// The inventory id whose text titles an area or a group (its caption, or the radio that
// chooses the group); 0 for the command strip and the bottom edge.
int AreaTitleId(FormArea area);
int GroupTitleId(PlacementGroup group);

}  // namespace selvio
