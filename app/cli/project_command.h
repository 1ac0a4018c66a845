#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>
#include <optional>

namespace selvio {

// The command line of "selvio-cli project FILE.selvio [--dir DIR] [--recheck] [--export OUT]
// [--json]", as typed: paths are not resolved yet.
struct ProjectOptions {
  QString file;
  QString dir;  // for --recheck; empty: chosen as for "select"
  bool recheck = false;
  QString exportPath;  // empty: no schedule file; otherwise ends in ".odt", ".pdf" or ".csv"
  bool json = false;
  bool help = false;
};

struct ParsedProjectOptions {
  std::optional<ProjectOptions> options;
  QString error;
};

// Reads the arguments that follow "project", in the manner of "select".
ParsedProjectOptions ParseProjectOptions(const QStringList& arguments);

// The usage lines, each ending with a line feed.
QString ProjectUsage();

// "selvio-cli project": reads the project file and prints its schedule and order list; with
// --recheck first sizes every position again on the catalogue of the working folder, prints
// what changed and takes every re-checked selection (the file itself is left as it is); with
// --export writes the schedule there. Returns 0, kRowErrorStatus when the re-check left a
// position without the product it had, and kRefusedStatus (with the reason on `err`, nothing on
// `out`) for a bad project file, working folder, catalogue or a schedule that cannot be written.
int RunProjectCommand(const ProjectOptions& options, QTextStream& out, QTextStream& err);

}  // namespace selvio
