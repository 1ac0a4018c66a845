#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "output/candidate_entries.h"
#include "platform/modal_dialog.h"

namespace selvio {

class SelectionForm;

// Controls of the dialog "Клапаны" (141), in its own id space.
namespace candidate_dialog_ids {
inline constexpr int kCandidates = 1079;  // left list: the candidates found
inline constexpr int kActuators = 1077;   // right list: the selected candidate's actuators
inline constexpr int kConfirm = 1081;     // "OK"
inline constexpr int kDismiss = 1083;     // "Отмена", the default button
inline constexpr int kCandidatesCaption = 1201;
inline constexpr int kActuatorsCaption = 1202;
}  // namespace candidate_dialog_ids

// "Клапаны": every candidate on the left, the actuators of the selected one on the right.
// Choosing another candidate (by click or key) refills the right list and selects its first
// actuator; "OK" confirms the selected pair, "Отмена", Enter and Esc leave everything as it was.
class CandidateDialog : public ModalDialog {
 public:
  CandidateDialog(std::vector<CandidateEntry> entries, int chosenCandidate, int chosenActuator);

  DialogTemplate Template() const override;
  void Initialise(DialogControls& controls) override;

  // After a confirmed run: the selected candidate and actuator, -1 for none.
  int ChosenCandidate() const { return chosenCandidate_; }
  int ChosenActuator() const { return chosenActuator_; }

 private:
  void OnCandidateSelected(DialogControls& controls);
  void OnConfirm(DialogControls& controls);

  std::vector<CandidateEntry> entries_;
  int chosenCandidate_;
  int chosenActuator_;
  int shownEntry_ = -1;  // the entry whose actuators the right list holds
};

// "Другая конфигурация" (1090): runs the dialog on the last calculation's candidates, preselects
// the shown pair, and on confirmation shows the chosen pair on the result panels.
void OnOtherConfiguration(SelectionForm& view);

}  // namespace selvio
