// The real window, offscreen, on the bundled data: built from the inventory, named for screen
// readers, calculating as selvio-cli does, and ending with or without saving the inputs.
#include <QAccessible>
#include <QFileDialog>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLayout>
#include <QLibraryInfo>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <functional>
#include <optional>
#include <set>

#include "app/form/control_ids.h"
#include "app/form/control_inventory.h"
#include "app/form/fixed_text_ids.h"
#include "app/form/section_switches.h"
#include "app/window/form_placement.h"
#include "platform/headless_controls.h"
#include "window_fixture.h"
#include "words/language.h"

namespace selvio::test {
namespace {

TEST(FormPlacement, HoldsTheIdsOfTheInventoryOnce) {
  std::set<int> inventory;
  for (const ControlEntry& entry : FormControlInventory()) inventory.insert(entry.id);
  std::set<int> placed;
  for (const Placement& placement : FormPlacement()) {
    EXPECT_TRUE(placed.insert(placement.id).second) << "id " << placement.id << " placed twice";
  }
  EXPECT_EQ(placed, inventory);
}

// The ids a group routine of the form's logic hides.
std::set<int> HiddenBy(const std::function<void(FormControls&)>& hide) {
  HeadlessControls controls;
  DefineFormControls(controls);
  hide(controls);
  std::set<int> hidden;
  for (const ControlEntry& entry : FormControlInventory()) {
    if (!controls.IsShown(entry.id)) hidden.insert(entry.id);
  }
  return hidden;
}

TEST(FormPlacement, StackedActuatorGroupsAreTheGroupsTheLogicSwitches) {
  struct Case {
    PlacementGroup group;
    std::function<void(FormControls&)> hide;
  };
  const Case cases[] = {
      {PlacementGroup::Electric, [](FormControls& c) { ShowElectricGroup(c, false); }},
      {PlacementGroup::Thermostat, [](FormControls& c) { ShowThermostatGroup(c, false); }},
      {PlacementGroup::Pneumatic, [](FormControls& c) { ShowPneumaticGroup(c, false); }},
  };
  const std::set<int> hiddenAtStart = HiddenBy([](FormControls&) {});
  for (const Case& c : cases) {
    std::set<int> placed;
    for (const Placement& placement : FormPlacement()) {
      if (placement.group == c.group && placement.area == FormArea::ActuatorColumn) {
        placed.insert(placement.id);
        EXPECT_GE(placement.row, 4) << "groups start below the actuator kind";
      }
    }
    std::set<int> hidden;
    for (int id : HiddenBy(c.hide)) {
      if (!hiddenAtStart.count(id)) hidden.insert(id);
    }
    EXPECT_EQ(placed, hidden) << GroupTitleId(c.group);
  }
}

using WindowLayout = WindowTest;

// The point of data/example.crp made three-way: the bundled catalogue finds "ВКФ-3-32-16",
// whose construction "трехходовой седельный, чугун СЧ20" is the longest text of a result area.
void CalculateThreeWay(WindowTest& t) {
  ASSERT_TRUE(QFile::copy(t.dir_.filePath(QStringLiteral("example.crp")),
                          t.dir_.filePath(QStringLiteral("user.bin"))));
  t.Start();
  ModalDriver messages{AnswerMessageBox()};
  t.Click(ids::kThreeWay);
  t.Click(ids::kCalculate);
  const QString values = t.As<QLabel>(ids::kRegulatorValues)->text();
  ASSERT_TRUE(values.startsWith(QString::fromUtf8("ВКФ-3-32-16\n"))) << values.toStdString();
  ASSERT_TRUE(values.contains(QString::fromUtf8("трехходовой седельный, чугун СЧ20")));
}

// Where each control of the form is, in the form's coordinates.
std::map<int, QRect> Places(WindowTest& t) {
  QWidget* form = t.Window().Form();
  form->layout()->activate();
  std::map<int, QRect> places;
  for (const Placement& placement : FormPlacement()) {
    QWidget* widget = t.Widget(placement.id);
    places[placement.id] = QRect(widget->mapTo(form, QPoint()), widget->size());
  }
  return places;
}

// A 1366 × 768 laptop leaves about 1366 × 700 under a title bar and a task bar; 1920 × 1080 at
// 125 % leaves 1920 × 1010 device pixels, 1536 × 808 of the window's own.
TEST_F(WindowLayout, AfterAThreeWayCalculationTheWholeFormFitsTheScreensUsersHave) {
  CalculateThreeWay(*this);
  auto* scrollArea = Window().findChild<QScrollArea*>();
  ASSERT_NE(scrollArea, nullptr);
  for (const QSize screen : {QSize(1366, 700), QSize(1536, 808)}) {
    Window().resize(screen);
    QTRY_COMPARE(Window().size(), screen);
    QApplication::processEvents();
    EXPECT_FALSE(scrollArea->horizontalScrollBar()->isVisible()) << screen.width();
    EXPECT_FALSE(scrollArea->verticalScrollBar()->isVisible()) << screen.width();
    const QRect shown = scrollArea->viewport()->rect();
    for (const auto& [id, place] : Places(*this)) {
      const QRect onScreen(Widget(id)->mapTo(scrollArea->viewport(), QPoint()), place.size());
      EXPECT_TRUE(shown.contains(onScreen)) << id << " at " << screen.width();
      EXPECT_GE(place.width(), Widget(id)->minimumSizeHint().width()) << id;
    }
  }
  // The README's first picture: SELVIO_WINDOW_SCREENSHOT names the file to write.
  if (const char* screenshot = std::getenv("SELVIO_WINDOW_SCREENSHOT")) {
    Window().resize(1366, 700);
    QTRY_COMPARE(Window().size(), QSize(1366, 700));
    EXPECT_TRUE(Window().grab().save(QString::fromLocal8Bit(screenshot)));
  }
}

TEST_F(WindowLayout, ColumnWidthsDoNotDependOnResults) {
  Start();
  const QSize before = Window().Form()->minimumSizeHint();
  const int columnBefore = Places(*this)[ids::kRegulatorValues].width();
  CalculateThreeWay(*this);
  EXPECT_EQ(Window().Form()->minimumSizeHint().width(), before.width());
  EXPECT_EQ(Places(*this)[ids::kRegulatorValues].width(), columnBefore);
}

TEST_F(WindowLayout, TheWindowOpensWithinTheScreen) {
  Start();
  const QRect free = Window().screen()->availableGeometry();
  EXPECT_LE(Window().frameGeometry().width(), free.width());
  EXPECT_LE(Window().frameGeometry().height(), free.height());
}

// The mode rules show and hide controls; nothing moves under the mouse, and the controls that
// share a place (the balanced check box, the regulators' setting) never show together.
TEST_F(WindowLayout, ModeRulesMoveNothingAndPlaceSharersNeverShowTogether) {
  Start();
  ModalDriver messages{AnswerMessageBox()};
  const std::map<int, QRect> start = Places(*this);
  const auto together = [this] {
    return Widget(ids::kBalanced)->isVisible() &&
           (Widget(ids::kSetting)->isVisible() || Widget(ids::kSettingCaption)->isVisible());
  };
  for (int id : {ids::kGlycol, ids::kSteam, ids::kDpRegulator, ids::kWater, ids::kReducingValve,
                 ids::kControlValve, ids::kThreeWay, ids::kPneumatic, ids::kThermostat,
                 ids::kElectric, ids::kTwoWay}) {
    Click(id);
    EXPECT_FALSE(together()) << "after " << id;
    EXPECT_EQ(Places(*this), start) << "after " << id;
  }
  Click(ids::kDpRegulator);
  EXPECT_TRUE(Widget(ids::kSetting)->isVisible());
  EXPECT_EQ(Places(*this)[ids::kSetting].top() / 2, Places(*this)[ids::kBalanced].top() / 2)
      << "the setting takes the balanced check box's row";
}

TEST_F(WindowLayout, EditsSitBesideTheirUnits) {
  Start();
  Click(ids::kGlycol);
  const std::map<int, QRect> places = Places(*this);
  for (const auto& [edit, unit] :
       {std::pair{ids::kDensity, ids::kDensityUnit}, std::pair{ids::kP1, ids::kP1Unit},
        std::pair{ids::kFlow, ids::kFlowUnit}}) {
    EXPECT_LE(places.at(unit).left() - places.at(edit).right(), 8) << edit;
    EXPECT_GE(places.at(unit).left(), places.at(edit).right()) << edit;
  }
}

TEST_F(WindowLayout, LabelBlocksSharingAPlaceNeverShowTogetherAtStart) {
  Start();
  const auto shown = [this](std::initializer_list<int> ids) {
    int count = 0;
    for (int id : ids) count += Widget(id)->isVisible() ? 1 : 0;
    return count;
  };
  EXPECT_EQ(shown({ids::kValveLabels, ids::kDpRegulatorLabels, ids::kReducingValveLabels}), 1);
  EXPECT_EQ(shown({ids::kElectricLabels, ids::kPneumaticLabels, ids::kThermostatLabels}), 0);
}

using WindowAccessibility = WindowTest;

TEST_F(WindowAccessibility, EveryReachableControlHasAUniqueName) {
  Start();
  std::map<QString, int> owners;
  int named = 0;
  for (const ControlEntry& entry : FormControlInventory()) {
    const bool valueBlock = entry.kind == ControlType::Label && entry.text[0] == '\0';
    const bool reachable = entry.kind != ControlType::Label && entry.id != ids::kBanner;
    if (!valueBlock && !reachable) continue;
    // The name the window gives; Qt reports it to screen readers for every kind but the
    // drop-down lists, which on Linux it names by their current entry.
    QWidget* widget = Widget(entry.id);
    ASSERT_NE(widget, nullptr) << entry.id;
    const QString name = widget->accessibleName();
    EXPECT_FALSE(name.isEmpty()) << entry.id;
    if (entry.kind != ControlType::List) {
      QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
      ASSERT_NE(accessible, nullptr) << entry.id;
      EXPECT_EQ(accessible->text(QAccessible::Name), name) << entry.id;
    }
    auto [it, inserted] = owners.emplace(name, entry.id);
    EXPECT_TRUE(inserted) << entry.id << " and " << it->second << " share \"" << name.toStdString()
                          << "\"";
    ++named;
  }
  // Counted by hand from the inventory: 33 radios, 7 check boxes, 12 edits, 8 lists,
  // 22 buttons, 10 pictures (the logo among them), 6 value blocks.
  EXPECT_EQ(named, 98);

  struct Expected {
    int id;
    const char* name;
  };
  const Expected expected[] = {
      {ids::kCalculate, "Расчет"},
      {ids::kCheckWindow, "Проверка"},
      {ids::kProjectWindow, "Проект"},
      {ids::kP1, "Входное избыточное давл. в регулируемом контуре *(Р1)"},
      {ids::kFlow, "Расход среды *(G)"},
      {ids::kHeatCarrierSensors, "Датчик температуры теплоносителя"},
      {ids::kCopperElement, "Медь — Металл чувствительно эл-та"},
      {ids::kCopperCapillary, "Медь — Металл капилляра"},
      {ids::kRegulatorDescription, "Техническая информация — Результат подбора регулятора"},
      {ids::kElectricValues, "Результат подбора привода — Электропривод"},
      {ids::kRegulatorValues, "Результат подбора регулятора — значения"},
      {ids::kControllerValues, "Результат подбора автоматики — значения"},
      {ids::kCalculatedData, "Расчетные данные — значения"},
      {ids::kDrop, "Перепад давления на клапане *(ΔP)"},
      {ids::kP2Unit, "Выходное избыточное давл. в регулируемом контуре *(Р2) — единица измерения"},
      {ids::kSafetyFactor, "Учитывать коэффициент запаса K — значение"},
      {ids::kActuatorEmpty, "Подбор привода — не выбран"},
      {ids::kLogo, "About Selvio"},
  };
  for (const Expected& e : expected) {
    EXPECT_EQ(Widget(e.id)->accessibleName(), QString::fromUtf8(e.name)) << e.id;
  }
}

QAccessibleInterface* Accessible(WindowTest& t, int id) {
  return QAccessible::queryAccessibleInterface(t.Widget(id));
}

// What a screen reader does through the accessibility bus: it reads roles, names and texts and
// asks for actions; an action runs the same handler as a click.
TEST_F(WindowAccessibility, RadiosAreRadiosAndTheirToggleActionRunsTheModeRules) {
  Start();
  QAccessibleInterface* steam = Accessible(*this, ids::kSteam);
  ASSERT_NE(steam, nullptr);
  EXPECT_EQ(steam->role(), QAccessible::RadioButton);
  EXPECT_EQ(Accessible(*this, ids::kCheckCavitation)->role(), QAccessible::CheckBox);
  ASSERT_NE(steam->actionInterface(), nullptr);
  ASSERT_TRUE(
      steam->actionInterface()->actionNames().contains(QAccessibleActionInterface::toggleAction()));

  steam->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
  EXPECT_TRUE(steam->state().checked);
  EXPECT_FALSE(Accessible(*this, ids::kWater)->state().checked) << "Вода is unchecked by the rule";
  EXPECT_TRUE(Widget(ids::kP2)->isHidden()) << "the steam rule hides P2";
  steam->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
  EXPECT_TRUE(steam->state().checked) << "a checked radio stays checked, as under the mouse";

  // A check box's toggle goes through its handler too: K's edit follows its check box.
  QAccessibleInterface* useK = Accessible(*this, ids::kUseSafetyFactor);
  const bool kEnabled = Widget(ids::kSafetyFactor)->isEnabled();
  useK->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
  EXPECT_EQ(Widget(ids::kSafetyFactor)->isEnabled(), !kEnabled);
}

TEST_F(WindowAccessibility, NamesFollowTheCaptionsTheUserSees) {
  Start();
  Click(ids::kSteam);
  EXPECT_EQ(Accessible(*this, ids::kDrop)->text(QAccessible::Name),
            QString::fromUtf8("Относительный перепад давления *(δ)"));
  EXPECT_EQ(Widget(ids::kDropUnit)->accessibleName(),
            QString::fromUtf8("Относительный перепад давления *(δ) — единица измерения"));
  Click(ids::kWater);
  EXPECT_EQ(Accessible(*this, ids::kDrop)->text(QAccessible::Name),
            QString::fromUtf8("Перепад давления на клапане *(ΔP)"));
  // A drop-down list is announced by its entry; its description says which list it is.
  EXPECT_EQ(Accessible(*this, ids::kFlowUnit)->text(QAccessible::Description),
            QString::fromUtf8("Расход среды *(G) — единица измерения"));
}

TEST_F(WindowAccessibility, ResultsAreReadableTextWithNamesOfTheirOwn) {
  CalculateThreeWay(*this);
  for (int id : {ids::kRegulatorValues, ids::kElectricValues, ids::kControllerValues,
                 ids::kCalculatedData}) {
    QAccessibleInterface* block = Accessible(*this, id);
    ASSERT_NE(block, nullptr) << id;
    ASSERT_NE(block->textInterface(), nullptr) << id;
    const QString text = As<QLabel>(id)->text();
    EXPECT_EQ(block->textInterface()->text(0, block->textInterface()->characterCount()), text)
        << id;
    const ControlEntry* entry = FindControlEntry(id);
    EXPECT_NE(block->text(QAccessible::Name),
              QString::fromUtf8(FindControlEntry(entry->caption)->text))
        << id << " shares its name with its area's caption";
  }
  QAccessibleInterface* regulator = Accessible(*this, ids::kRegulatorValues);
  EXPECT_TRUE(regulator->textInterface()
                  ->text(0, regulator->textInterface()->characterCount())
                  .contains(QString::fromUtf8("трехходовой седельный, чугун СЧ20")));
}

TEST_F(WindowAccessibility, SectionPicturesArePressableButtons) {
  Start();
  QAccessibleInterface* ticked = Accessible(*this, ids::kActuatorTicked);
  EXPECT_EQ(ticked->role(), QAccessible::Button);
  ASSERT_TRUE(
      ticked->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
  ticked->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_TRUE(Widget(ids::kActuatorTicked)->isHidden());
  EXPECT_TRUE(Widget(ids::kActuatorEmpty)->isVisible()) << "the actuator section is off";
  EXPECT_FALSE(Widget(ids::kElectric)->isEnabled());
  EXPECT_EQ(Accessible(*this, ids::kBanner)->role(), QAccessible::Graphic);
}

// The panels after "Расчет" on typed inputs equal what selvio-cli select prints for the same
// inputs, saved to a selection file.
using WindowCalculation = WindowTest;

QJsonObject CliSelection(const QString& file, const QString& dir) {
  QProcess process;
  process.start(
      QStringLiteral(SELVIO_CLI_PATH),
      {QStringLiteral("select"), file, QStringLiteral("--dir"), dir, QStringLiteral("--json")});
  if (!process.waitForFinished(60000) || process.exitCode() != 0) return {};
  return QJsonDocument::fromJson(process.readAllStandardOutput()).object();
}

QString Shown(const QString& panel) {
  return QString(panel).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

TEST_F(WindowCalculation, PanelsEqualTheCommandLineTool) {
  Start();
  ModalDriver messages{AnswerMessageBox()};
  Type(ids::kP1, QStringLiteral("6"));
  PickFirst(ids::kP1Unit);  // бар
  Type(ids::kP2, QStringLiteral("4"));
  PickFirst(ids::kP2Unit);
  Type(ids::kTemperature, QStringLiteral("90"));
  Type(ids::kDrop, QStringLiteral("0,3"));  // a decimal comma, as users type it
  PickFirst(ids::kDropUnit);
  Type(ids::kFlow, QStringLiteral("5"));
  PickFirst(ids::kFlowUnit);  // м³/ч
  Click(ids::kCalculate);

  const QString selection = dir_.filePath(QStringLiteral("typed.crp"));
  ASSERT_TRUE(program_->View().SaveSelectionFile(selection));
  const QJsonObject cli = CliSelection(selection, dir_.path());
  ASSERT_FALSE(cli.isEmpty());

  const QJsonObject panels = cli.value(QStringLiteral("panels")).toObject();
  ASSERT_TRUE(panels.contains(QStringLiteral("1085")));
  EXPECT_FALSE(panels.value(QStringLiteral("1085")).toString().isEmpty())
      << "the point must find a valve, or the comparison shows nothing";
  for (int id : {ids::kRegulatorValues, ids::kCalculatedData, ids::kElectricValues,
                 ids::kPneumaticValues, ids::kThermostatValues, ids::kControllerValues}) {
    const QString key = QString::number(id);
    QLabel* label = As<QLabel>(id);
    ASSERT_NE(label, nullptr) << id;
    EXPECT_EQ(!label->isHidden(), panels.contains(key)) << id;
    if (panels.contains(key)) {
      EXPECT_EQ(label->text(), Shown(panels.value(key).toString())) << id;
    }
  }
  QStringList cliMessages;
  for (const QJsonValue& message : cli.value(QStringLiteral("messages")).toArray()) {
    cliMessages << message.toString();
  }
  EXPECT_EQ(messages.Texts(), cliMessages);
  EXPECT_TRUE(Widget(ids::kOtherConfiguration)->isEnabled());
}

TEST_F(WindowCalculation, CaptionShowsTheCatalogueDate) {
  Start();
  const QString prefix = QString::fromUtf8("Подбор клапана. База от ");
  EXPECT_TRUE(Window().windowTitle().startsWith(prefix));
  EXPECT_GT(Window().windowTitle().size(), prefix.size()) << "the bundled catalogue has a date";
}

TEST_F(WindowCalculation, ClickOnTheLogoOpensTheAboutBox) {
  Start();
  QString text;
  ModalDriver about{DriveDialog([&](QDialog& dialog) {
    if (auto* label = dialog.findChild<QLabel*>(QStringLiteral("id1001"))) text = label->text();
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("id1")), Qt::LeftButton);
  })};
  Click(ids::kLogo);
  EXPECT_EQ(about.Titles(), QStringList{QStringLiteral("About Selvio")});
  EXPECT_EQ(text, QString::fromUtf8("Программа для подбора регуляторов температры, расхода и "
                                    "перепада давления. Версия 1.2"));
}

// Starting: the data files are read as the form's start-up reads them, its messages shown
// before the window in the same order.
using WindowStartData = WindowTest;

TEST_F(WindowStartData, MissingDataIsReportedInTheFormsOrderBeforeTheWindowShows) {
  ASSERT_TRUE(QFile::remove(dir_.filePath(QString::fromUtf8("Рнас.dat"))));
  QFile catalogue(dir_.filePath(QStringLiteral("xmldata.xml")));
  ASSERT_TRUE(catalogue.open(QIODevice::WriteOnly | QIODevice::Truncate));
  catalogue.write("<xmldata><клапан>");
  catalogue.close();
  QList<bool> windowShown;
  ModalDriver messages{AnswerMessageBox(QMessageBox::AcceptRole, [&](QMessageBox&) {
    windowShown << (program_ && program_->Window().isVisible());
  })};
  Start();
  // The texts of the headless form's start-up (form_initialisation_test.cpp).
  EXPECT_EQ(messages.Texts(),
            QStringList({QString::fromUtf8("Не хватает файла данных Рнас! Пожалуйста, "
                                           "переустановите программу."),
                         QStringLiteral("Unable to load XML document into the parser")}));
  EXPECT_EQ(windowShown, QList<bool>({false, false}));
  EXPECT_EQ(Window().windowTitle(), QString::fromUtf8("Подбор клапана. База от "));
}

TEST_F(WindowStartData, EachStartReadsTheCatalogueOfItsWorkingFolder) {
  const QString path = dir_.filePath(QStringLiteral("xmldata.xml"));
  for (const char* date : {"05.06.2027", "17.11.2028"}) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QString text = QString::fromUtf8(file.readAll());
    file.close();
    text.replace(QRegularExpression(QString::fromUtf8("<обновление>[^<]*</обновление>")),
                 QString::fromUtf8("<обновление>%1</обновление>").arg(QLatin1String(date)));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text.toUtf8());
    file.close();
    Start();
    EXPECT_EQ(Window().windowTitle(),
              QString::fromUtf8("Подбор клапана. База от ") + QLatin1String(date));
  }
}

