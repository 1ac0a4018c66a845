// The window in both of its languages: what a screen reader reads of its main controls, no
// Russian word anywhere in the English window, its dialogs, message boxes, project window and
// documents (catalogue data apart), the form still fitting a laptop's screen in English, and the
// language choice under the command strip.
#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QUrlQuery>
#include <algorithm>
#include <set>
#include <vector>

#include "app/dialogs/candidate_dialog.h"
#include "app/dialogs/catalogue_question.h"
#include "app/dialogs/density_dialog.h"
#include "app/dialogs/update_dialog.h"
#include "app/form/control_ids.h"
#include "app/form/control_inventory.h"
#include "app/form/fixed_text_ids.h"
#include "app/form/mode_rules.h"
#include "app/form/units.h"
#include "app/project/project.h"
#include "app/window/language_choice.h"
#include "app/window/project_window.h"
#include "app/window/recheck_dialog.h"
#include "document_files.h"
#include "output/check_document.h"
#include "output/report_document.h"
#include "platform/document_printer.h"
#include "platform/headless_controls.h"
#include "platform/qt/text_label.h"
#include "platform/user_programs.h"
#include "window_fixture.h"
#include "words/language.h"
#include "words_fixture.h"

namespace selvio::test {
namespace {

constexpr Language kRu = Language::Russian;
constexpr Language kEn = Language::English;

// ---- What the user reads, and the catalogue's own texts within it.

struct ShownText {
  QString where;
  QString text;
};

QString Where(const QWidget* widget) {
  return QString::fromLatin1(widget->metaObject()->className()) + QLatin1Char(' ') +
         widget->objectName();
}

// Every text `root` and its children show or give assistive technology: titles, captions,
// entries, cells and headings, tooltips, accessible names and descriptions.
std::vector<ShownText> TextsOf(QWidget* root) {
  std::vector<ShownText> texts;
  QList<QWidget*> widgets = root->findChildren<QWidget*>();
  widgets.prepend(root);
  for (QWidget* widget : widgets) {
    const QString where = Where(widget);
    const auto add = [&](const QString& kind, const QString& text) {
      if (!text.isEmpty()) texts.push_back({where + QLatin1Char(' ') + kind, text});
    };
    if (widget->isWindow()) add(QStringLiteral("title"), widget->windowTitle());
    add(QStringLiteral("tooltip"), widget->toolTip());
    add(QStringLiteral("name"), widget->accessibleName());
    add(QStringLiteral("description"), widget->accessibleDescription());
    if (auto* label = qobject_cast<QLabel*>(widget)) add(QStringLiteral("text"), label->text());
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
      add(QStringLiteral("text"), button->text());
    }
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
      add(QStringLiteral("text"), edit->text());
      add(QStringLiteral("placeholder"), edit->placeholderText());
    }
    if (auto* group = qobject_cast<QGroupBox*>(widget))
      add(QStringLiteral("title"), group->title());
    if (auto* list = qobject_cast<QComboBox*>(widget)) {
      for (int i = 0; i < list->count(); ++i) {
        add(QStringLiteral("entry %1").arg(i), list->itemText(i));
        add(QStringLiteral("entry hint %1").arg(i), list->itemData(i, Qt::ToolTipRole).toString());
      }
    }
    if (auto* table = qobject_cast<QTableWidget*>(widget)) {
      for (int column = 0; column < table->columnCount(); ++column) {
        if (QTableWidgetItem* heading = table->horizontalHeaderItem(column)) {
          add(QStringLiteral("heading %1").arg(column), heading->text());
        }
        for (int row = 0; row < table->rowCount(); ++row) {
          if (QTableWidgetItem* cell = table->item(row, column)) {
            add(QStringLiteral("cell %1,%2").arg(row).arg(column), cell->text());
          }
        }
      }
    }
  }
  return texts;
}

// The catalogue's own texts a result shows: product names and diameters, characteristics and
// constructions, actuators' names. They stay as the catalogue gives them, in every language.
class CatalogueTexts {
 public:
  void Add(const SelectionResult& result) {
    for (const ValveCandidate& c : result.valveCandidates) {
      Add({c.valve.name, c.valve.dnText, c.valve.characteristic, c.valve.construction});
      for (const ElectricActuatorRecord& e : c.electricActuators) Add({e.variant});
      for (const PneumaticActuatorRecord& p : c.pneumaticActuators) Add({p.name});
      for (const ThermostatRecord& t : c.thermostats) Add({t.name});
    }
    for (const RegulatorCandidate& c : RegulatorCandidates(result)) {
      Add({c.regulator.name, c.regulator.dnText});
    }
  }

