#pragma once

namespace selvio {

// The kinds of control a window is built from.
enum class ControlType { Radio, CheckBox, Edit, List, Label, Picture, Button };

}  // namespace selvio
