#include "app/dialogs/flow_dialog.h"

#include <QCoreApplication>
#include <cmath>
#include <utility>

#include "app/form/control_ids.h"
#include "engine/heat_load.h"
#include "platform/c_numbers.h"

namespace selvio {

HeatLoadFlowDialog::HeatLoadFlowDialog(HeatLoadTexts texts) : texts_(std::move(texts)) {}

DialogTemplate HeatLoadFlowDialog::Template() const {
  using namespace flow_dialog_ids;
  return {131,
          QCoreApplication::translate("HeatLoadFlowDialog", "Расчет расхода по тепловой нагрузке"),
          // The two temperatures of the schedule read as "95 – 70"; the heat load's edit sits under
          // the first one.
          {{kScheduleCaption, ControlType::Label,
            QCoreApplication::translate("HeatLoadFlowDialog", "Температурный график, °С:"), 0, 0},
           {kSupplyTemperature, ControlType::Edit, {}, 0, 1},
           {kScheduleSeparator, ControlType::Label, QString::fromUtf8("–"), 0, 2},
           {kReturnTemperature, ControlType::Edit, {}, 0, 3},
           {kHeatPowerCaption, ControlType::Label,
            QCoreApplication::translate("HeatLoadFlowDialog", "Тепловая мощность:"), 1, 0},
           {kHeatPower, ControlType::Edit, {}, 1, 1},
           {kHeatPowerUnit, ControlType::Label,
            QCoreApplication::translate("HeatLoadFlowDialog", "кВт"), 1, 2, 2},
           {ids::kOk, ControlType::Button, QStringLiteral("OK"), 2, 1},
           {ids::kCancel, ControlType::Button,
            QCoreApplication::translate("HeatLoadFlowDialog", "Отмена"), 2, 3}},
          ids::kOk};
}

void HeatLoadFlowDialog::Initialise(DialogControls& controls) {
  using namespace flow_dialog_ids;
  controls.SetText(kSupplyTemperature, texts_.supplyTemperature);
  controls.SetText(kReturnTemperature, texts_.returnTemperature);
  controls.SetText(kHeatPower, texts_.heatPower);
  controls.Bind(ids::kOk, [this, &controls] { OnOk(controls); });
}

void HeatLoadFlowDialog::OnOk(DialogControls& controls) {
  using namespace flow_dialog_ids;
  HeatLoadTexts typed{controls.Text(kSupplyTemperature), controls.Text(kReturnTemperature),
                      controls.Text(kHeatPower)};
  const float supply = ScanFloat(typed.supplyTemperature).value_or(0.0f);  // °C
  const float back = ScanFloat(typed.returnTemperature).value_or(0.0f);    // °C
  const float power = ScanFloat(typed.heatPower).value_or(0.0f);           // kW
  if (std::fabs(supply - back) == 0.0f) {
    controls.ShowMessage(QCoreApplication::translate(
        "HeatLoadFlowDialog",
        "Температуры графика равны: расход по тепловой нагрузке не определен. "
        "Введите две разные температуры."));
    return;
  }
  const float flow = WaterFlowFromHeatLoad(power, supply, back);
  if (!std::isfinite(flow)) {
    controls.ShowMessage(QCoreApplication::translate(
        "HeatLoadFlowDialog",
        "Расход по тепловой нагрузке не удается вычислить. Проверьте температуры графика и "
        "тепловую мощность."));
    return;
  }
  texts_ = std::move(typed);
  flow_ = flow;
  controls.EndDialog(true);
}

void OnFlowFromHeatLoad(FormControls& form, FormState& state) {
  HeatLoadFlowDialog dialog(
      {state.calcSupplyTemperatureText, state.calcReturnTemperatureText, state.calcHeatPowerText});
  if (!form.RunModalDialog(dialog)) return;
  state.calcSupplyTemperatureText = dialog.Texts().supplyTemperature;
  state.calcReturnTemperatureText = dialog.Texts().returnTemperature;
  state.calcHeatPowerText = dialog.Texts().heatPower;
  form.SetText(ids::kFlow, FormatC("%.2f", static_cast<double>(dialog.Flow())));
  form.SelectListEntry(ids::kFlowUnit, 0);
}

}  // namespace selvio
