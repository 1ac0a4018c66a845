#include "app/cli/select_output.h"

#include <QJsonArray>
#include <QJsonValue>
#include <algorithm>
#include <cmath>
#include <vector>

#include "app/cli/check_json.h"
#include "app/form/control_ids.h"
#include "app/form/control_inventory.h"
#include "app/form/fixed_text_ids.h"
#include "app/form/result_drawing.h"
#include "output/candidate_entries.h"
#include "output/check_texts.h"
#include "output/value_text.h"
#include "platform/c_numbers.h"

namespace selvio {
namespace {

constexpr const char* kLineBreak = "\r\n";

// The lines of a label block of the form, as its inventory gives them.
QStringList LabelLines(int labelBlock) {
  const ControlEntry* entry = FindControlEntry(labelBlock);
  return QString::fromUtf8(entry ? entry->text : "").split(QString::fromLatin1(kLineBreak));
}

// A single-precision value widened to double; null when not finite.
QJsonValue JsonNumber(float value) {
  const double widened = value;
  return std::isfinite(widened) ? QJsonValue(widened) : QJsonValue(QJsonValue::Null);
}

QString OutcomeDescription(SelectionOutcome outcome) {
  switch (outcome) {
    case Found:
      return QString::fromUtf8("подобрано");
    case NothingFound:
      return QString::fromUtf8("ничего не подобрано");
    case NoActuator:
      return QString::fromUtf8("клапаны есть, привода нет");
    case InvalidInput:
      return QString::fromUtf8("исходные данные отклонены");
  }
  return {};
}

// Label lines beside value lines, the labels padded to one width. Empty lines at the end of
// the values, past the last label, are line breaks that end the block and are left out.
void AppendLabelledLines(QString& text, const QStringList& labels, const QString& values) {
  QStringList lines = values.split(QString::fromLatin1(kLineBreak));
  while (lines.size() > labels.size() && lines.last().isEmpty()) lines.removeLast();
  qsizetype width = 0;
  for (const QString& label : labels) width = std::max(width, label.size());
  const qsizetype rows = std::max(labels.size(), lines.size());
  for (qsizetype i = 0; i < rows; ++i) {
    QString line = QStringLiteral("  ") + labels.value(i).leftJustified(width) +
                   QStringLiteral("  ") + lines.value(i);
    while (line.endsWith(QLatin1Char(' '))) line.chop(1);
    text += line + QLatin1Char('\n');
  }
}

// One framed area of the form: its caption, then the shown label block (0 for none) beside
// its values, or a note that the area is empty.
void AppendArea(QString& text, const char* caption, int labelBlock, const QString& values) {
  text += QString::fromUtf8(caption) + QStringLiteral(":\n");
  if (labelBlock == 0 || values.isEmpty()) {
    text += QString::fromUtf8("  (пусто)\n");
    return;
  }
  AppendLabelledLines(text, LabelLines(labelBlock), values);
}

// Each line of `block` indented by two spaces; a final line feed ends the last line.
QString Indented(QString block) {
  if (block.endsWith(QLatin1Char('\n'))) block.chop(1);
  QString text;
  for (const QString& line : block.split(QLatin1Char('\n'))) {
    text += line.isEmpty() ? QStringLiteral("\n") : QStringLiteral("  ") + line + QLatin1Char('\n');
  }
  return text;
}

void AppendMessages(QString& text, const QStringList& messages) {
  if (messages.isEmpty()) {
    text += QString::fromUtf8("Сообщения: нет\n");
    return;
  }
  text += QString::fromUtf8("Сообщения:\n");
  for (qsizetype i = 0; i < messages.size(); ++i) {
    QString message = messages[i];
    message.replace(QString::fromLatin1(kLineBreak), QStringLiteral("\n"));
    message.replace(QStringLiteral("\n"), QStringLiteral("\n     "));
    text += FormatC("  %2d. ", static_cast<int>(i + 1)) + message + QLatin1Char('\n');
  }
}

void AppendCandidates(QString& text, const SelectionResult& result) {
  const std::vector<CandidateEntry> entries = CandidateEntries(result);
  text += QString::fromUtf8("Подходящие клапаны:");
  if (entries.empty()) {
    text += QString::fromUtf8(" нет\n");
    return;
  }
  text += QLatin1Char('\n');
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const CandidateEntry& entry = entries[i];
    const bool shown = static_cast<int>(i) == result.shownCandidate;
    text += FormatC("%s %2d. ", shown ? "*" : " ", static_cast<int>(i)) + entry.name +
            QLatin1Char('-') + entry.dnText + QStringLiteral("  Kvs ") +
            FormatNumber("%.2f", entry.kvs) + QLatin1Char('\n');
    if (entry.actuators.isEmpty()) continue;
    text += QString::fromUtf8("       Подходящие приводы:");
    for (qsizetype k = 0; k < entry.actuators.size(); ++k) {
      const bool actuatorShown = shown && k == result.shownActuator;
      text += FormatC(" %s%d. ", actuatorShown ? "*" : "", static_cast<int>(k)) +
              entry.actuators[k] +
              (k + 1 < entry.actuators.size() ? QStringLiteral(";") : QString());
    }
    text += QLatin1Char('\n');
  }
  text += QString::fromUtf8("  (* — показанные на форме)\n");
}

}  // namespace