  // `text` without the catalogue's texts in it, longest first.
  QString Without(QString text) const {
    for (const QString& data : texts_) text.remove(data);
    return text;
  }

 private:
  void Add(std::initializer_list<QString> texts) {
    for (const QString& text : texts) {
      if (!text.isEmpty()) texts_.insert(text);
    }
  }

  struct LongestFirst {
    bool operator()(const QString& a, const QString& b) const {
      return a.size() != b.size() ? a.size() > b.size() : a < b;
    }
  };
  std::set<QString, LongestFirst> texts_;
};

// The entry of the language list that names Russian in Russian: the one Cyrillic word the
// English window shows on purpose, so that a Russian reader finds it.
bool IsRussianInItsOwnName(const ShownText& shown) {
  return shown.where.contains(QStringLiteral("languageChoice entry")) &&
         shown.text == QString::fromUtf8("Русский");
}

void ExpectNoRussian(const std::vector<ShownText>& texts, const CatalogueTexts& catalogue,
                     const char* context) {
  for (const ShownText& shown : texts) {
    if (IsRussianInItsOwnName(shown)) continue;
    EXPECT_FALSE(HoldsCyrillic(catalogue.Without(shown.text)))
        << context << ": " << shown.where.toStdString() << ": " << shown.text.toStdString();
  }
}

void ExpectNoRussian(const QStringList& texts, const CatalogueTexts& catalogue,
                     const char* context) {
  std::vector<ShownText> shown;
  for (const QString& text : texts) shown.push_back({QStringLiteral("text"), text});
  ExpectNoRussian(shown, catalogue, context);
}

// ---- The window in a language.

// The real window on the bundled data in `language`, which the test installs before the
// program's widgets are built, as main() does.
class LanguageWindowTest : public WindowTest {
 protected:
  void StartIn(Language language) {
    InstallLanguage(language);
    Start();
  }
  // data/example.crp, made three-way: the catalogue finds "ВКФ-3-32-16" with an electric
  // actuator and the controller kit.
  void StartOnExample(Language language) {
    ASSERT_TRUE(QFile::copy(dir_.filePath(QStringLiteral("example.crp")),
                            dir_.filePath(QStringLiteral("user.bin"))));
    StartIn(language);
  }
  void TearDown() override {
    program_.reset();
    UninstallLanguage();
  }
  QComboBox* LanguageList() { return Window().LanguageList(); }
};

