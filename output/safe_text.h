#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Free texts (labels, catalogue names, file names) on their way into a document, a spreadsheet
// or a terminal: characters that steer the layout or the terminal instead of showing shown as
// visible escapes, and spreadsheet cells that would be read as formulas kept as text.
namespace selvio {

// A character that is no text of its own but steers what follows it: the C0 controls, DEL, the
// C1 controls, the bidirectional controls (U+061C, U+200E, U+200F, U+202A–U+202E,
// U+2066–U+2069) and the line and paragraph separators (U+2028, U+2029). A tab, a carriage
// return or a line feed in a label moves the cells after it; ESC starts a terminal's command;
// U+202E turns the figures after it round.
bool IsControlCharacter(char32_t character);

// The first control character of `text` (a lone surrogate counts as one), or nothing when it has
// none.
std::optional<char32_t> FirstControlCharacter(const QString& text);

// "U+202E": the code point as the Unicode standard writes it, in four hex digits or more.
QString CodePointName(char32_t character);

// `text` with every control character, and every lone surrogate, written as a visible escape:
// "\x1b" for a code point below 0x100, "\u202e" above. Characters of `kept` stay as they are
// (the line feeds and tabs a text output sets itself). Nothing else changes.
QString EscapeControls(const QString& text, const QString& kept = {});

// JSON text (as QJsonDocument writes it, every C0 control already escaped) with the other
// control characters written as JSON escapes ("\u009b", "\u202e"): the same data for a JSON
// reader, nothing a terminal acts on.
QByteArray JsonWithEscapedControls(const QByteArray& json);

// A text cell of a CSV file that a spreadsheet reads as a formula (it starts with "=", "+",
// "-", "@", a tab or a carriage return) with an apostrophe before it, so that it stays text;
// other texts unchanged. Only for texts: a number the program writes (-1.5) stays a number.
QString SpreadsheetText(const QString& text);

}  // namespace selvio
