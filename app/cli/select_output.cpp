#include "app/cli/select_output.h"

#include <QJsonArray>
#include <QJsonValue>
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <vector>

#include "app/form/fixed_text_ids.h"
#include "output/selection_report.h"
#include "output/value_text.h"
#include "platform/c_numbers.h"
#include "platform/control_ids.h"

namespace selvio {
namespace {

// The value blocks the JSON object names, and whether each is there only while shown.
struct PanelBlock {
  int id;
  bool onlyWhenShown;
};
constexpr PanelBlock kPanelBlocks[] = {
    {ids::kRegulatorValues, false}, {ids::kCalculatedData, false},  {ids::kElectricValues, true},
    {ids::kPneumaticValues, true},  {ids::kThermostatValues, true}, {ids::kControllerValues, true},
};

constexpr const char* kLineBreak = "\r\n";

// One entry of the candidate dialog's left list with the labels of its right list.
struct CandidateEntry {
  QString name;
  QString dnText;
  float kvs = 0;
  QStringList actuators;
};

// The entries of the filled candidate list; a calculation fills at most one.
std::vector<CandidateEntry> CandidateEntries(const SelectionResult& result) {
  std::vector<CandidateEntry> entries;
  for (int i = 0; i < result.valveCandidateCount; ++i) {
    const ValveCandidate& c = result.valveCandidates[static_cast<std::size_t>(i)];
    CandidateEntry entry{c.valve.name, c.valve.dnText, c.valve.kvs, {}};
    for (int k = 0; k < c.electricActuatorCount; ++k) {
      entry.actuators << c.electricActuators[static_cast<std::size_t>(k)].variant;
    }
    for (int k = 0; k < c.pneumaticActuatorCount; ++k) {
      entry.actuators << c.pneumaticActuators[static_cast<std::size_t>(k)].name;
    }
    for (int k = 0; k < c.thermostatCount; ++k) {
      entry.actuators << c.thermostats[static_cast<std::size_t>(k)].name;
    }
    entries.push_back(entry);
  }
  if (!entries.empty()) return entries;
  const bool dp = result.dpRegulatorCandidateCount > 0;
  const std::vector<RegulatorCandidate>& list =
      dp ? result.dpRegulatorCandidates : result.reducingValveCandidates;
  const int count = dp ? result.dpRegulatorCandidateCount : result.reducingValveCandidateCount;
  for (int i = 0; i < count; ++i) {
    const RegulatorRecord& r = list[static_cast<std::size_t>(i)].regulator;
    entries.push_back({r.name, r.dnText, r.kvs, {}});
  }
  return entries;
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

// The first shown control of `ids`, or 0.
int FirstShown(const HeadlessControls& controls, std::initializer_list<int> candidates) {
  for (int id : candidates) {
    if (controls.IsShown(id)) return id;
  }
  return 0;
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

// One framed area of the form: its caption, then the shown label block beside its values, or
// a note that the area is empty.
void AppendArea(QString& text, const HeadlessControls& controls, const char* caption,
                int labelBlock, int valueBlock) {
  text += QString::fromUtf8(caption) + QStringLiteral(":\n");
  const bool shown = labelBlock != 0 && controls.IsShown(valueBlock);
  if (!shown || controls.Text(valueBlock).isEmpty()) {
    text += QString::fromUtf8("  (пусто)\n");
    return;
  }
  AppendLabelledLines(text, controls.Text(labelBlock).split(QString::fromLatin1(kLineBreak)),
                      controls.Text(valueBlock));
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

QJsonObject SelectionJson(const CSelvioView& view, const HeadlessControls& controls) {
  const SelectionResult& result = view.Result();
  QJsonArray candidates;
  for (const CandidateEntry& entry : CandidateEntries(result)) {
    candidates.append(
        QJsonObject{{QStringLiteral("name"), entry.name},
                    {QStringLiteral("dn_text"), entry.dnText},
                    {QStringLiteral("kvs"), JsonNumber(entry.kvs)},
                    {QStringLiteral("actuators"), QJsonArray::fromStringList(entry.actuators)}});
  }
  QJsonObject panels;
  for (const PanelBlock& block : kPanelBlocks) {
    if (block.onlyWhenShown && !controls.IsShown(block.id)) continue;
    panels.insert(QString::number(block.id), controls.Text(block.id));
  }
  return {
      {QStringLiteral("messages"), QJsonArray::fromStringList(controls.Messages())},
      {QStringLiteral("outcome"), static_cast<int>(result.outcome)},
      {QStringLiteral("kv"), JsonNumber(result.kv)},
      {QStringLiteral("dpv"), JsonNumber(result.dpv)},
      {QStringLiteral("velocity"), JsonNumber(result.velocity)},
      {QStringLiteral("psat"), JsonNumber(result.psat)},
      {QStringLiteral("candidates"), candidates},
      {QStringLiteral("shown_candidate"), result.shownCandidate},
      {QStringLiteral("shown_actuator"), result.shownActuator},
      {QStringLiteral("panels"), panels},
      {QStringLiteral("report"), ComposeSelectionReport(result, view.Texts(), view.State())},
  };
}

QString SelectionText(const CSelvioView& view, const HeadlessControls& controls) {
  const SelectionResult& result = view.Result();
  QString text;
  AppendMessages(text, controls.Messages());
  text += FormatC("Исход расчета: %d (", static_cast<int>(result.outcome)) +
          OutcomeDescription(result.outcome) + QStringLiteral(")\n\n");

  AppendArea(
      text, controls, "Результат подбора регулятора",
      FirstShown(controls, {ids::kValveLabels, ids::kDpRegulatorLabels, ids::kReducingValveLabels}),
      ids::kRegulatorValues);
  const int actuatorLabels =
      FirstShown(controls, {ids::kElectricLabels, ids::kPneumaticLabels, ids::kThermostatLabels});
  const int actuatorValues = actuatorLabels == ids::kElectricLabels    ? ids::kElectricValues
                             : actuatorLabels == ids::kPneumaticLabels ? ids::kPneumaticValues
                                                                       : ids::kThermostatValues;
  AppendArea(text, controls, "Результат подбора привода", actuatorLabels, actuatorValues);
  AppendArea(text, controls, "Результат подбора автоматики",
             controls.IsShown(ids::kControllerLabels) ? ids::kControllerLabels : 0,
             ids::kControllerValues);
  text += QString::fromUtf8("Расчетные данные:\n");
  AppendLabelledLines(
      text, controls.Text(ids::kCalculatedDataLabels).split(QString::fromLatin1(kLineBreak)),
      controls.Text(ids::kCalculatedData));
  text += QLatin1Char('\n');

  AppendCandidates(text, result);
  text += QLatin1Char('\n');

  const QString report = ComposeSelectionReport(result, view.Texts(), view.State());
  text += QString::fromUtf8("Отчет:\n");
  text += report.isEmpty() ? QString::fromUtf8("  (пусто)\n") : Indented(report);
  return text;
}

}  // namespace selvio
