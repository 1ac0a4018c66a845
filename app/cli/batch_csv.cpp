#include "app/cli/batch_csv.h"

#include <cstdint>

#include "app/form/units.h"
#include "app/project/position_label.h"
#include "output/safe_text.h"

namespace selvio {
namespace {

// What makes a table no batch, and a cell no cell of one.
const char* const kUnclosedQuote = "строка %1: кавычка не закрыта до конца файла";
const char* const kColumnTwice = "строка %1: столбец «%2» назван в заголовке дважды";
const char* const kUnknownColumn = "строка %1: столбец «%2» программе неизвестен (известны: %3)";
const char* const kCellCount = "строка %1: ячеек %2, а столбцов в заголовке %3";
const char* const kTooManyRows = "строк данных больше %1";
const char* const kCellCharacter =
    "столбец %1: недопустимый знак %2 (управляющие знаки, знаки направления письма и "
    "разделители строк в ячейках не допускаются)";
const char* const kLabelFault = "столбец label: обозначение %1";

// Whether the header line (up to its first line break outside quotes) holds ";" outside quotes.
QChar SeparatorOf(const QString& text) {
  bool quoted = false;
  for (const QChar c : text) {
    if (c == QLatin1Char('"')) quoted = !quoted;
    if (quoted) continue;
    if (c == QLatin1Char('\n')) break;
    if (c == QLatin1Char(';')) return QLatin1Char(';');
  }
  return QLatin1Char(',');
}

bool IsBlank(const QStringList& cells) {
  for (const QString& cell : cells) {
    if (!cell.trimmed().isEmpty()) return false;
  }
  return true;
}

// The 1-based position of `text` in `entries`, compared without case, or nothing.
std::optional<int> PositionIn(const QStringList& entries, const QString& text) {
  for (int i = 0; i < entries.size(); ++i) {
    if (entries[i].compare(text, Qt::CaseInsensitive) == 0) return i + 1;
  }
  return std::nullopt;
}

QString UnknownCell(const char* column, const QString& text, const QStringList& known) {
  return QString::fromUtf8("Столбец %1: \"%2\" не из списка: %3")
      .arg(QString::fromUtf8(column), text, known.join(QStringLiteral(", ")));
}

// Sets `field` to the 1-based position of the cell among `entries`.
std::optional<QString> ApplyChoice(const CsvRow& row, const char* column,
                                   const QStringList& entries, std::int32_t& field) {
  const std::optional<QString> cell = row.Cell(column);
  if (!cell) return std::nullopt;
  const std::optional<int> position = PositionIn(entries, *cell);
  if (!position) return UnknownCell(column, *cell, entries);
  field = *position;
  return std::nullopt;
}

// Sets a unit list index (0-based) from the unit's text.
std::optional<QString> ApplyUnit(const CsvRow& row, const char* column, const QStringList& units,
                                 std::int32_t& index) {
  std::int32_t position = 0;
  if (std::optional<QString> error = ApplyChoice(row, column, units, position)) return error;
  if (position > 0) index = position - 1;
  return std::nullopt;
}

void ApplyText(const CsvRow& row, const char* column, TextField& field) {
  if (const std::optional<QString> cell = row.Cell(column)) SetFieldText(field, *cell);
}

// The flow unit of the row's medium: a mass flow for steam, a volume flow otherwise.
std::optional<QString> ApplyFlowUnit(const CsvRow& row, SettingsRecord& record) {
  const bool steam = record.medium == 3;
  return ApplyUnit(row, "flow_unit", steam ? MassFlowUnits() : VolumeFlowUnits(), record.flowUnit);
}

// For steam the drop is the relative drop δ, a number without a unit (the form relabels the
// field); a pressure unit given for it is the row's error rather than a silent misreading.
std::optional<QString> ApplyDropUnit(const CsvRow& row, SettingsRecord& record) {
  const bool steam = record.medium == 3;
  if (steam && row.Cell("drop_unit")) {
    return QString::fromUtf8(
        "Столбец drop_unit: для пара drop - относительный перепад давления δ без единицы, "
        "оставьте ячейку пустой");
  }
  return ApplyUnit(row, "drop_unit", PressureUnits(), record.dropUnit);
}

// "электро", "термо", "пневмо" switch the actuator section on with that kind; "нет" off.
std::optional<QString> ApplyActuator(const CsvRow& row, SettingsRecord& record) {
  const std::optional<QString> cell = row.Cell("actuator");
  if (!cell) return std::nullopt;
  const QStringList kinds{QString::fromUtf8("электро"), QString::fromUtf8("термо"),
                          QString::fromUtf8("пневмо"), QString::fromUtf8("нет")};
  const std::optional<int> position = PositionIn(kinds, *cell);
  if (!position) return UnknownCell("actuator", *cell, kinds);
  record.actuatorSectionOn = *position == 4 ? 0 : 1;
  if (*position != 4) record.actuatorKind = *position;
  return std::nullopt;
}

std::optional<QString> ApplyFlag(const CsvRow& row, const char* column, std::int32_t& field) {
  const std::optional<QString> cell = row.Cell(column);
  if (!cell) return std::nullopt;
  if (*cell == QLatin1String("0") || *cell == QLatin1String("1")) {
    field = *cell == QLatin1String("1") ? 1 : 0;
    return std::nullopt;
  }
  return UnknownCell(column, *cell, {QStringLiteral("0"), QStringLiteral("1")});
}

}  // namespace

CsvTable ParseCsv(const QByteArray& bytes) {
  QString text = QString::fromUtf8(bytes);
  if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
  const QChar separator = SeparatorOf(text);
  QList<QStringList> lines;
  QList<int> starts;  // the line each record starts on
  QStringList cells;
  QString cell;
  bool quoted = false;
  int line = 1;
  int start = 1;
  int quoteLine = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (quoted) {
      if (c == QLatin1Char('\n')) ++line;
      if (c != QLatin1Char('"')) {
        cell += c;
      } else if (i + 1 < text.size() && text[i + 1] == QLatin1Char('"')) {
        cell += c;
        ++i;
      } else {
        quoted = false;
      }
    } else if (c == QLatin1Char('"')) {
      quoted = true;
      quoteLine = line;
    } else if (c == separator) {
      cells << cell;
      cell.clear();
    } else if (c == QLatin1Char('\n')) {
      if (cell.endsWith(QLatin1Char('\r'))) cell.chop(1);
      cells << cell;
      lines << cells;
      starts << start;
      cells.clear();
      cell.clear();
      start = ++line;
    } else {
      cell += c;
    }
  }
  if (!cell.isEmpty() || !cells.isEmpty()) {
    lines << (cells << cell);
    starts << start;
  }