// Roles, names and texts of the main controls as a screen reader gets them, in both languages.
TEST_F(LanguageWindowTest, MainControlsAreReadInTheLanguageInUse) {
  struct Expected {
    int id;
    QAccessible::Role role;
    const char* russian;
    const char* english;
  };
  const Expected expected[] = {
      {ids::kCalculate, QAccessible::Button, "Расчет", "Calculate"},
      // Both calculators' buttons read "Расчитать": each is named with its field too.
      {ids::kFlowCalc, QAccessible::Button, "Расчитать — Расход среды *(G)",
       "Calculate… — Flow rate *(G)"},
      {ids::kOtherConfiguration, QAccessible::Button, "Другая конфигурация", "Other options…"},
      {ids::kExportWord, QAccessible::Button, "Экспорт в MS Word", "Export document"},
      {ids::kCheckUpdate, QAccessible::Button, "Проверить обновление", "Check for updates"},
      {ids::kControlValve, QAccessible::RadioButton, "Регулирующий клапан", "Control valve"},
      {ids::kDpRegulator, QAccessible::RadioButton, "Регулятор перепада давления",
       "Differential pressure controller"},
      {ids::kReducingValve, QAccessible::RadioButton, "Редукционный клапан",
       "Pressure reducing valve"},
      {ids::kThreePoint, QAccessible::RadioButton, "Трехпозиционный", "Three-point"},
      {ids::kAnalogue, QAccessible::RadioButton, "Аналоговый", "Analogue"},
      {ids::kCopperElement, QAccessible::RadioButton, "Медь — Металл чувствительно эл-та",
       "Copper — Sensor metal"},
      {ids::kSpringReturn, QAccessible::CheckBox, "Возвратная пружина", "Spring return"},
      {ids::kCheckCavitation, QAccessible::CheckBox, "Учитывать возможную кавитацию",
       "Check for cavitation"},
      {ids::kP1, QAccessible::EditableText, "Входное избыточное давл. в регулируемом контуре *(Р1)",
       "Inlet gauge pressure in the controlled circuit *(P1)"},
      {ids::kSafetyFactor, QAccessible::EditableText, "Учитывать коэффициент запаса K — значение",
       "Apply safety factor K — value"},
      {ids::kHeatCarrierSensors, QAccessible::EditableText, "Датчик температуры теплоносителя",
       "Flow temperature sensor"},
      {ids::kRegulatorValues, QAccessible::StaticText, "Результат подбора регулятора — значения",
       "Valve selection result — values"},
      {ids::kActuatorEmpty, QAccessible::Button, "Подбор привода — не выбран",
       "Actuator selection — not selected"},
      {ids::kLogo, QAccessible::Button, "About Selvio", "About Selvio"},
  };
  for (const Language language : {kRu, kEn}) {
    SCOPED_TRACE(LanguageCode(language).toStdString());
    StartIn(language);
    for (const Expected& e : expected) {
      QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(Widget(e.id));
      ASSERT_NE(accessible, nullptr) << e.id;
      EXPECT_EQ(accessible->role(), e.role) << e.id;
      EXPECT_EQ(accessible->text(QAccessible::Name),
                QString::fromUtf8(language == kRu ? e.russian : e.english))
          << e.id;
    }
    // A drop-down list is announced by its entry, which is in the language too; its description
    // says which list it is.
    QAccessibleInterface* flowUnit = QAccessible::queryAccessibleInterface(Widget(ids::kFlowUnit));
    EXPECT_EQ(flowUnit->role(), QAccessible::ComboBox);
    EXPECT_EQ(flowUnit->text(QAccessible::Description),
              QString::fromUtf8(language == kRu ? "Расход среды *(G) — единица измерения"
                                                : "Flow rate *(G) — unit"));
    EXPECT_EQ(As<QComboBox>(ids::kP1Unit)->itemText(0),
              QString::fromUtf8(language == kRu ? "Бар" : "bar"));
    // The two ways to calculate stay apart for a screen reader as for the eye.
    EXPECT_NE(Widget(ids::kCalculate)->accessibleName(), Widget(ids::kFlowCalc)->accessibleName());
    EXPECT_NE(Widget(ids::kCalculate)->accessibleName(),
              Widget(ids::kDensityCalc)->accessibleName());
    QAccessibleInterface* choice = QAccessible::queryAccessibleInterface(LanguageList());
    EXPECT_EQ(choice->role(), QAccessible::ComboBox);
    EXPECT_EQ(LanguageList()->accessibleName(),
              QString::fromUtf8(language == kRu ? "Язык окна" : "Window language"));
    EXPECT_EQ(choice->text(QAccessible::Description),
              QString::fromUtf8(language == kRu ? "Язык окна; меняется при следующем запуске"
                                                : "Window language; changes at the next start"));
    program_.reset();
    UninstallLanguage();
  }
}

// In English every control a user reaches keeps a name of its own, with no Russian in it.
TEST_F(LanguageWindowTest, EveryReachableControlHasAUniqueEnglishName) {
  StartIn(kEn);
  std::map<QString, int> owners;
  for (const ControlEntry& entry : FormControlInventory()) {
    const bool valueBlock = entry.kind == ControlType::Label && entry.text[0] == '\0';
    const bool reachable = entry.kind != ControlType::Label && entry.id != ids::kBanner;
    if (!valueBlock && !reachable) continue;
    const QString name = Widget(entry.id)->accessibleName();
    EXPECT_FALSE(name.isEmpty()) << entry.id;
    EXPECT_FALSE(HoldsCyrillic(name)) << entry.id << ' ' << name.toStdString();
    auto [it, inserted] = owners.emplace(name, entry.id);
    EXPECT_TRUE(inserted) << entry.id << " and " << it->second << " share \"" << name.toStdString()
                          << "\"";
  }
}

