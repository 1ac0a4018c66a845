#include "app/form/document_commands.h"

#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QUrlQuery>

#include "document_files.h"
#include "form_fixture.h"
#include "output/selection_report.h"
#include "words/check_words.h"

namespace selvio::test {
namespace {

QString Utf8(const char* text) { return QString::fromUtf8(text); }

const char* const kNoWordProcessor =
    "Не найден текстовый редактор для документов OpenDocument (.odt). Документ сохранен в "
    "файле ";
const char* const kNoMailProgram =
    "Не найдена почтовая программа. Выберите почтовую программу по умолчанию в настройках "
    "системы.";
const char* const kNoPrinter = "Принтер по умолчанию не найден. Документ не напечатан.";

// The form of the test catalogue after "Расчет": valve VT2 DN 15 with actuator EA-3P shown.
class DocumentCommandsTest : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    Start(false);
    View().Documents().SetDesktop(programs_, printer_);
  }
  void Calculate() {
    Click(ids::kCalculate);
    ASSERT_FALSE(View().Result().valveCandidates.empty());
  }
  QString Report() { return View().Report(); }

  HeadlessUserPrograms programs_;
  HeadlessPrinter printer_;
};

TEST_F(DocumentCommandsTest, TheThreeButtonsAreNeverDisabled) {
  for (int id : {ids::kExportWord, ids::kPrint, ids::kSendMail}) EXPECT_TRUE(Enabled(id)) << id;
  Calculate();
  for (int id : {ids::kExportWord, ids::kPrint, ids::kSendMail}) EXPECT_TRUE(Enabled(id)) << id;
}

TEST_F(DocumentCommandsTest, ExportOpensAnOdtThatOutlivesTheHandler) {
  Calculate();
  programs_.AddTypeHandler("application/vnd.oasis.opendocument.text");
  Click(ids::kExportWord);
  EXPECT_TRUE(C().Messages().isEmpty()) << C().Messages().join('|').toStdString();
  ASSERT_EQ(programs_.OpenedFiles().size(), 1);
  const QString path = programs_.OpenedFiles()[0];
  EXPECT_TRUE(path.endsWith(".odt")) << path.toStdString();
  ASSERT_TRUE(QFileInfo(path).isFile()) << path.toStdString();
  const QString text = OdtText(path);
  EXPECT_TRUE(text.startsWith(Utf8("Результат подбора клапана\nДата подбора: ")))
      << text.toStdString();
  EXPECT_TRUE(text.contains(Utf8("Клапан: VT2\nУсловный проход ДУ, мм: 15\n")))
      << text.toStdString();
  EXPECT_TRUE(text.contains(Report().section('\n', 0, 3))) << text.toStdString();

  // A second export writes a file of its own: the first may still be open.
  Click(ids::kExportWord);
  ASSERT_EQ(programs_.OpenedFiles().size(), 2);
  EXPECT_NE(programs_.OpenedFiles()[1], path);
  QDir(QFileInfo(path).path()).removeRecursively();
  QDir(QFileInfo(programs_.OpenedFiles()[1]).path()).removeRecursively();
}

TEST_F(DocumentCommandsTest, ExportWithoutAWordProcessorSaysSoAndWhereTheFileIs) {
  Click(ids::kExportWord);  // nothing calculated: heading and date line only
  EXPECT_TRUE(programs_.OpenedFiles().isEmpty());
  ASSERT_EQ(C().Messages().size(), 1);
  const QString message = C().Messages()[0];
  ASSERT_TRUE(message.startsWith(Utf8(kNoWordProcessor))) << message.toStdString();
  const QString path = message.mid(Utf8(kNoWordProcessor).size()).chopped(1);
  ASSERT_TRUE(QFileInfo(path).isFile()) << path.toStdString();
  EXPECT_TRUE(OdtText(path).startsWith(Utf8("Результат подбора клапана\nДата подбора: ")));
  QDir(QFileInfo(path).path()).removeRecursively();
}

TEST_F(DocumentCommandsTest, PrintKeepsBuffOdtAndPrintsOnTheDefaultPrinter) {
  Calculate();
  printer_.SetOutcome(PrintOutcome::Printed);
  Click(ids::kPrint);
  EXPECT_EQ(printer_.Requests(), 1);
  EXPECT_TRUE(C().Messages().isEmpty()) << C().Messages().join('|').toStdString();
  ASSERT_TRUE(QFileInfo(FilePath("buff.odt")).isFile());
  EXPECT_TRUE(OdtText(FilePath("buff.odt")).contains(Utf8("Клапан: VT2\n")));
}

// The message says where the copy is, so the user can print it from another computer.
TEST_F(DocumentCommandsTest, PrintWithoutAPrinterSaysSoAndWhereTheCopyIs) {
  struct Row {
    PrintOutcome outcome;
    const char* message;
  };
  const Row rows[] = {{PrintOutcome::NoPrinter, kNoPrinter},
                      {PrintOutcome::Failed, "Не удалось напечатать документ."}};
  Calculate();
  const QString copy = QDir::toNativeSeparators(QDir::current().absoluteFilePath("buff.odt"));
  for (const Row& row : rows) {
    C().ClearMessages();
    RemoveFile("buff.odt");
    printer_.SetOutcome(row.outcome);
    Click(ids::kPrint);
    EXPECT_EQ(C().Messages(),
              QStringList{Utf8(row.message) + Utf8(" Его копия сохранена в файле ") + copy + "."});
    EXPECT_TRUE(QFileInfo(FilePath("buff.odt")).isFile()) << "the copy is kept all the same";
  }
}

