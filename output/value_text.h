#pragma once

#include <QString>

#include "catalogue/catalogue_records.h"

// Helpers shared by the result panels and the selection report.
namespace selvio {

// Texts are built in buffers of 1024 characters: at most 1023 characters of text.
inline constexpr int kTextBufferLength = 1023;

// Cuts `text` to the buffer's length; a surrogate pair is never split.
QString FitTextBuffer(const QString& text);

// `value` printed with the printf `format` (one conversion, point as decimal separator), or
// "—" when the value is not finite.
QString FormatNumber(const char* format, double value);

// An integer in decimal, without grouping.
QString IntegerText(int value);

// "Фланцевый" for a flanged product, "Резьбовой" for any other connection.
QString ConnectionText(ConnectionKind connection);

// A document file name opens something only when it has more than one character.
bool HasDocumentFile(const QString& fileName);

}  // namespace selvio
