#include "app/dialogs/density_dialog.h"

#include <optional>
#include <utility>
#include <vector>

#include "app/form/control_ids.h"
#include "platform/c_numbers.h"
#include "platform/working_files.h"

namespace selvio {
namespace {

// An axis's first and last value; an empty axis reads as 0 at both ends.
float AxisFront(const std::vector<float>& axis) { return axis.empty() ? 0.0f : axis.front(); }
float AxisBack(const std::vector<float>& axis) { return axis.empty() ? 0.0f : axis.back(); }

// The message of the first bound the point crosses, in the order temperature below, above,
// concentration below, above; the bounds themselves are inside. `name` is the glycol in the
// genitive.
std::optional<QString> RangeMessage(const PropertyTable& table, const char* name, float temperature,
                                    float concentration) {
  const float lowTemperature = AxisFront(table.secondAxis);
  const float highTemperature = AxisBack(table.secondAxis);
  const float lowConcentration = AxisFront(table.firstAxis);
  const float highConcentration = FirstAxisMaximum(table);
  if (temperature < lowTemperature) {
    return FormatC("Температура %s не может быть ниже %d градусов.", name,
                   static_cast<int>(lowTemperature));
  }
  if (temperature > highTemperature) {
    return FormatC("Температура %s не может быть выше %d градусов.", name,
                   static_cast<int>(highTemperature));
  }
  if (concentration < lowConcentration) {
    return FormatC("Концентрация %s не может быть ниже %d%%.", name,
                   static_cast<int>(lowConcentration));
  }
  if (concentration > highConcentration) {
    return FormatC("Концентрация %s не может быть выше %d%%.", name,
                   static_cast<int>(highConcentration));
  }
  return std::nullopt;
}

}  // namespace

int DensityFieldValue(float densityTonnesPerCubicMetre) {
  return static_cast<int>(densityTonnesPerCubicMetre * 1000.0f);  // t/m³ to kg/m³
}

DensityCalculatorDialog::DensityCalculatorDialog(const GlycolTables& tables,
                                                 QString temperatureText)
    : tables_(tables), temperatureText_(std::move(temperatureText)) {}

DialogTemplate DensityCalculatorDialog::Template() const {
  using namespace density_dialog_ids;
  return {133,
          QString::fromUtf8("Расчет плотности"),
          {{kEthylene, ControlType::Radio, QString::fromUtf8("Этиленгликоль"), 0, 0, 3},
           {kPropylene, ControlType::Radio, QString::fromUtf8("Пропиленгликоль"), 1, 0, 3},
           {kTemperatureCaption, ControlType::Label, QString::fromUtf8("Температура:"), 2, 0},
           {kTemperature, ControlType::Edit, {}, 2, 1},
           {kTemperatureUnit, ControlType::Label, QString::fromUtf8("°С"), 2, 2},
           {kConcentrationCaption, ControlType::Label, QString::fromUtf8("Концентрация:"), 3, 0},
           {kConcentration, ControlType::Edit, {}, 3, 1},
           {kConcentrationUnit, ControlType::Label, QStringLiteral("%"), 3, 2},
           {ids::kOk, ControlType::Button, QString::fromUtf8("Расчитать"), 4, 1},
           {ids::kCancel, ControlType::Button, QString::fromUtf8("Отмена"), 4, 2}},
          ids::kOk,
          {{kEthylene, kPropylene}}};
}

void DensityCalculatorDialog::Initialise(DialogControls& controls) {
  using namespace density_dialog_ids;
  controls.SetChecked(kEthylene, true);
  controls.SetChecked(kPropylene, false);
  controls.SetText(kTemperature, temperatureText_);
  controls.SetText(kConcentration, concentrationText_);
  density_ = 0;

  controls.Bind(ids::kOk, [this, &controls] { OnCalculate(controls); });
}

void DensityCalculatorDialog::OnCalculate(DialogControls& controls) {
  using namespace density_dialog_ids;
  temperatureText_ = controls.Text(kTemperature);
  concentrationText_ = controls.Text(kConcentration);
  const float temperature = ScanFloat(temperatureText_).value_or(0.0f);      // °C
  const float concentration = ScanFloat(concentrationText_).value_or(0.0f);  // %

  const bool ethylene = controls.IsChecked(kEthylene);
  const PropertyTable& table = ethylene ? tables_.ethylene : tables_.propylene;
  const char* name = ethylene ? "этиленгликоля" : "пропиленгликоля";
  if (const std::optional<QString> message =
          RangeMessage(table, name, temperature, concentration)) {
    controls.ShowMessage(*message);
    return;
  }
  // An unloaded table lets 0 °C and 0 % through its empty axes; it has no density to give.
  if (table.firstCount == 0 || table.secondCount == 0) {
    controls.ShowMessage(FormatC(
        "Нет таблицы плотности %s (файл %s). Пожалуйста, переустановите "
        "программу.",
        name,
        ethylene ? working_files::kEthyleneGlycolTable : working_files::kPropyleneGlycolTable));
    return;
  }
  density_ = InterpolatePropertyTable(table, concentration, temperature);
  controls.EndDialog(true);
}

void OnDensityCalc(FormControls& form, const GlycolTables& tables) {
  DensityCalculatorDialog dialog(tables, form.Text(ids::kTemperature));
  if (!form.RunModalDialog(dialog)) return;
  form.SetText(ids::kDensity, FormatC("%d", DensityFieldValue(dialog.Density())));
}

}  // namespace selvio
