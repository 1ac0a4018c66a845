#pragma once

#include <QString>
#include <map>

namespace selvio {

// The accessible name of every control of the form a user can reach or read a result from:
// buttons, radios and check boxes by their own text, edits, lists and value blocks by the text
// of their caption (a unit list by its edit's, an edit captioned by a check box by that one's
// with "значение"), header pictures by their column and state. Where a name repeats, the
// caption, then the group or area, is added until it is unique. The logo is named by the
// window (it opens the about box).
std::map<int, QString> FormAccessibleNames();

}  // namespace selvio
