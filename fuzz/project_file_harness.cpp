// Project files over any bytes: a file read is written again and reads back the same, its
// schedule is made, and its first position is put into the form and calculated.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "app/form/control_ids.h"
#include "app/project/position_form.h"
#include "app/project/project_file.h"
#include "app/project/project_schedule.h"
#include "fuzz/harness_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace selvio;
  const QString path = fuzz::WriteInput(QStringLiteral("fuzzed.selvio"), data, size);
  const ReadProject read = ReadProjectFile(path);
  if (!read.project) {
    if (read.error.isEmpty()) std::abort();
    return 0;
  }
  const Project& project = *read.project;
  const ReadProject again = ParseProjectFile(ProjectFileBytes(project));
  if (!again.project || again.project->positions.size() != project.positions.size()) {
    std::fprintf(stderr, "written back, the project reads differently\n");
    std::abort();
  }
  for (std::size_t i = 0; i < project.positions.size(); ++i) {
    if (!SamePosition(again.project->positions[i], project.positions[i])) {
      std::fprintf(stderr, "written back, position %zu reads differently\n", i + 1);
      std::abort();
    }
  }
  if (ScheduleCsv(ScheduleOf(project)).isEmpty()) std::abort();
  if (!project.positions.empty()) {
    fuzz::HeadlessForm& form = fuzz::SharedForm();
    RestorePosition(form.view, project.positions.front());
    form.controls.ClearMessages();
    fuzz::RequireFinitePanels(form.controls, {ids::kRegulatorValues, ids::kCalculatedData});
  }
  return 0;
}
