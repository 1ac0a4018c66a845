#pragma once

#include <QString>

#include "app/form/form_state.h"
#include "platform/modal_dialog.h"

namespace selvio {

// Controls of the dialog "Расчет расхода по тепловой нагрузке" (131), in its own id space;
// 1 "OK" and 2 "Отмена" are its keys.
namespace flow_dialog_ids {
inline constexpr int kSupplyTemperature = 1097;  // °C
inline constexpr int kReturnTemperature = 1099;  // °C
inline constexpr int kHeatPower = 1101;          // kW
inline constexpr int kScheduleCaption = 1201;
inline constexpr int kHeatPowerCaption = 1202;
inline constexpr int kHeatPowerUnit = 1203;
inline constexpr int kScheduleSeparator = 1204;
}  // namespace flow_dialog_ids

// The three texts of the flow calculator: the heating schedule's two temperatures and the heat
// load, as typed.
struct HeatLoadTexts {
  QString supplyTemperature;
  QString returnTemperature;
  QString heatPower;
};

// "Расчет расхода по тепловой нагрузке": the water flow from a heat load and the two
// temperatures of the heating schedule. "OK" closes the dialog unless the temperatures are
// equal (no finite flow) or the flow is out of range, which a message explains. A text that
// is not a number reads as 0.
class HeatLoadFlowDialog : public ModalDialog {
 public:
  explicit HeatLoadFlowDialog(HeatLoadTexts texts);

  DialogTemplate Template() const override;
  void Initialise(DialogControls& controls) override;

  // After "OK": the texts as confirmed and the flow, m³/h.
  const HeatLoadTexts& Texts() const { return texts_; }
  float Flow() const { return flow_; }

 private:
  void OnOk(DialogControls& controls);

  HeatLoadTexts texts_;
  float flow_ = 0;
};

// "Расчитать" beside the flow (1020): opens the dialog with the kept texts; on "OK" keeps the
// confirmed texts, writes the flow into 1018 with "%.2f" and selects unit entry 0 ("м³/ч").
void OnFlowFromHeatLoad(FormControls& form, FormState& state);

}  // namespace selvio
