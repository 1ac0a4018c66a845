#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "app/project/project.h"
#include "app/project/shown_selection.h"
#include "catalogue/catalogue_records.h"
#include "engine/saturation_table.h"

namespace selvio {

// One position sized again: what it shows now and how that differs from what it showed.
struct PositionRecheck {
  int position = 0;  // index in the project
  SelectionChange change = SelectionChange::None;
  ShownSelection recalculated;
  QString message;  // the calculation's message (a refusal or the outcome's), empty when none
};

struct RecheckReport {
  int revision = 0;                        // the project's revision the re-check was made for
  bool completed = false;                  // false when it was cancelled
  std::vector<PositionRecheck> positions;  // those re-checked, in the project's order

  // The indices into `positions` of those that changed.
  std::vector<int> Changed() const;
};

// Progress and cancellation of a re-check; either may be left empty. Both are called on the
// thread that runs the re-check, between two positions.
struct RecheckHooks {
  std::function<void(int done, int total)> progress;  // after each position
  std::function<bool()> cancelled;                    // before each position; true stops
};

// Sizes `inputs` as the form does after "Открыть" of them and "Расчет" (the request captured as
// a freshly started form captures it), then shows the product `previous` showed when the lists
// still hold it. `result` is the storage of the calculation, reused between calls: it is put
// back as a fresh one first, so nothing of one call shows in the next.
ShownSelection RecalculateSelection(const SettingsRecord& inputs, const ShownSelection& previous,
                                    const Catalogue& catalogue, const SaturationTable& saturation,
                                    SelectionResult& result);

// Re-checks every position of `project` on `catalogue` without a form. It only reads its
// arguments, so it may run on another thread while nothing changes them.
RecheckReport RecheckProject(const Project& project, int revision, const Catalogue& catalogue,
                             const SaturationTable& saturation, const RecheckHooks& hooks = {});

// How a position changed, in Russian for the user: "без изменений", "другое изделие: А → Б",
// "ничего не подобрано: <message>", "другие значения: Kv 3,20 → 3,25; ...".
QString RecheckDescription(const ShownSelection& before, const PositionRecheck& recheck);

}  // namespace selvio
