#pragma once

#include "platform/modal_dialog.h"

class QWidget;

namespace selvio {

// Builds a QDialog over `parent` from the dialog's template (each control in its grid cell,
// with its own QtControls and id space, list boxes for lists), runs Initialise, shows it
// modally, runs Shown once when it is on screen, and returns whether it was closed through OK.
// Enter presses the template's default button (or the focused button), Esc and the close box
// run id 2; an unbound 1 or 2 closes the dialog with OK or without. A dialog opened from its
// controls is run the same way.
bool RunQtDialog(ModalDialog& dialog, QWidget* parent);

}  // namespace selvio
