#pragma once

#include <span>
#include <vector>

#include "platform/headless_controls.h"

// The controls of the selection form: every id with its kind, its text and its state before
// the form initialises itself, and the fixed texts that the logic never addresses (ids from
// ids::kFirstFixedText on). The headless form and the Qt window are both built from it.
namespace selvio {

// The translation context of the form's own texts.
inline constexpr char kFormTextContext[] = "SelectionForm";

struct ControlEntry {
  int id = 0;
  ControlType kind = ControlType::Label;
  // UTF-8, the Russian source text; a label block's lines are separated by "\r\n", and its
  // translation keeps them line for line beside the value block's lines.
  const char* text = "";
  // The control whose text names this one: the label beside it or over its group, the area
  // it belongs to, or for a unit list its edit; 0 when its own text names it.
  int caption = 0;
  bool shownAtStart = true;
  bool enabledAtStart = true;
};

// Every control of the form in the order of its columns, top to bottom.
std::span<const ControlEntry> FormControlInventory();

// The radio groups of the form: a user's click on one radio unchecks the rest of its group.
const std::vector<std::vector<int>>& FormRadioGroups();

// The text of `entry` in the language in use (ControlText); empty for a value block.
QString ControlText(const ControlEntry& entry);

// The inventory entry of `id`, or nullptr when the form has no such control.
const ControlEntry* FindControlEntry(int id);

// Declares every control of the inventory on `controls`, with its text in the language in use
// and its start state, and the radio groups.
void DefineFormControls(HeadlessControls& controls);

}  // namespace selvio