// Ending the program: "Выход", Enter in an edit and Esc save the inputs; the close box does not.
using WindowExit = WindowTest;

struct ExitCase {
  const char* name;
  std::function<void(WindowTest&)> act;
};

TEST_F(WindowExit, ExitButtonEnterAndEscSaveTheInputsForTheNextStart) {
  const ExitCase cases[] = {
      {"Выход", [](WindowTest& t) { t.Click(ids::kExit); }},
      {"Enter in an edit",
       [](WindowTest& t) { QTest::keyClick(t.Widget(ids::kP1), Qt::Key_Return); }},
      {"Esc", [](WindowTest& t) { QTest::keyClick(t.Widget(ids::kFlow), Qt::Key_Escape); }},
  };
  int typed = 7;
  for (const ExitCase& c : cases) {
    QFile::remove(dir_.filePath(QStringLiteral("user.bin")));
    Start();
    Type(ids::kP1, QString::number(++typed));
    c.act(*this);
    EXPECT_TRUE(SettingsWritten()) << c.name;
    EXPECT_FALSE(Window().isVisible()) << c.name;
    Start();
    EXPECT_EQ(As<QLineEdit>(ids::kP1)->text(), QString::number(typed)) << c.name;
  }
}

TEST_F(WindowExit, EnterOnTheFocusedCalculateButtonCalculatesAndKeepsTheWindow) {
  Start();
  ModalDriver messages{AnswerMessageBox()};
  Widget(ids::kCalculate)->setFocus();
  QTest::keyClick(Widget(ids::kCalculate), Qt::Key_Return);
  EXPECT_TRUE(Window().isVisible());
  EXPECT_FALSE(SettingsWritten());
}

