#pragma once

#include <QString>
#include <vector>

#include "platform/control_type.h"
#include "platform/form_controls.h"

namespace selvio {

// One control of a dialog: its id in the dialog's own id space, its kind, its text (the text of
// a button, radio, check box or label, or the starting text of an edit), and its cell in the
// dialog's grid.
struct DialogControl {
  int id = 0;
  ControlType kind = ControlType::Label;
  QString text;
  int row = 0;
  int column = 0;
  int columnSpan = 1;
};

// What a window needs to build a dialog: its resource id, title, controls, the button that
// Enter presses, and its radio groups (a user's click on one radio unchecks the rest).
struct DialogTemplate {
  int id = 0;
  QString title;
  std::vector<DialogControl> controls;
  int defaultButton = 1;
  std::vector<std::vector<int>> radioGroups = {};
};

// The window a dialog's logic drives: the id-keyed operations on the dialog's own controls,
// and the way to close it.
class DialogControls : public FormControls {
 public:
  // Closes the dialog; RunModalDialog then returns `accepted`.
  virtual void EndDialog(bool accepted) = 0;
  // Lets the window repaint and deliver the user's clicks while a long step runs inside a
  // handler (a transfer that reports progress and can be cancelled).
  virtual void ProcessEvents() = 0;
};

// The logic of one modal dialog, written once over DialogControls: the Qt window shows it on
// real widgets, HeadlessControls runs it for tests and the command-line tool.
// Ids 1 (OK, Enter) and 2 (Cancel, Esc) that the logic leaves unbound close the dialog with
// OK and without.
class ModalDialog {
 public:
  virtual ~ModalDialog() = default;
  virtual DialogTemplate Template() const = 0;
  // The controls exist with their template texts: fill them and bind the handlers.
  virtual void Initialise(DialogControls& controls) = 0;
  // Runs once, when the dialog is on screen and before the user acts.
  virtual void Shown(DialogControls& controls) { (void)controls; }
};

}  // namespace selvio
