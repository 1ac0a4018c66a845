#include "output/schedule_document.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextTable>
#include <QTextTableFormat>
#include <array>

#include "output/print_rows.h"
#include "output/report_document.h"
#include "output/safe_text.h"

namespace selvio {
namespace {

constexpr double kHeadingPointSize = 16;
constexpr double kBodyPointSize = 10;
constexpr double kTablePointSize = 8;

// The print layout's columns in pixels of 96 per inch, as a document measures lengths: the
// schedule's fourteen, then the order list's three. Together they fill the 257 mm × 170 mm that
// WritePdf leaves inside its margins of a landscape A4 page (971 × 642 px, less the document's
// own margin of 4 px all round).
constexpr std::array<double, 14> kScheduleColumns{26, 170, 40,  48, 64, 64, 130,
                                                  30, 50,  130, 70, 46, 46, 46};
constexpr std::array<double, 3> kOrderColumns{360, 60, 80};
constexpr double kPrintHeight = 642 - 2 * 4;
constexpr double kCellGap = 4;  // px left free at the right of a cell's text
// Lines of a page left unused, for the rounding of the metrics at the printer's resolution.
constexpr double kPageReserve = 0.04;

const QColor kShade(0xEE, 0xEE, 0xEE);
const QColor kHeadingShade(0xD0, 0xD0, 0xD0);

QString Dash(const QString& text) { return text.isEmpty() ? QString::fromUtf8("—") : text; }

// Each cell's control characters escaped: a cell shows its text and steers nothing.
QStringList Escaped(QStringList cells) {
  for (QString& cell : cells) cell = EscapeControls(cell);
  return cells;
}

QStringList RowCells(const ScheduleRow& r) {
  return Escaped({QString::number(r.number), r.label, QString::number(r.quantity), r.medium,
                  ScheduleFlowText(r), ScheduleDropText(r), Dash(ScheduleProductText(r)), r.dn,
                  ScheduleFigureText(r.kvs), ScheduleActuatorText(r), r.controller,
                  ScheduleFigureText(r.kv), ScheduleFigureText(r.dpv),
                  ScheduleVelocityText(r.velocity)});
}

QStringList OrderCells(const OrderLine& line) {
  return Escaped({OrderLineText(line), line.dn, QString::number(line.quantity)});
}

QTextCharFormat Bold(QTextCharFormat format) {
  format.setFontWeight(QFont::Bold);
  return format;
}

// The heading centred, then the project's name and the date on lines of their own.
QTextCursor StartDocument(QTextDocument& document, const QString& projectName,
                          const QDateTime& when) {
  document.setMetaInformation(QTextDocument::DocumentTitle,
                              QCoreApplication::translate("Schedule", kScheduleHeading));
  QFont bodyFont(QString::fromUtf8(kReportFontFamily));
  bodyFont.setPointSizeF(kBodyPointSize);
  document.setDefaultFont(bodyFont);

  const QTextCharFormat heading = ArialFormat(kHeadingPointSize);
  const QTextCharFormat body = ArialFormat(kBodyPointSize);
  QTextBlockFormat centred;
  centred.setAlignment(Qt::AlignHCenter);
  QTextCursor cursor(&document);
  cursor.setBlockFormat(centred);
  cursor.setBlockCharFormat(heading);
  cursor.insertText(QCoreApplication::translate("Schedule", kScheduleHeading), heading);
  if (!projectName.isEmpty()) {
    cursor.insertBlock(QTextBlockFormat(), body);
    cursor.insertText(
        QCoreApplication::translate("Schedule", "Проект: %1").arg(EscapeControls(projectName)),
        body);
  }
  cursor.insertBlock(QTextBlockFormat(), body);
  cursor.insertText(QCoreApplication::translate("Schedule", "Дата: %1")
                        .arg(when.toString(QStringLiteral("HH:mm dd.MM.yyyy"))),
                    body);
  cursor.insertBlock(QTextBlockFormat(), body);
  return cursor;
}

// ---- Tables, for the document to edit.

QTextTableFormat TableFormat() {
  QTextTableFormat format;
  format.setHeaderRowCount(1);
  format.setCellPadding(2);
  format.setCellSpacing(0);
  format.setBorder(0.5);
  format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
  format.setBorderCollapse(true);
  return format;
}

// A table of `lines` under a heading row in bold; the cursor ends after it.
void InsertTable(QTextCursor& cursor, const QStringList& headings,
                 const std::vector<QStringList>& lines, const QTextCharFormat& body) {
  const QTextCharFormat bold = Bold(body);
  const int columns = static_cast<int>(headings.size());
  QTextTable* table =
      cursor.insertTable(static_cast<int>(lines.size()) + 1, columns, TableFormat());
  for (int column = 0; column < columns; ++column) {
    table->cellAt(0, column).firstCursorPosition().insertText(headings[column], bold);
  }
  for (std::size_t row = 0; row < lines.size(); ++row) {
    for (int column = 0; column < columns; ++column) {
      table->cellAt(static_cast<int>(row) + 1, column)
          .firstCursorPosition()
          .insertText(lines[row].value(column), body);
    }
  }
  cursor.movePosition(QTextCursor::End);
}

QFont TableFont() {
  QFont font(QString::fromUtf8(kReportFontFamily));
  font.setPointSizeF(kTablePointSize);
  return font;
}

QFont Bold(QFont font) {
  font.setBold(true);
  return font;
}

PrintRows::Table PrintTable(const std::vector<double>& columns, const QFont& font,
                            double maxHeight) {
  PrintRows::Table table;
  table.columns = columns;
  table.font = font;
  table.cellGap = kCellGap;
  table.maxHeight = maxHeight;
  return table;
}

// The note under the tables when some product or actuator is not in the catalogue.
void InsertNote(QTextCursor& cursor, const Schedule& schedule, const QTextCharFormat& format) {
  if (!MarksItemsNotInCatalogue(schedule)) return;
  cursor.insertBlock(QTextBlockFormat(), format);
  cursor.insertText(NotInCatalogueNote(), format);
}

}  // namespace

std::unique_ptr<QTextDocument> BuildScheduleDocument(const Schedule& schedule,
                                                     const QString& projectName,
                                                     const QDateTime& when) {
  auto document = std::make_unique<QTextDocument>();
  QTextCursor cursor = StartDocument(*document, projectName, when);
  const QTextCharFormat body = ArialFormat(kBodyPointSize);

  std::vector<QStringList> rows;
  rows.reserve(schedule.rows.size());
  for (const ScheduleRow& row : schedule.rows) rows.push_back(RowCells(row));
  InsertTable(cursor, ScheduleHeadings(), rows, ArialFormat(kTablePointSize));

  cursor.insertBlock(QTextBlockFormat(), body);
  cursor.insertText(QCoreApplication::translate("Schedule", kOrderListHeading), Bold(body));
  cursor.insertBlock(QTextBlockFormat(), body);
  std::vector<QStringList> orders;
  for (const OrderLine& line : schedule.orders) orders.push_back(OrderCells(line));
  InsertTable(cursor, OrderListHeadings(), orders, body);
  InsertNote(cursor, schedule, body);
  return document;
}

std::unique_ptr<QTextDocument> BuildSchedulePrintDocument(const Schedule& schedule,
                                                          const QString& projectName,
                                                          const QDateTime& when) {
  auto document = std::make_unique<QTextDocument>();
  QTextCursor cursor = StartDocument(*document, projectName, when);

  // What the first page holds above the table: the heading and the body lines under it.
  const double bodyLine = QFontMetricsF(document->defaultFont()).lineSpacing();
  QFont headingFont = document->defaultFont();
  headingFont.setPointSizeF(kHeadingPointSize);
  const double usable = kPrintHeight * (1 - kPageReserve);
  double left = usable - QFontMetricsF(headingFont).lineSpacing() -
                (projectName.isEmpty() ? 2 : 3) * bodyLine;

  PrintRows rows(*document);
  const std::vector<double> columns(kScheduleColumns.begin(), kScheduleColumns.end());
  const int headings = rows.AddTable(PrintTable(columns, Bold(TableFont()), usable / 2));
  const PrintRows::Row headingRow = rows.Lay(headings, ScheduleHeadings());
  // A position's row fits on a page under the heading row: a longer text is cut.
  const int positions =
      rows.AddTable(PrintTable(columns, TableFont(), usable - headingRow.height - bodyLine));

  rows.Insert(cursor, headingRow, kHeadingShade);
  left -= headingRow.height;
  bool shaded = false;
  for (const ScheduleRow& row : schedule.rows) {
    const PrintRows::Row laid = rows.Lay(positions, RowCells(row));
    if (laid.height > left) {
      rows.Insert(cursor, headingRow, kHeadingShade, true);
      left = usable - headingRow.height;
    }
    rows.Insert(cursor, laid, shaded ? kShade : QColor());
    shaded = !shaded;
    left -= laid.height;
  }

  const QTextCharFormat body = ArialFormat(kBodyPointSize);
  cursor.insertBlock(QTextBlockFormat(), body);
  cursor.insertBlock(QTextBlockFormat(), body);
  cursor.insertText(QCoreApplication::translate("Schedule", kOrderListHeading), Bold(body));
  const std::vector<double> orderColumns(kOrderColumns.begin(), kOrderColumns.end());
  const int orderHeadings = rows.AddTable(PrintTable(orderColumns, Bold(TableFont()), usable));
  const int orders = rows.AddTable(PrintTable(orderColumns, TableFont(), usable));
  rows.Insert(cursor, rows.Lay(orderHeadings, OrderListHeadings()), QColor());
  for (const OrderLine& line : schedule.orders) {
    rows.Insert(cursor, rows.Lay(orders, OrderCells(line)), QColor());
  }
  InsertNote(cursor, schedule, body);
  return document;
}

}  // namespace selvio
