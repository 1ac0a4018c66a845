#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <limits>
#include <vector>

// The schedule of a project: one row per position with its inputs and what was chosen, and the
// order list that sums the quantities per product.
namespace selvio {

inline constexpr float kNoFigure = std::numeric_limits<float>::quiet_NaN();

struct ScheduleRow {
  int number = 0;  // the position's place in the project, from 1
  QString label;
  int quantity = 0;
  QString medium;          // "вода", "гликоль", "пар"
  float flow = kNoFigure;  // in flowUnit, as typed
  QString flowUnit;
  float drop = kNoFigure;  // in dropUnit, as typed
  QString dropUnit;
  bool relativeDrop = false;  // steam's δ: dropUnit is "δ", or "δ кПа" for a δ typed in kPa
  QString product;            // empty when nothing was found
  QString dn;
  float kvs = kNoFigure;  // m³/h
  QString actuator;
  QString controller;
  // The catalogue the schedule was made on holds no product of this name and DN, no actuator of
  // this name: the position was sized on another one.
  bool productNotInCatalogue = false;
  bool actuatorNotInCatalogue = false;
  float kv = kNoFigure;        // m³/h, Kv·K
  float dpv = kNoFigure;       // bar
  float velocity = kNoFigure;  // m/s
};

// One line of the order list: a product, an actuator or a controller kit and how many of it
// the positions need.
struct OrderLine {
  QString name;
  QString dn;  // empty for actuators and controllers
  long long quantity = 0;
  bool notInCatalogue = false;
};

struct Schedule {
  std::vector<ScheduleRow> rows;
  std::vector<OrderLine> orders;
};

// The order list of `rows`: the products (by name and DN), then the actuators, then the
// controller kits, each in the order it first appears, with the quantities of the positions
// that hold it summed. Positions without a product add nothing.
std::vector<OrderLine> OrderList(const std::vector<ScheduleRow>& rows);

// The schedule of `rows` with its order list.
Schedule MakeSchedule(std::vector<ScheduleRow> rows);

// The column headings of the schedule's documents (G and ΔP with their units in the cell), of
// its CSV (the units in columns of their own, so that the numbers stay numbers), and of the
// order list.
QStringList ScheduleHeadings();
QStringList ScheduleCsvHeadings();
QStringList OrderListHeadings();

// The product, the actuator and an order line's name as the documents and the CSV show them:
// marked "[нет в каталоге]" when the catalogue does not hold them; empty when there is none.
QString ScheduleProductText(const ScheduleRow& row);
QString ScheduleActuatorText(const ScheduleRow& row);
QString OrderLineText(const OrderLine& line);

// Whether some row or order line is marked as not in the catalogue, and the note under the
// schedule that says what the mark means.
bool MarksItemsNotInCatalogue(const Schedule& schedule);
QString NotInCatalogueNote();

// The cells G and ΔP of the documents: the number as typed and its unit ("5 м³/ч", "0,3 Бар"),
// for steam "δ 0,3" ("δ 30 кПа"); "—" without a number.
QString ScheduleFlowText(const ScheduleRow& row);
QString ScheduleDropText(const ScheduleRow& row);

// A figure as the schedule's documents print it: two decimals (the velocity as the calculated
// data shows it), a decimal comma, "—" when there is none.
QString ScheduleFigureText(float value);
QString ScheduleVelocityText(float value);

// A number as the CSV holds it: the shortest decimal that reads back as the same float, with a
// decimal comma; empty when there is none.
QString CsvDecimal(float value);

// The schedule as CSV for a spreadsheet in a Russian locale: UTF-8 with a byte order mark,
// cells separated by ";", decimal commas, lines ended by CR LF. The heading line and one line
// per row (ScheduleCsvHeadings), then an empty line, the order list's heading line and its
// lines, and after another empty line the note on items not in the catalogue when some are.
// Texts have their control characters escaped and are kept from being read as formulas
// (SpreadsheetText); numbers stay numbers.
QByteArray ScheduleCsv(const Schedule& schedule);

}  // namespace selvio
