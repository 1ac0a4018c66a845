#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <QTextCursor>
#include <QTextDocument>
#include <vector>

namespace selvio {

class PrintRowPainter;

// Rows of cells side by side in a document to be printed, each cell laid out on its own: its
// text wraps within its column in a paragraph of its own, so nothing in it (a tab, a direction
// control, a right-to-left word) reaches the cells beside it, and the time it takes grows with
// the text's length, not its square. Each row is one object in a paragraph of its own and is
// never split between two pages. Sizes are in pixels of 96 per inch, as the document's other
// lengths; the rows are painted to scale on whatever device the document is laid out for.
class PrintRows {
 public:
  // The columns of a table and the characters of its cells.
  struct Table {
    std::vector<double> columns;  // widths, px
    QFont font;
    double cellGap = 4;         // px left free at the right of a cell's text
    double maxHeight = 100000;  // px; a taller row is cut, its longer cells ending in "…"
  };

  // A row laid out, to be measured before it is inserted.
  struct Row {
    int table = 0;
    std::vector<int> cells;  // the cells' layouts, kept by the painter
    double height = 0;       // px
  };

  // Registers the painter of the rows with `document`, which owns it.
  explicit PrintRows(QTextDocument& document);

  // Adds a table's columns and font; returns its number for Lay.
  int AddTable(Table table);

  // Lays `cells` out in the columns of table `table`: a cell too long for the table's height is
  // cut and ends in "…".
  Row Lay(int table, const QStringList& cells);

  // Inserts `row` at `cursor` as a paragraph of its own (the cursor's current block when it is
  // empty), on a `background` (none when invalid), after a page break when `newPage` is set.
  void Insert(QTextCursor& cursor, Row row, const QColor& background, bool newPage = false);

 private:
  PrintRowPainter* painter_;
};

}  // namespace selvio