TEST_F(WindowExit, CloseBoxSavesNothingAndTheNextStartHasTheLastSavedInputs) {
  Start();
  Type(ids::kP1, QStringLiteral("7"));
  Click(ids::kExit);
  ASSERT_TRUE(SettingsWritten());
  const QByteArray saved = [&] {
    QFile file(dir_.filePath(QStringLiteral("user.bin")));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }();

  Start();
  Type(ids::kP1, QStringLiteral("9"));
  Window().close();
  EXPECT_FALSE(Window().isVisible());
  QFile file(dir_.filePath(QStringLiteral("user.bin")));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), saved) << "the close box must not write user.bin";

  Start();
  EXPECT_EQ(As<QLineEdit>(ids::kP1)->text(), QStringLiteral("7"));
}

using WindowKeyboard = WindowTest;

TEST_F(WindowKeyboard, F9AndCtrlEnterCalculateFromAnywhereOnTheForm) {
  struct Case {
    const char* name;
    int focused;
    QKeyCombination keys;
  };
  const Case cases[] = {
      {"F9 in an edit", ids::kP1, QKeyCombination(Qt::Key_F9)},
      {"Ctrl+Enter in an edit", ids::kFlow, QKeyCombination(Qt::ControlModifier, Qt::Key_Return)},
      {"F9 on a radio", ids::kWater, QKeyCombination(Qt::Key_F9)},
  };
  ASSERT_TRUE(QFile::copy(dir_.filePath(QStringLiteral("example.crp")),
                          dir_.filePath(QStringLiteral("user.bin"))));
  for (const Case& c : cases) {
    Start();
    ModalDriver messages{AnswerMessageBox()};
    ASSERT_FALSE(Widget(ids::kOtherConfiguration)->isEnabled());
    Widget(c.focused)->setFocus();
    QTest::keyClick(Widget(c.focused), c.keys.key(), c.keys.keyboardModifiers());
    EXPECT_TRUE(Widget(ids::kOtherConfiguration)->isEnabled()) << c.name << ": nothing calculated";
    EXPECT_TRUE(Window().isVisible()) << c.name;
  }
  EXPECT_TRUE(Widget(ids::kCalculate)->toolTip().contains(QStringLiteral("F9")));
  EXPECT_TRUE(Widget(ids::kCalculate)->toolTip().contains(QStringLiteral("Ctrl+Enter")));
}

