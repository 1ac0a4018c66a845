#pragma once

#include <QString>

#include "app/files/glycol_tables.h"
#include "platform/modal_dialog.h"

namespace selvio {

// Controls of the dialog "Расчет плотности" (133), in its own id space; 1 "Расчитать" and
// 2 "Отмена" are its keys.
namespace density_dialog_ids {
inline constexpr int kEthylene = 1115;       // "Этиленгликоль"
inline constexpr int kPropylene = 1118;      // "Пропиленгликоль"
inline constexpr int kTemperature = 1014;    // °C
inline constexpr int kConcentration = 1121;  // % glycol
inline constexpr int kTemperatureCaption = 1201;
inline constexpr int kTemperatureUnit = 1202;
inline constexpr int kConcentrationCaption = 1203;
inline constexpr int kConcentrationUnit = 1204;
}  // namespace density_dialog_ids

// The density field's value, kg/m³, for a density in t/m³: ρ·1000 truncated toward zero
// (the product taken in single precision, as the table holds its values).
int DensityFieldValue(float densityTonnesPerCubicMetre);

// "Расчет плотности": the density of an ethylene- or propylene-glycol solution at a
// temperature and concentration, read from the glycol tables. "Расчитать" closes the dialog
// only when both lie inside the chosen table; otherwise a message names the bound crossed.
// A text that is not a number reads as 0.
class DensityCalculatorDialog : public ModalDialog {
 public:
  DensityCalculatorDialog(const GlycolTables& tables, QString temperatureText);

  DialogTemplate Template() const override;
  void Initialise(DialogControls& controls) override;

  // After "Расчитать": the interpolated density, t/m³; 0 until then.
  float Density() const { return density_; }

 private:
  void OnCalculate(DialogControls& controls);

  const GlycolTables& tables_;
  QString temperatureText_;
  QString concentrationText_ = QStringLiteral("10");
  float density_ = 0;
};

// "Расчитать" beside the density (1058): opens the dialog with the form's temperature and 10 %;
// on "Расчитать" the density field 1073 gets the density in kg/m³.
void OnDensityCalc(FormControls& form, const GlycolTables& tables);

}  // namespace selvio
