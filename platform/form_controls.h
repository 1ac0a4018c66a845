#pragma once

#include <QString>
#include <functional>
#include <optional>

namespace selvio {

class ModalDialog;

// Options of the common open and save file dialogs.
struct FileDialogRequest {
  QString filter;            // "Description (*.ext)|*.ext||"
  QString initialFileName;   // shown in the name field
  QString defaultExtension;  // appended when the user types none (the chosen filter's
                             // when the filter offers several)
  QString title;             // the dialog's title; empty for the platform's own
};

// The operations the program's logic performs on a window, each addressed by a control id.
// The Qt window implements them on real widgets; HeadlessControls models them in memory for
// tests and the command-line tool.
class FormControls {
 public:
  using Handler = std::function<void()>;

  virtual ~FormControls() = default;

  virtual void Show(int id, bool shown) = 0;
  virtual void Enable(int id, bool enabled) = 0;
  // Checks or unchecks a radio button or check box; other radios of its group are untouched.
  virtual void SetChecked(int id, bool checked) = 0;
  virtual bool IsChecked(int id) const = 0;
  virtual void SetText(int id, const QString& text) = 0;
  virtual QString Text(int id) const = 0;

  // Lists keep the order of appending. Selecting an index the list does not hold leaves it
  // without a selection; SelectedIndex is -1 then.
  virtual void ClearList(int id) = 0;
  virtual void AppendListEntry(int id, const QString& text) = 0;
  virtual void SelectListEntry(int id, int index) = 0;
  // A longer description of entry `index`, shown when the user points at it and read to
  // assistive technology; the entry's text stays as it is.
  virtual void SetListEntryHint(int id, int index, const QString& hint) = 0;
  virtual int SelectedIndex(int id) const = 0;

  // Modal message box with one OK button.
  virtual void ShowMessage(const QString& text) = 0;
  // Builds `dialog` from its template over this window and runs it modally; true when it was
  // closed through OK.
  virtual bool RunModalDialog(ModalDialog& dialog) = 0;
  // The chosen path, or nothing when the user cancelled.
  virtual std::optional<QString> ChooseFileToOpen(const FileDialogRequest& request) = 0;
  virtual std::optional<QString> ChooseFileToSave(const FileDialogRequest& request) = 0;
  virtual void SetCaption(const QString& caption) = 0;

  // A user's click on `id` (or Enter/Esc for ids 1 and 2) runs the handler bound to it; on a
  // list, the user's change of its selection does. Changes made through these operations run
  // no handler.
  virtual void Bind(int id, Handler handler) = 0;
};

}  // namespace selvio
