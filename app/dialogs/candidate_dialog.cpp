#include "app/dialogs/candidate_dialog.h"

#include <QCoreApplication>
#include <cstddef>
#include <utility>

#include "app/form/selection_form.h"
#include "output/value_text.h"

namespace selvio {

namespace {

// The entry's line of the result panel that tells its capacity, as the panel prints it; the
// entry's own text has no room for it.
QString KvsHint(float kvs) {
  return QCoreApplication::translate("CandidateDialog", "Пропускная способн. Kvs, м³/ч: %1")
      .arg(FormatNumber("%.1f", static_cast<double>(kvs)));
}

}  // namespace

CandidateDialog::CandidateDialog(std::vector<CandidateEntry> entries, int chosenCandidate,
                                 int chosenActuator)
    : entries_(std::move(entries)),
      chosenCandidate_(chosenCandidate),
      chosenActuator_(chosenActuator) {}

DialogTemplate CandidateDialog::Template() const {
  using namespace candidate_dialog_ids;
  return {141,
          QCoreApplication::translate("CandidateDialog", "Клапаны"),
          {{kCandidatesCaption, ControlType::Label,
            QCoreApplication::translate("CandidateDialog", "Подходящие клапаны:"), 0, 0},
           {kActuatorsCaption, ControlType::Label,
            QCoreApplication::translate("CandidateDialog", "Подходящие приводы:"), 0, 1},
           {kCandidates, ControlType::List, {}, 1, 0},
           {kActuators, ControlType::List, {}, 1, 1},
           {kConfirm, ControlType::Button, QStringLiteral("OK"), 2, 0},
           {kDismiss, ControlType::Button, QCoreApplication::translate("CandidateDialog", "Отмена"),
            2, 1}},
          kDismiss};
}

void CandidateDialog::Initialise(DialogControls& controls) {
  using namespace candidate_dialog_ids;
  controls.ClearList(kCandidates);
  for (const CandidateEntry& entry : entries_) controls.AppendListEntry(kCandidates, entry.Label());
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    controls.SetListEntryHint(kCandidates, static_cast<int>(i), KvsHint(entries_[i].kvs));
  }
  controls.SelectListEntry(kCandidates, chosenCandidate_);
  OnCandidateSelected(controls);
  controls.SelectListEntry(kActuators, chosenActuator_);

  controls.Bind(kCandidates, [this, &controls] { OnCandidateSelected(controls); });
  controls.Bind(kConfirm, [this, &controls] { OnConfirm(controls); });
  controls.Bind(kDismiss, [&controls] { controls.EndDialog(false); });
}

// Picking the candidate the right list already belongs to keeps that list and its selection.
void CandidateDialog::OnCandidateSelected(DialogControls& controls) {
  using namespace candidate_dialog_ids;
  const int selected = controls.SelectedIndex(kCandidates);
  if (selected == shownEntry_) return;
  shownEntry_ = selected;
  controls.ClearList(kActuators);
  if (selected >= 0 && selected < static_cast<int>(entries_.size())) {
    for (const QString& label : entries_[static_cast<std::size_t>(selected)].actuators) {
      controls.AppendListEntry(kActuators, label);
    }
  }
  controls.SelectListEntry(kActuators, 0);
}

void CandidateDialog::OnConfirm(DialogControls& controls) {
  chosenCandidate_ = controls.SelectedIndex(candidate_dialog_ids::kCandidates);
  chosenActuator_ = controls.SelectedIndex(candidate_dialog_ids::kActuators);
  controls.EndDialog(true);
}

void OnOtherConfiguration(SelectionForm& view) {
  const SelectionResult& result = view.Result();
  CandidateDialog dialog(CandidateEntries(result), result.shownCandidate, result.shownActuator);
  if (!view.Controls().RunModalDialog(dialog)) return;
  // A pair the panels cannot show (no candidate selected) leaves the form as it was.
  if (!view.HoldsCandidateChoice(dialog.ChosenCandidate(), dialog.ChosenActuator())) return;
  view.ApplyCandidateChoice(dialog.ChosenCandidate(), dialog.ChosenActuator());
}

}  // namespace selvio
