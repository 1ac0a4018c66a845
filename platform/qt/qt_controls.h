#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "platform/control_type.h"
#include "platform/modal_dialog.h"

namespace selvio {

// How a list control looks: the form's drop-down lists or a dialog's list boxes.
enum class ListStyle { DropDown, ListBox };

// The id-keyed control operations over real widgets, made to behave as HeadlessControls does:
// radios are not auto-exclusive (the logic checks and unchecks each one; a user's click checks
// the clicked radio and unchecks the rest of its group, and never unchecks a checked one),
// handlers run only for a user's action, a drop-down list holds no selection until told, and
// "\r\n" in a label's text breaks its line. Enter in an edit (or on a radio, check box or list)
// presses the default button, Enter on a button or a clickable picture presses that one, Esc
// runs id 2. Assistive technology sees the controls as accessible_controls.h describes.
class QtControls : public DialogControls {
 public:
  // `window` is where the controls live: message boxes and file dialogs open over it, and
  // SetCaption titles its top-level window.
  explicit QtControls(QWidget* window);
  ~QtControls() override;
  QtControls(const QtControls&) = delete;
  QtControls& operator=(const QtControls&) = delete;

  // Creates the widget of control `id` in `parent` and registers it: QRadioButton, QCheckBox,
  // QLineEdit, QComboBox or ChoiceList (by `listStyle`), TextLabel, PictureLabel or
  // QPushButton. `text` is set as SetText sets it; for a picture a non-empty text names the
  // image file or resource to show. A hidden control keeps its place in the layout.
  QWidget* Create(int id, ControlType kind, const QString& text, QWidget* parent,
                  ListStyle listStyle = ListStyle::DropDown);
  // Radios of one group: a user's click on one unchecks the others.
  void DefineRadioGroup(const std::vector<int>& ids);
  // The widget of `id`, or nullptr.
  QWidget* Widget(int id) const;
  // The button that Enter presses; 1 unless told.
  void SetDefaultButton(int id) { defaultButton_ = id; }
  // Builds and runs a modal dialog over `parent`; true when it was closed through OK.
  using DialogRunner = std::function<bool(ModalDialog& dialog, QWidget* parent)>;
  // What RunModalDialog runs the dialog with; without one a dialog is not shown and counts as
  // cancelled.
  void SetDialogRunner(DialogRunner runner) { dialogRunner_ = std::move(runner); }
  // What EndDialog does; a window that is no dialog has none.
  void SetDialogEnd(std::function<void(bool accepted)> end) { dialogEnd_ = std::move(end); }

  // Enter where no button has the focus, and Esc: as a click on the default button and on 2.
  // In a dialog an unbound 1 or 2 closes it with OK or without.
  void PressEnter() { UserClicked(defaultButton_); }
  void PressEscape();
  // The user's activation of `id` from elsewhere (a shortcut): as a click on it.
  void Activate(int id);
  // Told the id of each label whose text SetText changes, after the change.
  void SetTextObserver(std::function<void(int id)> observer) {
    textObserver_ = std::move(observer);
  }

  void Show(int id, bool shown) override;
  void Enable(int id, bool enabled) override;
  void SetChecked(int id, bool checked) override;
  bool IsChecked(int id) const override;
  void SetText(int id, const QString& text) override;
  QString Text(int id) const override;
  void ClearList(int id) override;
  void AppendListEntry(int id, const QString& text) override;
  void SelectListEntry(int id, int index) override;
  void SetListEntryHint(int id, int index, const QString& hint) override;
  int SelectedIndex(int id) const override;
  void ShowMessage(const QString& text) override;
  bool RunModalDialog(ModalDialog& dialog) override;
  std::optional<QString> ChooseFileToOpen(const FileDialogRequest& request) override;
  std::optional<QString> ChooseFileToSave(const FileDialogRequest& request) override;
  void SetCaption(const QString& caption) override;
  void Bind(int id, Handler handler) override;
  void EndDialog(bool accepted) override;
  void ProcessEvents() override;

 private:
  class KeyFilter;

  struct Control {
    ControlType kind = ControlType::Label;
    QPointer<QWidget> widget;
    QString text;  // as last set: a label shows it with "\n" for "\r\n"
  };

  // After Qt has applied a user's click to the widget: the radio-group rule, then the handler.
  void UserClicked(int id);
  void RunHandler(int id);
  void ConnectUserActions(int id, ControlType kind, QWidget* widget);
  std::optional<QString> ChooseFile(const FileDialogRequest& request, bool save);
  const Control* Find(int id) const;

  QPointer<QWidget> window_;
  std::unique_ptr<KeyFilter> keyFilter_;
  std::map<int, Control> controls_;
  std::map<int, Handler> handlers_;
  std::map<int, std::vector<int>> radioGroups_;  // radio id -> its whole group
  std::function<void(bool)> dialogEnd_;
  std::function<void(int)> textObserver_;
  DialogRunner dialogRunner_;
  int defaultButton_ = 1;
};

}  // namespace selvio
