#include "app/dialogs/candidate_dialog.h"

#include <cstddef>
#include <utility>

#include "app/form/selvio_view.h"
#include "output/value_text.h"

namespace selvio {
namespace {

// The entry's line of the result panel that tells its capacity, as the panel prints it.
QString KvsHint(float kvs) {
  return QString::fromUtf8("Пропускная способн. Kvs, м³/ч: ") +
         FormatNumber("%.1f", static_cast<double>(kvs));
}

CandidateListEntry ValveEntry(const ValveCandidate& c) {
  CandidateListEntry entry{
      c.valve.name + QLatin1Char('-') + c.valve.dnText, {}, KvsHint(c.valve.kvs)};
  for (int k = 0; k < c.electricActuatorCount; ++k) {
    entry.actuatorLabels << c.electricActuators[static_cast<std::size_t>(k)].variant;
  }
  for (int k = 0; k < c.pneumaticActuatorCount; ++k) {
    entry.actuatorLabels << c.pneumaticActuators[static_cast<std::size_t>(k)].name;
  }
  for (int k = 0; k < c.thermostatCount; ++k) {
    entry.actuatorLabels << c.thermostats[static_cast<std::size_t>(k)].name;
  }
  return entry;
}

std::vector<CandidateListEntry> RegulatorEntries(const std::vector<RegulatorCandidate>& list,
                                                 int count) {
  std::vector<CandidateListEntry> entries;
  for (int i = 0; i < count; ++i) {
    const RegulatorRecord& r = list[static_cast<std::size_t>(i)].regulator;
    entries.push_back({r.name + QLatin1Char('-') + r.dnText, {}, KvsHint(r.kvs)});
  }
  return entries;
}

}  // namespace

std::vector<CandidateListEntry> CandidateListEntries(const SelectionResult& result) {
  if (result.reducingValveCandidateCount > 0) {
    return RegulatorEntries(result.reducingValveCandidates, result.reducingValveCandidateCount);
  }
  if (result.dpRegulatorCandidateCount > 0) {
    return RegulatorEntries(result.dpRegulatorCandidates, result.dpRegulatorCandidateCount);
  }
  std::vector<CandidateListEntry> entries;
  for (int i = 0; i < result.valveCandidateCount; ++i) {
    entries.push_back(ValveEntry(result.valveCandidates[static_cast<std::size_t>(i)]));
  }
  return entries;
}

CKlapansDlg::CKlapansDlg(std::vector<CandidateListEntry> entries, int chosenCandidate,
                         int chosenActuator)
    : entries_(std::move(entries)),
      chosenCandidate_(chosenCandidate),
      chosenActuator_(chosenActuator) {}

DialogTemplate CKlapansDlg::Template() const {
  using namespace klapans_ids;
  return {141,
          QString::fromUtf8("Клапаны"),
          {{kCandidatesCaption, ControlType::Label, QString::fromUtf8("Подходящие клапаны:"), 0, 0},
           {kActuatorsCaption, ControlType::Label, QString::fromUtf8("Подходящие приводы:"), 0, 1},
           {kCandidates, ControlType::List, {}, 1, 0},
           {kActuators, ControlType::List, {}, 1, 1},
           {kConfirm, ControlType::Button, QStringLiteral("OK"), 2, 0},
           {kDismiss, ControlType::Button, QString::fromUtf8("Отмена"), 2, 1}},
          kDismiss};
}

void CKlapansDlg::Initialise(DialogControls& controls) {
  using namespace klapans_ids;
  controls.ClearList(kCandidates);
  for (const CandidateListEntry& entry : entries_)
    controls.AppendListEntry(kCandidates, entry.label);
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (!entries_[i].hint.isEmpty())
      controls.SetListEntryHint(kCandidates, static_cast<int>(i), entries_[i].hint);
  }
  controls.SelectListEntry(kCandidates, chosenCandidate_);
  OnCandidateSelected(controls);
  controls.SelectListEntry(kActuators, chosenActuator_);

  controls.Bind(kCandidates, [this, &controls] { OnCandidateSelected(controls); });
  controls.Bind(kConfirm, [this, &controls] { OnConfirm(controls); });
  controls.Bind(kDismiss, [&controls] { controls.EndDialog(false); });
}

// Picking the candidate the right list already belongs to keeps that list and its selection.
void CKlapansDlg::OnCandidateSelected(DialogControls& controls) {
  using namespace klapans_ids;
  const int selected = controls.SelectedIndex(kCandidates);
  if (selected == shownEntry_) return;
  shownEntry_ = selected;
  controls.ClearList(kActuators);
  if (selected >= 0 && selected < static_cast<int>(entries_.size())) {
    for (const QString& label : entries_[static_cast<std::size_t>(selected)].actuatorLabels) {
      controls.AppendListEntry(kActuators, label);
    }
  }
  controls.SelectListEntry(kActuators, 0);
}

void CKlapansDlg::OnConfirm(DialogControls& controls) {
  chosenCandidate_ = controls.SelectedIndex(klapans_ids::kCandidates);
  chosenActuator_ = controls.SelectedIndex(klapans_ids::kActuators);
  controls.EndDialog(true);
}

void OnOtherConfiguration(CSelvioView& view) {
  const SelectionResult& result = view.Result();
  CKlapansDlg dialog(CandidateListEntries(result), result.shownCandidate, result.shownActuator);
  if (!view.Controls().RunModalDialog(dialog)) return;
  // A pair the panels cannot show (no candidate selected) leaves the form as it was.
  if (!view.HoldsCandidateChoice(dialog.ChosenCandidate(), dialog.ChosenActuator())) return;
  view.ApplyCandidateChoice(dialog.ChosenCandidate(), dialog.ChosenActuator());
}

}  // namespace selvio
