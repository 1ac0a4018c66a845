#pragma once

#include <QDate>
#include <QString>
#include <optional>

namespace selvio {

// The text of the catalogue file's first "обновление" element under "xmldata", as the loader
// keeps it for the caption; empty when the file cannot be read or holds no such element.
QString ReadCatalogueDateText(const QString& fileName);

// The catalogue date "ДД.ММ.ГГГГ" (blanks around it allowed) as a calendar date, so that
// "01.02.2027" comes after "31.12.2026"; nothing when the text is no valid date.
std::optional<QDate> ParseCatalogueDate(const QString& text);

}  // namespace selvio
