#pragma once

#include <QString>
#include <QUrl>

namespace selvio {

inline constexpr const char* kReportMailSubject = "Подбор клапана";

// A new, unaddressed message with the subject "Подбор клапана" and the report as its body:
// "mailto:?subject=…&body=…", every character of both but the unreserved ones (letters,
// digits, "-", ".", "_", "~") percent-encoded as UTF-8, line feeds included.
QUrl ReportMailUrl(const QString& report);

}  // namespace selvio
