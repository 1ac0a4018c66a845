#pragma once

#include <QDateTime>
#include <QString>
#include <QTextDocument>
#include <memory>

#include "output/schedule.h"

namespace selvio {

inline constexpr const char* kScheduleHeading = "Ведомость оборудования";
inline constexpr const char* kOrderListHeading = "Сводка для заказа";

// The schedule to edit (written as ODT): the heading, the project's name when it has one and
// the date, in Arial as the selection's document, then the positions and the order list as
// tables, the positions' heading row repeated on every page. Figures with decimal commas, "—"
// where a position has none. Its title is the heading.
std::unique_ptr<QTextDocument> BuildScheduleDocument(const Schedule& schedule,
                                                     const QString& projectName,
                                                     const QDateTime& when);

// The same schedule to print (written as PDF on landscape A4 by WritePdf): each position one
// paragraph whose cells stand at tab stops, a text too wide for its column wrapped onto more
// lines of the paragraph, alternate positions shaded, and the heading row at the top of every
// page. Qt lays out a paragraph far faster than a table cell, which makes the difference for a
// schedule of a thousand positions.
std::unique_ptr<QTextDocument> BuildSchedulePrintDocument(const Schedule& schedule,
                                                          const QString& projectName,
                                                          const QDateTime& when);

}  // namespace selvio
