#include "output/report_document.h"

#include <gtest/gtest.h>

#include <QDomDocument>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextImageFormat>
#include <QUrl>
#include <map>

#include "document_files.h"

namespace selvio::test {
namespace {

// 09:05 on 3 February 2012, local time.
const QDateTime kWhen(QDate(2012, 2, 3), QTime(9, 5));

const char* const kHeading = "Результат подбора клапана";
const char* const kDateLine = "Дата подбора: 09:05 03.02.2012";

// A valve report as the composer writes it: an empty line after the leakage, tab-indented
// options, an empty line before the controller.
const char* const kReport =
    "Клапан: VT2\n"
    "Условный проход ДУ, мм: 15\n"
    "Пропускная способность Kvs, м³/ч: 0.40\n"
    "Протечка относительно Kvs,%: 0.05\n"
    "\n"
    "Электропривод: EA-3P-24\n"
    "Дополнительные опции:\n"
    "\tВозвратная пружина\n"
    "\n"
    "Контроллер: ZR310\n"
    "\t- теплоносителя (SX40): 1";

QString Utf8(const char* text) { return QString::fromUtf8(text); }

TEST(ReportDocument, DateLineIsHoursMinutesThenDayMonthYear) {
  EXPECT_EQ(ReportDateLine(kWhen), Utf8("Дата подбора: 09:05 03.02.2012\n"));
  EXPECT_EQ(ReportDateLine(QDateTime(QDate(1999, 12, 31), QTime(23, 59, 58))),
            Utf8("Дата подбора: 23:59 31.12.1999\n"));
}

TEST(ReportDocument, HeadingThenDateLineThenReport) {
  const auto document = BuildReportDocument(Utf8(kReport), kWhen);
  QStringList expected = {Utf8(kHeading), Utf8(kDateLine), QString()};
  expected += Utf8(kReport).split('\n');
  QStringList blocks;
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
    blocks.append(block.text());
  }
  EXPECT_EQ(blocks, expected);

  const QTextBlock heading = document->begin();
  EXPECT_EQ(heading.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
  EXPECT_EQ(QTextCursor(heading).charFormat().fontPointSize(), 26.0);
  for (QTextBlock block = heading.next(); block.isValid(); block = block.next()) {
    EXPECT_EQ(block.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft)
        << block.text().toStdString();
    EXPECT_EQ(block.charFormat().fontPointSize(), 14.0) << block.text().toStdString();
  }
}

// A catalogue name is no text the program can refuse: a carriage return in it would start a
// paragraph and a right-to-left override turn the rest of its line round. They are shown
// escaped; the report's own line feeds and the tabs that indent its sub-items stay.
TEST(ReportDocument, ControlCharactersOfANameAreShownEscaped) {
  const QString report = Utf8("Клапан: ВКФ\u202E-2-32\rX\nДополнительные опции:\n\tПотенциометр");
  const DocumentAppendix appendix{Utf8("Проверка"), Utf8("Изделие: ВКФ\x1b[2J\n"), {}};
  const auto document = BuildReportDocument(report, kWhen, appendix);
  QStringList blocks;
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
    blocks.append(block.text());
  }
  EXPECT_EQ(blocks.mid(3, 3), (QStringList{Utf8("Клапан: ВКФ\\u202e-2-32\\x0dX"),
                                           Utf8("Дополнительные опции:"), Utf8("\tПотенциометр")}));
  EXPECT_TRUE(blocks.contains(Utf8("Изделие: ВКФ\\x1b[2J"))) << blocks.join('|').toStdString();
}

TEST(ReportDocument, NothingCalculatedStillGivesHeadingAndDate) {
  const auto document = BuildReportDocument(QString(), kWhen);
  EXPECT_EQ(document->toPlainText(), Utf8(kHeading) + "\n" + Utf8(kDateLine) + "\n\n");
}

TEST(ReportDocument, OdtHoldsHeadingDateAndReportInArialWithTheirSizesAndAlignment) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString path = dir.filePath("report.odt");
  ASSERT_TRUE(WriteOdt(*BuildReportDocument(Utf8(kReport), kWhen), path, LinkPolicy::FollowToFile));
  const std::vector<OdtParagraph> paragraphs = ReadOdtParagraphs(OdtContentXml(path));

  QStringList expected = {Utf8(kHeading), Utf8(kDateLine), QString()};
  expected += Utf8(kReport).split('\n');
  ASSERT_EQ(paragraphs.size(), static_cast<std::size_t>(expected.size()));
  for (std::size_t i = 0; i < paragraphs.size(); ++i) {
    const OdtParagraph& p = paragraphs[i];
    const bool heading = i == 0;
    SCOPED_TRACE(p.text.toStdString());
    EXPECT_EQ(p.text, expected[static_cast<qsizetype>(i)]);
    if (heading) {
      EXPECT_EQ(p.align, "center");
    } else {
      EXPECT_TRUE(p.align == "start" || p.align == "left") << p.align.toStdString();
    }
    if (p.text.isEmpty()) continue;  // an empty paragraph has no span
    EXPECT_EQ(p.families, QStringList{"Arial"});
    EXPECT_EQ(p.sizes, QStringList{heading ? "26pt" : "14pt"});
  }
}