QJsonObject SelectionJson(const SelectionForm& view, const QStringList& messages) {
  const SelectionResult& result = view.Result();
  const ResultView& shown = view.ShownView();
  QJsonArray candidates;
  for (const CandidateEntry& entry : CandidateEntries(result)) {
    candidates.append(
        QJsonObject{{QStringLiteral("name"), entry.name},
                    {QStringLiteral("dn_text"), entry.dnText},
                    {QStringLiteral("kvs"), JsonNumber(entry.kvs)},
                    {QStringLiteral("actuators"), QJsonArray::fromStringList(entry.actuators)}});
  }
  QJsonObject panels{{QString::number(ids::kRegulatorValues), shown.productValues},
                     {QString::number(ids::kCalculatedData), shown.calculatedData}};
  if (shown.actuator != ActuatorBlock::None) {
    panels.insert(QString::number(ActuatorValuesId(shown.actuator)), shown.actuatorValues);
  }
  if (shown.controllerShown) {
    panels.insert(QString::number(ids::kControllerValues), shown.controllerValues);
  }
  return {
      {QStringLiteral("messages"), QJsonArray::fromStringList(messages)},
      {QStringLiteral("outcome"), static_cast<int>(result.outcome)},
      {QStringLiteral("kv"), JsonNumber(result.kv)},
      {QStringLiteral("dpv"), JsonNumber(result.dpv)},
      {QStringLiteral("velocity"), JsonNumber(result.velocity)},
      {QStringLiteral("psat"), JsonNumber(result.psat)},
      {QStringLiteral("candidates"), candidates},
      {QStringLiteral("shown_candidate"), result.shownCandidate},
      {QStringLiteral("shown_actuator"), result.shownActuator},
      {QStringLiteral("panels"), panels},
      {QStringLiteral("report"), view.Report()},
      {QStringLiteral("check"), CheckJson(result.check)},
  };
}

QString SelectionText(const SelectionForm& view, const QStringList& messages) {
  const SelectionResult& result = view.Result();
  const ResultView& shown = view.ShownView();
  QString text;
  AppendMessages(text, messages);
  text += FormatC("Исход расчета: %d (", static_cast<int>(result.outcome)) +
          OutcomeDescription(result.outcome) + QStringLiteral(")\n\n");

  AppendArea(text, "Результат подбора регулятора", ProductLabelsId(shown.productLabels),
             shown.productValues);
  AppendArea(text, "Результат подбора привода", ActuatorLabelsId(shown.actuator),
             shown.actuatorValues);
  AppendArea(text, "Результат подбора автоматики",
             shown.controllerShown ? ids::kControllerLabels : 0, shown.controllerValues);
  text += QString::fromUtf8("Расчетные данные:\n");
  AppendLabelledLines(text, LabelLines(ids::kCalculatedDataLabels), shown.calculatedData);
  text += QLatin1Char('\n');

  AppendCandidates(text, result);
  text += QLatin1Char('\n');

  const QString report = view.Report();
  text += QString::fromUtf8("Отчет:\n");
  text += report.isEmpty() ? QString::fromUtf8("  (пусто)\n") : Indented(report);
  text += QLatin1Char('\n') + QString::fromUtf8(kCheckHeading) + QStringLiteral(":\n");
  text +=
      result.check ? Indented(CheckSectionText(*result.check)) : QString::fromUtf8("  (пусто)\n");
  return text;
}

}  // namespace selvio
