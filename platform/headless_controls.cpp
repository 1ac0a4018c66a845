#include "platform/headless_controls.h"

#include "platform/dialog_keys.h"

namespace selvio {

void HeadlessControls::Define(int id, ControlType kind, const QString& text) {
  ControlState& state = Mutable(id);
  state.kind = kind;
  state.text = text;
}

void HeadlessControls::DefineRadioGroup(std::vector<int> ids) {
  for (int id : ids) {
    Mutable(id).kind = ControlType::Radio;
    radioGroups_[id] = ids;
  }
}

HeadlessControls::ControlState& HeadlessControls::Mutable(int id) { return controls_[id]; }

const HeadlessControls::ControlState& HeadlessControls::State(int id) const {
  static const ControlState kUndefined;
  auto it = controls_.find(id);
  return it == controls_.end() ? kUndefined : it->second;
}

void HeadlessControls::Show(int id, bool shown) { Mutable(id).shown = shown; }
void HeadlessControls::Enable(int id, bool enabled) { Mutable(id).enabled = enabled; }
void HeadlessControls::SetChecked(int id, bool checked) { Mutable(id).checked = checked; }
bool HeadlessControls::IsChecked(int id) const { return State(id).checked; }
void HeadlessControls::SetText(int id, const QString& text) { Mutable(id).text = text; }
QString HeadlessControls::Text(int id) const { return State(id).text; }

void HeadlessControls::ClearList(int id) {
  ControlState& state = Mutable(id);
  state.entries.clear();
  state.entryHints.clear();
  state.selected = -1;
}

void HeadlessControls::AppendListEntry(int id, const QString& text) {
  ControlState& state = Mutable(id);
  state.entries.append(text);
  state.entryHints.append(QString());
}

void HeadlessControls::SetListEntryHint(int id, int index, const QString& hint) {
  ControlState& state = Mutable(id);
  if (index >= 0 && index < state.entryHints.size()) state.entryHints[index] = hint;
}

void HeadlessControls::SelectListEntry(int id, int index) {
  ControlState& state = Mutable(id);
  state.selected = (index >= 0 && index < state.entries.size()) ? index : -1;
}

int HeadlessControls::SelectedIndex(int id) const { return State(id).selected; }

// A message shown in a dialog is recorded there and in every window below it, so the form's
// list holds every message box in the order the user saw them.
void HeadlessControls::ShowMessage(const QString& text) {
  for (HeadlessControls* window = this; window != nullptr; window = window->parent_) {
    window->messages_.append(text);
  }
}

bool HeadlessControls::RunModalDialog(ModalDialog& dialog) {
  const DialogTemplate dialogTemplate = dialog.Template();
  dialogsRun_.push_back(dialogTemplate.id);
  HeadlessControls window;
  window.parent_ = this;
  window.defaultButton_ = dialogTemplate.defaultButton;
  for (const DialogControl& control : dialogTemplate.controls) {
    window.Define(control.id, control.kind, control.text);
  }
  for (const std::vector<int>& group : dialogTemplate.radioGroups) window.DefineRadioGroup(group);
  dialog.Initialise(window);
  if (!window.ended_) dialog.Shown(window);
  if (!window.ended_ && !dialogScripts_.empty()) {
    DialogScript script = std::move(dialogScripts_.front());
    dialogScripts_.pop_front();
    // A dialog opened from this one takes the scripts queued after this one's.
    window.dialogScripts_ = std::move(dialogScripts_);
    dialogScripts_.clear();
    script(window);
    dialogScripts_ = std::move(window.dialogScripts_);
  }
  return window.ended_ && window.accepted_;
}

void HeadlessControls::QueueDialogAnswer(bool accepted) {
  QueueDialogScript(
      [accepted](HeadlessControls& dialog) { dialog.Click(accepted ? ids::kOk : ids::kCancel); });
}

void HeadlessControls::EndDialog(bool accepted) {
  if (ended_) return;
  ended_ = true;
  accepted_ = accepted;
}

std::optional<QString> HeadlessControls::NextFileAnswer(const FileDialogRequest& request) {
  fileDialogs_.push_back(request);
  if (fileAnswers_.empty()) return std::nullopt;
  const FileAnswer answer = fileAnswers_.front();
  fileAnswers_.pop_front();
  if (!answer.chosen) return std::nullopt;
  return answer.path;
}

std::optional<QString> HeadlessControls::ChooseFileToOpen(const FileDialogRequest& request) {
  return NextFileAnswer(request);
}

std::optional<QString> HeadlessControls::ChooseFileToSave(const FileDialogRequest& request) {
  return NextFileAnswer(request);
}

void HeadlessControls::SetCaption(const QString& caption) { caption_ = caption; }

void HeadlessControls::Bind(int id, Handler handler) { handlers_[id] = std::move(handler); }

bool HeadlessControls::Click(int id) {
  ControlState& state = Mutable(id);
  if (!state.shown || !state.enabled) return false;  // the user cannot reach it
  if (state.kind == ControlType::Radio) {
    auto group = radioGroups_.find(id);
    if (group != radioGroups_.end()) {
      for (int other : group->second) Mutable(other).checked = false;
    }
    Mutable(id).checked = true;
  } else if (state.kind == ControlType::CheckBox) {
    state.checked = !state.checked;
  }
  auto handler = handlers_.find(id);
  if (handler == handlers_.end() || !handler->second) {
    if (parent_ == nullptr || (id != ids::kOk && id != ids::kCancel)) return false;
    EndDialog(id == ids::kOk);
    return true;
  }
  handler->second();
  return true;
}

bool HeadlessControls::SelectByUser(int id, int index) {
  const ControlState& state = State(id);
  if (!state.shown || !state.enabled) return false;
  SelectListEntry(id, index);
  auto handler = handlers_.find(id);
  if (handler == handlers_.end() || !handler->second) return false;
  handler->second();
  return true;
}

}  // namespace selvio
