#include "app/project/recheck.h"

#include <QCoreApplication>
#include <QStringList>

#include "app/form/request_capture.h"
#include "engine/selection.h"
#include "output/schedule.h"
#include "words/selection_words.h"

namespace selvio {
namespace {

// The products of a selection on one line: product, actuator and controller kit.
QString ProductsText(const ShownSelection& s) {
  if (!s.HasProduct()) return QCoreApplication::translate("Recheck", "ничего");
  QStringList names{s.product};
  if (!s.actuatorName.isEmpty()) names << s.actuatorName;
  if (!s.controller.isEmpty()) names << s.controller;
  return names.join(QStringLiteral(" + "));
}

void AddFigure(QStringList& changes, const char* name, const QString& before,
               const QString& after) {
  if (before != after) changes << QString::fromUtf8(name) + ' ' + before + " → " + after;
}

QString FiguresText(const ShownSelection& a, const ShownSelection& b) {
  QStringList changes;
  AddFigure(changes, "Kvs", ScheduleFigureText(a.kvs), ScheduleFigureText(b.kvs));
  AddFigure(changes, "Kv", ScheduleFigureText(a.kv), ScheduleFigureText(b.kv));
  AddFigure(changes, "dPv", ScheduleFigureText(a.dpv), ScheduleFigureText(b.dpv));
  AddFigure(changes, "V", ScheduleVelocityText(a.velocity), ScheduleVelocityText(b.velocity));
  if (a.cavitation != b.cavitation) {
    changes << (b.cavitation ? QCoreApplication::translate("Recheck", "возможна кавитация")
                             : QCoreApplication::translate("Recheck", "кавитации нет"));
  }
  return changes.join(QStringLiteral("; "));
}

}  // namespace

std::vector<int> RecheckReport::Changed() const {
  std::vector<int> changed;
  for (std::size_t i = 0; i < positions.size(); ++i) {
    if (positions[i].change != SelectionChange::None) changed.push_back(static_cast<int>(i));
  }
  return changed;
}

ShownSelection RecalculateSelection(const SettingsRecord& inputs, const ShownSelection& previous,
                                    const Catalogue& catalogue, const SaturationTable& saturation,
                                    SelectionResult& result) {
  ResetSelectionResult(result);
  const CapturedRequest captured = CaptureRequest(inputs, SelectionRequest{});
  if (captured.refusal) {
    RefuseSelection(result, *captured.refusal);
    return ShownSelectionOf(result, inputs);
  }
  RunSelection(captured.request, catalogue, saturation, result);
  if (const std::optional<CandidateChoice> choice = FindShownChoice(result, previous);
      choice &&
      (choice->candidate != result.shownCandidate || choice->actuator != result.shownActuator) &&
      HoldsChoice(result, *choice)) {
    ShowCandidate(result, captured.request, saturation, *choice);
  }
  return ShownSelectionOf(result, inputs);
}

RecheckReport RecheckProject(const Project& project, int revision, const Catalogue& catalogue,
                             const SaturationTable& saturation, const RecheckHooks& hooks) {
  RecheckReport report;
  report.revision = revision;
  const int total = static_cast<int>(project.positions.size());
  report.positions.reserve(project.positions.size());
  SelectionResult result;
  for (int index = 0; index < total; ++index) {
    if (hooks.cancelled && hooks.cancelled()) return report;
    const ProjectPosition& position = project.positions[static_cast<std::size_t>(index)];
    PositionRecheck recheck;
    recheck.position = index;
    recheck.recalculated =
        RecalculateSelection(position.inputs, position.shown, catalogue, saturation, result);
    recheck.change = CompareSelections(position.shown, recheck.recalculated);
    recheck.message = SelectionMessageText(result.message);
    report.positions.push_back(std::move(recheck));
    if (hooks.progress) hooks.progress(index + 1, total);
  }
  report.completed = true;
  return report;
}

QString RecheckDescription(const ShownSelection& before, const PositionRecheck& recheck) {
  switch (recheck.change) {
    case SelectionChange::None:
      return QCoreApplication::translate("Recheck", "без изменений");
    case SelectionChange::OtherProduct:
      return QCoreApplication::translate("Recheck", "другое изделие: %1 → %2")
          .arg(ProductsText(before), ProductsText(recheck.recalculated));
    case SelectionChange::NothingFound: {
      QString message = recheck.message;
      message.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
      message.replace(QLatin1Char('\n'), QLatin1Char(' '));
      return message.isEmpty()
                 ? QCoreApplication::translate("Recheck", "ничего не подобрано")
                 : QCoreApplication::translate("Recheck", "ничего не подобрано: %1").arg(message);
    }
    case SelectionChange::DifferentFigures:
      return QCoreApplication::translate("Recheck", "другие значения: %1")
          .arg(FiguresText(before, recheck.recalculated));
  }
  return {};
}

}  // namespace selvio
