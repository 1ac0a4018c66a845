#include "app/cli/select_command.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QtEndian>

#include "app/cli/batch_command.h"
#include "app/cli/cli_files.h"
#include "app/cli/headless_form.h"
#include "app/cli/language_option.h"
#include "app/cli/project_command.h"
#include "app/cli/select_output.h"
#include "app/cli/update_command.h"
#include "app/cli/working_folder_option.h"
#include "app/files/file_messages.h"
#include "app/form/control_ids.h"
#include "app/form/selection_form.h"
#include "output/report_document.h"
#include "platform/headless_controls.h"
#include "platform/qt/qt_chart.h"

namespace selvio {
namespace {

// Why the candidate dialog could not confirm the pair.
QString ChoiceRefusal(const SelectionResult& result, int candidate, int actuator) {
  const int count = CandidateCount(result);
  if (candidate < 0 || candidate >= count) {
    return QString::fromUtf8("Нет кандидата %1: подобрано %2, номера с 0")
        .arg(candidate)
        .arg(count);
  }
  if (result.valveCandidates.empty()) {
    return QString::fromUtf8("У регулятора нет приводов: привод %1 выбрать нельзя").arg(actuator);
  }
  return QString::fromUtf8("У кандидата %1 нет привода %2: приводов %3, номера с 0")
      .arg(candidate)
      .arg(actuator)
      .arg(ActuatorCount(result.valveCandidates[static_cast<std::size_t>(candidate)]));
}

// The actuator the candidate dialog selects when the candidate is picked: the first one, or
// none when the candidate has no actuators.
int FirstActuator(const SelectionResult& result, int candidate) {
  if (candidate < 0 || candidate >= CountOf(result.valveCandidates)) return -1;
  return ActuatorCount(result.valveCandidates[static_cast<std::size_t>(candidate)]) > 0 ? 0 : -1;
}

// The selection's document as "Экспорт в MS Word" builds it (the report, then the check with its
// pictures) written to `path` in the format its suffix names: PDF for ".pdf", OpenDocument text
// otherwise (the options admit only ".odt" besides).
WriteResult ExportDocument(const QString& path, SelectionForm& view) {
  const auto document = view.Documents().BuildDocument();
  if (path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) {
    return WritePdf(*document, path, LinkPolicy::FollowToFile);
  }
  return WriteOdt(*document, path, LinkPolicy::FollowToFile);
}

// Every command with its options, for "--help" and for a command line without a known command.
QString CliUsage() {
  return SelectUsage() + BatchUsage() + ProjectUsage() + UpdateUsage() +
         QString::fromUtf8(
             "Использование: selvio-cli --help\n"
             "  Выводит эту справку; КОМАНДА --help - справку по одной команде.\n") +
         LanguageOptionUsage();
}

}  // namespace

int RunSelectCommand(const SelectOptions& options, QTextStream& out, QTextStream& err) {
  // Both paths are the caller's: resolve them before the working folder changes.
  const QString file = QDir::current().absoluteFilePath(options.file);
  const QString dir = CommandWorkingFolder(options.dir, err);
  const QString exportPath = options.exportPath.isEmpty()
                                 ? QString()
                                 : QDir::current().absoluteFilePath(options.exportPath);

  if (const QString refusal = WorkingFolderRefusal(dir); !refusal.isEmpty()) {
    return Refuse(err, refusal);
  }
  if (const QString refusal = SelectionFileRefusal(file); !refusal.isEmpty()) {
    return Refuse(err, refusal);
  }
  if (!exportPath.isEmpty()) {
    if (const QString refusal = OutputRefusal(exportPath, {file}, DocumentNotWrittenMessage);
        !refusal.isEmpty()) {
      return Refuse(err, refusal);
    }
  }
  CurrentFolderScope folder;
  if (!folder.Enter(dir)) {
    return Refuse(err, QString::fromUtf8("Не удалось перейти в рабочую папку: %1").arg(Shown(dir)));
  }

  QtChartPainter chartPainter;  // outlives the form, which paints the check's pictures with it
  HeadlessForm form;
  if (!form.DataFailure().isEmpty()) return Refuse(err, form.DataFailure());
  HeadlessControls& controls = form.Controls();
  SelectionForm& view = form.View();
  view.Documents().SetChartPainter(chartPainter);
  if (!view.OpenSelectionFile(file)) {
    return Refuse(err, QString::fromUtf8("Файл выбора не прочитан: %1").arg(Shown(file)));
  }
  controls.Click(ids::kCalculate);

  if (options.candidate || options.actuator) {
    const SelectionResult& result = view.Result();
    if (CandidateCount(result) == 0) {
      return Refuse(err, QString::fromUtf8(
                             "Расчет ничего не подобрал: выбрать кандидата и привод не из чего"));
    }
    const int candidate = options.candidate.value_or(0);
    const int actuator = options.actuator ? *options.actuator : FirstActuator(result, candidate);
    if (!view.HoldsCandidateChoice(candidate, actuator)) {
      return Refuse(err, ChoiceRefusal(result, candidate, actuator));
    }
    view.ApplyCandidateChoice(candidate, actuator);
  }

  if (!exportPath.isEmpty()) {
    if (const WriteResult written = ExportDocument(exportPath, view); !written) {
      return Refuse(err, DocumentNotWrittenMessage(exportPath, written));
    }
  }

  if (options.json) {
    out << PrintableJson(QJsonDocument(SelectionJson(view, controls.Messages())));
  } else {
    // The report indents its sub-items with tabs.
    out << PrintableText(SelectionText(view, controls.Messages()), QStringLiteral("\t"));
  }
  out.flush();
  return 0;
}

int RunSelvioCli(const QStringList& arguments, QTextStream& out, QTextStream& err) {
  const QString command = arguments.value(0);
  if (command == QLatin1String("--help") || command == QLatin1String("-h")) {
    out << CliUsage();
    return 0;
  }
  if (command == QLatin1String("update")) return RunUpdateCommand(arguments.mid(1), out, err);
  if (command == QLatin1String("project")) {
    const ParsedProjectOptions parsed = ParseProjectOptions(arguments.mid(1));
    if (!parsed.options) {
      return Refuse(err, parsed.error + QLatin1Char('\n') + ProjectUsage().chopped(1));
    }
    if (parsed.options->help) {
      out << ProjectUsage();
      return 0;
    }
    return RunProjectCommand(*parsed.options, out, err);
  }
  if (command == QLatin1String("batch")) {
    const ParsedBatchOptions parsed = ParseBatchOptions(arguments.mid(1));
    if (!parsed.options) {
      return Refuse(err, parsed.error + QLatin1Char('\n') + BatchUsage().chopped(1));
    }
    if (parsed.options->help) {
      out << BatchUsage();
      return 0;
    }
    return RunBatchCommand(*parsed.options, out, err);
  }
  if (command != QLatin1String("select")) {
    const QString problem = command.isEmpty()
                                ? QString::fromUtf8("Не указана команда")
                                : QString::fromUtf8("Неизвестная команда: %1").arg(command);
    return Refuse(err, problem + QLatin1Char('\n') + CliUsage().chopped(1));
  }
  const ParsedSelectOptions parsed = ParseSelectOptions(arguments.mid(1));
  if (!parsed.options)
    return Refuse(err, parsed.error + QLatin1Char('\n') + SelectUsage().chopped(1));
  if (parsed.options->help) {
    out << SelectUsage();
    return 0;
  }
  return RunSelectCommand(*parsed.options, out, err);
}

}  // namespace selvio