// Two pictures of 2×2 pixels in different colours and a null one between them.
DocumentAppendix TwoPictureAppendix() {
  QImage red(2, 2, QImage::Format_RGB32);
  red.fill(Qt::red);
  QImage blue(2, 2, QImage::Format_RGB32);
  blue.fill(Qt::blue);
  return {Utf8("Проверка"), Utf8("Вывод.\n\n\tЗаметка\n"), {red, QImage(), blue}};
}

TEST(ReportDocument, AppendixFollowsTheReportWithItsHeadingLinesAndPictures) {
  const auto document = BuildReportDocument(Utf8(kReport), kWhen, TwoPictureAppendix());
  QStringList expected = {Utf8(kHeading), Utf8(kDateLine), QString()};
  expected += Utf8(kReport).split('\n');
  expected += {QString(), Utf8("Проверка"), Utf8("Вывод."), QString(), Utf8("\tЗаметка")};
  const QString picture(QChar::ObjectReplacementCharacter);
  expected += {picture, picture};  // the null picture is left out
  QStringList blocks;
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
    blocks.append(block.text());
  }
  ASSERT_EQ(blocks, expected);

  QTextBlock block = document->lastBlock().previous();
  for (int i = 0; i < 2; ++i, block = block.next()) {
    const QTextImageFormat image = QTextCursor(block).charFormat().isImageFormat()
                                       ? QTextCursor(block).charFormat().toImageFormat()
                                       : block.begin().fragment().charFormat().toImageFormat();
    ASSERT_TRUE(image.isValid()) << i;
    EXPECT_EQ(image.width(), 600) << "shown 600 × 375 px at 96 per inch, whatever its pixels";
    EXPECT_EQ(image.height(), 375);
    const QImage stored =
        document->resource(QTextDocument::ImageResource, QUrl(image.name())).value<QImage>();
    EXPECT_EQ(stored.pixelColor(0, 0), i == 0 ? QColor(Qt::red) : QColor(Qt::blue));
  }
  const QTextBlock heading = document->findBlockByNumber(static_cast<int>(expected.size()) - 6);
  EXPECT_EQ(heading.text(), Utf8("Проверка"));
  EXPECT_EQ(heading.charFormat().fontWeight(), QFont::Bold);
  EXPECT_EQ(heading.charFormat().fontPointSize(), 14.0);
}

// The pictures are stored in the file (Pictures/) and placed by the paragraphs that refer to
// them.
TEST(ReportDocument, OdtOfAnAppendixHoldsItsPictures) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString path = dir.filePath("report.odt");
  ASSERT_TRUE(WriteOdt(*BuildReportDocument(Utf8(kReport), kWhen, TwoPictureAppendix()), path,
                       LinkPolicy::FollowToFile));
  const QString content = QString::fromUtf8(OdtContentXml(path));
  const QStringList hrefs = OdtImageHrefs(content);
  ASSERT_EQ(hrefs.size(), 2);
  EXPECT_NE(hrefs[0], hrefs[1]);
  const QColor colours[] = {Qt::red, Qt::blue};
  for (int i = 0; i < 2; ++i) {
    EXPECT_TRUE(hrefs[i].startsWith("Pictures/")) << hrefs[i].toStdString();
    const QImage stored = QImage::fromData(ToolOutput("/usr/bin/unzip", {"-p", path, hrefs[i]}));
    ASSERT_FALSE(stored.isNull()) << hrefs[i].toStdString();
    EXPECT_EQ(stored.pixelColor(0, 0), colours[i]);
  }
}

TEST(ReportDocument, OdtWriteFailsIntoAMissingFolder) {
  QTemporaryDir dir;
  EXPECT_FALSE(WriteOdt(*BuildReportDocument(Utf8(kReport), kWhen),
                        dir.filePath("missing/report.odt"), LinkPolicy::FollowToFile));
}

// The words of a `pdftotext -bbox` page with their boxes, in reading order.
struct PdfWord {
  QString text;
  double xMin, yMin, xMax, yMax;
};

struct PdfPage {
  double width = 0;
  std::vector<PdfWord> words;
};