// Calculations with each kind of actuator, the controller kit, a regulator and steam, with the
// messages they give: nothing the window shows in English is Russian but the catalogue's data.
TEST_F(LanguageWindowTest, TheEnglishWindowShowsNoRussianButCatalogueData) {
  StartOnExample(kEn);
  CatalogueTexts catalogue;
  QStringList messages;
  QStringList titles;
  const auto calculate = [&](const char* step) {
    SCOPED_TRACE(step);
    ModalDriver driver{AnswerMessageBox()};
    Click(ids::kCalculate);
    messages << driver.Texts();
    titles << driver.Titles();
    catalogue.Add(program_->View().Result());
    ExpectNoRussian(TextsOf(&Window()), catalogue, step);
  };
  const std::vector<ShownText> start = TextsOf(&Window());
  EXPECT_TRUE(std::any_of(start.begin(), start.end(), [](const ShownText& shown) {
    return shown.text == QStringLiteral("Valve selection result");
  })) << "the scan reads the form's captions";
  ExpectNoRussian(start, catalogue, "at start");
  Click(ids::kThreeWay);
  calculate("three-way valve, electric actuator, controller kit");
  ASSERT_FALSE(program_->View().Result().valveCandidates.empty());
  Click(ids::kThermostat);
  calculate("thermostatic actuator");
  Click(ids::kPneumatic);
  calculate("pneumatic actuator");
  Click(ids::kDpRegulator);
  calculate("differential pressure controller");
  Click(ids::kReducingValve);
  calculate("pressure reducing valve");
  Click(ids::kControlValve);
  Click(ids::kSteam);
  calculate("steam");
  Click(ids::kGlycol);
  Type(ids::kFlow, QString());
  calculate("a flow without a number");
  EXPECT_FALSE(messages.isEmpty()) << "the empty flow is refused with a message";
  ExpectNoRussian(messages, catalogue, "messages");
  ExpectNoRussian(titles, catalogue, "message titles");
}

// The dialogs the form opens: the candidates, both calculators, the update and the about box.
TEST_F(LanguageWindowTest, TheEnglishDialogsShowNoRussianButCatalogueData) {
  StartOnExample(kEn);
  CatalogueTexts catalogue;
  {
    ModalDriver messages{AnswerMessageBox()};
    Click(ids::kCalculate);
    catalogue.Add(program_->View().Result());
  }
  struct Opened {
    const char* name;
    int button;
    int close;  // the id of the button that closes the dialog without acting
  };
  const Opened opened[] = {
      {"candidates", ids::kOtherConfiguration, candidate_dialog_ids::kDismiss},
      {"flow from heat load", ids::kFlowCalc, ids::kCancel},
      {"about", ids::kLogo, ids::kOk},
      {"update", ids::kCheckUpdate, ids::kOk},
      {"density", ids::kDensityCalc, ids::kCancel},
  };
  for (const Opened& o : opened) {
    SCOPED_TRACE(o.name);
    if (o.button == ids::kDensityCalc) Click(ids::kGlycol);
    std::vector<ShownText> texts;
    int seen = 0;
    ModalDriver driver{DriveDialog([&](QDialog& dialog) {
                         if (seen++ == 0) texts = TextsOf(&dialog);
                         auto* close =
                             dialog.findChild<QPushButton*>(QStringLiteral("id%1").arg(o.close));
                         if (close) QTest::mouseClick(close, Qt::LeftButton);
                       }),
                       AnswerMessageBox()};
    Click(o.button);
    EXPECT_GT(seen, 0) << "the dialog opened";
    EXPECT_FALSE(texts.empty());
    ExpectNoRussian(texts, catalogue, o.name);
    ExpectNoRussian(driver.Texts(), catalogue, o.name);
    ExpectNoRussian(driver.Titles(), catalogue, o.name);
  }
}

