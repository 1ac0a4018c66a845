#include "output/value_text.h"

#include <QCoreApplication>
#include <cmath>

#include "catalogue/catalogue_records.h"
#include "platform/c_numbers.h"

namespace selvio {

QString FitTextBuffer(const QString& text) {
  if (text.size() <= kTextBufferLength) return text;
  qsizetype length = kTextBufferLength;
  if (text.at(length - 1).isHighSurrogate()) --length;
  return text.left(length);
}

QString FormatNumber(const char* format, double value) {
  if (!std::isfinite(value)) return QStringLiteral("—");
  return FormatC(format, value);
}

QString IntegerText(int value) { return FormatC("%d", value); }

QString ConnectionText(ConnectionKind connection) {
  return connection == ConnectionKind::Flanged
             ? QCoreApplication::translate("ResultPanels", "Фланцевый")
             : QCoreApplication::translate("ResultPanels", "Резьбовой");
}

bool HasDocumentFile(const QString& fileName) { return fileName.size() > 1; }

}  // namespace selvio
