#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "engine/selection_result.h"
#include "platform/modal_dialog.h"

namespace selvio {

class CSelvioView;

// Controls of the dialog "Клапаны" (141), in its own id space.
namespace klapans_ids {
inline constexpr int kCandidates = 1079;  // left list: the candidates found
inline constexpr int kActuators = 1077;   // right list: the selected candidate's actuators
inline constexpr int kConfirm = 1081;     // "OK"
inline constexpr int kDismiss = 1083;     // "Отмена", the default button
inline constexpr int kCandidatesCaption = 1201;
inline constexpr int kActuatorsCaption = 1202;
}  // namespace klapans_ids

// One line of the left list, the lines of the right list it brings, and the line's hint (its
// Kvs, which the line's text has no room for).
struct CandidateListEntry {
  QString label;  // name-DN
  QStringList actuatorLabels;
  QString hint = {};
};

// The entries of the filled candidate list of `result`: a valve candidate lists its electric
// actuators' variants, then its pneumatic actuators' and thermostats' names; a regulator has
// no actuators. A calculation fills one list; were several filled, the last of valves,
// differential-pressure regulators and reducing valves is shown.
std::vector<CandidateListEntry> CandidateListEntries(const SelectionResult& result);

// "Клапаны": every candidate on the left, the actuators of the selected one on the right.
// Choosing another candidate (by click or key) refills the right list and selects its first
// actuator; "OK" confirms the selected pair, "Отмена", Enter and Esc leave everything as it was.
class CKlapansDlg : public ModalDialog {
 public:
  CKlapansDlg(std::vector<CandidateListEntry> entries, int chosenCandidate, int chosenActuator);

  DialogTemplate Template() const override;
  void Initialise(DialogControls& controls) override;

  // After a confirmed run: the selected candidate and actuator, -1 for none.
  int ChosenCandidate() const { return chosenCandidate_; }
  int ChosenActuator() const { return chosenActuator_; }

 private:
  void OnCandidateSelected(DialogControls& controls);
  void OnConfirm(DialogControls& controls);

  std::vector<CandidateListEntry> entries_;
  int chosenCandidate_;
  int chosenActuator_;
  int shownEntry_ = -1;  // the entry whose actuators the right list holds
};

// "Другая конфигурация" (1090): runs the dialog on the last calculation's candidates, preselects
// the shown pair, and on confirmation shows the chosen pair on the result panels.
void OnOtherConfiguration(CSelvioView& view);

}  // namespace selvio
