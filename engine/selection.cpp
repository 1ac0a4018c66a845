#include "engine/selection.h"

#include "engine/regulator_sizing.h"
#include "engine/sizing_context.h"
#include "engine/valve_sizing.h"

namespace selvio {
namespace {

const char* const kConsultation =
    "За помощью в подборе оборудования обратитесь к специалистам "
    "по продаже регулирующей арматуры.";

void ClearNumbers(SelectionResult& result) {
  result.kv = 0;
  result.dpv = 0;
  result.velocity = 0;
  result.psat = 0;
}

void Finish(SelectionResult& result, SelectionOutcome outcome) {
  result.outcome = outcome;
  if (outcome != InvalidInput) result.message = OutcomeMessage(outcome, result.stainlessHint);
}

void Refuse(SelectionResult& result, const char* message) {
  result.message = QString::fromUtf8(message);
  result.outcome = InvalidInput;
}

}  // namespace

void RunSelection(const SelectionRequest& r, const Catalogue& catalogue,
                  const SaturationTable& saturation, SelectionResult& result) {
  ClearCandidateLists(result);
  ClearNumbers(result);
  result.message.clear();
  result.psat = LookupSaturationPressure(saturation, static_cast<float>(r.temperature));

  if (!r.isSteam && !(r.p2 < r.p1)) return Refuse(result, "Должно быть Р2<Р1");
  if (r.safetyFactor > 1.25 || r.safetyFactor < 1) return Refuse(result, "Должно быть 1<K<1.25");

  result.stainlessHint = false;
  SizingContext context{r, catalogue, result};
  if (r.product == ProductKind::ControlValve) {
    const std::optional<bool> valveFound = SizeControlValve(context);
    if (!valveFound) return Finish(result, InvalidInput);
    if (result.valveCandidateCount > 0) return Finish(result, Found);
    return Finish(result, *valveFound ? NoActuator : NothingFound);
  }
  if (!SizeRegulator(context, r.product)) return Finish(result, InvalidInput);
  const int count = r.product == ProductKind::DpRegulator ? result.dpRegulatorCandidateCount
                                                          : result.reducingValveCandidateCount;
  Finish(result, count > 0 ? Found : NothingFound);
}

SelectionResult RunSelection(const SelectionRequest& request, const Catalogue& catalogue,
                             const SaturationTable& saturation) {
  SelectionResult result;
  RunSelection(request, catalogue, saturation, result);
  return result;
}

void RefuseSelection(SelectionResult& result, const QString& message) {
  ClearCandidateLists(result);
  ClearNumbers(result);
  result.outcome = InvalidInput;
  result.message = message;
}

void ClearCandidateLists(SelectionResult& result) {
  result.valveCandidateCount = 0;
  result.dpRegulatorCandidateCount = 0;
  result.reducingValveCandidateCount = 0;
}

void ResetSelectionResult(SelectionResult& result) {
  ClearCandidateLists(result);
  ClearNumbers(result);
  result.outcome = NothingFound;
  result.message.clear();
  result.shownCandidate = 0;
  result.shownActuator = 0;
  result.stainlessHint = false;
}

QString OutcomeMessage(SelectionOutcome outcome, bool stainlessHint) {
  switch (outcome) {
    case NothingFound:
      return QString::fromUtf8("Вашим параметрам не удовлетворяет ни один клапан\r\n") +
             QString::fromUtf8(kConsultation);
    case NoActuator:
      if (stainlessHint) {
        return QString::fromUtf8(
            "Вашим параметрам не удовлетворяет ни один привод. Попробуйте выбрать термостат из "
            "нержавеющей стали.");
      }
      return QString::fromUtf8("Вашим параметрам не удовлетворяет ни один привод!\r\n") +
             QString::fromUtf8(kConsultation);
    case Found:
    case InvalidInput:
      break;
  }
  return {};
}

}  // namespace selvio