  CsvTable table;
  if (quoted) table.unclosedQuoteLine = quoteLine;
  for (qsizetype i = 0; i < lines.size(); ++i) {
    const QStringList& record = lines[i];
    if (IsBlank(record)) continue;
    if (table.header.isEmpty()) {
      for (const QString& name : record) table.header << name.trimmed().toLower();
      table.headerLine = starts[i];
    } else {
      table.rows << record;
      table.rowLines << starts[i];
    }
  }
  return table;
}

std::optional<QString> BatchTableProblem(const CsvTable& table) {
  if (table.unclosedQuoteLine > 0) {
    return QString::fromUtf8(kUnclosedQuote).arg(table.unclosedQuoteLine);
  }
  for (qsizetype i = 0; i < table.header.size(); ++i) {
    const QString& name = table.header[i];
    // A column without a name is not read; a spreadsheet may leave a few after the last one.
    if (!name.isEmpty() && table.header.indexOf(name) != i) {
      return QString::fromUtf8(kColumnTwice).arg(table.headerLine).arg(name);
    }
    // A misspelt column would leave every row at its starting value without a word.
    if (!name.isEmpty() && !CsvRow::Columns().contains(name)) {
      return QString::fromUtf8(kUnknownColumn)
          .arg(QString::number(table.headerLine), name,
               CsvRow::Columns().join(QStringLiteral(", ")));
    }
  }
  if (table.rows.size() > kMaxBatchRows) return QString::fromUtf8(kTooManyRows).arg(kMaxBatchRows);
  for (qsizetype i = 0; i < table.rows.size(); ++i) {
    if (table.rows[i].size() != table.header.size()) {
      return QString::fromUtf8(kCellCount)
          .arg(table.rowLines[i])
          .arg(table.rows[i].size())
          .arg(table.header.size());
    }
  }
  return std::nullopt;
}

