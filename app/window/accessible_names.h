#pragma once

#include <QString>
#include <functional>
#include <map>

namespace selvio {

// The text a label of the form shows now; by default the inventory's.
using ShownLabelText = std::function<QString(int id)>;

// The accessible name of every control of the form a user can reach or read a result from:
// buttons, radios and check boxes by their own text, edits, lists and value blocks by the text
// their caption shows now (a unit list by its edit's, an edit captioned by a check box by that
// one's with "значение"), header pictures by their column and state. Where a name repeats,
// the caption, then the group or area, is added until it is unique; a value block named like
// its area's caption becomes "<caption> — значения". Every word is in the language in use
// ("значение" is "value" in English). The logo is named by the window (it opens the about box).
std::map<int, QString> FormAccessibleNames(const ShownLabelText& shownText = {});

// Whether the names depend on the text of label `id`.
bool NamesFollowLabel(int id);

}  // namespace selvio