// The form's own texts as the headless form and the window take them: English for every one,
// a label block line for line beside its values; the unit lists shown in English while the names
// a selection file's CSV row gives stay the same in every language.
TEST(EnglishForm, EveryTextOfTheInventoryHasItsEnglish) {
  const LanguageScope english(kEn);
  HeadlessControls controls;
  DefineFormControls(controls);
  for (const ControlEntry& entry : FormControlInventory()) {
    const QString text = controls.Text(entry.id);
    EXPECT_FALSE(HoldsCyrillic(text)) << entry.id << ' ' << text.toStdString();
    EXPECT_EQ(text.count(QStringLiteral("\r\n")),
              QString::fromUtf8(entry.text).count(QStringLiteral("\r\n")))
        << entry.id;
  }
  EXPECT_EQ(controls.Text(ids::kCalculate), QStringLiteral("Calculate"));
  EXPECT_EQ(controls.Text(ids::kOtherConfiguration), QStringLiteral("Other options…"));
  FillUnitLists(controls);
  EXPECT_EQ(controls.ListEntries(ids::kP1Unit),
            QStringList({"bar", "kPa", QString::fromUtf8("kgf/cm²")}));
  EXPECT_EQ(controls.ListEntries(ids::kSignalType),
            QStringList({"0-10 V", "2-10 V", "0-20 mA", "4-20 mA"}));
  EXPECT_EQ(PressureUnits(), QStringList({QString::fromUtf8("Бар"), QString::fromUtf8("кПа"),
                                          QString::fromUtf8("кгс/см²")}))
      << "the names a CSV gives do not change with the language";
  OnSteam(controls);
  EXPECT_EQ(controls.Text(ids::kDropCaption), QString::fromUtf8("Relative pressure drop *(δ):"));
  EXPECT_EQ(controls.ListEntries(ids::kFlowUnit), QStringList({"t/h", "kg/h", "kg/s"}));
}

// The dialogs' own messages and the catalogue question, run on the headless controls.
TEST(EnglishDialogs, MessagesAndQuestionsSpeakEnglish) {
  const LanguageScope english(kEn);
  QStringList texts;
  GlycolTables tables;  // empty: every point lies outside, then no table is there
  for (const char* temperature : {"-100", "500", "20"}) {
    HeadlessControls form;
    form.Define(ids::kTemperature, ControlType::Edit, QString::fromLatin1(temperature));
    form.QueueDialogScript([](HeadlessControls& dialog) {
      dialog.Click(density_dialog_ids::kPropylene);
      dialog.Click(ids::kOk);
    });
    OnDensityCalc(form, tables);
    texts << form.Messages();
  }
  const DialogTemplate density = DensityCalculatorDialog(tables, QString()).Template();
  texts << density.title;
  for (const DialogControl& control : density.controls) texts << control.text;
  EXPECT_FALSE(texts.isEmpty());
  for (const QString& userDate : {QString(), QStringLiteral("01.02.2020")}) {
    const DialogTemplate question =
        CatalogueQuestion(QStringLiteral("03.04.2024"), userDate).Template();
    texts << question.title;
    for (const DialogControl& control : question.controls) texts << control.text;
  }
  CUpdateProgressDlg progress({}, {});
  texts << progress.Template().title;
  for (const DialogControl& control : progress.Template().controls) texts << control.text;
  for (const QString& text : texts) EXPECT_FALSE(HoldsCyrillic(text)) << text.toStdString();
}

