#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include "document_files.h"
#include "tests/cli_run.h"

namespace selvio::test {
namespace {

QString Utf8(const char* text) { return QString::fromUtf8(text); }

// "selvio-cli select example.crp --dir work --json" with `extra`, run from the fixture's
// folder (the caller's folder) in a copy of the bundled data, under a Russian locale when it
// is installed.
class CliExport : public CliFolderTest {
 protected:
  void SetUp() override {
    CliFolderTest::SetUp();
    CopyIntoWork(
        EnvPath("SELVIO_DATA_DIR"),
        {QStringLiteral("xmldata.xml"), Utf8("Рнас.dat"), QStringLiteral("etilenglikol.dat"),
         QStringLiteral("propilenglikol.dat"), QStringLiteral("example.crp")});
  }
  QString Caller(const QString& name) const { return dir_.filePath(name); }

  static QString Locale() {
    return RussianLocaleInstalled() ? QStringLiteral("ru_RU.UTF-8") : QStringLiteral("C.UTF-8");
  }

  ProcessResult Select(const QStringList& extra) const {
    return RunExecutable(
        QStringList{"select", "work/example.crp", "--dir", "work", "--json"} + extra, dir_.path(),
        Locale());
  }

  static QString Report(const ProcessResult& run) {
    return QJsonDocument::fromJson(run.out).object().value("report").toString();
  }
  static QString Verdict(const ProcessResult& run) {
    return QJsonDocument::fromJson(run.out)
        .object()
        .value("check")
        .toObject()
        .value("verdict")
        .toString();
  }
};

const QRegularExpression kDateLine(
    Utf8("^Дата подбора: [0-2]\\d:[0-5]\\d [0-3]\\d\\.[01]\\d\\.\\d{4}$"));

TEST_F(CliExport, OdtHoldsHeadingDateLineAndTheReportOfTheSelection) {
  const ProcessResult run = Select({"--export", "result.odt"});
  ASSERT_EQ(run.status, 0) << run.err.toStdString();
  EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
  const QString report = Report(run);
  ASSERT_TRUE(report.startsWith(Utf8("Клапан: "))) << report.toStdString();

  const std::vector<OdtParagraph> paragraphs =
      ReadOdtParagraphs(OdtContentXml(Caller("result.odt")));
  const QStringList reportLines = report.split('\n');
  // The check follows: an empty line, its heading and verdict, ..., its two pictures.
  ASSERT_GT(paragraphs.size(), static_cast<std::size_t>(3 + reportLines.size() + 5));
  EXPECT_EQ(paragraphs[0].text, Utf8("Результат подбора клапана"));
  EXPECT_EQ(paragraphs[0].align, "center");
  EXPECT_EQ(paragraphs[0].families, QStringList{"Arial"});
  EXPECT_EQ(paragraphs[0].sizes, QStringList{"26pt"});
  EXPECT_TRUE(kDateLine.match(paragraphs[1].text).hasMatch()) << paragraphs[1].text.toStdString();
  EXPECT_EQ(paragraphs[1].sizes, QStringList{"14pt"});
  EXPECT_EQ(paragraphs[2].text, QString());
  for (qsizetype i = 0; i < reportLines.size(); ++i) {
    EXPECT_EQ(paragraphs[static_cast<std::size_t>(3 + i)].text, reportLines[i]);
  }
  const auto check = paragraphs.begin() + 3 + reportLines.size();
  EXPECT_EQ(check[0].text, QString());
  EXPECT_EQ(check[1].text, Utf8("Проверка по МЭК 60534-2-1"));
  EXPECT_EQ(check[2].text, Verdict(run));
  EXPECT_TRUE(check[2].text.startsWith(Utf8("Kvs достаточен: по МЭК требуется Kv ")));
  EXPECT_EQ(paragraphs.back().text, QString());
}

// Both pictures of the check, the P–T rating and the characteristic, are stored in the file and
// placed after the check's text.
TEST_F(CliExport, OdtShowsBothPicturesOfTheCheck) {
  const ProcessResult run = Select({"--export", "result.odt"});
  ASSERT_EQ(run.status, 0) << run.err.toStdString();
  const QString odt = Caller("result.odt");
  const QString content = QString::fromUtf8(OdtContentXml(odt));
  const QStringList hrefs = OdtImageHrefs(content);
  ASSERT_EQ(hrefs.size(), 2) << content.toStdString();
  EXPECT_NE(hrefs[0], hrefs[1]);
  EXPECT_GT(content.indexOf(hrefs[0]), content.indexOf(Utf8("Основа расчета:")));

  const QString listing =
      QString::fromUtf8(ToolOutput(QStringLiteral("/usr/bin/unzip"), {QStringLiteral("-l"), odt}));
  for (const QString& href : hrefs) {
    EXPECT_TRUE(href.startsWith("Pictures/")) << href.toStdString();
    EXPECT_TRUE(listing.contains(href)) << listing.toStdString();
    const QByteArray png = ToolOutput(QStringLiteral("/usr/bin/unzip"), {"-p", odt, href});
    EXPECT_TRUE(png.startsWith("\x89PNG")) << href.toStdString();
    // The pictures are drawn at twice the 600 × 375 pixels they take on the page.
    EXPECT_EQ(QImage::fromData(png).size(), QSize(1200, 750)) << href.toStdString();
  }
}

TEST_F(CliExport, PdfHoldsTheReportsText) {
  const ProcessResult run = Select({"--export=result.PDF"});
  ASSERT_EQ(run.status, 0) << run.err.toStdString();
  EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
  QFile file(Caller("result.PDF"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.read(5) == "%PDF-") << "the suffix chooses the format in any case";

  const QStringList lines = TrimmedLines(PdfText(Caller("result.PDF")));
  const QStringList report = TrimmedLines(Report(run));
  ASSERT_GE(lines.size(), 2 + report.size() + 2);
  EXPECT_EQ(lines[0], Utf8("Результат подбора клапана"));
  EXPECT_TRUE(kDateLine.match(lines[1]).hasMatch()) << lines[1].toStdString();
  EXPECT_EQ(lines.mid(2, report.size()), report);
  EXPECT_EQ(lines[2 + report.size()], Utf8("Проверка по МЭК 60534-2-1"));

  // pdfimages -list: two header lines, then one line per image: the check's two pictures.
  const QStringList images =
      QString::fromUtf8(ToolOutput("pdfimages", {"-list", Caller("result.PDF")}))
          .split('\n', Qt::SkipEmptyParts);
  EXPECT_EQ(images.size(), 2 + 2) << images.join('\n').toStdString();
}

TEST_F(CliExport, RefusesWhatItCannotWrite) {
  struct Row {
    const char* name;
    QStringList extra;
    const char* error;
  };
  const Row rows[] = {
      {"unknown format", {"--export", "result.doc"}, "нужно имя файла .odt или .pdf"},
      {"a bare suffix", {"--export", ".pdf"}, "нужно имя файла .odt или .pdf"},
      {"twice", {"--export", "a.odt", "--export", "b.odt"}, "Параметр --export указан дважды"},
      {"missing folder", {"--export", "missing/result.odt"}, "Не удалось записать документ"},
      {"missing folder, PDF", {"--export", "missing/result.pdf"}, "Не удалось записать документ"},
  };
  for (const Row& row : rows) {
    const ProcessResult run = Select(row.extra);
    EXPECT_EQ(run.status, 2) << row.name;
    EXPECT_TRUE(run.out.isEmpty()) << row.name;
    EXPECT_TRUE(QString::fromUtf8(run.err).contains(Utf8(row.error)))
        << row.name << ": " << run.err.toStdString();
  }
  EXPECT_TRUE(QDir(dir_.path()).entryList({"*.odt", "*.pdf", "*.doc"}, QDir::Files).isEmpty());
}

}  // namespace
}  // namespace selvio::test
