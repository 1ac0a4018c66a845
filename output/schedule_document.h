#pragma once

#include <QDateTime>
#include <QString>
#include <QTextDocument>
#include <memory>

#include "output/schedule.h"

namespace selvio {

// The headings, the Russian sources of their translations (context "Schedule").
inline constexpr const char* kScheduleHeading =
    QT_TRANSLATE_NOOP("Schedule", "Ведомость оборудования");
inline constexpr const char* kOrderListHeading = QT_TRANSLATE_NOOP("Schedule", "Сводка для заказа");

// The schedule to edit (written as ODT): the heading, the project's name when it has one and
// the date, in Arial as the selection's document, then the positions and the order list as
// tables, the positions' heading row repeated on every page. Figures with decimal commas, "—"
// where a position has none. Its title is the heading.
std::unique_ptr<QTextDocument> BuildScheduleDocument(const Schedule& schedule,
                                                     const QString& projectName,
                                                     const QDateTime& when);

// The same schedule to print (written as PDF on landscape A4 by WritePdf): each position one
// row whose cells are laid out each on its own (PrintRows), a text too wide for its column
// wrapped within it and one too long for a page cut, alternate positions shaded, and the
// heading row at the top of every page. A row of cells is far faster to lay out than a table
// row, which makes the difference for a schedule of a thousand positions.
//
// In both documents every text has its control characters escaped, and a product or actuator
// not in the catalogue is marked, with a note under the order list.
std::unique_ptr<QTextDocument> BuildSchedulePrintDocument(const Schedule& schedule,
                                                          const QString& projectName,
                                                          const QDateTime& when);

}  // namespace selvio