TEST_F(WindowKeyboard, CtrlOOpensAndCtrlSSaves) {
  Start();
  ModalDriver closer{CancelFileDialog()};
  QTest::keyClick(Widget(ids::kP1), Qt::Key_O, Qt::ControlModifier);
  Window().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&Window()));
  QTest::keyClick(Widget(ids::kP1), Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(closer.Titles().size(), 2);
  EXPECT_TRUE(Window().isVisible());
}

// Top to bottom in each column (its result area under it), then the command strip.
TEST_F(WindowKeyboard, TabFollowsTheReadingOrder) {
  Start();
  std::vector<QWidget*> chain;
  QWidget* widget = Widget(ids::kControlValve);
  for (int step = 0; step < 400 && (chain.empty() || widget != chain.front()); ++step) {
    chain.push_back(widget);
    widget = widget->nextInFocusChain();
  }
  const auto position = [&](int id) {
    return std::find(chain.begin(), chain.end(), Widget(id)) - chain.begin();
  };
  const int order[] = {ids::kControlValve,
                       ids::kReducingValve,
                       ids::kWater,
                       ids::kSteam,
                       ids::kGlycol,
                       ids::kFlanged,
                       ids::kTwoWay,
                       ids::kBalanced,
                       ids::kUseSafetyFactor,
                       ids::kSafetyFactor,
                       ids::kP1,
                       ids::kP1Unit,
                       ids::kP2,
                       ids::kTemperature,
                       ids::kDrop,
                       ids::kFlow,
                       ids::kFlowCalc,
                       ids::kRegulatorDescription,
                       ids::kElectric,
                       ids::kThreePoint,
                       ids::kLimitSwitches,
                       ids::kActuatorDescription,
                       ids::kControllerOneCircuit,
                       ids::kHeatCarrierSensors,
                       ids::kRoomSensors,
                       ids::kControllerDescription,
                       ids::kCalculate,
                       ids::kOtherConfiguration,
                       ids::kCheckWindow,
                       ids::kOpen,
                       ids::kProjectWindow,
                       ids::kCheckUpdate,
                       ids::kExit};
  for (std::size_t i = 1; i < std::size(order); ++i) {
    EXPECT_LT(position(order[i - 1]), position(order[i])) << order[i - 1] << " before " << order[i];
  }
}