// "Export document" and "Send by e-mail": the document's heading, date line and report, and the
// message's subject and body. The check's section, which the check's own words fill, is left to
// their tests.
TEST_F(LanguageWindowTest, TheEnglishDocumentAndMailShowNoRussianButCatalogueData) {
  StartOnExample(kEn);
  HeadlessUserPrograms programs;
  HeadlessPrinter printer;
  programs.AddTypeHandler(QStringLiteral("application/vnd.oasis.opendocument.text"));
  programs.AddSchemeHandler(QStringLiteral("mailto"));
  program_->View().Documents().SetDesktop(programs, printer);
  ModalDriver messages{AnswerMessageBox()};
  Click(ids::kThreeWay);
  Click(ids::kCalculate);
  CatalogueTexts catalogue;
  catalogue.Add(program_->View().Result());
  QStringList checkLines;
  if (const std::optional<DocumentAppendix> check =
          CheckAppendix(program_->View().Result().check, nullptr)) {
    checkLines << check->heading << check->text.split(QLatin1Char('\n'));
  }

  Click(ids::kExportWord);
  ASSERT_EQ(programs.OpenedFiles().size(), 1);
  const QString odt = programs.OpenedFiles()[0];
  EXPECT_EQ(QFileInfo(odt).fileName(), QStringLiteral("Valve selection.odt"));
  QStringList paragraphs;
  for (const OdtParagraph& paragraph : ReadOdtParagraphs(OdtContentXml(odt))) {
    if (!checkLines.contains(paragraph.text)) paragraphs << paragraph.text;
  }
  ASSERT_GE(paragraphs.size(), 3);
  EXPECT_EQ(paragraphs[0], QStringLiteral("Valve selection result"));
  EXPECT_TRUE(paragraphs[1].startsWith(QStringLiteral("Date of selection: ")))
      << paragraphs[1].toStdString();
  EXPECT_TRUE(paragraphs.contains(QStringLiteral("Connection: Flanged")))
      << paragraphs.join('|').toStdString();
  ExpectNoRussian(paragraphs, catalogue, "exported document");
  QDir(QFileInfo(odt).path()).removeRecursively();

  // The same document as PDF, as selvio-cli writes it.
  const QString pdf = dir_.filePath(QStringLiteral("report.pdf"));
  ASSERT_TRUE(
      WritePdf(*BuildReportDocument(program_->View().Report(), QDateTime::currentDateTime()), pdf,
               LinkPolicy::FollowToFile));
  const QStringList pdfLines = TrimmedLines(PdfText(pdf));
  EXPECT_TRUE(pdfLines.contains(QStringLiteral("Valve selection result")));
  ExpectNoRussian(pdfLines, catalogue, "PDF");

  Click(ids::kSendMail);
  ASSERT_EQ(programs.OpenedUrls().size(), 1);
  const QUrlQuery mail(programs.OpenedUrls()[0]);
  EXPECT_EQ(mail.queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
            QStringLiteral("Valve selection"));
  ExpectNoRussian({mail.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded)}, catalogue,
                  "mail");
  ExpectNoRussian(messages.Texts(), catalogue, "messages");
}

QPushButton* Button(QWidget& window, const char* text) {
  for (QPushButton* button : window.findChildren<QPushButton*>()) {
    if (button->text() == QString::fromUtf8(text)) return button;
  }
  ADD_FAILURE() << "no button " << text;
  return nullptr;
}

