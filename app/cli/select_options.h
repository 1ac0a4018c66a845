#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace selvio {

// The command line of "selvio-cli select FILE.crp [--dir DIR] [--candidate N] [--actuator M]
// [--json] [--export OUT]", as typed: paths are not resolved yet.
struct SelectOptions {
  QString file;
  QString dir;  // empty: the current folder if it holds a catalogue, else the user's data folder
  std::optional<int> candidate;
  std::optional<int> actuator;
  bool json = false;
  QString exportPath;  // empty: no document; otherwise ends in ".odt" or ".pdf"
  bool help = false;
};

// The options, or a Russian message saying what is wrong with the command line.
struct ParsedSelectOptions {
  std::optional<SelectOptions> options;
  QString error;
};

// Reads the arguments that follow "select". Options take their value as the next argument or
// after "=" ("--dir=DIR"); an argument that does not start with "-" is the file.
ParsedSelectOptions ParseSelectOptions(const QStringList& arguments);

// The usage lines, each ending with a line feed.
QString SelectUsage();

}  // namespace selvio
