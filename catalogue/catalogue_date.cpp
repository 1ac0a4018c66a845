#include "catalogue/catalogue_date.h"

#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include "platform/whole_file.h"

namespace selvio {

QString ReadCatalogueDateText(const QString& fileName) {
  QFile file;
  if (OpenRegularFile(fileName, file) != ReadError::None) return {};
  // The date sits near the top of the file: stop at it instead of reading the whole catalogue.
  QXmlStreamReader reader(&file);
  if (!reader.readNextStartElement() || reader.name() != QStringLiteral("xmldata")) return {};
  while (reader.readNextStartElement()) {
    if (reader.name() == QStringLiteral("обновление")) {
      return reader.readElementText(QXmlStreamReader::IncludeChildElements);
    }
    reader.skipCurrentElement();
  }
  return {};
}

std::optional<QDate> ParseCatalogueDate(const QString& text) {
  static const QRegularExpression pattern(
      QStringLiteral("^\\s*(\\d{1,2})\\.(\\d{1,2})\\.(\\d{4})\\s*$"));
  const QRegularExpressionMatch match = pattern.match(text);
  if (!match.hasMatch()) return std::nullopt;
  const QDate date(match.captured(3).toInt(), match.captured(2).toInt(), match.captured(1).toInt());
  if (!date.isValid()) return std::nullopt;
  return date;
}

}  // namespace selvio
