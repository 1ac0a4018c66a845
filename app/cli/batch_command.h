#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>
#include <optional>

namespace selvio {

// Exit status of a batch in which some row had an error of its own.
inline constexpr int kRowErrorStatus = 1;

// The largest CSV file read; a row of a point takes about 80 bytes, so this holds some 200 000.
// A larger file is refused at once, before it is read.
inline constexpr qint64 kBatchCsvFileLimit = qint64{16} * 1024 * 1024;

// The command line of "selvio-cli batch FILE.csv [--dir DIR] [--base FILE.crp] [--json]
// [--project OUT.selvio]", as typed: paths are not resolved yet.
struct BatchOptions {
  QString file;
  QString dir;      // empty: the current directory
  QString base;     // empty: rows without a file start from the batch defaults
  QString project;  // empty: no project file is written
  bool json = false;
  bool help = false;
};

struct ParsedBatchOptions {
  std::optional<BatchOptions> options;
  QString error;
};

// Reads the arguments that follow "batch", in the manner of "select".
ParsedBatchOptions ParseBatchOptions(const QStringList& arguments);

// The usage lines, each ending with a line feed.
QString BatchUsage();

// "selvio-cli batch": loads the data files once in the working folder, then sizes each data row
// of the CSV file as "select" sizes a selection file, on one form started over for every row.
// Prints a CSV header and one line per row (or, with --json, one JSON object per row: "label"
// and the keys of "select --json"); a row with an error of its own reports it in its line.
// With a project file, every row sized becomes a position of it (its label, the quantity of the
// column "quantity" or 1, the inputs and what the form shows), written when all rows are done.
// Returns 0 when every row was sized, kRowErrorStatus when some row had an error, and
// kRefusedStatus (with the reason on `err`) for an unusable folder, CSV or base file (anything
// but a regular file, a CSV larger than kBatchCsvFileLimit), or a project file that cannot be
// written or is one of the files read (the CSV, the base or a row's file: refused before
// anything is sized).
int RunBatchCommand(const BatchOptions& options, QTextStream& out, QTextStream& err);

}  // namespace selvio