// A chart painter that paints every chart as a small grey image and keeps what it was asked.
class RecordingChartPainter : public ChartPainter {
 public:
  QImage Paint(const ChartDescription& chart, QSize size, qreal pixelRatio) override {
    titles << chart.title;
    sizes << size * pixelRatio;
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(Qt::gray);
    return image;
  }
  QStringList titles;
  QList<QSize> sizes;
};

int ImageCount(const QString& odt) {
  return static_cast<int>(QString::fromUtf8(OdtContentXml(odt)).count("<draw:image "));
}

// The document after the report: the check of the shown valve, whose pictures come from the
// painter the window gives; without one the check has its text alone.
TEST_F(DocumentCommandsTest, DocumentCarriesTheCheckAndThePicturesOfTheGivenPainter) {
  Calculate();
  ASSERT_TRUE(View().Result().check);
  Click(ids::kPrint);
  const QString text = OdtText(FilePath("buff.odt"));
  const QString section =
      Utf8("\nПроверка по МЭК 60534-2-1\n") + CheckVerdictText(*View().Result().check);
  EXPECT_TRUE(text.contains(Report().section('\n', -2) + "\n" + section)) << text.toStdString();
  EXPECT_EQ(ImageCount(FilePath("buff.odt")), 0);

  RecordingChartPainter painter;
  View().Documents().SetChartPainter(painter);
  Click(ids::kPrint);
  EXPECT_EQ(painter.titles, (QStringList{Utf8("Допустимые давление и температура"),
                                         Utf8("Расходная характеристика")}));
  EXPECT_EQ(painter.sizes, (QList<QSize>{QSize(1200, 750), QSize(1200, 750)}));
  EXPECT_EQ(ImageCount(FilePath("buff.odt")), 2);
}

TEST_F(DocumentCommandsTest, EmailOpensAMessageWithTheSubjectAndTheReport) {
  Calculate();
  programs_.AddSchemeHandler("mailto");
  Click(ids::kSendMail);
  EXPECT_TRUE(C().Messages().isEmpty()) << C().Messages().join('|').toStdString();
  ASSERT_EQ(programs_.OpenedUrls().size(), 1);
  const QUrl url = programs_.OpenedUrls()[0];
  EXPECT_EQ(url.scheme(), "mailto");
  const QUrlQuery query(url);
  EXPECT_EQ(query.queryItemValue("subject", QUrl::FullyDecoded), Utf8("Подбор клапана"));
  const QString body = query.queryItemValue("body", QUrl::FullyDecoded);
  EXPECT_TRUE(body.startsWith(Utf8("Клапан: VT2\nУсловный проход ДУ, мм: 15\n")))
      << body.toStdString();
  EXPECT_EQ(body, Report());
}

TEST_F(DocumentCommandsTest, EmailWithoutAMailProgramSaysSo) {
  Calculate();
  Click(ids::kSendMail);
  EXPECT_TRUE(programs_.OpenedUrls().isEmpty());
  EXPECT_EQ(C().Messages(), QStringList{Utf8(kNoMailProgram)});
}

TEST_F(DocumentCommandsTest, NineButtonsOpenTheShownProductsDocuments) {
  Calculate();
  ASSERT_TRUE(QDir(dir_.path()).mkpath("pdf"));
  QFile present(FilePath("pdf/vt2.pdf"));
  ASSERT_TRUE(present.open(QIODevice::WriteOnly));
  present.close();
  const QString missing = Utf8("Файл не найден. Обновите базу данных.");
  struct Row {
    int button;
    const char* path;
    bool reported;
  };
  const Row rows[] = {
      {ids::kRegulatorDescription, "pdf/vt2.pdf", false},
      {ids::kRegulatorDrawing2d, "2D/vt2_2d.pdf", true},
      {ids::kRegulatorDrawing3d, "3D/vt2_3d.pdf", true},
      {ids::kControllerDescription, "pdf/zr310.pdf", true},
  };
  for (const Row& row : rows) {
    C().ClearMessages();
    const qsizetype opened = programs_.OpenedFiles().size();
    C().Click(row.button);
    ASSERT_EQ(programs_.OpenedFiles().size(), opened + 1) << row.button;
    EXPECT_EQ(programs_.OpenedFiles().last(), FilePath(row.path)) << row.button;
    EXPECT_EQ(C().Messages(), row.reported ? QStringList{missing} : QStringList{}) << row.button;
  }
}

TEST_F(DocumentCommandsTest, ActuatorButtonsDoNothingWithoutAValve) {
  // The handlers themselves, since the panels keep the buttons disabled until a valve shows.
  for (DocumentKind kind :
       {DocumentKind::Description, DocumentKind::Drawing2d, DocumentKind::Drawing3d}) {
    View().Documents().OpenActuatorDocument(kind);
  }
  EXPECT_TRUE(programs_.OpenedFiles().isEmpty());
  EXPECT_TRUE(C().Messages().isEmpty());
}

TEST_F(DocumentCommandsTest, ActuatorDescriptionReportsItsOwnMessage) {
  Calculate();
  // EA-3P names no description in the test catalogue, so its button is disabled; the
  // handler still tells what a click would.
  EXPECT_FALSE(Enabled(ids::kActuatorDescription));
  View().Documents().OpenActuatorDocument(DocumentKind::Description);
  EXPECT_EQ(C().Messages(),
            QStringList{Utf8("Файл с тех.описанием не найден. Обновите базу данных.")});
  ASSERT_EQ(programs_.OpenedFiles().size(), 1);
  EXPECT_EQ(programs_.OpenedFiles()[0], FilePath("pdf/"));
}

}  // namespace
}  // namespace selvio::test
