#pragma once

#include <QDateTime>
#include <QSet>
#include <QString>
#include <optional>
#include <utility>

#include "app/project/project.h"
#include "catalogue/catalogue_records.h"
#include "output/schedule.h"

namespace selvio {

// The products (by name and DN) and the actuators a catalogue holds, to tell which a project's
// positions name that it does not: a project received from another workplace may have been
// sized on another catalogue.
class CatalogueNames {
 public:
  explicit CatalogueNames(const Catalogue& catalogue);
  bool HoldsProduct(const QString& name, const QString& dn) const;
  bool HoldsActuator(const QString& name) const;

 private:
  QSet<std::pair<QString, QString>> products_;
  QSet<QString> actuators_;
};

// The schedule's row of a position (`number` from 1): the medium, the flow and ΔP (for steam the
// relative drop δ) as typed with the units chosen for them, and what the position showed. Figures
// the calculation did not give are missing: all of them for refused inputs, all but Kv when no
// product was found. With `catalogue`, a product or actuator it does not hold is marked so.
ScheduleRow ScheduleRowOf(const ProjectPosition& position, int number,
                          const CatalogueNames* catalogue = nullptr);

// The rows of every position and the order list, marked against `catalogue` when given.
Schedule ScheduleOf(const Project& project, const Catalogue* catalogue = nullptr);

// The schedule written to `path` in the format its suffix names: ".odt", ".pdf" or ".csv"
// (case ignored), whole or not at all (WriteFileWhole, following a link to a file; a dangling
// link is refused), its products and actuators marked when `catalogue` does not hold them.
// `projectName` heads the documents. The Russian message when nothing could be written, the
// previous file then as it was, or the suffix names no format.
std::optional<QString> ExportSchedule(const Project& project, const QString& projectName,
                                      const QString& path, const QDateTime& when,
                                      const Catalogue* catalogue = nullptr);

// Whether ExportSchedule knows the suffix of `path`.
bool IsScheduleFormat(const QString& path);

}  // namespace selvio
