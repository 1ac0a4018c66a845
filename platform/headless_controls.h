#pragma once

#include <QStringList>
#include <deque>
#include <functional>
#include <map>
#include <vector>

#include "platform/control_type.h"
#include "platform/modal_dialog.h"

namespace selvio {

// In-memory model of a window's controls. Every operation's effect is recorded per id;
// message boxes, dialogs and the caption are recorded in order. Dialog answers are scripted
// in advance: a dialog runs the next queued script on its own controls, and one that no script
// closed is cancelled.
class HeadlessControls : public DialogControls {
 public:
  // Acts as the user on an open dialog's controls (type, click, select), then returns.
  using DialogScript = std::function<void(HeadlessControls& dialog)>;

  struct ControlState {
    ControlType kind = ControlType::Label;
    bool shown = true;
    bool enabled = true;
    bool checked = false;
    QString text;
    QStringList entries;
    QStringList entryHints;  // one per entry, empty when none was given
    int selected = -1;
  };

  // Declares a control; an undeclared id is created as a label on first use.
  void Define(int id, ControlType kind, const QString& text = {});
  // Radios of one group: a user's click on one unchecks the others.
  void DefineRadioGroup(std::vector<int> ids);

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
  void ProcessEvents() override {}

  // The user clicks `id`: a radio is checked and the rest of its group unchecked, a check box
  // toggles; then the bound handler runs. A hidden or disabled control ignores the click.
  // In a dialog, a click on id 1 or 2 that no handler is bound to closes it with OK or
  // without. Returns whether a handler ran or the dialog closed.
  bool Click(int id);
  // Enter: a click on the default button (1 on the form, the template's in a dialog).
  bool PressEnter() { return Click(defaultButton_); }
  // The user selects entry `index` of list `id`; the handler bound to the list runs.
  bool SelectByUser(int id, int index);

  const ControlState& State(int id) const;
  bool IsShown(int id) const { return State(id).shown; }
  bool IsEnabled(int id) const { return State(id).enabled; }
  QStringList ListEntries(int id) const { return State(id).entries; }
  QStringList ListEntryHints(int id) const { return State(id).entryHints; }
  bool IsDefined(int id) const { return controls_.count(id) != 0; }

  const QStringList& Messages() const { return messages_; }
  void ClearMessages() { messages_.clear(); }
  const QString& Caption() const { return caption_; }
  // Template ids of the dialogs run from these controls, in order.
  const std::vector<int>& DialogsRun() const { return dialogsRun_; }
  // Whether EndDialog was called, and with what.
  bool Ended() const { return ended_; }
  bool Accepted() const { return accepted_; }
  const std::vector<FileDialogRequest>& FileDialogsShown() const { return fileDialogs_; }

  void QueueDialogScript(DialogScript script) { dialogScripts_.push_back(std::move(script)); }
  // The next dialog is closed at once through OK (id 1) or Cancel (id 2).
  void QueueDialogAnswer(bool accepted);
  // The next file dialog returns `path`; nothing queued, or nullopt, cancels it.
  void QueueFileAnswer(const std::optional<QString>& path) {
    fileAnswers_.push_back({path.has_value(), path.value_or(QString())});
  }

 private:
  ControlState& Mutable(int id);
  std::optional<QString> NextFileAnswer(const FileDialogRequest& request);

  std::map<int, ControlState> controls_;
  std::map<int, Handler> handlers_;
  std::map<int, std::vector<int>> radioGroups_;  // radio id -> its whole group
  QStringList messages_;
  QString caption_;
  std::vector<int> dialogsRun_;
  std::vector<FileDialogRequest> fileDialogs_;
  std::deque<DialogScript> dialogScripts_;
  HeadlessControls* parent_ = nullptr;  // the window that runs this dialog, if any
  int defaultButton_ = 1;
  bool ended_ = false;
  bool accepted_ = false;
  struct FileAnswer {
    bool chosen = false;
    QString path;
  };
  std::deque<FileAnswer> fileAnswers_;
};

}  // namespace selvio
