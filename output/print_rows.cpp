#include "output/print_rows.h"

#include <QAbstractTextDocumentLayout>
#include <QHash>
#include <QPaintDevice>
#include <QPainter>
#include <QTextBlock>
#include <QTextLayout>
#include <QTextObjectInterface>
#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <numeric>

namespace selvio {
namespace {

constexpr int kRowObject = QTextFormat::UserObject + 1;
constexpr int kRowIndex = QTextFormat::UserProperty + 1;
constexpr double kDocumentDpi = 96;

const QString kCutMark = QStringLiteral("…");

// A cell's paragraph: wrapped where Unicode's line breaking allows (at blanks, after a hyphen or
// a slash), inside a word only when the word alone is wider than the column; left to right
// whatever its first letter, so that its figures stay where the other cells' are; advances at
// the font's design size, the same on screen and on paper.
void StartLayout(QTextLayout& layout) {
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  option.setTextDirection(Qt::LeftToRight);
  option.setUseDesignMetrics(true);
  layout.setTextOption(option);
  layout.beginLayout();
}

// Lays `layout` out in lines of `width`, one below the other, stopping after `maxLines` + 1
// lines; returns how many it made and their height.
std::pair<int, double> LayLines(QTextLayout& layout, double width, int maxLines) {
  StartLayout(layout);
  int lines = 0;
  double height = 0;
  while (lines <= maxLines) {
    QTextLine line = layout.createLine();
    if (!line.isValid()) break;
    line.setLineWidth(width);
    line.setPosition(QPointF(0, height));
    height += line.height();
    ++lines;
  }
  layout.endLayout();
  return {lines, height};
}

// A cell's text laid out within at most `maxLines` lines of `width`: whole, or cut at the end of
// the last line that fits and ended with "…".
std::unique_ptr<QTextLayout> FitCell(const QString& text, const QFont& font, double width,
                                     int maxLines) {
  auto layout = std::make_unique<QTextLayout>(text, font);
  if (LayLines(*layout, width, maxLines).first <= maxLines) return layout;
  const QTextLine last = layout->lineAt(maxLines - 1);
  qsizetype end = last.textStart() + last.textLength();
  // The mark may not fit beside the last line's text: take off a character at a time.
  for (int attempt = 0; attempt < 8 && end > 0; ++attempt, --end) {
    if (text[end - 1].isHighSurrogate()) --end;  // a character is never split in two
    auto cut = std::make_unique<QTextLayout>(text.left(end).trimmed() + kCutMark, font);
    if (LayLines(*cut, width, maxLines).first <= maxLines) return cut;
  }
  auto mark = std::make_unique<QTextLayout>(kCutMark, font);
  LayLines(*mark, width, maxLines);
  return mark;
}

// The height of a laid-out cell.
double HeightOf(const QTextLayout& layout) {
  return layout.lineCount() == 0 ? 0 : layout.boundingRect().bottom();
}

}  // namespace

// The rows of a document, painted as its layout asks for them.
class PrintRowPainter : public QObject, public QTextObjectInterface {
  Q_OBJECT
  Q_INTERFACES(QTextObjectInterface)

 public:
  using QObject::QObject;

  struct Placed {
    PrintRows::Row row;
    QColor background;
  };

  std::vector<PrintRows::Table> tables;
  std::vector<Placed> rows;
  // Every distinct cell laid out once, by table, column and text: the same names and figures
  // come back row after row.
  std::vector<std::unique_ptr<QTextLayout>> cells;
  std::map<std::pair<int, int>, QHash<QString, int>> cellOf;

  QSizeF intrinsicSize(QTextDocument* document, int, const QTextFormat& format) override {
    const Placed* placed = RowOf(format);
    if (!placed) return {};
    const PrintRows::Table& table = tables[static_cast<std::size_t>(placed->row.table)];
    const double width = std::accumulate(table.columns.begin(), table.columns.end(), 0.0);
    return QSizeF(width, placed->row.height) * Scale(document);
  }

  void drawObject(QPainter* painter, const QRectF& rect, QTextDocument* document, int,
                  const QTextFormat& format) override {
    const Placed* placed = RowOf(format);
    if (!placed) return;
    const PrintRows::Table& table = tables[static_cast<std::size_t>(placed->row.table)];
    const double scale = Scale(document);
    painter->save();
    painter->translate(rect.topLeft());
    painter->scale(scale, scale);
    if (placed->background.isValid()) {
      painter->fillRect(QRectF(0, 0, rect.width() / scale, placed->row.height), placed->background);
    }
    double x = 0;
    for (std::size_t i = 0; i < table.columns.size(); ++i) {
      cells[static_cast<std::size_t>(placed->row.cells[i])]->draw(painter, QPointF(x, 0));
      x += table.columns[i];
    }
    painter->restore();
  }

 private:
  const Placed* RowOf(const QTextFormat& format) const {
    const int index = format.intProperty(kRowIndex);
    return index >= 0 && index < static_cast<int>(rows.size())
               ? &rows[static_cast<std::size_t>(index)]
               : nullptr;
  }

  // Device pixels per document pixel on the device the document is laid out for.
  static double Scale(QTextDocument* document) {
    const QPaintDevice* device = document->documentLayout()->paintDevice();
    return device ? device->logicalDpiY() / kDocumentDpi : 1.0;
  }
};

PrintRows::PrintRows(QTextDocument& document) : painter_(new PrintRowPainter(&document)) {
  document.documentLayout()->registerHandler(kRowObject, painter_);
}

int PrintRows::AddTable(Table table) {
  table.font.setHintingPreference(QFont::PreferNoHinting);
  painter_->tables.push_back(std::move(table));
  return static_cast<int>(painter_->tables.size()) - 1;
}

PrintRows::Row PrintRows::Lay(int table, const QStringList& cells) {
  const Table& t = painter_->tables.at(static_cast<std::size_t>(table));
  const double lineHeight = QFontMetricsF(t.font).height();
  const int maxLines = std::max(1, static_cast<int>(std::floor(t.maxHeight / lineHeight)));
  Row row{table, {}, 0};
  for (std::size_t i = 0; i < t.columns.size(); ++i) {
    const QString text = cells.value(static_cast<qsizetype>(i));
    QHash<QString, int>& column = painter_->cellOf[{table, static_cast<int>(i)}];
    auto found = column.constFind(text);
    if (found == column.cend()) {
      painter_->cells.push_back(FitCell(text, t.font, t.columns[i] - t.cellGap, maxLines));
      found = column.insert(text, static_cast<int>(painter_->cells.size()) - 1);
    }
    row.cells.push_back(*found);
    row.height = std::max(row.height, HeightOf(*painter_->cells[static_cast<std::size_t>(*found)]));
  }
  return row;
}

void PrintRows::Insert(QTextCursor& cursor, Row row, const QColor& background, bool newPage) {
  QTextBlockFormat block;
  if (newPage) block.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
  QTextCharFormat object;
  object.setObjectType(kRowObject);
  object.setProperty(kRowIndex, static_cast<int>(painter_->rows.size()));
  if (cursor.block().length() > 1) {
    cursor.insertBlock(block, object);
  } else {
    cursor.setBlockFormat(block);
    cursor.setBlockCharFormat(object);
  }
  painter_->rows.push_back({std::move(row), background});
  cursor.insertText(QString(QChar::ObjectReplacementCharacter), object);
}

}  // namespace selvio

#include "print_rows.moc"
