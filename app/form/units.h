#pragma once

#include <QStringList>

#include "platform/form_controls.h"

// The unit lists of the selection form: their entries in order and how they are filled.
// What is stored and read is always the index of the selected entry. The lists below give the
// units' names as files and the batch CSV write them, whatever the language (the Russian source
// texts); the form and the documents show them as the user's language writes them (ShownUnits).
namespace selvio {

// Lists 1011, 1013, 1017, 1025: "Бар", "кПа", "кгс/см²".
QStringList PressureUnits();
// List 1015: the single entry "°C".
QStringList TemperatureUnits();
// List 1019 for water and glycol: "м³/ч", "л/ч", "л/с".
QStringList VolumeFlowUnits();
// List 1019 for steam: "т/ч", "кг/ч", "кг/с".
QStringList MassFlowUnits();
// List 1037, analogue signal types: "0-10 B", "2-10 B" (Latin B), "0-20 мА", "4-20 мА".
QStringList SignalTypes();

// `unit` (one of the names above) as the language in use writes it: "bar" for "Бар".
QString ShownUnit(const QString& unit);
QStringList ShownUnits(const QStringList& units);

// Empties list `id`, appends `entries` in order and selects `selected` (none when it is outside).
void FillList(FormControls& controls, int id, const QStringList& entries, int selected);

// Start-up filling: 1011, 1013, 1017, 1025, then 1015, 1019 (volume flow) and 1037, each with
// entry 0 selected, in the language in use.
void FillUnitLists(FormControls& controls);

// Refills the flow list 1019 with `entries` (shown in the language in use) keeping the index of its
// selection, so the unit at the same position stays selected ("л/ч" becomes "кг/ч"); no selection
// stays no selection.
void RefillFlowUnits(FormControls& controls, const QStringList& entries);

}  // namespace selvio