TEST_F(WindowKeyboard, SectionPicturesAnswerSpaceAndEnter) {
  Start();
  Widget(ids::kActuatorTicked)->setFocus();
  QTest::keyClick(Widget(ids::kActuatorTicked), Qt::Key_Return);
  EXPECT_TRUE(Widget(ids::kActuatorEmpty)->isVisible()) << "Enter switches the section off";
  EXPECT_TRUE(Window().isVisible()) << "Enter on a picture is not \"Выход\"";
  Widget(ids::kActuatorEmpty)->setFocus();
  QTest::keyClick(Widget(ids::kActuatorEmpty), Qt::Key_Space);
  EXPECT_TRUE(Widget(ids::kActuatorTicked)->isVisible()) << "Space switches it on again";
  EXPECT_FALSE(SettingsWritten());
}

// "Другая конфигурация" on data/example.crp: the first two candidates are ВКФ-2-32-16 (Kvs 16,
// two actuators) and ВКФ-2-40-25 (Kvs 25, one actuator), as selvio-cli lists them.
TEST_F(WindowCalculation, CandidateListsKeepTheChoiceAClickOnEmptySpaceWouldClear) {
  ASSERT_TRUE(QFile::copy(dir_.filePath(QStringLiteral("example.crp")),
                          dir_.filePath(QStringLiteral("user.bin"))));
  Start();
  Click(ids::kCalculate);
  QString hint;
  int actuatorRowAfterEmptyClick = -2;
  ModalDriver candidates{DriveDialog([&](QDialog& dialog) {
    auto* valves = dialog.findChild<QListWidget*>(QStringLiteral("id1079"));
    auto* actuators = dialog.findChild<QListWidget*>(QStringLiteral("id1077"));
    hint = valves->item(0)->toolTip();
    QTest::mouseClick(valves->viewport(), Qt::LeftButton, Qt::NoModifier,
                      valves->visualItemRect(valves->item(1)).center());
    // Below the only entry of the right list.
    const QRect entry = actuators->visualItemRect(actuators->item(0));
    QTest::mouseClick(actuators->viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(entry.center().x(), entry.bottom() + 20));
    actuatorRowAfterEmptyClick = actuators->selectedItems().isEmpty()
                                     ? -1
                                     : actuators->row(actuators->selectedItems().front());
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("id1081")), Qt::LeftButton);
  })};
  Click(ids::kOtherConfiguration);
  EXPECT_EQ(hint, QString::fromUtf8("Пропускная способн. Kvs, м³/ч: 16.0"));
  EXPECT_EQ(actuatorRowAfterEmptyClick, 0);
  EXPECT_EQ(program_->View().Result().shownCandidate, 1);
  EXPECT_TRUE(
      As<QLabel>(ids::kRegulatorValues)->text().startsWith(QString::fromUtf8("ВКФ-2-40-25")))
      << "OK applies the pair the user sees selected";
}

