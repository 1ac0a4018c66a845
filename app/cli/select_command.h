#pragma once

#include <QStringList>
#include <QTextStream>

#include "app/cli/select_options.h"

namespace selvio {

// Exit status of a refused command: bad usage, a working folder that cannot be entered, a
// selection file that "Открыть" would ignore, or a candidate choice the lists do not hold.
inline constexpr int kRefusedStatus = 2;

// "selvio-cli select": starts the selection form on headless controls in the working folder
// as a first start does (tables, catalogue, the defaults; "user.bin" is neither read nor
// written), opens the selection file as "Открыть" does, presses "Расчет", applies the asked
// candidate and actuator as a confirmed "Другая конфигурация" does, and prints the form's
// result to `out`; with an export path it first writes the report's document there, PDF or
// OpenDocument text by the suffix. Returns 0 for every outcome of the calculation; refusals
// go to `err` in Russian with kRefusedStatus (a document that cannot be written among them),
// and nothing is printed to `out` then. The process's current folder is restored before
// returning.
int RunSelectCommand(const SelectOptions& options, QTextStream& out, QTextStream& err);

// The whole command line after the program name: a command ("select", "batch", "update") and
// its arguments, or "--help", which lists every command with its options.
int RunSelvioCli(const QStringList& arguments, QTextStream& out, QTextStream& err);

}  // namespace selvio
