#pragma once

#include <QString>
#include <optional>

namespace selvio {

// The longest label a position takes, in characters.
inline constexpr int kMaxLabelLength = 200;

// What is wrong with `label` as the name of a position, said of it in the language in use
// ("содержит недопустимый знак U+202E: ...", "длиннее 200 знаков"), or nothing when it may name
// one. A label stands in the schedule's documents and CSV and in the command line's output, where a
// control character, a bidirectional control or a line separator would move or turn the cells
// after it or steer the terminal; and a schedule row must stay a row.
std::optional<QString> LabelFault(const QString& label);

}  // namespace selvio
