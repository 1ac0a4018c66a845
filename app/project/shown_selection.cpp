#include "app/project/shown_selection.h"

#include "app/form/form_state.h"
#include "app/form/request_capture.h"
#include "output/result_texts.h"
#include "output/schedule.h"
#include "output/shown_product.h"

namespace selvio {
namespace {

// The actuator of `candidate` named `name`, or the first one when none is (-1 without any).
int ActuatorNamed(const ValveCandidate& candidate, const QString& name) {
  const int count = ActuatorCount(candidate);
  for (int index = 0; index < count; ++index) {
    if (ActuatorName(candidate, index) == name) return index;
  }
  return count > 0 ? 0 : -1;
}

std::optional<CandidateChoice> FindValveChoice(const std::vector<ValveCandidate>& list,
                                               const ShownSelection& shown) {
  if (const ValveCandidate* c = EntryAt(list, shown.candidate);
      c && c->valve.name == shown.product && c->valve.dnText == shown.dn) {
    if (ActuatorName(*c, shown.actuator) == shown.actuatorName) {
      return CandidateChoice{shown.candidate, shown.actuator};
    }
    return CandidateChoice{shown.candidate, ActuatorNamed(*c, shown.actuatorName)};
  }
  for (int index = 0; index < CountOf(list); ++index) {
    const ValveCandidate& c = list[static_cast<std::size_t>(index)];
    if (c.valve.name == shown.product && c.valve.dnText == shown.dn) {
      return CandidateChoice{index, ActuatorNamed(c, shown.actuatorName)};
    }
  }
  return std::nullopt;
}

std::optional<CandidateChoice> FindRegulatorChoice(const std::vector<RegulatorCandidate>& list,
                                                   const ShownSelection& shown) {
  const auto same = [&shown](const RegulatorCandidate& c) {
    return c.regulator.name == shown.product && c.regulator.dnText == shown.dn;
  };
  if (const RegulatorCandidate* c = EntryAt(list, shown.candidate); c && same(*c)) {
    return CandidateChoice{shown.candidate, shown.actuator};
  }
  for (int index = 0; index < CountOf(list); ++index) {
    if (same(list[static_cast<std::size_t>(index)])) return CandidateChoice{index, -1};
  }
  return std::nullopt;
}

}  // namespace

ShownSelection ShownSelectionOf(const SelectionResult& result, const SettingsRecord& inputs) {
  ShownSelection s;
  s.outcome = result.outcome;
  s.candidate = result.shownCandidate;
  s.actuator = result.shownActuator;
  const ShownProduct product = ShownProductOf(result);
  if (product.shown) {
    s.product = product.name;
    s.dn = product.dnText;
    s.kvs = product.kvs;
    s.actuatorName = product.actuator;
  }
  // The capillary lengths only name the thermostat's; the controller needs none of them.
  const PanelChoices choices = CapturePanelChoices(inputs, FormState{});
  if (ControllerShown(result, choices)) {
    s.controller = ControllerKitName(ShownResultTexts(ResultTexts{}, choices, result));
  }
  s.kv = result.kv;
  s.dpv = result.dpv;
  s.velocity = result.velocity;
  s.psat = result.psat;
  s.cavitation = result.cavitationWarning;
  return s;
}

std::optional<CandidateChoice> FindShownChoice(const SelectionResult& result,
                                               const ShownSelection& shown) {
  if (!shown.HasProduct()) return std::nullopt;
  if (!result.valveCandidates.empty()) return FindValveChoice(result.valveCandidates, shown);
  return FindRegulatorChoice(RegulatorCandidates(result), shown);
}

SelectionChange CompareSelections(const ShownSelection& before, const ShownSelection& after) {
  if (!after.HasProduct()) {
    return before.HasProduct() ? SelectionChange::NothingFound : SelectionChange::None;
  }
  if (before.product != after.product || before.dn != after.dn ||
      before.actuatorName != after.actuatorName || before.controller != after.controller) {
    return SelectionChange::OtherProduct;
  }
  const bool sameFigures =
      ScheduleFigureText(before.kvs) == ScheduleFigureText(after.kvs) &&
      ScheduleFigureText(before.kv) == ScheduleFigureText(after.kv) &&
      ScheduleFigureText(before.dpv) == ScheduleFigureText(after.dpv) &&
      ScheduleVelocityText(before.velocity) == ScheduleVelocityText(after.velocity) &&
      before.cavitation == after.cavitation;
  return sameFigures ? SelectionChange::None : SelectionChange::DifferentFigures;
}

}  // namespace selvio
