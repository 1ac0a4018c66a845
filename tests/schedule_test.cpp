// The schedule of a project: its rows, the order list, the CSV, the documents.

#include "output/schedule.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <algorithm>
#include <cmath>

#include "app/project/project_schedule.h"
#include "output/schedule_document.h"
#include "tests/document_files.h"
#include "tests/project_fixture.h"

namespace selvio::test {
namespace {

QString Utf8(const char* text) { return QString::fromUtf8(text); }

const QDateTime kWhen(QDate(2026, 3, 4), QTime(9, 5));

ScheduleRow Row(const char* product, const char* dn, int quantity, const char* actuator = "",
                const char* controller = "") {
  ScheduleRow row;
  row.quantity = quantity;
  row.product = Utf8(product);
  row.dn = Utf8(dn);
  row.actuator = Utf8(actuator);
  row.controller = Utf8(controller);
  return row;
}

// Products, then actuators, then controller kits, each in the order met, quantities summed by
// hand: valve 2 + 3 = 5, actuator X 2 + 5 = 7, kit 2 + 3 = 5; a position without a product
// orders nothing, and the same name with another DN is another product.
TEST(OrderList, SumsTheQuantitiesPerProduct) {
  const std::vector<ScheduleRow> rows = {
      Row("ВКФ-2-32-16", "32", 2, "ЭПК-300", "ZR310-94"),
      Row("ВКФ-2-32-16", "32", 3, "ЭПК-600", "ZR310-94"),
      Row("РДФ-16-20-6.3", "20", 1),
      Row("", "", 4),
      Row("ВКФ-2-15-4", "15", 5, "ЭПК-300"),
      Row("ВКФ-2-15-4", "20", 1),
  };
  const std::vector<OrderLine> orders = OrderList(rows);
  const std::vector<std::tuple<QString, QString, long long>> expected = {
      {Utf8("ВКФ-2-32-16"), "32", 5},
      {Utf8("РДФ-16-20-6.3"), "20", 1},
      {Utf8("ВКФ-2-15-4"), "15", 5},
      {Utf8("ВКФ-2-15-4"), "20", 1},
      {Utf8("ЭПК-300"), "", 7},
      {Utf8("ЭПК-600"), "", 3},
      {"ZR310-94", "", 5}};
  ASSERT_EQ(orders.size(), expected.size());
  for (std::size_t i = 0; i < orders.size(); ++i) {
    EXPECT_EQ(orders[i].name, std::get<0>(expected[i])) << i;
    EXPECT_EQ(orders[i].dn, std::get<1>(expected[i])) << i;
    EXPECT_EQ(orders[i].quantity, std::get<2>(expected[i])) << i;
  }
}

// G and ΔP as typed in the units chosen, steam's δ too (with the unit only when it is not bar).
TEST(ScheduleRows, InputsInTheirUnitsAndFiguresOnlyWhereTheCalculationGaveThem) {
  ProjectPosition water;
  water.label = Utf8("ГВС");
  water.quantity = 2;
  SetFieldText(water.inputs.flow, "2500");
  water.inputs.flowUnit = 1;
  SetFieldText(water.inputs.drop, "0,5");
  water.inputs.dropUnit = 0;
  water.shown.outcome = NothingFound;
  water.shown.kv = 3.54f;
  const ScheduleRow w = ScheduleRowOf(water, 4);
  EXPECT_EQ(w.number, 4);
  EXPECT_EQ(w.medium, Utf8("вода"));
  EXPECT_EQ(w.flow, 2500.0f);
  EXPECT_EQ(w.flowUnit, Utf8("л/ч"));
  EXPECT_EQ(w.drop, 0.5f);
  EXPECT_EQ(w.dropUnit, Utf8("Бар"));
  EXPECT_EQ(w.kv, 3.54f);
  EXPECT_TRUE(w.product.isEmpty());
  EXPECT_TRUE(std::isnan(w.dpv));
  EXPECT_EQ(ScheduleFlowText(w), Utf8("2500 л/ч"));
  EXPECT_EQ(ScheduleDropText(w), Utf8("0,5 Бар"));

  ProjectPosition steam;
  steam.inputs.medium = 3;
  SetFieldText(steam.inputs.flow, "0.5");
  steam.inputs.flowUnit = 0;
  SetFieldText(steam.inputs.drop, "30");
  steam.inputs.dropUnit = 1;
  steam.shown.outcome = InvalidInput;
  const ScheduleRow s = ScheduleRowOf(steam, 1);
  EXPECT_EQ(s.medium, Utf8("пар"));
  EXPECT_EQ(s.flowUnit, Utf8("т/ч"));
  EXPECT_EQ(s.drop, 30.0f);
  EXPECT_EQ(s.dropUnit, Utf8("δ кПа"));
  EXPECT_EQ(ScheduleDropText(s), Utf8("δ 30 кПа"));
  steam.inputs.dropUnit = 0;
  EXPECT_EQ(ScheduleDropText(ScheduleRowOf(steam, 1)), Utf8("δ 30"));
  EXPECT_TRUE(std::isnan(s.kv));

  SetFieldText(steam.inputs.flow, Utf8("много"));
  EXPECT_EQ(ScheduleFlowText(ScheduleRowOf(steam, 1)), Utf8("—"));
}

class ScheduleFiles : public ProjectFolderTest {
 protected:
  void SetUp() override {
    ProjectFolderTest::SetUp();
    project_ = PointsProject();
    project_.positions[0].label = Utf8("ИТП-1; отопление, \"главный\"");
  }
  Project project_;
};

// Read back with a ";" reader and decimal commas turned into points, the CSV gives the very
// floats of the schedule, its texts, and the order list after an empty line.
TEST_F(ScheduleFiles, CsvReadBackGivesTheSameNumbers) {
  const Schedule schedule = ScheduleOf(project_);
  ASSERT_EQ(ExportSchedule(project_, "p", Path("p.csv"), kWhen), std::nullopt);
  const QByteArray bytes = FileBytes(Path("p.csv"));
  ASSERT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
  const QString text = QString::fromUtf8(bytes);
  const qsizetype gap = text.indexOf(QStringLiteral("\r\n\r\n"));
  ASSERT_GT(gap, 0);
  const CsvTable positions = ParseCsv(text.left(gap + 2).toUtf8());
  const CsvTable orders = ParseCsv(text.mid(gap + 4).toUtf8());

  // The reader takes the heading names in lower case.
  const auto lower = [](QStringList names) {
    for (QString& name : names) name = name.toLower();
    return names;
  };
  EXPECT_EQ(positions.header, lower(ScheduleCsvHeadings()));
  ASSERT_EQ(positions.rows.size(), static_cast<qsizetype>(schedule.rows.size()));
  const auto number = [](const QString& cell) {
    QString point = cell;
    point.replace(',', '.');
    bool ok = false;
    const float value = point.toFloat(&ok);
    return ok ? value : std::numeric_limits<float>::quiet_NaN();
  };
  const auto same = [](float a, float b) { return a == b || (std::isnan(a) && std::isnan(b)); };
  for (std::size_t i = 0; i < schedule.rows.size(); ++i) {
    const ScheduleRow& r = schedule.rows[i];
    const QStringList& cells = positions.rows[static_cast<qsizetype>(i)];
    ASSERT_EQ(cells.size(), 16);
    EXPECT_EQ(cells[0].toInt(), r.number);
    EXPECT_EQ(cells[1], r.label);
    EXPECT_EQ(cells[2].toInt(), r.quantity);
    EXPECT_EQ(cells[3], r.medium);
    EXPECT_TRUE(same(number(cells[4]), r.flow)) << cells[4].toStdString();
    EXPECT_EQ(cells[5], r.flowUnit);
    EXPECT_TRUE(same(number(cells[6]), r.drop)) << cells[6].toStdString();
    EXPECT_EQ(cells[7], r.dropUnit);
    EXPECT_EQ(cells[8], r.product);
    EXPECT_EQ(cells[9], r.dn);
    EXPECT_TRUE(same(number(cells[10]), r.kvs));
    EXPECT_EQ(cells[11], r.actuator);
    EXPECT_EQ(cells[12], r.controller);
    EXPECT_TRUE(same(number(cells[13]), r.kv)) << cells[13].toStdString();
    EXPECT_TRUE(same(number(cells[14]), r.dpv));
    EXPECT_TRUE(same(number(cells[15]), r.velocity));
    for (int column : {4, 6, 10, 13, 14, 15}) EXPECT_FALSE(cells[column].contains('.'));
  }
  // The example's hand figures (see project_form_test): Kv·K 10.954, dPv 0.0977, V 1.727.
  EXPECT_TRUE(positions.rows[0][13].startsWith("10,954")) << positions.rows[0][13].toStdString();
  EXPECT_TRUE(positions.rows[0][14].startsWith("0,097")) << positions.rows[0][14].toStdString();

  EXPECT_EQ(orders.header, lower(OrderListHeadings()));
  ASSERT_EQ(orders.rows.size(), static_cast<qsizetype>(schedule.orders.size()));
  for (std::size_t i = 0; i < schedule.orders.size(); ++i) {
    EXPECT_EQ(orders.rows[static_cast<qsizetype>(i)][0], schedule.orders[i].name);
    EXPECT_EQ(orders.rows[static_cast<qsizetype>(i)][2].toLongLong(), schedule.orders[i].quantity);
  }
}

// The editable document: heading, project and date, the table with its Russian headings and
// the positions' cells, then the order list.
TEST_F(ScheduleFiles, OdtHoldsTheTablesOfPositionsAndOrders) {
  ASSERT_EQ(ExportSchedule(project_, Utf8("Дом 5"), Path("p.odt"), kWhen), std::nullopt);
  const QString content = QString::fromUtf8(OdtContentXml(Path("p.odt")));
  for (const QString& text :
       QStringList{Utf8("Ведомость оборудования"), Utf8("Проект: Дом 5"),
                   Utf8("Дата: 09:05 04.03.2026"), Utf8("Сводка для заказа"), Utf8("ВКФ-2-32-16"),
                   Utf8("10,95"), Utf8("5 м³/ч"), Utf8("0,3 Бар"), Utf8("ZR310-94")} +
           ScheduleHeadings() + OrderListHeadings()) {
    EXPECT_TRUE(content.contains(text.toHtmlEscaped())) << text.toStdString();
  }
  EXPECT_EQ(content.count(QStringLiteral("<table:table ")), 2);
  // One heading row and one row per position, then the order list's heading and lines.
  EXPECT_EQ(content.count(QStringLiteral("<table:table-row")),
            1 + 6 + 1 + static_cast<int>(ScheduleOf(project_).orders.size()));
}

// The print document of many positions: every page that holds positions starts with the
// heading row, every position is printed once, and a long label is wrapped, not cut.
TEST_F(ScheduleFiles, PdfRepeatsTheHeadingRowOnEveryPage) {
  Project many;
  for (int i = 0; i < 20; ++i) {
    many.positions.insert(many.positions.end(), project_.positions.begin(),
                          project_.positions.end());
  }
  const QString longLabel =
      Utf8("Тепловой пункт корпуса Б, контур вентиляции приточной установки П1 второго этажа");
  many.positions[7].label = longLabel;
  ASSERT_EQ(ExportSchedule(many, "p", Path("p.pdf"), kWhen), std::nullopt);

  const QString info = QString::fromUtf8(ToolOutput("pdfinfo", {Path("p.pdf")}));
  EXPECT_TRUE(info.contains(Utf8("Title:           Ведомость оборудования"))) << info.toStdString();
  EXPECT_TRUE(info.contains("842 x 595 pts (A4)")) << info.toStdString();
  const QRegularExpression pagesLine(QStringLiteral("Pages:\\s+(\\d+)"));
  const int pages = pagesLine.match(info).captured(1).toInt();
  ASSERT_GT(pages, 2);

  std::vector<int> seen(many.positions.size() + 1, 0);
  const QRegularExpression rowStart(QStringLiteral("^(\\d+)\\s"));
  QString all;
  for (int page = 1; page <= pages; ++page) {
    const QStringList lines = TrimmedLines(QString::fromUtf8(
        ToolOutput("pdftotext", {"-layout", "-f", QString::number(page), "-l",
                                 QString::number(page), "-enc", "UTF-8", Path("p.pdf"), "-"})));
    ASSERT_FALSE(lines.isEmpty()) << "page " << page;
    all += lines.join(' ') + ' ';
    const auto firstRow = std::find_if(lines.begin(), lines.end(), [&](const QString& line) {
      return rowStart.match(line).hasMatch();
    });
    if (firstRow == lines.end()) continue;  // the end of the order list
    const auto heading = std::find_if(lines.begin(), firstRow, [](const QString& line) {
      return line.startsWith(Utf8("№")) && line.contains(Utf8("Обозначение"));
    });
    EXPECT_NE(heading, firstRow) << "page " << page;
    for (const QString& line : lines) {
      const QRegularExpressionMatch match = rowStart.match(line);
      const int number = match.hasMatch() ? match.captured(1).toInt() : 0;
      if (number > 0 && number < static_cast<int>(seen.size())) ++seen[number];
    }
  }
  for (std::size_t number = 1; number < seen.size(); ++number) {
    EXPECT_EQ(seen[number], 1) << "position " << number;
  }
  for (const QString& word : longLabel.split(' '))
    EXPECT_TRUE(all.contains(word)) << word.toStdString();
  EXPECT_TRUE(all.contains(Utf8("Сводка для заказа")));
}

// The PDF's line of position `number` as pdftotext lays the page out, and the lines of the
// text of that page; empty when no line starts with the number.
QString PdfRowLine(const QString& pdf, int number) {
  const QStringList lines = TrimmedLines(
      QString::fromUtf8(ToolOutput("pdftotext", {"-layout", "-enc", "UTF-8", pdf, "-"})));
  for (const QString& line : lines) {
    if (line.startsWith(QString::number(number) + ' ')) return line;
  }
  return {};
}

// Whether `parts` stand in `line` in this order.
bool InOrder(const QString& line, const QStringList& parts) {
  qsizetype from = 0;
  for (const QString& part : parts) {
    from = line.indexOf(part, from);
    if (from < 0) return false;
    from += part.size();
  }
  return true;
}

// Texts that would steer a layout, in labels a colleague's file could hold and in the names of a
// catalogue: each stays in its cell, shown escaped, and the cells after it keep their places
// and their figures' order (a right-to-left override turned Кол-во 123 into 321 and Kvs 16,00
// into 00,61; a tab moved every later cell). A name too long for a page is cut with "…" and
// the row keeps its figures.
TEST_F(ScheduleFiles, ControlCharactersStayInTheirCellsInThePdfAndTheOdt) {
  ProjectPosition& first = project_.positions[0];  // ВКФ-2-32-16, Kvs 16, Kv 10,95
  first.label = Utf8("Узел\u202E");
  first.quantity = 123;
  ProjectPosition& second = project_.positions[1];  // ВКФ-2-15-4, 2500 л/ч, Kv 3,54
  second.label = Utf8("B\tC");
  ProjectPosition& third = project_.positions[2];  // the regulator, Kv 4,24
  third.label = Utf8("D\x1b[2J\rE");
  third.shown.product = Utf8("РДФ") + QString(20000, QChar(0x0416));
  ASSERT_EQ(ExportSchedule(project_, "p", Path("p.pdf"), kWhen), std::nullopt);

  const QString one = PdfRowLine(Path("p.pdf"), 1);
  EXPECT_TRUE(InOrder(one, {Utf8("Узел\\u202e"), "123", Utf8("вода"), Utf8("5 м³/ч"),
                            Utf8("ВКФ-2-32-16"), "32", "16,00", "10,95"}))
      << one.toStdString();
  EXPECT_FALSE(one.contains("321") || one.contains("00,61")) << one.toStdString();
  const QString two = PdfRowLine(Path("p.pdf"), 2);
  EXPECT_TRUE(InOrder(
      two, {Utf8("B\\x09C"), "2", Utf8("вода"), Utf8("2500 л/ч"), Utf8("ВКФ-2-15-4"), "3,54"}))
      << two.toStdString();
  const QString three = PdfRowLine(Path("p.pdf"), 3);
  EXPECT_TRUE(InOrder(three, {Utf8("D\\x1b[2J\\x0dE"), "3", Utf8("РДФЖЖ"), "4,24"}))
      << three.toStdString();
  const QString all = PdfText(Path("p.pdf"));
  EXPECT_TRUE(all.contains(Utf8("Ж…"))) << "the long name is cut";
  EXPECT_LT(all.count(QChar(0x0416)), 5000)
      << "and not printed whole, in the row or the order list";
  for (const QChar c : {QChar(0x202E), QChar(0x1B), QChar(u'\t')}) {
    EXPECT_FALSE(all.contains(c)) << static_cast<int>(c.unicode());
  }

  // The editable document: every cell a paragraph of its own, its text escaped.
  ASSERT_EQ(ExportSchedule(project_, "p", Path("p.odt"), kWhen), std::nullopt);
  QStringList cells;
  for (const OdtParagraph& paragraph : ReadOdtParagraphs(OdtContentXml(Path("p.odt")))) {
    cells << paragraph.text;
  }
  const qsizetype label = cells.indexOf(Utf8("Узел\\u202e"));
  ASSERT_GT(label, 0) << cells.join('|').toStdString();
  EXPECT_EQ(cells.mid(label - 1, 4), (QStringList{"1", Utf8("Узел\\u202e"), "123", Utf8("вода")}));
  EXPECT_TRUE(cells.contains(Utf8("B\\x09C")));
  EXPECT_TRUE(cells.contains(Utf8("D\\x1b[2J\\x0dE")));
}

// Texts a spreadsheet would read as formulas get an apostrophe; the program's own numbers, a
// negative one among them, stay numbers.
TEST_F(ScheduleFiles, CsvKeepsFormulasAsTextAndNumbersAsNumbers) {
  const char* const labels[] = {"=HYPERLINK(\"http://x\")", "+7", "-5 этаж", "@SUM(A1)", "ИТП = 1"};
  for (std::size_t i = 0; i < std::size(labels); ++i) {
    project_.positions[i].label = Utf8(labels[i]);
  }
  project_.positions[0].shown.product = Utf8("=cmd|' /C calc'!A0");
  SetFieldText(project_.positions[1].inputs.flow, Utf8("-1,5"));
  ASSERT_EQ(ExportSchedule(project_, "p", Path("p.csv"), kWhen), std::nullopt);
  const QString text = QString::fromUtf8(FileBytes(Path("p.csv")));
  const CsvTable table = ParseCsv(text.left(text.indexOf("\r\n\r\n") + 2).toUtf8());
  ASSERT_GE(table.rows.size(), 5);
  const char* const cells[] = {"'=HYPERLINK(\"http://x\")", "'+7", "'-5 этаж", "'@SUM(A1)",
                               "ИТП = 1"};
  for (std::size_t i = 0; i < std::size(cells); ++i) {
    EXPECT_EQ(table.rows[static_cast<qsizetype>(i)][1], Utf8(cells[i])) << i;
  }
  EXPECT_EQ(table.rows[0][8], Utf8("'=cmd|' /C calc'!A0"));
  EXPECT_EQ(table.rows[1][4], Utf8("-1,5")) << "a number, as the program writes it";
  EXPECT_TRUE(text.contains(Utf8("\r\n'=cmd|' /C calc'!A0;32;"))) << "the order list too";
}

// A product or actuator the catalogue does not hold is marked in both documents, with a note.
TEST_F(ScheduleFiles, DocumentsMarkWhatTheCatalogueDoesNotHold) {
  RemoveProducts(QStringLiteral("ВКФ-2-32-16"));
  const Data data = LoadData();
  const QString marked = Utf8("ВКФ-2-32-16 [нет в каталоге]");
  const QString note = Utf8("[нет в каталоге] — изделия или привода нет в каталоге рабочей папки");
  ASSERT_EQ(ExportSchedule(project_, "p", Path("p.odt"), kWhen, data.catalogue.get()),
            std::nullopt);
  const QString odt = OdtText(Path("p.odt"));
  EXPECT_EQ(odt.count(marked), 2) << "the position and its order line";
  EXPECT_TRUE(odt.contains(note));
  ASSERT_EQ(ExportSchedule(project_, "p", Path("p.pdf"), kWhen, data.catalogue.get()),
            std::nullopt);
  const QString pdf = PdfText(Path("p.pdf")).simplified();
  EXPECT_TRUE(pdf.contains(note.simplified())) << pdf.toStdString();
  EXPECT_TRUE(pdf.contains(Utf8("ВКФ-2-32-16 [нет в каталоге]")));

  const Schedule schedule = ScheduleOf(project_, data.catalogue.get());
  EXPECT_TRUE(schedule.rows[0].productNotInCatalogue);
  EXPECT_FALSE(schedule.rows[0].actuatorNotInCatalogue);
  EXPECT_FALSE(schedule.rows[1].productNotInCatalogue);
  EXPECT_FALSE(MarksItemsNotInCatalogue(ScheduleOf(project_)));
}

TEST_F(ScheduleFiles, AnUnknownFormatOrAnUnwritablePathIsRefused) {
  EXPECT_EQ(ExportSchedule(project_, "p", Path("p.docx"), kWhen),
            Utf8("Ведомость оборудования сохраняется только в файлы .odt, .pdf и .csv"));
  for (const char* name : {"missing/p.csv", "missing/p.odt", "missing/p.pdf"}) {
    const std::optional<QString> error = ExportSchedule(project_, "p", Path(name), kWhen);
    ASSERT_TRUE(error) << name;
    EXPECT_TRUE(error->startsWith(Utf8("Не удалось записать ведомость оборудования: "))) << name;
  }
}

}  // namespace
}  // namespace selvio::test
