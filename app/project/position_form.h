#pragma once

#include <QString>
#include <optional>

#include "app/form/selection_form.h"
#include "app/project/project.h"
#include "app/project/shown_selection.h"

// A project's positions and the selection form: taking the form's calculated selection into a
// position, and putting a position back into the form.
namespace selvio {

// The form's last calculation as a position: the inputs "Расчет" captured (not the controls as
// they stand now, which may have been edited since) and what the form shows of its result.
// Nothing before the first calculation. The panel's "Добавить" and "Заменить".
std::optional<ProjectPosition> CaptureFormPosition(const SelectionForm& view, const QString& label,
                                                   int quantity = 1);

// "В форму": sets the form from the position's inputs as "Открыть" does, presses "Расчет" and
// shows the product and actuator the position showed, as a confirmed "Другая конфигурация"
// would, when the lists still hold them (found by name when their places changed). Returns how
// what the form shows now differs from what the position showed.
SelectionChange RestorePosition(SelectionForm& view, const ProjectPosition& position);

}  // namespace selvio
