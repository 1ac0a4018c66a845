#include "platform/qt/file_dialog_filter.h"

namespace selvio {

QStringList QtNameFilters(const QString& filter) {
  const QStringList parts = filter.split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString description = parts[i].trimmed();
    const QString patterns = parts[i + 1].trimmed().replace(QLatin1Char(';'), QLatin1Char(' '));
    if (description.isEmpty() && patterns.isEmpty()) break;  // the closing "||"
    const QString bracketed = QLatin1Char('(') + patterns + QLatin1Char(')');
    filters << (description.contains(bracketed) || patterns.isEmpty()
                    ? description
                    : description + QLatin1Char(' ') + bracketed);
  }
  return filters;
}

}  // namespace selvio
