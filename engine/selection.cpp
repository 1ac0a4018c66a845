#include "engine/selection.h"

#include "engine/regulator_sizing.h"
#include "engine/unit_factors.h"
#include "engine/valve_sizing.h"
#include "platform/c_numbers.h"
#include "platform/control_ids.h"

namespace selvio {
namespace {

const char* const kConsultation = "За помощью в подборе оборудования обратитесь к специалистам "
                                  "по продаже регулирующей арматуры.";

// Reads a real the way the form accepts it: a decimal comma counts as a point.
void ReadReal(const FormControls& controls, int id, float& field) {
  QString text = controls.Text(id);
  text.replace(QLatin1Char(','), QLatin1Char('.'));
  if (std::optional<float> value = ScanFloat(text)) field = *value;
}

void ReadInt(const FormControls& controls, int id, int& field) {
  if (std::optional<int> value = ScanInt(controls.Text(id))) field = *value;
}

void ClearPanels(ResultPanels& panels) {
  panels.ShowValveResult();
  panels.ShowReducingValveResult();
  panels.ShowDpRegulatorResult();
  panels.ShowActuatorResult();
  panels.ShowControllerResult();
  panels.ShowCalculatedData();
}

SelectionOutcome Finish(SelectionForm& form, SelectionOutcome outcome) {
  form.result.outcome = outcome;
  return outcome;
}

}  // namespace

void CaptureRequest(SelectionForm& form) {
  const FormControls& c = form.controls;
  SelectionRequest& r = form.request;
  r.wantBalanced = c.IsChecked(ids::kBalanced);

  ReadReal(c, ids::kDensity, r.density);
  ReadReal(c, ids::kP1, r.p1);
  ReadReal(c, ids::kP2, r.p2);
  ReadInt(c, ids::kTemperature, r.temperature);
  ReadReal(c, ids::kDrop, r.drop);
  ReadReal(c, ids::kSetting, r.setting);
  ReadReal(c, ids::kFlow, r.flow);
  ReadReal(c, ids::kSafetyFactor, r.safetyFactor);

  r.isWater = c.IsChecked(ids::kWater);
  r.isGlycol = c.IsChecked(ids::kGlycol);
  r.isSteam = c.IsChecked(ids::kSteam);
  const bool flanged = c.IsChecked(ids::kFlanged);
  const bool threaded = c.IsChecked(ids::kThreaded);
  const bool twoWay = c.IsChecked(ids::kTwoWay);
  const bool threeWay = c.IsChecked(ids::kThreeWay);
  r.wantMixing = c.IsChecked(ids::kMixing);
  r.wantDiverting = c.IsChecked(ids::kDiverting);
  r.useSafetyFactor = c.IsChecked(ids::kUseSafetyFactor);
  r.checkCavitation = c.IsChecked(ids::kCheckCavitation);
  r.product = c.IsChecked(ids::kControlValve)  ? ProductKind::ControlValve
              : c.IsChecked(ids::kDpRegulator) ? ProductKind::DpRegulator
                                               : ProductKind::ReducingValve;

  r.p1 *= PressureFactor(c.SelectedIndex(ids::kP1Unit));
  r.p2 *= PressureFactor(c.SelectedIndex(ids::kP2Unit));
  r.drop *= PressureFactor(c.SelectedIndex(ids::kDropUnit));
  r.setting *= PressureFactor(c.SelectedIndex(ids::kSettingUnit));

  if (!r.useSafetyFactor) r.safetyFactor = 1.0f;

  r.connection = kConnectionNotGiven;
  if (flanged) r.connection = kFlanged;
  if (threaded) r.connection = kThreaded;
  r.valveKind = kValveKindNotGiven;
  if (twoWay) r.valveKind = kTwoWay;
  if (threeWay) r.valveKind = kThreeWay;
}

SelectionOutcome RunSelection(SelectionForm& form) {
  SelectionResult& result = form.result;
  result.valveCandidateCount = 0;
  result.dpRegulatorCandidateCount = 0;
  result.reducingValveCandidateCount = 0;
  if (form.panels) ClearPanels(*form.panels);
  result.kv = 0;
  result.dpv = 0;
  result.velocity = 0;
  result.psat = 0;

  CaptureRequest(form);
  SelectionRequest& r = form.request;
  result.psat = LookupSaturationPressure(form.saturation, static_cast<float>(r.temperature));

  if (!r.isSteam && !(r.p2 < r.p1)) {
    form.controls.ShowMessage(QString::fromUtf8("Должно быть Р2<Р1"));
    return Finish(form, InvalidInput);
  }
  if (r.safetyFactor > 1.25 || r.safetyFactor < 1) {
    form.controls.ShowMessage(QString::fromUtf8("Должно быть 1<K<1.25"));
    return Finish(form, InvalidInput);
  }

  result.stainlessHint = false;
  if (r.product == ProductKind::ControlValve) {
    const std::optional<bool> valveFound = SizeControlValve(form);
    if (!valveFound) return Finish(form, InvalidInput);
    if (result.valveCandidateCount > 0) return Finish(form, Found);
    return Finish(form, *valveFound ? NoActuator : NothingFound);
  }
  if (!SizeRegulator(form, r.product)) return Finish(form, InvalidInput);
  const int count = r.product == ProductKind::DpRegulator ? result.dpRegulatorCandidateCount
                                                          : result.reducingValveCandidateCount;
  return Finish(form, count > 0 ? Found : NothingFound);
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

void OnCalculate(SelectionForm& form) {
  const SelectionOutcome outcome = RunSelection(form);
  const QString message = OutcomeMessage(outcome, form.result.stainlessHint);
  if (!message.isEmpty()) form.controls.ShowMessage(message);
  form.controls.Enable(ids::kOtherConfiguration, outcome == Found);
}

}  // namespace selvio