QString CsvCell(const QString& text) {
  if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
      !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')) &&
      !text.contains(QLatin1Char(';'))) {
    return text;
  }
  QString quoted = text;
  quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
  return QLatin1Char('"') + quoted + QLatin1Char('"');
}

const QStringList& CsvRow::Columns() {
  static const QStringList columns = QString::fromLatin1(
                                         "label file medium product p1 p2 t drop flow setting k "
                                         "density p1_unit p2_unit drop_unit setting_unit "
                                         "flow_unit actuator use_k cavitation quantity")
                                         .split(QLatin1Char(' '));
  return columns;
}

std::optional<QString> BatchCellProblem(const CsvRow& row) {
  for (const QString& column : CsvRow::Columns()) {
    const std::optional<QString> cell = row.Cell(column.toLatin1().constData());
    if (!cell) continue;
    if (column == QLatin1String("label")) {
      if (const std::optional<QString> fault = LabelFault(*cell)) {
        return QString::fromUtf8(kLabelFault).arg(*fault);
      }
    } else if (const std::optional<char32_t> character = FirstControlCharacter(*cell)) {
      return QString::fromUtf8(kCellCharacter).arg(column, CodePointName(*character));
    }
  }
  return std::nullopt;
}

std::optional<QString> CsvRow::Cell(const char* column) const {
  const qsizetype index = header_.indexOf(QString::fromUtf8(column));
  if (index < 0 || index >= cells_.size()) return std::nullopt;
  const QString cell = cells_[index].trimmed();
  if (cell.isEmpty()) return std::nullopt;
  return cell;
}

std::optional<QString> ApplyCsvRow(const CsvRow& row, SettingsRecord& r) {
  const QStringList media{QString::fromUtf8("вода"), QString::fromUtf8("гликоль"),
                          QString::fromUtf8("пар")};
  const QStringList products{QString::fromUtf8("клапан"), QString::fromUtf8("РПД"),
                             QString::fromUtf8("РК")};
  const QStringList pressure = PressureUnits();
  std::optional<QString> error = ApplyChoice(row, "medium", media, r.medium);
  if (!error) error = ApplyChoice(row, "product", products, r.productType);
  if (!error) error = ApplyUnit(row, "p1_unit", pressure, r.p1Unit);
  if (!error) error = ApplyUnit(row, "p2_unit", pressure, r.p2Unit);
  if (!error) error = ApplyDropUnit(row, r);
  if (!error) error = ApplyUnit(row, "setting_unit", pressure, r.settingUnit);
  if (!error) error = ApplyFlowUnit(row, r);
  if (!error) error = ApplyActuator(row, r);
  if (!error) error = ApplyFlag(row, "use_k", r.useSafetyFactor);
  if (!error) error = ApplyFlag(row, "cavitation", r.checkCavitation);
  if (error) return error;
  ApplyText(row, "p1", r.p1);
  ApplyText(row, "p2", r.p2);
  ApplyText(row, "t", r.temperature);
  ApplyText(row, "drop", r.drop);
  ApplyText(row, "flow", r.flow);
  ApplyText(row, "setting", r.setting);
  ApplyText(row, "k", r.safetyFactor);
  ApplyText(row, "density", r.density);
  return std::nullopt;
}

SettingsRecord BatchDefaultRecord() {
  SettingsRecord r = DefaultSettingsRecord();
  r.p1Unit = 0;
  r.p2Unit = 0;
  r.dropUnit = 0;
  r.settingUnit = 0;
  r.flowUnit = 0;
  return r;
}

}  // namespace selvio
