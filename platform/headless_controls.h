#pragma once

#include "platform/form_controls.h"

#include <QStringList>

#include <deque>
#include <map>
#include <vector>

namespace selvio {

enum class ControlType { Radio, CheckBox, Edit, List, Label, Picture, Button };

// In-memory model of a window's controls. Every operation's effect is recorded per id;
// message boxes, dialogs and the caption are recorded in order. Dialog answers are scripted
// in advance: a dialog without a queued answer is cancelled.
class HeadlessControls : public FormControls {
 public:
  struct ControlState {
    ControlType kind = ControlType::Label;
    bool shown = true;
    bool enabled = true;
    bool checked = false;
    QString text;
    QStringList entries;
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
  int SelectedIndex(int id) const override;
  void ShowMessage(const QString& text) override;
  bool RunModalDialog(int templateId) override;
  std::optional<QString> ChooseFileToOpen(const FileDialogRequest& request) override;
  std::optional<QString> ChooseFileToSave(const FileDialogRequest& request) override;
  void SetCaption(const QString& caption) override;
  void Bind(int id, Handler handler) override;

  // The user clicks `id`: a radio is checked and the rest of its group unchecked, a check box
  // toggles; then the bound handler runs. A hidden or disabled control ignores the click.
  // Returns whether a handler ran.
  bool Click(int id);

  const ControlState& State(int id) const;
  bool IsShown(int id) const { return State(id).shown; }
  bool IsEnabled(int id) const { return State(id).enabled; }
  QStringList ListEntries(int id) const { return State(id).entries; }
  bool IsDefined(int id) const { return controls_.count(id) != 0; }

  const QStringList& Messages() const { return messages_; }
  void ClearMessages() { messages_.clear(); }
  const QString& Caption() const { return caption_; }
  const std::vector<int>& DialogsRun() const { return dialogsRun_; }
  const std::vector<FileDialogRequest>& FileDialogsShown() const { return fileDialogs_; }

  void QueueDialogAnswer(bool accepted) { dialogAnswers_.push_back(accepted); }
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
  std::deque<bool> dialogAnswers_;
  struct FileAnswer {
    bool chosen = false;
    QString path;
  };
  std::deque<FileAnswer> fileAnswers_;
};

}  // namespace selvio