PdfPage PdfFirstPageWords(const QString& path) {
  QDomDocument dom;
  const QByteArray html = ToolOutput("pdftotext", {"-bbox", "-f", "1", "-l", "1", path, "-"});
  EXPECT_TRUE(dom.setContent(html));
  PdfPage page;
  page.width = dom.elementsByTagName("page").at(0).toElement().attribute("width").toDouble();
  const QDomNodeList words = dom.elementsByTagName("word");
  for (int i = 0; i < words.size(); ++i) {
    const QDomElement w = words.at(i).toElement();
    page.words.push_back({w.text(), w.attribute("xMin").toDouble(), w.attribute("yMin").toDouble(),
                          w.attribute("xMax").toDouble(), w.attribute("yMax").toDouble()});
  }
  return page;
}

TEST(ReportDocument, PdfIsOneA4PageOfTheDocumentAloneWithEmbeddedArial) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString path = dir.filePath("report.pdf");
  ASSERT_TRUE(WritePdf(*BuildReportDocument(Utf8(kReport), kWhen), path, LinkPolicy::FollowToFile));

  // Nothing but the document's lines: no page number or other addition.
  QStringList expected = {Utf8(kHeading), Utf8(kDateLine)};
  expected += TrimmedLines(Utf8(kReport));
  EXPECT_EQ(TrimmedLines(PdfText(path)), expected);

  const QString info = QString::fromUtf8(ToolOutput("pdfinfo", {path}));
  EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+1\\n"))) << info.toStdString();
  EXPECT_TRUE(info.contains("pts (A4)")) << info.toStdString();

  // pdffonts: two header lines, then one line per font with "yes" in the "emb" column.
  const QStringList fonts =
      QString::fromUtf8(ToolOutput("pdffonts", {path})).split('\n', Qt::SkipEmptyParts);
  ASSERT_GE(fonts.size(), 3) << fonts.join('\n').toStdString();
  const qsizetype embColumn = fonts[0].indexOf("emb");
  for (const QString& font : fonts.mid(2)) {
    EXPECT_EQ(font.mid(embColumn, 3), "yes") << font.toStdString();
    // Arial itself, or its metric twin Liberation Sans where Arial is not installed.
    EXPECT_TRUE(font.contains("Arial") || font.contains("LiberationSans")) << font.toStdString();
  }
}

TEST(ReportDocument, PdfHeadingIsLargerAndCentredAndTheBodyStartsAtTheLeft) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString path = dir.filePath("report.pdf");
  ASSERT_TRUE(WritePdf(*BuildReportDocument(Utf8(kReport), kWhen), path, LinkPolicy::FollowToFile));
  const PdfPage page = PdfFirstPageWords(path);
  ASSERT_GE(page.words.size(), 5u);
  const PdfWord& first = page.words[0];  // "Результат"
  const PdfWord& last = page.words[2];   // "клапана"
  const PdfWord& date = page.words[3];   // "Дата"
  ASSERT_EQ(first.text, Utf8("Результат"));
  ASSERT_EQ(last.text, Utf8("клапана"));
  ASSERT_EQ(date.text, Utf8("Дата"));
  // Word boxes scale with the point size: 26 / 14 = 1.86.
  const double ratio = (first.yMax - first.yMin) / (date.yMax - date.yMin);
  EXPECT_NEAR(ratio, 26.0 / 14.0, 0.15);
  const double headingCentre = (first.xMin + last.xMax) / 2;
  EXPECT_NEAR(headingCentre / page.width, 0.5, 0.1);
  EXPECT_LT(date.xMin, first.xMin - 50);
  for (const PdfWord& word : page.words) {
    if (word.text == Utf8("Клапан:")) {
      EXPECT_NEAR(word.xMin, date.xMin, 1.0);
    }
  }
}

TEST(ReportDocument, LongDocumentRunsOverPagesWithoutPageNumbers) {
  QStringList lines;
  for (int i = 1; i <= 120; ++i) lines.append(QString("Строка %1").arg(i));
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString path = dir.filePath("long.pdf");
  ASSERT_TRUE(
      WritePdf(*BuildReportDocument(lines.join('\n'), kWhen), path, LinkPolicy::FollowToFile));
  QStringList expected = {Utf8(kHeading), Utf8(kDateLine)};
  expected += lines;
  EXPECT_EQ(TrimmedLines(PdfText(path)), expected);
  const QString info = QString::fromUtf8(ToolOutput("pdfinfo", {path}));
  EXPECT_FALSE(info.contains(QRegularExpression("Pages:\\s+1\\n"))) << info.toStdString();
}

TEST(ReportDocument, PdfWriteFailsIntoAMissingFolder) {
  QTemporaryDir dir;
  EXPECT_FALSE(WritePdf(*BuildReportDocument(Utf8(kReport), kWhen),
                        dir.filePath("missing/report.pdf"), LinkPolicy::FollowToFile));
}

}  // namespace
}  // namespace selvio::test
