#include "output/report_document.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QCoreApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocumentWriter>
#include <QTextImageFormat>
#include <QUrl>

#include "output/safe_text.h"

namespace selvio {

QTextCharFormat ArialFormat(double pointSize) {
  const QString family = QString::fromUtf8(kReportFontFamily);
  QTextCharFormat format;
  format.setFontFamilies(QStringList{family});
  // Qt 6.4's ODF writer reads only the older single-family property; without it the file
  // names the default family instead.
  format.setProperty(QTextFormat::FontFamily, family);
  format.setFontPointSize(pointSize);
  return format;
}

namespace {

// A text of the report for the document: its lines and the tabs that indent sub-items as they
// are, any other control character a catalogue name holds shown escaped, so that it neither
// breaks a line nor turns the text after it round.
QString DocumentText(const QString& text) { return EscapeControls(text, QStringLiteral("\n\t")); }

QTextBlockFormat AlignedBlock(Qt::Alignment alignment) {
  QTextBlockFormat format;
  format.setAlignment(alignment);
  return format;
}

// The appendix after the report: heading, lines, and the pictures as resources of the document,
// which the OpenDocument writer stores in the file.
void InsertAppendix(QTextDocument& document, QTextCursor& cursor, const DocumentAppendix& appendix,
                    const QTextCharFormat& body) {
  QTextCharFormat heading = body;
  heading.setFontWeight(QFont::Bold);
  cursor.insertBlock(AlignedBlock(Qt::AlignLeft), body);
  cursor.insertBlock(AlignedBlock(Qt::AlignLeft), heading);
  cursor.insertText(appendix.heading, heading);
  cursor.insertBlock(AlignedBlock(Qt::AlignLeft), body);
  QString text = DocumentText(appendix.text);
  if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
  cursor.insertText(text, body);
  int number = 0;
  for (const QImage& picture : appendix.pictures) {
    if (picture.isNull()) continue;
    const QUrl name(QStringLiteral("picture%1.png").arg(++number));
    document.addResource(QTextDocument::ImageResource, name, picture);
    QTextImageFormat image;
    image.setName(name.toString());
    image.setWidth(kDocumentPictureSize.width());
    image.setHeight(kDocumentPictureSize.height());
    cursor.insertBlock(AlignedBlock(Qt::AlignLeft), body);
    cursor.insertImage(image);
  }
}

}  // namespace

QString ReportDateLine(const QDateTime& when) {
  return QCoreApplication::translate("ReportDocument", "Дата подбора: %1")
             .arg(when.toString(QStringLiteral("HH:mm dd.MM.yyyy"))) +
         QLatin1Char('\n');
}

std::unique_ptr<QTextDocument> BuildReportDocument(
    const QString& report, const QDateTime& when, const std::optional<DocumentAppendix>& appendix) {
  auto document = std::make_unique<QTextDocument>();
  const QString title = QCoreApplication::translate("ReportDocument", kReportHeading);
  document->setMetaInformation(QTextDocument::DocumentTitle, title);
  QFont bodyFont(QString::fromUtf8(kReportFontFamily));
  bodyFont.setPointSizeF(kReportBodyPointSize);
  document->setDefaultFont(bodyFont);

  const QTextCharFormat heading = ArialFormat(kReportHeadingPointSize);
  const QTextCharFormat body = ArialFormat(kReportBodyPointSize);
  QTextCursor cursor(document.get());
  cursor.setBlockFormat(AlignedBlock(Qt::AlignHCenter));
  cursor.setBlockCharFormat(heading);
  cursor.insertText(title, heading);
  cursor.insertBlock(AlignedBlock(Qt::AlignLeft), body);
  // Every line feed starts a paragraph of the same format: the date line's own line feed
  // leaves an empty paragraph before the report.
  cursor.insertText(ReportDateLine(when) + QLatin1Char('\n') + DocumentText(report), body);
  if (appendix) InsertAppendix(*document, cursor, *appendix, body);
  return document;
}

std::optional<QByteArray> OdtBytes(const QTextDocument& document) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QTextDocumentWriter writer(&buffer, "odf");
  if (!writer.write(&document)) return std::nullopt;
  return buffer.data();
}

std::optional<QByteArray> PdfBytes(QTextDocument& document, QPageLayout::Orientation orientation) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  {
    // The writer ends the file when it goes.
    QPdfWriter writer(&buffer);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageOrientation(orientation);
    writer.setPageMargins(QMarginsF(25, 20, 15, 20), QPageLayout::Millimeter);
    writer.setTitle(document.metaInformation(QTextDocument::DocumentTitle));
    writer.setCreator(QStringLiteral("Selvio"));
    if (!PaintDocumentPages(document, writer)) return std::nullopt;
  }
  return buffer.data();
}

namespace {

WriteResult WriteMade(const std::optional<QByteArray>& bytes, const QString& path,
                      LinkPolicy links) {
  if (!bytes) return {WriteError::NoContent, 0, false};
  return WriteFileWhole(path, *bytes, links);
}

}  // namespace

WriteResult WriteOdt(const QTextDocument& document, const QString& path, LinkPolicy links) {
  return WriteMade(OdtBytes(document), path, links);
}

WriteResult WritePdf(QTextDocument& document, const QString& path, LinkPolicy links,
                     QPageLayout::Orientation orientation) {
  return WriteMade(PdfBytes(document, orientation), path, links);
}

bool PaintDocumentPages(QTextDocument& document, QPagedPaintDevice& device) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  document.documentLayout()->setPaintDevice(&device);
  const QSizeF page(device.width(), device.height());
  document.setPageSize(page);
  const int pages = document.pageCount();
  for (int index = 0; index < pages; ++index) {
    if (index > 0) device.newPage();
    const double top = index * page.height();
    painter.save();
    painter.translate(0, -top);
    document.drawContents(&painter, QRectF(QPointF(0, top), page));
    painter.restore();
  }
  return painter.end();
}

}  // namespace selvio
