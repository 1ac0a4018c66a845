#include "app/form/units.h"

#include <QCoreApplication>

#include "app/form/control_ids.h"

namespace selvio {

QStringList PressureUnits() {
  return {QString::fromUtf8(QT_TRANSLATE_NOOP("Units", "Бар")),
          QString::fromUtf8(QT_TRANSLATE_NOOP("Units", "кПа")),
          QString::fromUtf8(QT_TRANSLATE_NOOP("Units", "кгс/см²"))};
}

QStringList TemperatureUnits() { return {QString::fromUtf8("°C")}; }

QStringList VolumeFlowUnits() {
  return {QString::fromUtf8(QT_TRANSLATE_NOOP("Units", "м³/ч")),
          QString::fromUtf8(QT_TRANSLATE_NOOP("Units", "л/ч")),
          QString::fromUtf8(QT_TRANSLATE_NOOP("Units", "л/с"))};
}

QStringList MassFlowUnits() {
  return {QString::fromUtf8(QT_TRANSLATE_NOOP("Units", "т/ч")),
          QString::fromUtf8(QT_TRANSLATE_NOOP("Units", "кг/ч")),
          QString::fromUtf8(QT_TRANSLATE_NOOP("Units", "кг/с"))};
}

QStringList SignalTypes() {
  return {QString::fromUtf8(QT_TRANSLATE_NOOP("Units", "0-10 B")),
          QString::fromUtf8(QT_TRANSLATE_NOOP("Units", "2-10 B")),
          QString::fromUtf8(QT_TRANSLATE_NOOP("Units", "0-20 мА")),
          QString::fromUtf8(QT_TRANSLATE_NOOP("Units", "4-20 мА"))};
}

QString ShownUnit(const QString& unit) {
  return QCoreApplication::translate("Units", unit.toUtf8().constData());
}

QStringList ShownUnits(const QStringList& units) {
  QStringList shown;
  for (const QString& unit : units) shown << ShownUnit(unit);
  return shown;
}

void FillList(FormControls& controls, int id, const QStringList& entries, int selected) {
  controls.ClearList(id);
  for (const QString& entry : entries) controls.AppendListEntry(id, entry);
  controls.SelectListEntry(id, selected);
}

void FillUnitLists(FormControls& controls) {
  for (int id : {ids::kP1Unit, ids::kP2Unit, ids::kDropUnit, ids::kSettingUnit}) {
    FillList(controls, id, ShownUnits(PressureUnits()), 0);
  }
  FillList(controls, ids::kTemperatureUnit, ShownUnits(TemperatureUnits()), 0);
  FillList(controls, ids::kFlowUnit, ShownUnits(VolumeFlowUnits()), 0);
  FillList(controls, ids::kSignalType, ShownUnits(SignalTypes()), 0);
}

void RefillFlowUnits(FormControls& controls, const QStringList& entries) {
  const int selected = controls.SelectedIndex(ids::kFlowUnit);
  FillList(controls, ids::kFlowUnit, ShownUnits(entries), selected);
}

}  // namespace selvio
