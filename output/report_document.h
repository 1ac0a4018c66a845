#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QImage>
#include <QPageLayout>
#include <QSizeF>
#include <QString>
#include <QTextCharFormat>
#include <QTextDocument>
#include <memory>
#include <optional>
#include <vector>

#include "platform/whole_file.h"

class QPagedPaintDevice;

namespace selvio {

// The document's heading and title, the Russian source of its translation (context
// "ReportDocument").
inline constexpr const char* kReportHeading =
    QT_TRANSLATE_NOOP("ReportDocument", "Результат подбора клапана");
inline constexpr double kReportHeadingPointSize = 26;
inline constexpr double kReportBodyPointSize = 14;
inline constexpr const char* kReportFontFamily = "Arial";

// "Дата подбора: 09:05 03.02.2012\n" for that local time: 24-hour hours and minutes, then the
// day, month and four-digit year, in every language.
QString ReportDateLine(const QDateTime& when);

// Characters in Arial of `pointSize` points, as the documents' texts are set.
QTextCharFormat ArialFormat(double pointSize);

// Pictures are shown this size in the document, in pixels of 96 per inch (159 × 99 mm), whatever
// their own size: an image of more pixels prints sharper.
inline constexpr QSizeF kDocumentPictureSize(600, 375);

// A part of the document after the report: its heading, its lines and its pictures.
struct DocumentAppendix {
  QString heading;
  QString text;
  std::vector<QImage> pictures;
};

// The document of a selection: the heading centred in 26-point Arial, then, left-aligned in
// 14-point Arial, the date line, an empty line and the report's lines. An appendix follows
// after an empty line: its heading in bold, its lines, then each picture in a paragraph of its
// own, as kDocumentPictureSize; null pictures are left out. Its title is the heading.
std::unique_ptr<QTextDocument> BuildReportDocument(
    const QString& report, const QDateTime& when,
    const std::optional<DocumentAppendix>& appendix = std::nullopt);

// The document as an OpenDocument text file's bytes; nothing when the writer failed.
std::optional<QByteArray> OdtBytes(const QTextDocument& document);

// The document as the bytes of an A4 PDF with its fonts embedded and the document's title;
// nothing when painting failed.
std::optional<QByteArray> PdfBytes(QTextDocument& document,
                                   QPageLayout::Orientation orientation = QPageLayout::Portrait);

// The document written to `path` as OdtBytes or PdfBytes make it, whole or not at all
// (WriteFileWhole; WriteError::NoContent when the bytes could not be made).
WriteResult WriteOdt(const QTextDocument& document, const QString& path, LinkPolicy links);
WriteResult WritePdf(QTextDocument& document, const QString& path, LinkPolicy links,
                     QPageLayout::Orientation orientation = QPageLayout::Portrait);

// Lays the document out on `device`'s pages and paints them, with nothing added (no page
// numbers). The document keeps that layout afterwards. False when painting could not start.
bool PaintDocumentPages(QTextDocument& document, QPagedPaintDevice& device);

}  // namespace selvio
