#include "output/schedule_document.h"

#include <QFontMetricsF>
#include <QHash>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextTable>
#include <QTextTableFormat>
#include <array>

#include "output/report_document.h"

namespace selvio {
namespace {

constexpr double kHeadingPointSize = 16;
constexpr double kBodyPointSize = 10;
constexpr double kTablePointSize = 8;

// The print layout's columns in pixels of 96 per inch, as a document measures tab stops: the
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

QStringList RowCells(const ScheduleRow& r) {
  return {QString::number(r.number),
          r.label,
          QString::number(r.quantity),
          r.medium,
          ScheduleFlowText(r),
          ScheduleDropText(r),
          Dash(r.product),
          r.dn,
          ScheduleFigureText(r.kvs),
          r.actuator,
          r.controller,
          ScheduleFigureText(r.kv),
          ScheduleFigureText(r.dpv),
          ScheduleVelocityText(r.velocity)};
}

QStringList OrderCells(const OrderLine& line) {
  return {line.name, line.dn, QString::number(line.quantity)};
}

QTextCharFormat Bold(QTextCharFormat format) {
  format.setFontWeight(QFont::Bold);
  return format;
}

// The heading centred, then the project's name and the date on lines of their own.
QTextCursor StartDocument(QTextDocument& document, const QString& projectName,
                          const QDateTime& when) {
  document.setMetaInformation(QTextDocument::DocumentTitle, QString::fromUtf8(kScheduleHeading));
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
  cursor.insertText(QString::fromUtf8(kScheduleHeading), heading);
  if (!projectName.isEmpty()) {
    cursor.insertBlock(QTextBlockFormat(), body);
    cursor.insertText(QString::fromUtf8("Проект: ") + projectName, body);
  }
  cursor.insertBlock(QTextBlockFormat(), body);
  cursor.insertText(QString::fromUtf8("Дата: ") + when.toString(QStringLiteral("HH:mm dd.MM.yyyy")),
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

// ---- Rows on tab stops, for print.

// Breaks `text` into lines no wider than `width`: at blanks, and inside a word only when the
// word alone is wider.
QStringList WrapText(const QString& text, const QFontMetricsF& metrics, double width) {
  if (metrics.horizontalAdvance(text) <= width) return {text};
  QStringList lines;
  QString line;
  const auto add = [&](const QString& piece) {
    const QString joined = line.isEmpty() ? piece : line + QLatin1Char(' ') + piece;
    if (line.isEmpty() || metrics.horizontalAdvance(joined) <= width) {
      line = joined;
      return;
    }
    lines << line;
    line = piece;
  };
  for (QString word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
    while (metrics.horizontalAdvance(word) > width && word.size() > 1) {
      qsizetype fits = 1;
      while (fits < word.size() && metrics.horizontalAdvance(word.left(fits + 1)) <= width) ++fits;
      if (!line.isEmpty()) {
        lines << line;
        line.clear();
      }
      lines << word.left(fits);
      word = word.mid(fits);
    }
    add(word);
  }
  if (!line.isEmpty() || lines.isEmpty()) lines << line;
  return lines;
}

// Lays cells out on the tab stops of their columns, wrapping within each column; measured
// widths are kept, as the same names come back row after row.
class TabRows {
 public:
  template <std::size_t N>
  TabRows(const std::array<double, N>& columns, const QFont& font)
      : metrics_(font), widths_(columns.begin(), columns.end()) {
    double position = 0;
    for (std::size_t i = 0; i + 1 < N; ++i) {
      position += columns[i];
      tabs_ << QTextOption::Tab(position, QTextOption::LeftTab);
    }
  }

  const QList<QTextOption::Tab>& Tabs() const { return tabs_; }
  double LineHeight() const { return metrics_.lineSpacing(); }

  // The paragraph's text: its lines separated by line separators, the cells of each line by
  // tabs; and how many lines it has.
  std::pair<QString, int> Text(const QStringList& cells) {
    std::vector<QStringList> wrapped;
    int lines = 1;
    for (qsizetype i = 0; i < cells.size(); ++i) {
      wrapped.push_back(Wrapped(cells[i], widths_[static_cast<std::size_t>(i)] - kCellGap));
      lines = std::max(lines, static_cast<int>(wrapped.back().size()));
    }
    QString text;
    for (int line = 0; line < lines; ++line) {
      if (line > 0) text += QChar::LineSeparator;
      for (std::size_t i = 0; i < wrapped.size(); ++i) {
        if (i > 0) text += QLatin1Char('\t');
        text += wrapped[i].value(line);
      }
    }
    return {text, lines};
  }

 private:
  QStringList Wrapped(const QString& text, double width) {
    const auto key = std::make_pair(text, width);
    if (const auto found = cache_.constFind(key); found != cache_.cend()) return *found;
    return *cache_.insert(key, WrapText(text, metrics_, width));
  }

  QFontMetricsF metrics_;
  std::vector<double> widths_;
  QList<QTextOption::Tab> tabs_;
  QHash<std::pair<QString, double>, QStringList> cache_;
};

QTextBlockFormat RowFormat(const QList<QTextOption::Tab>& tabs) {
  QTextBlockFormat format;
  format.setTabPositions(tabs);
  format.setNonBreakableLines(true);
  return format;
}

QFont TableFont() {
  QFont font(QString::fromUtf8(kReportFontFamily));
  font.setPointSizeF(kTablePointSize);
  return font;
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
  cursor.insertText(QString::fromUtf8(kOrderListHeading), Bold(body));
  cursor.insertBlock(QTextBlockFormat(), body);
  std::vector<QStringList> orders;
  for (const OrderLine& line : schedule.orders) orders.push_back(OrderCells(line));
  InsertTable(cursor, OrderListHeadings(), orders, body);
  return document;
}

std::unique_ptr<QTextDocument> BuildSchedulePrintDocument(const Schedule& schedule,
                                                          const QString& projectName,
                                                          const QDateTime& when) {
  auto document = std::make_unique<QTextDocument>();
  QTextCursor cursor = StartDocument(*document, projectName, when);
  const QTextCharFormat cells = ArialFormat(kTablePointSize);
  const QTextCharFormat bold = Bold(cells);

  // What the first page holds above the table: the heading and the body lines under it.
  const double bodyLine = QFontMetricsF(document->defaultFont()).lineSpacing();
  QFont headingFont = document->defaultFont();
  headingFont.setPointSizeF(kHeadingPointSize);
  const double usable = kPrintHeight * (1 - kPageReserve);
  double left = usable - QFontMetricsF(headingFont).lineSpacing() -
                (projectName.isEmpty() ? 2 : 3) * bodyLine;

  TabRows rows(kScheduleColumns, TableFont());
  const QTextBlockFormat rowFormat = RowFormat(rows.Tabs());
  QTextBlockFormat headingRow = rowFormat;
  headingRow.setBackground(kHeadingShade);
  const auto [headingText, headingLines] = rows.Text(ScheduleHeadings());
  const double headingHeight = headingLines * rows.LineHeight();

  const auto insertHeadingRow = [&](bool newPage) {
    QTextBlockFormat format = headingRow;
    if (newPage) format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    cursor.setBlockFormat(format);
    cursor.insertText(headingText, bold);
    left -= headingHeight;
  };
  insertHeadingRow(false);
  bool shaded = false;
  for (const ScheduleRow& row : schedule.rows) {
    const auto [text, lines] = rows.Text(RowCells(row));
    const double height = lines * rows.LineHeight();
    QTextBlockFormat format = rowFormat;
    if (shaded) format.setBackground(kShade);
    shaded = !shaded;
    cursor.insertBlock(format, cells);
    if (height > left) {
      insertHeadingRow(true);
      left = usable - headingHeight;
      cursor.insertBlock(format, cells);
    }
    cursor.insertText(text, cells);
    left -= height;
  }

  const QTextCharFormat body = ArialFormat(kBodyPointSize);
  cursor.insertBlock(QTextBlockFormat(), body);
  cursor.insertBlock(QTextBlockFormat(), body);
  cursor.insertText(QString::fromUtf8(kOrderListHeading), Bold(body));
  TabRows orders(kOrderColumns, TableFont());
  const QTextBlockFormat orderFormat = RowFormat(orders.Tabs());
  cursor.insertBlock(orderFormat, bold);
  cursor.insertText(orders.Text(OrderListHeadings()).first, bold);
  for (const OrderLine& line : schedule.orders) {
    cursor.insertBlock(orderFormat, cells);
    cursor.insertText(orders.Text(OrderCells(line)).first, cells);
  }
  return document;
}

}  // namespace selvio
