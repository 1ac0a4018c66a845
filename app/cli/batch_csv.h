#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

#include "app/files/settings_record.h"

namespace selvio {

// The most data rows a batch sizes: a building's points are far fewer, and each row is a form
// started afresh.
inline constexpr int kMaxBatchRows = 10000;

// A CSV table: the header's column names and the data rows, each as many cells as it has, with
// the lines of the file they start on (from 1).
struct CsvTable {
  QStringList header;
  QList<QStringList> rows;
  int headerLine = 0;  // 0 without a header
  QList<int> rowLines;
  int unclosedQuoteLine = 0;  // the line of a quote no quote closes before the end, or 0
};

// Reads UTF-8 CSV text (a byte order mark is skipped). The separator is ";" when the header row
// holds one outside quotes, else ",". Cells are quoted as CSV quotes them ("" inside quotes is
// one quote; quoted cells may hold separators and line breaks). Lines without any text are
// skipped. A quote left open runs to the end of the text; the table says where it opened.
CsvTable ParseCsv(const QByteArray& bytes);

// What makes `table` no batch, in Russian, naming the line: a quote not closed, a column named
// twice in the header or one the batch does not read (CsvRow::Columns), a row with fewer or more
// cells than the header has columns, more than kMaxBatchRows rows. Nothing when it is one. A
// spreadsheet writes every cell of every row, so a row of another length is a damaged or hand-cut
// file whose cells would land in other columns.
std::optional<QString> BatchTableProblem(const CsvTable& table);

// One cell of a CSV output line: quoted when it holds a separator, a quote or a line break.
QString CsvCell(const QString& text);

// The cells of a data row by column name; a missing column or an empty cell is "not given".
class CsvRow {
 public:
  // The columns a batch reads.
  static const QStringList& Columns();

  CsvRow(const QStringList& header, const QStringList& cells) : header_(header), cells_(cells) {}
  // The trimmed cell of `column`, or nothing when it is missing or empty.
  std::optional<QString> Cell(const char* column) const;

 private:
  const QStringList& header_;
  const QStringList& cells_;
};

// The first cell of a column the batch reads (trimmed, as Cell gives it) that holds a control
// character (IsControlCharacter), or a label that cannot name a position (LabelFault): the
// Russian message naming the column, without the row.
std::optional<QString> BatchCellProblem(const CsvRow& row);

// The row's start record with its cells written over it: numbers as the form's texts, units,
// medium, product and actuator by the form's texts, "use_k" and "cavitation" as 0/1. The error
// message in Russian, naming the column, when a cell names no unit or kind the form knows.
std::optional<QString> ApplyCsvRow(const CsvRow& row, SettingsRecord& record);

// The record a row starts from without a file: the first-start defaults with the units an
// engineer writes in a spreadsheet, pressures in "Бар" and the flow in "м³/ч".
SettingsRecord BatchDefaultRecord();

}  // namespace selvio
