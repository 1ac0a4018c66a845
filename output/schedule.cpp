#include "output/schedule.h"

#include <QCoreApplication>
#include <charconv>
#include <cmath>

#include "output/panel_texts.h"
#include "output/safe_text.h"
#include "output/value_text.h"

namespace selvio {
namespace {

// The mark of a product or an actuator the catalogue does not hold, and the note that explains
// it.

QString WithDecimalComma(QString text) {
  text.replace(QLatin1Char('.'), QLatin1Char(','));
  return text;
}

QString Marked(const QString& name, bool notInCatalogue) {
  return notInCatalogue ? QCoreApplication::translate("Schedule", "%1 [нет в каталоге]").arg(name)
                        : name;
}

// Adds `quantity` to the line of `name` and `dn`, appending it when it is new.
void AddOrder(std::vector<OrderLine>& lines, const QString& name, const QString& dn, int quantity,
              bool notInCatalogue) {
  if (name.isEmpty()) return;
  for (OrderLine& line : lines) {
    if (line.name == name && line.dn == dn) {
      line.quantity += quantity;
      line.notInCatalogue = line.notInCatalogue || notInCatalogue;
      return;
    }
  }
  lines.push_back({name, dn, quantity, notInCatalogue});
}

// One CSV cell: quoted when it holds the separator, a quote or a line break.
QString CsvCell(const QString& text) {
  if (!text.contains(QLatin1Char(';')) && !text.contains(QLatin1Char('"')) &&
      !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r'))) {
    return text;
  }
  QString quoted = text;
  quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
  return QLatin1Char('"') + quoted + QLatin1Char('"');
}

// A text cell: its controls escaped, a formula kept as text.
QString Text(const QString& text) { return SpreadsheetText(EscapeControls(text)); }

QString CsvLine(const QStringList& cells) {
  QStringList quoted;
  for (const QString& cell : cells) quoted << CsvCell(cell);
  return quoted.join(QLatin1Char(';')) + QStringLiteral("\r\n");
}

}  // namespace

std::vector<OrderLine> OrderList(const std::vector<ScheduleRow>& rows) {
  std::vector<OrderLine> products;
  std::vector<OrderLine> actuators;
  std::vector<OrderLine> controllers;
  for (const ScheduleRow& row : rows) {
    if (row.product.isEmpty()) continue;
    AddOrder(products, row.product, row.dn, row.quantity, row.productNotInCatalogue);
    AddOrder(actuators, row.actuator, {}, row.quantity, row.actuatorNotInCatalogue);
    AddOrder(controllers, row.controller, {}, row.quantity, false);
  }
  products.insert(products.end(), actuators.begin(), actuators.end());
  products.insert(products.end(), controllers.begin(), controllers.end());
  return products;
}

Schedule MakeSchedule(std::vector<ScheduleRow> rows) {
  Schedule schedule;
  schedule.orders = OrderList(rows);
  schedule.rows = std::move(rows);
  return schedule;
}

QStringList ScheduleHeadings() {
  return {QCoreApplication::translate("Schedule", "№"),
          QCoreApplication::translate("Schedule", "Обозначение"),
          QCoreApplication::translate("Schedule", "Кол-во"),
          QCoreApplication::translate("Schedule", "Среда"),
          QStringLiteral("G"),
          QString::fromUtf8("ΔP"),
          QCoreApplication::translate("Schedule", "Изделие"),
          QCoreApplication::translate("Schedule", "Ду"),
          QCoreApplication::translate("Schedule", "Kvs, м³/ч"),
          QCoreApplication::translate("Schedule", "Привод"),
          QCoreApplication::translate("Schedule", "Контроллер"),
          QCoreApplication::translate("Schedule", "Kv, м³/ч"),
          QCoreApplication::translate("Schedule", "dPv, бар"),
          QCoreApplication::translate("Schedule", "V, м/с")};
}

QStringList ScheduleCsvHeadings() {
  QStringList headings = ScheduleHeadings();
  headings.insert(5, QCoreApplication::translate("Schedule", "Ед. G"));
  headings.insert(7, QCoreApplication::translate("Schedule", "Ед. ΔP"));
  return headings;
}

QString ScheduleProductText(const ScheduleRow& row) {
  return Marked(row.product, row.productNotInCatalogue);
}

QString ScheduleActuatorText(const ScheduleRow& row) {
  return Marked(row.actuator, row.actuatorNotInCatalogue);
}

QString OrderLineText(const OrderLine& line) { return Marked(line.name, line.notInCatalogue); }

bool MarksItemsNotInCatalogue(const Schedule& schedule) {
  for (const OrderLine& line : schedule.orders) {
    if (line.notInCatalogue) return true;
  }
  return false;
}

QString NotInCatalogueNote() {
  return QCoreApplication::translate(
      "Schedule",
      "[нет в каталоге] — изделия или привода нет в каталоге рабочей папки: позиция подобрана по "
      "другому каталогу. Перепроверьте проект перед заказом.");
}

QString ScheduleFlowText(const ScheduleRow& row) {
  if (!std::isfinite(row.flow)) return QString::fromUtf8("—");
  return CsvDecimal(row.flow) + QLatin1Char(' ') + row.flowUnit;
}

QString ScheduleDropText(const ScheduleRow& row) {
  if (!std::isfinite(row.drop)) return QString::fromUtf8("—");
  if (row.relativeDrop) {
    // "δ", the number, then the unit the δ was typed in when it is not bar.
    return row.dropUnit.left(1) + QLatin1Char(' ') + CsvDecimal(row.drop) + row.dropUnit.mid(1);
  }
  return CsvDecimal(row.drop) + QLatin1Char(' ') + row.dropUnit;
}

QStringList OrderListHeadings() {
  return {QCoreApplication::translate("Schedule", "Изделие"),
          QCoreApplication::translate("Schedule", "Ду"),
          QCoreApplication::translate("Schedule", "Кол-во, шт")};
}

QString ScheduleFigureText(float value) {
  return WithDecimalComma(FormatNumber("%.2f", static_cast<double>(value)));
}

QString ScheduleVelocityText(float value) { return WithDecimalComma(VelocityText(value)); }

QString CsvDecimal(float value) {
  if (!std::isfinite(value)) return {};
  char buffer[32];
  const std::to_chars_result written = std::to_chars(buffer, buffer + sizeof buffer, value);
  return WithDecimalComma(QString::fromLatin1(buffer, written.ptr - buffer));
}

QByteArray ScheduleCsv(const Schedule& schedule) {
  QString text = CsvLine(ScheduleCsvHeadings());
  for (const ScheduleRow& r : schedule.rows) {
    text += CsvLine({QString::number(r.number), Text(r.label), QString::number(r.quantity),
                     Text(r.medium), CsvDecimal(r.flow), Text(r.flowUnit), CsvDecimal(r.drop),
                     Text(r.dropUnit), Text(ScheduleProductText(r)), Text(r.dn), CsvDecimal(r.kvs),
                     Text(ScheduleActuatorText(r)), Text(r.controller), CsvDecimal(r.kv),
                     CsvDecimal(r.dpv), CsvDecimal(r.velocity)});
  }
  text += QStringLiteral("\r\n") + CsvLine(OrderListHeadings());
  for (const OrderLine& line : schedule.orders) {
    text += CsvLine({Text(OrderLineText(line)), Text(line.dn), QString::number(line.quantity)});
  }
  if (MarksItemsNotInCatalogue(schedule)) {
    text += QStringLiteral("\r\n") + CsvLine({Text(NotInCatalogueNote())});
  }
  return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

}  // namespace selvio
