#pragma once

#include "platform/headless_controls.h"

#include <span>
#include <vector>

// The controls of the selection form: every id with its kind, its text and its state before
// the form initialises itself. The headless form and the Qt window are both built from it.
namespace selvio {

struct ControlEntry {
  int id = 0;
  ControlType kind = ControlType::Label;
  const char* text = "";     // UTF-8; a label block's lines are separated by "\r\n"
  const char* caption = "";  // the fixed label beside the control or over its group, if any
  bool shownAtStart = true;
  bool enabledAtStart = true;
};

// Every control of the form in the order of its columns, top to bottom.
std::span<const ControlEntry> FormControlInventory();

// The radio groups of the form: a user's click on one radio unchecks the rest of its group.
const std::vector<std::vector<int>>& FormRadioGroups();

// The inventory entry of `id`, or nullptr when the form has no such control.
const ControlEntry* FindControlEntry(int id);

// Declares every control of the inventory on `controls`, with its start state, and the radio
// groups.
void DefineFormControls(HeadlessControls& controls);

}  // namespace selvio