// The project window with a position, its schedule as ODT, PDF and CSV, its re-check and its
// messages, and the re-check's list of changes.
TEST_F(LanguageWindowTest, TheEnglishProjectWindowAndScheduleShowNoRussianButCatalogueData) {
  StartOnExample(kEn);
  CatalogueTexts catalogue;
  ModalDriver messages{AnswerMessageBox()};
  Click(ids::kCalculate);
  catalogue.Add(program_->View().Result());
  Click(ids::kProjectWindow);
  ProjectWindow& window = program_->ProjectView();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  QTest::mouseClick(Button(window, "Add"), Qt::LeftButton);
  ASSERT_EQ(program_->OpenProject().Count(), 1);
  QTest::mouseClick(Button(window, "Recheck"), Qt::LeftButton);
  QTRY_VERIFY_WITH_TIMEOUT(Button(window, "Recheck")->isEnabled(), 30000);
  ExpectNoRussian(TextsOf(&window), catalogue, "project window");
  // The README's English picture of it: SELVIO_PROJECT_WINDOW_SCREENSHOT_EN names the file.
  if (const char* screenshot = std::getenv("SELVIO_PROJECT_WINDOW_SCREENSHOT_EN")) {
    window.resize(980, 300);
    QApplication::processEvents();
    EXPECT_TRUE(window.grab().save(QString::fromLocal8Bit(screenshot)));
  }

  for (const char* name : {"schedule.odt", "schedule.pdf", "schedule.csv"}) {
    SCOPED_TRACE(name);
    const QString path = dir_.filePath(QString::fromLatin1(name));
    {
      ModalDriver files{ChooseFile(path)};
      QTest::mouseClick(Button(window, "Export schedule"), Qt::LeftButton);
      ExpectNoRussian(files.Titles(), catalogue, "file dialog");
    }
    ASSERT_TRUE(QFileInfo::exists(path));
    QStringList lines;
    if (path.endsWith(QLatin1String(".odt"))) {
      for (const OdtParagraph& paragraph : ReadOdtParagraphs(OdtContentXml(path))) {
        lines << paragraph.text;
      }
      lines << QString::fromUtf8(OdtContentXml(path))
                   .remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    } else if (path.endsWith(QLatin1String(".pdf"))) {
      lines = TrimmedLines(PdfText(path));
    } else {
      QFile csv(path);
      ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
      lines = QString::fromUtf8(csv.readAll()).split(QStringLiteral("\r\n"));
    }
    EXPECT_TRUE(lines.join('\n').contains(QStringLiteral("Equipment schedule")) ||
                path.endsWith(QLatin1String(".csv")));
    EXPECT_TRUE(lines.join('\n').contains(QStringLiteral("water")))
        << lines.join('|').toStdString();
    ExpectNoRussian(lines, catalogue, name);
  }

  // The re-check's list, as it shows a position whose product changed.
  const Project project = program_->OpenProject().Data();
  RecheckReport report;
  report.completed = true;
  PositionRecheck changed;
  changed.position = 0;
  changed.change = SelectionChange::NothingFound;
  report.positions.push_back(changed);
  RecheckDialog recheck(project, report, &window);
  ExpectNoRussian(TextsOf(&recheck), catalogue, "re-check dialog");

  QTest::mouseClick(Button(window, "Delete"), Qt::LeftButton);
  QTest::mouseClick(Button(window, "Recheck"), Qt::LeftButton);
  EXPECT_FALSE(messages.Texts().isEmpty()) << "a project without positions has nothing to recheck";
  ExpectNoRussian(messages.Texts(), catalogue, "project messages");
  ExpectNoRussian(messages.Titles(), catalogue, "project message titles");
  ExpectNoRussian(TextsOf(&window), catalogue, "project window at the end");
}

// A 1366 × 768 laptop leaves about 1366 × 700 under a title bar and a task bar: the English
// form fits it after a three-way calculation, every control at least as wide as it asks, and
// a value the area cuts is read whole from its tooltip and by a screen reader.
TEST_F(LanguageWindowTest, TheEnglishFormFitsTheScreenAfterACalculation) {
  StartOnExample(kEn);
  ModalDriver messages{AnswerMessageBox()};
  Click(ids::kThreeWay);
  Click(ids::kCalculate);
  auto* scrollArea = Window().findChild<QScrollArea*>();
  ASSERT_NE(scrollArea, nullptr);
  Window().resize(1366, 700);
  QTRY_COMPARE(Window().size(), QSize(1366, 700));
  QApplication::processEvents();
  EXPECT_FALSE(scrollArea->horizontalScrollBar()->isVisible());
  EXPECT_FALSE(scrollArea->verticalScrollBar()->isVisible());
  const QRect shown = scrollArea->viewport()->rect();
  QList<QWidget*> widgets = Window().Form()->findChildren<QWidget*>();
  int checked = 0;
  for (QWidget* widget : widgets) {
    if (!widget->isVisible()) continue;
    const QRect onScreen(widget->mapTo(scrollArea->viewport(), QPoint()), widget->size());
    EXPECT_TRUE(shown.contains(onScreen)) << Where(widget).toStdString();
    // A text that is not cut with "…" gets the width it asks for.
    const auto* text = dynamic_cast<TextLabel*>(widget);
    if (qobject_cast<QAbstractButton*>(widget) || (text && !text->ElidesLines())) {
      EXPECT_GE(widget->width(), widget->minimumSizeHint().width()) << Where(widget).toStdString();
      ++checked;
    }
  }
  EXPECT_GT(checked, 80) << "the buttons and captions were measured";
  for (int id : {ids::kRegulatorValues, ids::kElectricValues, ids::kControllerValues}) {
    auto* values = static_cast<TextLabel*>(Widget(id));
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(values);
    EXPECT_EQ(accessible->textInterface()->text(0, accessible->textInterface()->characterCount()),
              values->text());
    if (values->IsElided()) {
      EXPECT_EQ(values->toolTip(), values->text()) << id;
    }
  }
  // The README's English picture: SELVIO_WINDOW_SCREENSHOT_EN names the file to write.
  if (const char* screenshot = std::getenv("SELVIO_WINDOW_SCREENSHOT_EN")) {
    EXPECT_TRUE(Window().grab().save(QString::fromLocal8Bit(screenshot)));
  }
}

