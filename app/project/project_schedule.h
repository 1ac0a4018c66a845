#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

#include "app/project/project.h"
#include "output/schedule.h"

namespace selvio {

// The schedule's row of a position (`number` from 1): the medium, the flow and ΔP (for steam the
// relative drop δ) as typed with the units chosen for them, and what the position showed. Figures
// the calculation did not give are missing: all of them for refused inputs, all but Kv when no
// product was found.
ScheduleRow ScheduleRowOf(const ProjectPosition& position, int number);

// The rows of every position and the order list.
Schedule ScheduleOf(const Project& project);

// The schedule written to `path` in the format its suffix names: ".odt", ".pdf" or ".csv"
// (case ignored), whole or not at all (WriteFileWhole, following a link to a file; a dangling
// link is refused). `projectName` heads the documents. The Russian message when nothing could be
// written, the previous file then as it was, or the suffix names no format.
std::optional<QString> ExportSchedule(const Project& project, const QString& projectName,
                                      const QString& path, const QDateTime& when);

// Whether ExportSchedule knows the suffix of `path`.
bool IsScheduleFormat(const QString& path);

}  // namespace selvio
