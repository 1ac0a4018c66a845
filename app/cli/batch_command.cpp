#include "app/cli/batch_command.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <cmath>

#include "app/cli/batch_csv.h"
#include "app/cli/cli_files.h"
#include "app/cli/headless_form.h"
#include "app/cli/select_command.h"
#include "app/cli/select_output.h"
#include "app/cli/working_data.h"
#include "app/cli/working_folder_option.h"
#include "app/files/file_messages.h"
#include "app/form/control_ids.h"
#include "app/form/selection_form.h"
#include "app/project/position_form.h"
#include "app/project/project_file.h"
#include "output/safe_text.h"
#include "output/shown_product.h"
#include "output/value_text.h"
#include "platform/c_numbers.h"
#include "platform/headless_controls.h"
#include "platform/whole_file.h"

namespace selvio {
namespace {

const char* const kCsvHeader =
    "label,outcome,messages,kv,dpv,velocity,psat,cavitation,candidate,dn,kvs,actuator";

// Refusals of a CSV file, of a row and of a row's selection file.
const char* const kCsvRefused = "Файл CSV не принят, %1: %2";
const char* const kRowFault = "Строка %1, %2";
const char* const kFileAbsolute =
    "Столбец file: нужен путь к файлу выбора относительно папки файла CSV, а не \"%1\"";
const char* const kFileOutside = "Столбец file: путь \"%1\" выходит из папки файла CSV";
const char* const kFileNotSelection = "Столбец file: нужен файл выбора .crp, а не \"%1\"";
const char* const kSelectionSuffix = ".crp";

// A single-precision value as CSV writes it; empty when not finite.
QString CsvNumber(float value) {
  const double widened = value;
  return std::isfinite(widened) ? FormatC("%.6g", widened) : QString();
}

// The messages of a row on one line: each message's line breaks become blanks, " | " between.
QString OneLine(const QStringList& messages) {
  QStringList lines;
  for (QString message : messages) {
    message.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    message.replace(QLatin1Char('\n'), QLatin1Char(' '));
    lines << message;
  }
  return lines.join(QStringLiteral(" | "));
}

QString CsvLine(const QStringList& cells) {
  QStringList quoted;
  for (const QString& cell : cells) quoted << CsvCell(cell);
  return quoted.join(QLatin1Char(',')) + QLatin1Char('\n');
}

// A text cell of the output: a label, a message, a name. Its control characters escaped, so
// that the output steers no terminal, and kept from being read as a formula; numbers the program
// writes (an outcome of -2) are left as they are.
QString Text(const QString& text) { return SpreadsheetText(EscapeControls(text)); }

QString SizedCsvLine(const QString& label, const SelectionForm& view, const QStringList& messages) {
  const SelectionResult& r = view.Result();
  const ShownProduct shown = ShownProductOf(r);
  return CsvLine({Text(label), QString::number(r.outcome), Text(OneLine(messages)), CsvNumber(r.kv),
                  CsvNumber(r.dpv), CsvNumber(r.velocity), CsvNumber(r.psat),
                  r.cavitationWarning ? QStringLiteral("1") : QStringLiteral("0"), Text(shown.name),
                  Text(shown.dnText), shown.shown ? CsvNumber(shown.kvs) : QString(),
                  Text(shown.actuator)});
}

QString JsonLine(QJsonObject object) {
  return PrintableJson(QJsonDocument(object), QJsonDocument::Compact) + QLatin1Char('\n');
}

// Why the cell `file` names no selection file the row may start from: a row's file is a ".crp"
// in the CSV's folder or below it, so that a CSV received from someone else reads nothing else.
QString FileCellRefusal(const QString& file) {
  if (QDir::isAbsolutePath(file)) return QString::fromUtf8(kFileAbsolute).arg(file);
  const QString clean = QDir::cleanPath(file);
  if (clean == QLatin1String("..") || clean.startsWith(QLatin1String("../"))) {
    return QString::fromUtf8(kFileOutside).arg(file);
  }
  if (!clean.endsWith(QLatin1String(kSelectionSuffix), Qt::CaseInsensitive)) {
    return QString::fromUtf8(kFileNotSelection).arg(file);
  }
  return {};
}

// Where a row starts: its own file, else the base record.
struct RowStart {
  std::optional<SettingsRecord> record;
  QString error;
};

// The project file's message followed by its name.
QString ProjectNotWrittenWords(const QString& path, const WriteResult& result) {
  return ProjectNotWrittenMessage(result) + QStringLiteral(": ") + Shown(path);
}

// The selection file a row names in its cell "file", relative to the CSV's folder; empty when
// it names none.
QString RowFilePath(const CsvRow& row, const QString& csvFolder) {
  const std::optional<QString> file = row.Cell("file");
  return file ? QDir(csvFolder).absoluteFilePath(*file) : QString();
}

RowStart StartOf(const CsvRow& row, const QString& csvFolder, const SettingsRecord& base) {
  const std::optional<QString> file = row.Cell("file");
  if (!file) return {base, {}};
  if (const QString refusal = FileCellRefusal(*file); !refusal.isEmpty()) {
    return {std::nullopt, refusal};
  }
  const QString path = RowFilePath(row, csvFolder);
  if (const QString refusal = SelectionFileRefusal(path); !refusal.isEmpty()) {
    return {std::nullopt, refusal};
  }
  SettingsRecord record = DefaultSettingsRecord();
  if (!ReadSelectionFile(path, record)) {
    return {std::nullopt, QString::fromUtf8("Файл выбора не прочитан: %1").arg(Shown(path))};
  }
  return {record, {}};
}

// The cell "quantity" of a row: 1 when it is missing, else a whole number of pieces.
struct QuantityCell {
  int quantity = 1;
  QString error;
};

QuantityCell QuantityOf(const CsvRow& row) {
  const std::optional<QString> cell = row.Cell("quantity");
  if (!cell) return {};
  bool ok = false;
  const int quantity = cell->toInt(&ok, 10);
  if (!ok || quantity < 1 || quantity > kMaxPositionQuantity) {
    return {1, QString::fromUtf8("Столбец quantity: нужно целое число от 1 до %1, а не \"%2\"")
                   .arg(kMaxPositionQuantity)
                   .arg(*cell)};
  }
  return {quantity, {}};
}

}  // namespace

ParsedBatchOptions ParseBatchOptions(const QStringList& arguments) {
  BatchOptions options;
  for (int i = 0; i < arguments.size(); ++i) {
    const QString argument = arguments[i];
    const QString name = argument.section(QLatin1Char('='), 0, 0);
    const bool inlineValue = argument.startsWith(QLatin1String("--")) && argument.contains('=');
    const auto value = [&]() -> std::optional<QString> {
      if (inlineValue) return argument.section(QLatin1Char('='), 1);
      if (i + 1 < arguments.size()) return arguments[++i];
      return std::nullopt;
    };
    if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
      options.help = true;
    } else if (argument == QLatin1String("--json")) {
      options.json = true;
    } else if (name == QLatin1String("--dir") || name == QLatin1String("--base") ||
               name == QLatin1String("--project")) {
      const std::optional<QString> given = value();
      if (!given || given->isEmpty()) {
        return {std::nullopt, QString::fromUtf8("Не указано значение %1").arg(name)};
      }
      QString& target = name == QLatin1String("--dir")    ? options.dir
                        : name == QLatin1String("--base") ? options.base
                                                          : options.project;
      target = *given;
    } else if (argument.startsWith(QLatin1Char('-'))) {
      return {std::nullopt, QString::fromUtf8("Неизвестный параметр: %1").arg(argument)};
    } else if (options.file.isEmpty()) {
      options.file = argument;
    } else {
      return {std::nullopt, QString::fromUtf8("Лишний аргумент: %1").arg(argument)};
    }
  }
  if (!options.help && options.file.isEmpty()) {
    return {std::nullopt, QString::fromUtf8("Не указан файл CSV")};
  }
  return {options, {}};
}

