#include "app/project/position_form.h"

namespace selvio {

std::optional<ProjectPosition> CaptureFormPosition(const SelectionForm& view, const QString& label,
                                                   int quantity) {
  const std::optional<SettingsRecord>& inputs = view.CalculatedInputs();
  if (!inputs) return std::nullopt;
  return ProjectPosition{label, quantity, *inputs, ShownSelectionOf(view.Result(), *inputs)};
}

SelectionChange RestorePosition(SelectionForm& view, const ProjectPosition& position) {
  view.OpenSettingsRecord(position.inputs);
  view.OnCalculate();
  const SelectionResult& result = view.Result();
  if (const std::optional<CandidateChoice> choice = FindShownChoice(result, position.shown);
      choice &&
      (choice->candidate != result.shownCandidate || choice->actuator != result.shownActuator) &&
      view.HoldsCandidateChoice(choice->candidate, choice->actuator)) {
    view.ApplyCandidateChoice(choice->candidate, choice->actuator);
  }
  const SettingsRecord inputs = view.CalculatedInputs().value_or(position.inputs);
  return CompareSelections(position.shown, ShownSelectionOf(view.Result(), inputs));
}

}  // namespace selvio
