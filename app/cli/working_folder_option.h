#pragma once

#include <QString>
#include <QTextStream>

namespace selvio {

// The working folder of a command: "--dir DIR" resolved against the current folder or, without
// it, the folder the window would work in (the current folder if it holds a catalogue, else the
// user's data folder brought up to the installed data; see PrepareWorkingFolder). Nobody is
// asked about a newer installed catalogue: the user's stays until the window asks. Problems in
// preparing the folder are written to `err`, and so is the folder when this run filled it for
// the first time; the folder is returned all the same.
QString CommandWorkingFolder(const QString& dirOption, QTextStream& err);

}  // namespace selvio