QString BatchUsage() {
  return QString::fromUtf8(
      "Использование: selvio-cli batch ФАЙЛ.csv [--dir ПАПКА] [--base ФАЙЛ.crp] [--json]\n"
      "                                [--project ФАЙЛ.selvio]\n"
      "  Рассчитывает каждую строку файла CSV как отдельную точку, как команда select.\n"
      "  --dir ПАПКА      рабочая папка с файлами данных (по умолчанию текущая, если в ней есть\n"
      "                   каталог, иначе папка пользователя)\n"
      "  --base ФАЙЛ.crp  исходные данные для строк без столбца file\n"
      "  --json           по объекту JSON на строку вместо CSV\n"
      "  --project ФАЙЛ.selvio  записать рассчитанные строки в файл проекта (количество из\n"
      "                   столбца quantity, по умолчанию 1)\n");
}

int RunBatchCommand(const BatchOptions& options, QTextStream& out, QTextStream& err) {
  const QString csvPath = QDir::current().absoluteFilePath(options.file);
  const QString projectPath =
      options.project.isEmpty() ? QString() : QDir::current().absoluteFilePath(options.project);
  const QString dir = CommandWorkingFolder(options.dir, err);
  if (const QString refusal = WorkingFolderRefusal(dir); !refusal.isEmpty()) {
    return Refuse(err, refusal);
  }
  const QString basePath =
      options.base.isEmpty() ? QString() : QDir::current().absoluteFilePath(options.base);
  if (!projectPath.isEmpty()) {
    if (const QString refusal =
            OutputRefusal(projectPath, QStringList{csvPath, basePath} + WorkingDataFiles(dir),
                          ProjectNotWrittenWords);
        !refusal.isEmpty()) {
      return Refuse(err, refusal);
    }
  }
  const ReadResult csv = ReadFileWhole(csvPath, kBatchCsvFileLimit);
  if (!csv) return Refuse(err, CsvNotReadMessage(csvPath, csv, kBatchCsvFileLimit));
  const CsvTable table = ParseCsv(csv.bytes);
  if (const std::optional<QString> problem = BatchTableProblem(table)) {
    return Refuse(err, QString::fromUtf8(kCsvRefused).arg(*problem, Shown(csvPath)));
  }
  const QString csvFolder = QFileInfo(csvPath).absolutePath();
  if (!projectPath.isEmpty()) {
    for (const QStringList& cells : table.rows) {
      const QString rowFile = RowFilePath(CsvRow(table.header, cells), csvFolder);
      if (const QString refusal = OwnInputRefusal(projectPath, {rowFile}); !refusal.isEmpty()) {
        return Refuse(err, refusal);
      }
    }
  }

  SettingsRecord base = BatchDefaultRecord();
  if (!basePath.isEmpty()) {
    if (const QString refusal = SelectionFileRefusal(basePath); !refusal.isEmpty()) {
      return Refuse(err, refusal);
    }
    base = DefaultSettingsRecord();
    if (!ReadSelectionFile(basePath, base)) {
      return Refuse(err, QString::fromUtf8("Файл выбора не прочитан: %1").arg(Shown(basePath)));
    }
  }

  CurrentFolderScope folder;
  if (!folder.Enter(dir)) {
    return Refuse(err, QString::fromUtf8("Не удалось перейти в рабочую папку: %1").arg(Shown(dir)));
  }
  HeadlessForm form;
  if (!form.DataFailure().isEmpty()) return Refuse(err, form.DataFailure());
  HeadlessControls& controls = form.Controls();
  SelectionForm& view = form.View();

  if (!options.json) out << kCsvHeader << '\n';
  bool rowError = false;
  Project project;
  for (qsizetype i = 0; i < table.rows.size(); ++i) {
    const CsvRow row(table.header, table.rows[i]);
    const QString label = row.Cell("label").value_or(QString());
    RowStart start;
    QString error;
    if (const std::optional<QString> problem = BatchCellProblem(row)) {
      error = QString::fromUtf8(kRowFault).arg(table.rowLines[i]).arg(*problem);
    } else {
      start = StartOf(row, csvFolder, base);
      error = start.error;
    }
    if (start.record) error = ApplyCsvRow(row, *start.record).value_or(QString());
    const QuantityCell quantity = QuantityOf(row);
    if (error.isEmpty() && !projectPath.isEmpty()) error = quantity.error;
    if (!error.isEmpty()) {
      rowError = true;
      if (options.json) {
        out << JsonLine({{"label", label}, {"error", error}});
      } else {
        out << CsvLine({Text(label), QStringLiteral("error"), Text(error)});
      }
      continue;
    }
    view.StartOver(*start.record);
    controls.ClearMessages();
    controls.Click(ids::kCalculate);
    if (options.json) {
      QJsonObject json = SelectionJson(view, controls.Messages());
      json.insert(QStringLiteral("label"), label);
      out << JsonLine(json);
    } else {
      out << SizedCsvLine(label, view, controls.Messages());
    }
    if (!projectPath.isEmpty()) {
      if (std::optional<ProjectPosition> position =
              CaptureFormPosition(view, label, quantity.quantity)) {
        project.positions.push_back(std::move(*position));
      }
    }
  }
  out.flush();
  if (!projectPath.isEmpty()) {
    if (const std::optional<QString> failure = WriteProjectFile(projectPath, project)) {
      return Refuse(err, *failure + QStringLiteral(": ") + Shown(projectPath));
    }
  }
  return rowError ? kRowErrorStatus : 0;
}

}  // namespace selvio