// ---- The language choice.

// The user's settings in a folder of the test's own, for the whole program.
QString SettingsFolder() {
  static QTemporaryDir folder;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
  return folder.path();
}

TEST_F(LanguageWindowTest, TheLanguageIsChosenFromTheKeyboardAndRememberedForTheNextStart) {
  SettingsFolder();
  StartIn(kRu);
  QComboBox* list = LanguageList();
  ASSERT_NE(list, nullptr);
  EXPECT_TRUE(list->isVisible());
  EXPECT_EQ(list->currentText(), QString::fromUtf8("Русский"));
  EXPECT_EQ(list->itemText(1), QStringLiteral("English"));
  EXPECT_EQ(Widget(ids::kExit)->nextInFocusChain(), list) << "Tab goes from \"Выход\" to the list";

  ModalDriver messages{AnswerMessageBox()};
  list->setFocus();
  QTest::keyClick(list, Qt::Key_Down);
  EXPECT_EQ(list->currentText(), QStringLiteral("English"));
  EXPECT_EQ(RememberedLanguage(), kEn);
  ASSERT_EQ(messages.Texts().size(), 1);
  const QString notice = messages.Texts()[0];
  EXPECT_TRUE(notice.startsWith(
      QString::fromUtf8("Язык окна изменится при следующем запуске программы.\n"
                        "The window's language changes when the program next starts.")))
      << notice.toStdString();
  // The tests run with SELVIO_LANG=ru, which would keep the window Russian.
  EXPECT_TRUE(notice.contains(QStringLiteral("SELVIO_LANG=ru"))) << notice.toStdString();
  EXPECT_EQ(InstalledLanguage(), kRu) << "the window stays as it is until the next start";

  QTest::keyClick(list, Qt::Key_Up);
  EXPECT_EQ(RememberedLanguage(), kRu);
}

TEST(LanguageChoiceNotice, SaysTheNextStartInBothLanguagesAndNamesTheEnvironment) {
  const LanguageScope russian(kRu);
  const QString ru = QString::fromUtf8("Язык окна изменится при следующем запуске программы.");
  const QString en = QStringLiteral("The window's language changes when the program next starts.");
  EXPECT_EQ(LanguageChoiceNotice(kEn, kRu, QString()), ru + '\n' + en);
  EXPECT_EQ(LanguageChoiceNotice(kRu, kRu, QString()), QString()) << "nothing changes";
  EXPECT_EQ(LanguageChoiceNotice(kRu, kRu, QStringLiteral("de")), QString())
      << "a value the program does not speak decides nothing";
  const QString environment = LanguageChoiceNotice(kRu, kRu, QStringLiteral("en"));
  EXPECT_EQ(environment, QString::fromUtf8("Пока задана переменная окружения SELVIO_LANG=en, язык "
                                           "окна задает она."));
}

TEST(LanguageChoiceNotice, InEnglishTheEnglishComesFirst) {
  const LanguageScope english(kEn);
  EXPECT_EQ(LanguageChoiceNotice(kRu, kEn, QString()),
            QString::fromUtf8("The window's language changes when the program next starts.\n"
                              "Язык окна изменится при следующем запуске программы."));
}

// Without a display the program says so before it has an application, in its language.
TEST(LanguageWindowStart, WithoutADisplayItSaysSoInEnglish) {
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    environment.remove(QString::fromLatin1(name));
  }
  environment.insert(QStringLiteral("SELVIO_LANG"), QStringLiteral("en"));
  process.setProcessEnvironment(environment);
  process.start(QStringLiteral(SELVIO_WINDOW_PATH), {});
  ASSERT_TRUE(process.waitForFinished(30000));
  EXPECT_EQ(process.exitCode(), 1);
  EXPECT_EQ(QString::fromUtf8(process.readAllStandardError()),
            QStringLiteral("selvio: no graphical display (neither DISPLAY nor WAYLAND_DISPLAY is "
                           "set), nowhere to open the window.\n"));
}

}  // namespace
}  // namespace selvio::test
