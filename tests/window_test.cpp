// The real window, offscreen, on the bundled data: built from the inventory, named for screen
// readers, calculating as selvio-cli does, and ending with or without saving the inputs.
#include <QAccessible>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QProcess>
#include <QScrollBar>
#include <functional>
#include <set>

#include "app/form/control_ids.h"
#include "app/form/control_inventory.h"
#include "app/form/fixed_text_ids.h"
#include "app/form/section_switches.h"
#include "app/window/form_placement.h"
#include "platform/headless_controls.h"
#include "window_fixture.h"

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

TEST_F(WindowLayout, FitsA1366By768ScreenAndHiddenControlsKeepTheirPlace) {
  Start();
  QWidget* form = Window().Form();
  const QSize hint = form->sizeHint();
  const int scrollBar = QScrollBar(Qt::Vertical).sizeHint().width();
  EXPECT_LE(hint.width() + scrollBar, 1366) << "no horizontal scrolling on a 1366 pixel screen";
  EXPECT_LE(Window().minimumSizeHint().height(), 768 - 60);

  // A mode rule hiding the steam-only and regulator-only controls must not move the rest.
  const QPoint flowBefore = Widget(ids::kFlow)->mapTo(form, QPoint());
  Window().Controls().Show(ids::kP2, false);
  Window().Controls().Show(ids::kP2Caption, false);
  Window().Controls().Show(ids::kSettingCaption, true);
  QApplication::processEvents();
  form->layout()->activate();
  EXPECT_EQ(Widget(ids::kFlow)->mapTo(form, QPoint()), flowBefore);
  EXPECT_EQ(form->sizeHint(), hint);

  // Every control lies inside the form at its hinted size: nothing is cut off.
  form->resize(hint);
  form->layout()->activate();
  const QRect area = form->rect();
  for (const Placement& placement : FormPlacement()) {
    QWidget* widget = Widget(placement.id);
    ASSERT_NE(widget, nullptr) << placement.id;
    const QRect box(widget->mapTo(form, QPoint()), widget->size());
    EXPECT_TRUE(area.contains(box)) << placement.id;
    EXPECT_GE(widget->width(), widget->minimumSizeHint().width()) << placement.id;
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
  // 20 buttons, 10 pictures (the logo among them), 6 value blocks.
  EXPECT_EQ(named, 96);

  struct Expected {
    int id;
    const char* name;
  };
  const Expected expected[] = {
      {ids::kCalculate, "Расчет"},
      {ids::kP1, "Входное избыточное давл. в регулируемом контуре *(Р1)"},
      {ids::kFlow, "Расход среды *(G)"},
      {ids::kHeatCarrierSensors, "Датчик температуры теплоносителя"},
      {ids::kCopperElement, "Медь — Металл чувствительно эл-та"},
      {ids::kCopperCapillary, "Медь — Металл капилляра"},
      {ids::kRegulatorDescription, "Техническая информация — Результат подбора регулятора"},
      {ids::kElectricValues, "Результат подбора привода — Электропривод"},
      {ids::kP2Unit, "Выходное избыточное давл. в регулируемом контуре *(Р2) — единица измерения"},
      {ids::kSafetyFactor, "Учитывать коэффициент запаса K — значение"},
      {ids::kActuatorEmpty, "Подбор привода — не выбран"},
      {ids::kLogo, "About Selvio"},
  };
  for (const Expected& e : expected) {
    EXPECT_EQ(Widget(e.id)->accessibleName(), QString::fromUtf8(e.name)) << e.id;
  }
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
  MessageBoxAnswerer messages;
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
  QString title;
  QString text;
  QTimer driver;
  QObject::connect(&driver, &QTimer::timeout, [&] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog || !dialog->isVisible()) return;
    driver.stop();
    title = dialog->windowTitle();
    if (auto* label = dialog->findChild<QLabel*>(QStringLiteral("id1001"))) text = label->text();
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("id1")), Qt::LeftButton);
  });
  driver.start(10);
  Click(ids::kLogo);
  EXPECT_EQ(title, QStringLiteral("About Selvio"));
  EXPECT_EQ(text, QString::fromUtf8("Программа для подбора регуляторов температры, расхода и "
                                    "перепада давления. Версия 1.2"));
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
  MessageBoxAnswerer messages;
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
