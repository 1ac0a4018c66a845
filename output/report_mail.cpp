#include "output/report_mail.h"

namespace selvio {

QUrl ReportMailUrl(const QString& report) {
  const QByteArray encoded =
      "mailto:?subject=" + QUrl::toPercentEncoding(QString::fromUtf8(kReportMailSubject)) +
      "&body=" + QUrl::toPercentEncoding(report);
  return QUrl::fromEncoded(encoded, QUrl::StrictMode);
}

}  // namespace selvio
