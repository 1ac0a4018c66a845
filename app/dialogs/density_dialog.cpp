#include "app/dialogs/density_dialog.h"

#include <QCoreApplication>
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

// The messages of one glycol: a bound the point crosses (the bound fills "%1"), and a missing
// table (its file fills "%1").
struct GlycolMessages {
  const char* temperatureBelow;
  const char* temperatureAbove;
  const char* concentrationBelow;
  const char* concentrationAbove;
  const char* noTable;
};

constexpr GlycolMessages kEthyleneMessages = {
    QT_TRANSLATE_NOOP("DensityCalculatorDialog",
                      "Температура этиленгликоля не может быть ниже %1 градусов."),
    QT_TRANSLATE_NOOP("DensityCalculatorDialog",
                      "Температура этиленгликоля не может быть выше %1 градусов."),
    QT_TRANSLATE_NOOP("DensityCalculatorDialog",
                      "Концентрация этиленгликоля не может быть ниже %1%."),
    QT_TRANSLATE_NOOP("DensityCalculatorDialog",
                      "Концентрация этиленгликоля не может быть выше %1%."),
    QT_TRANSLATE_NOOP("DensityCalculatorDialog",
                      "Нет таблицы плотности этиленгликоля (файл %1). Пожалуйста, переустановите "
                      "программу."),
};

constexpr GlycolMessages kPropyleneMessages = {
    QT_TRANSLATE_NOOP("DensityCalculatorDialog",
                      "Температура пропиленгликоля не может быть ниже %1 градусов."),
    QT_TRANSLATE_NOOP("DensityCalculatorDialog",
                      "Температура пропиленгликоля не может быть выше %1 градусов."),
    QT_TRANSLATE_NOOP("DensityCalculatorDialog",
                      "Концентрация пропиленгликоля не может быть ниже %1%."),
    QT_TRANSLATE_NOOP("DensityCalculatorDialog",
                      "Концентрация пропиленгликоля не может быть выше %1%."),
    QT_TRANSLATE_NOOP("DensityCalculatorDialog",
                      "Нет таблицы плотности пропиленгликоля (файл %1). Пожалуйста, "
                      "переустановите программу."),
};

QString Message(const char* source, const QString& filling) {
  return QCoreApplication::translate("DensityCalculatorDialog", source).arg(filling);
}

QString Bound(float bound) { return FormatC("%d", static_cast<int>(bound)); }

// The message of the first bound the point crosses, in the order temperature below, above,
// concentration below, above; the bounds themselves are inside.
std::optional<QString> RangeMessage(const PropertyTable& table, const GlycolMessages& messages,
                                    float temperature, float concentration) {
  const float lowTemperature = AxisFront(table.secondAxis);
  const float highTemperature = AxisBack(table.secondAxis);
  const float lowConcentration = AxisFront(table.firstAxis);
  const float highConcentration = FirstAxisMaximum(table);
  if (temperature < lowTemperature) {
    return Message(messages.temperatureBelow, Bound(lowTemperature));
  }
  if (temperature > highTemperature) {
    return Message(messages.temperatureAbove, Bound(highTemperature));
  }
  if (concentration < lowConcentration) {
    return Message(messages.concentrationBelow, Bound(lowConcentration));
  }
  if (concentration > highConcentration) {
    return Message(messages.concentrationAbove, Bound(highConcentration));
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
          QCoreApplication::translate("DensityCalculatorDialog", "Расчет плотности"),
          {{kEthylene, ControlType::Radio,
            QCoreApplication::translate("DensityCalculatorDialog", "Этиленгликоль"), 0, 0, 3},
           {kPropylene, ControlType::Radio,
            QCoreApplication::translate("DensityCalculatorDialog", "Пропиленгликоль"), 1, 0, 3},
           {kTemperatureCaption, ControlType::Label,
            QCoreApplication::translate("DensityCalculatorDialog", "Температура:"), 2, 0},
           {kTemperature, ControlType::Edit, {}, 2, 1},
           {kTemperatureUnit, ControlType::Label,
            QCoreApplication::translate("DensityCalculatorDialog", "°С"), 2, 2},
           {kConcentrationCaption, ControlType::Label,
            QCoreApplication::translate("DensityCalculatorDialog", "Концентрация:"), 3, 0},
           {kConcentration, ControlType::Edit, {}, 3, 1},
           {kConcentrationUnit, ControlType::Label, QStringLiteral("%"), 3, 2},
           {ids::kOk, ControlType::Button,
            QCoreApplication::translate("DensityCalculatorDialog", "Расчитать"), 4, 1},
           {ids::kCancel, ControlType::Button,
            QCoreApplication::translate("DensityCalculatorDialog", "Отмена"), 4, 2}},
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
  const GlycolMessages& messages = ethylene ? kEthyleneMessages : kPropyleneMessages;
  if (const std::optional<QString> message =
          RangeMessage(table, messages, temperature, concentration)) {
    controls.ShowMessage(*message);
    return;
  }
  // An unloaded table lets 0 °C and 0 % through its empty axes; it has no density to give.
  if (table.firstCount == 0 || table.secondCount == 0) {
    controls.ShowMessage(Message(
        messages.noTable, QString::fromUtf8(ethylene ? working_files::kEthyleneGlycolTable
                                                     : working_files::kPropyleneGlycolTable)));
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
