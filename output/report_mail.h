#pragma once

#include <QString>
#include <QUrl>

namespace selvio {

// The subject, the Russian source of its translation (context "ReportMail").
inline constexpr const char* kReportMailSubject = QT_TRANSLATE_NOOP("ReportMail", "Подбор клапана");

// A new, unaddressed message with the subject "Подбор клапана" (in the language in use) and the
// report as its body:
// "mailto:?subject=…&body=…", every character of both but the unreserved ones (letters,
// digits, "-", ".", "_", "~") percent-encoded as UTF-8, line feeds included.
QUrl ReportMailUrl(const QString& report);

}  // namespace selvio