TEST_F(WindowCalculation, TheAboutBoxIsASmallDialog) {
  Start();
  QSize size;
  int okWidth = 0;
  ModalDriver about{DriveDialog([&](QDialog& dialog) {
    size = dialog.size();
    auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("id1"));
    okWidth = ok->width();
    QTest::mouseClick(ok, Qt::LeftButton);
  })};
  Click(ids::kLogo);
  EXPECT_LT(size.width(), 520) << "the text breaks into lines";
  EXPECT_LT(okWidth, size.width() / 2) << "\"ОК\" keeps a button's width";
}

// Qt's own texts (the file dialogs, the overwrite question, the edits' context menu) speak
// Russian once the window has installed its language.
TEST(WindowTranslation, QtsOwnTextsAreRussian) {
  TestApplication();
  ASSERT_TRUE(QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                            QStringLiteral("/qtbase_ru.qm")))
      << "qtbase_ru.qm is missing (qt6-translations-l10n)";
  InstallLanguage(Language::Russian);
  QLineEdit edit;
  std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
  QStringList actions;
  for (QAction* action : menu->actions()) actions << action->text().section('\t', 0, 0).remove('&');
  EXPECT_TRUE(actions.contains(QString::fromUtf8("Вставить"))) << actions.join('|').toStdString();
  EXPECT_FALSE(actions.contains(QStringLiteral("Paste")));

  QFileDialog dialog;
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  auto* lookIn = dialog.findChild<QLabel*>(QStringLiteral("lookInLabel"));
  ASSERT_NE(lookIn, nullptr);
  EXPECT_NE(lookIn->text(), QStringLiteral("Look in:"));
  UninstallLanguage();
}

