#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

#include "app/files/settings_record.h"

namespace selvio {

// A CSV table: the header's column names and the data rows, each as many cells as it has.
struct CsvTable {
  QStringList header;
  QList<QStringList> rows;
};

// Reads UTF-8 CSV text (a byte order mark is skipped). The separator is ";" when the header row
// holds one outside quotes, else ",". Cells are quoted as CSV quotes them ("" inside quotes is
// one quote; quoted cells may hold separators and line breaks). Lines without any text are
// skipped.
CsvTable ParseCsv(const QByteArray& bytes);

// One cell of a CSV output line: quoted when it holds a separator, a quote or a line break.
QString CsvCell(const QString& text);

// The cells of a data row by column name; a missing column or an empty cell is "not given".
class CsvRow {
 public:
  CsvRow(const QStringList& header, const QStringList& cells) : header_(header), cells_(cells) {}
  // The trimmed cell of `column`, or nothing when it is missing or empty.
  std::optional<QString> Cell(const char* column) const;

 private:
  const QStringList& header_;
  const QStringList& cells_;
};

// The row's start record with its cells written over it: numbers as the form's texts, units,
// medium, product and actuator by the form's texts, "use_k" and "cavitation" as 0/1. The error
// message in Russian, naming the column, when a cell names no unit or kind the form knows.
std::optional<QString> ApplyCsvRow(const CsvRow& row, SettingsRecord& record);

// The record a row starts from without a file: the first-start defaults with the units an
// engineer writes in a spreadsheet, pressures in "Бар" and the flow in "м³/ч".
SettingsRecord BatchDefaultRecord();

}  // namespace selvio
