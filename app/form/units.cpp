#include "app/form/units.h"

#include "app/form/control_ids.h"

namespace selvio {

QStringList PressureUnits() {
  return {QString::fromUtf8("Бар"), QString::fromUtf8("кПа"), QString::fromUtf8("кгс/см²")};
}

QStringList TemperatureUnits() { return {QString::fromUtf8("°C")}; }

QStringList VolumeFlowUnits() {
  return {QString::fromUtf8("м³/ч"), QString::fromUtf8("л/ч"), QString::fromUtf8("л/с")};
}

QStringList MassFlowUnits() {
  return {QString::fromUtf8("т/ч"), QString::fromUtf8("кг/ч"), QString::fromUtf8("кг/с")};
}

QStringList SignalTypes() {
  return {QString::fromUtf8("0-10 B"), QString::fromUtf8("2-10 B"), QString::fromUtf8("0-20 мА"),
          QString::fromUtf8("4-20 мА")};
}

void FillList(FormControls& controls, int id, const QStringList& entries, int selected) {
  controls.ClearList(id);
  for (const QString& entry : entries) controls.AppendListEntry(id, entry);
  controls.SelectListEntry(id, selected);
}

void FillUnitLists(FormControls& controls) {
  for (int id : {ids::kP1Unit, ids::kP2Unit, ids::kDropUnit, ids::kSettingUnit}) {
    FillList(controls, id, PressureUnits(), 0);
  }
  FillList(controls, ids::kTemperatureUnit, TemperatureUnits(), 0);
  FillList(controls, ids::kFlowUnit, VolumeFlowUnits(), 0);
  FillList(controls, ids::kSignalType, SignalTypes(), 0);
}

void RefillFlowUnits(FormControls& controls, const QStringList& entries) {
  const int selected = controls.SelectedIndex(ids::kFlowUnit);
  FillList(controls, ids::kFlowUnit, entries, selected);
}

}  // namespace selvio