// "Сохранить как" onto an existing file asks before replacing it (a saved selection replaced by
// mistake is lost), in Russian.
TEST(WindowTranslation, SavingOverAFileAsksFirstInRussian) {
  TestApplication();
  InstallLanguage(Language::Russian);
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("saved.crp"));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();

  QWidget window;
  QtControls controls(&window);
  ModalDriver driver{AnswerMessageBox(QMessageBox::YesRole), ChooseFile(path)};
  const std::optional<QString> chosen =
      controls.ChooseFileToSave({QString::fromUtf8("Параметры выбора регулятора (*.crp)|*.crp||"),
                                 QString(), QStringLiteral("crp"), QString()});
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(QFileInfo(*chosen).fileName(), QStringLiteral("saved.crp"));
  ASSERT_EQ(driver.Texts().size(), 1) << "the question was asked once";
  EXPECT_TRUE(driver.Texts()[0].contains(QString::fromUtf8("существует")))
      << driver.Texts()[0].toStdString();
  UninstallLanguage();
}

// libcurl and the twenty-odd libraries it brings would be loaded and started before the window
// shows; it is loaded when an update runs.
TEST(WindowStart, LinksNoLibraryOnlyAnUpdateNeeds) {
  QProcess ldd;
  ldd.start(QStringLiteral("ldd"), {QStringLiteral(SELVIO_WINDOW_PATH)});
  ASSERT_TRUE(ldd.waitForFinished(30000));
  ASSERT_EQ(ldd.exitCode(), 0);
  const QString libraries = QString::fromLocal8Bit(ldd.readAllStandardOutput());
  ASSERT_TRUE(libraries.contains(QStringLiteral("libQt6Widgets"))) << "ldd listed the libraries";
  EXPECT_FALSE(libraries.contains(QStringLiteral("libcurl"))) << libraries.toStdString();
}

TEST(WindowStart, WithoutADisplayItSaysSoAndFails) {
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    environment.remove(QString::fromLatin1(name));
  }
  process.setProcessEnvironment(environment);
  process.start(QStringLiteral(SELVIO_WINDOW_PATH), {});
  ASSERT_TRUE(process.waitForFinished(30000));
  EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(process.exitCode(), 1);
  EXPECT_TRUE(
      QString::fromUtf8(process.readAllStandardError()).contains(QString::fromUtf8("дисплея")));
}

}  // namespace
}  // namespace selvio::test
