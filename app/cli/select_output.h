#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>

#include "app/form/selection_form.h"

namespace selvio {

// The form after "Расчет" (and a confirmed choice) as one JSON object: "messages" (the message
// boxes shown), "outcome", "kv", "dpv", "velocity", "psat" (null where not finite),
// "candidates" (of the filled list, each with "name", "dn_text", "kvs" and "actuators" in the
// candidate dialog's order), "shown_candidate", "shown_actuator", "panels" (texts of the value
// blocks keyed by control id: 1085 and 1089 always, 1088, 1094, 1092 and 1096 when shown),
// "report" and "check" (the check of the product shown, see CheckJson).
QJsonObject SelectionJson(const SelectionForm& view, const QStringList& messages);

// The same for people: the message boxes, the outcome, the four result areas with their
// labels beside the values, the candidate list, the report and the check of the product shown.
// Lines end with "\n".
QString SelectionText(const SelectionForm& view, const QStringList& messages);

}  // namespace selvio
