#include "output/report_mail.h"

#include <QCoreApplication>

namespace selvio {

QUrl ReportMailUrl(const QString& report) {
  const QByteArray encoded =
      "mailto:?subject=" +
      QUrl::toPercentEncoding(QCoreApplication::translate("ReportMail", kReportMailSubject)) +
      "&body=" + QUrl::toPercentEncoding(report);
  return QUrl::fromEncoded(encoded, QUrl::StrictMode);
}

}  // namespace selvio
