#include "engine/hydraulics.h"
#include "output/panel_texts.h"
#include "output/result_panels.h"
#include "output/value_text.h"
#include "platform/control_ids.h"

namespace selvio {
namespace {

const QString kValveCavitation = QStringLiteral("Для данного клапана возможна кавитация!");
const QString kRegulatorCavitation = QStringLiteral("Для данного регулятора возможна кавитация!");

}  // namespace

void FormResultPanels::ShowValveResult() {
  controls_.Show(ids::kDpRegulatorLabels, false);
  EnableDocumentButtons(kRegulatorButtons, {});
  const ValveCandidate* candidate =
      ShownEntry(result_.valveCandidates, result_.valveCandidateCount, result_.shownCandidate);
  if (!candidate) {
    ClearRegulatorArea(ids::kValveLabels);
    return;
  }
  const ValveRecord& v = candidate->valve;
  // Only a two-way valve is checked for cavitation.
  if (v.valveKind == kTwoWay && request_.checkCavitation &&
      IsCavitationRisk(request_, saturation_, v.z)) {
    controls_.ShowMessage(kValveCavitation);
  }
  controls_.Show(ids::kValveLabels, true);
  EnableDocumentButtons(kRegulatorButtons, {v.descriptionFile, v.drawing2d, v.drawing3d});
  controls_.SetText(ids::kRegulatorValues, ValveValueText(v));
  ShowActuatorResult();
  LossAndVelocity(request_, v.kvs, v.dn, v.forSteam != 0, result_);
  ShowCalculatedData();
  ShowControllerResult();
}

void FormResultPanels::ShowDpRegulatorResult() { ShowRegulatorResult(false); }

void FormResultPanels::ShowReducingValveResult() { ShowRegulatorResult(true); }

void FormResultPanels::ShowRegulatorResult(bool reducingValve) {
  const int labels = reducingValve ? ids::kReducingValveLabels : ids::kDpRegulatorLabels;
  const int otherLabels = reducingValve ? ids::kDpRegulatorLabels : ids::kReducingValveLabels;
  EnableDocumentButtons(kRegulatorButtons, {});
  controls_.Show(ids::kValveLabels, false);
  controls_.Show(otherLabels, false);
  const RegulatorCandidate* candidate =
      reducingValve ? ShownEntry(result_.reducingValveCandidates,
                                 result_.reducingValveCandidateCount, result_.shownCandidate)
                    : ShownEntry(result_.dpRegulatorCandidates, result_.dpRegulatorCandidateCount,
                                 result_.shownCandidate);
  if (!candidate) {
    ClearRegulatorArea(labels);
    return;
  }
  const RegulatorRecord& r = candidate->regulator;
  if (request_.checkCavitation && IsCavitationRisk(request_, saturation_, r.z)) {
    controls_.ShowMessage(reducingValve ? kValveCavitation : kRegulatorCavitation);
  }
  controls_.Show(labels, true);
  controls_.SetText(ids::kRegulatorValues, RegulatorValueText(*candidate, reducingValve));
  ShowActuatorResult();
  LossAndVelocity(request_, r.kvs, r.dn, r.forSteam != 0, result_);
  EnableDocumentButtons(kRegulatorButtons, {r.descriptionFile, r.drawing2d, r.drawing3d});
  ShowCalculatedData();
  ShowControllerResult();
}

void FormResultPanels::ClearRegulatorArea(int labels) {
  controls_.Show(labels, false);
  controls_.SetText(ids::kRegulatorValues, QString());
  ShowCalculatedData();
  ShowActuatorResult();
  ShowControllerResult();
}

}  // namespace selvio
