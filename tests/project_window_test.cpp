// The project window of the real program, offscreen, on the bundled data: positions taken from
// the form, edited in the table, saved and opened again, put back into the form, re-checked on a
// changed catalogue with the user's choice per position, exported as a schedule, and the
// question about unsaved changes when the program ends. The window's questions are answered by
// the test through its prompts, so no modal box waits.
#include "app/window/project_window.h"

#include <QAccessible>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>

#include "app/form/control_ids.h"
#include "app/project/project.h"
#include "app/window/recheck_dialog.h"
#include "window_fixture.h"

namespace selvio::test {
namespace {

QString Utf8(const char* text) { return QString::fromUtf8(text); }

// The table's columns as the user reads them.
enum Column { kNumber, kLabel, kQuantity, kMedium, kFlow, kDrop, kProduct, kDn, kKvs, kActuator };

// data/example.crp: water 90 °C, P1 6 bar, ΔP 0.3 bar, G 5 m³/h; the bundled catalogue shows
// ВКФ-2-32-16 for it.
class ProjectWindowTest : public WindowTest {
 protected:
  void StartOnExample() {
    ASSERT_TRUE(QFile::copy(dir_.filePath(QStringLiteral("example.crp")),
                            dir_.filePath(QStringLiteral("user.bin"))));
    Start();
  }

  // "Проект" pressed: the window is on screen and answers through the test's prompts.
  ProjectWindow& OpenProjectWindow() {
    Click(ids::kProjectWindow);
    ProjectWindow& window = program_->ProjectView();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    ProjectPrompts prompts;
    prompts.projectToOpen = [this] { return openPath_; };
    prompts.projectToSave = [this](const QString& suggested) {
      suggested_ = suggested;
      return savePath_;
    };
    prompts.scheduleToSave = [this](const QString&) { return savePath_; };
    prompts.message = [this](const QString& text) { messages_.append(text); };
    prompts.ask = [this](const QString& question, QMessageBox::StandardButtons) {
      questions_.append(question);
      return answer_;
    };
    prompts.accept = [this, &window](const Project&, const RecheckReport& report) {
      ++acceptAsked_;
      shownWhenAsked_ = window.isVisible();
      report_ = report;
      return accepted_;
    };
    window.SetPrompts(prompts);
    return window;
  }

  // The window's button showing `text`.
  static void Press(ProjectWindow& window, const char* text) {
    for (QPushButton* button : window.findChildren<QPushButton*>()) {
      if (button->text() == Utf8(text)) {
        ASSERT_TRUE(button->isVisible() && button->isEnabled()) << text;
        QTest::mouseClick(button, Qt::LeftButton);
        return;
      }
    }
    ADD_FAILURE() << "no button " << text;
  }
  static QString Cell(ProjectWindow& window, int row, int column) {
    const QTableWidgetItem* item = window.Table()->item(row, column);
    return item ? item->text() : QString();
  }
  // The user types `text` over the cell, as F2 and Enter do.
  static void EditCell(ProjectWindow& window, int row, int column, const QString& text) {
    window.Table()->item(row, column)->setText(text);
  }

  // Takes every catalogue entry named `name` out of the working folder's catalogue.
  void RemoveProduct(const QString& name) {
    QFile file(dir_.filePath(QStringLiteral("xmldata.xml")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QString text = QString::fromUtf8(file.readAll());
    file.close();
    const qsizetype before = text.size();
    text.remove(QRegularExpression(
        QStringLiteral("<исполнение>\\s*<название>%1</название>.*?</исполнение>\\s*")
            .arg(QRegularExpression::escape(name)),
        QRegularExpression::DotMatchesEverythingOption));
    ASSERT_LT(text.size(), before) << name.toStdString();
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text.toUtf8());
  }

  // The example calculated, then again with G 6, each taken into the project.
  void AddTwoPositions(ProjectWindow& window) {
    Click(ids::kCalculate);
    Press(window, "Добавить");
    Type(ids::kFlow, QStringLiteral("6"));
    Click(ids::kCalculate);
    Press(window, "Добавить");
    ASSERT_EQ(window.Table()->rowCount(), 2);
  }

  std::optional<QString> openPath_;
  std::optional<QString> savePath_;
  QString suggested_;
  QStringList messages_;
  QStringList questions_;
  QMessageBox::StandardButton answer_ = QMessageBox::Cancel;
  std::vector<int> accepted_;
  RecheckReport report_;
  int acceptAsked_ = 0;
  bool shownWhenAsked_ = false;
};

TEST_F(ProjectWindowTest, PositionsAreTakenEditedSavedAndOpenedAgain) {
  StartOnExample();
  ProjectWindow& window = OpenProjectWindow();
  EXPECT_EQ(window.windowTitle(), Utf8("Проект"));
  EXPECT_FALSE(window.isModal());

  Press(window, "Добавить");
  EXPECT_EQ(window.Table()->rowCount(), 0) << "nothing calculated yet";
  ASSERT_EQ(messages_.size(), 1);
  EXPECT_TRUE(messages_[0].startsWith(Utf8("Сначала выполните расчет")));

  AddTwoPositions(window);
  EXPECT_EQ(window.windowTitle(), Utf8("Проект *"));
  EXPECT_EQ(Cell(window, 0, kNumber), QStringLiteral("1"));
  EXPECT_EQ(Cell(window, 0, kLabel), Utf8("Позиция 1"));
  EXPECT_EQ(Cell(window, 0, kQuantity), QStringLiteral("1"));
  EXPECT_EQ(Cell(window, 0, kMedium), Utf8("вода"));
  EXPECT_EQ(Cell(window, 0, kFlow), Utf8("5 м³/ч"));
  EXPECT_EQ(Cell(window, 1, kFlow), Utf8("6 м³/ч"));
  EXPECT_EQ(Cell(window, 0, kProduct), Utf8("ВКФ-2-32-16"));
  EXPECT_EQ(Cell(window, 0, kKvs), Utf8("16,00"));

  EditCell(window, 0, kLabel, Utf8("ИТП-1, отопление"));
  EditCell(window, 1, kQuantity, QStringLiteral("3"));
  EditCell(window, 0, kQuantity, QStringLiteral("0"));
  EXPECT_EQ(Cell(window, 0, kQuantity), QStringLiteral("1")) << "a quantity below 1 is refused";
  EditCell(window, 0, kQuantity, Utf8("два"));
  EXPECT_EQ(Cell(window, 0, kQuantity), QStringLiteral("1"));
  EXPECT_EQ(messages_.size(), 3);
  EXPECT_TRUE(messages_.back().startsWith(Utf8("Количество — целое число от 1 до")));

  window.SelectRow(1);
  Press(window, "Вверх");
  EXPECT_EQ(Cell(window, 0, kQuantity), QStringLiteral("3")) << "the G 6 position moved up";
  EXPECT_EQ(window.SelectedRow(), 0) << "the moved position stays selected";
  Press(window, "Вверх");
  EXPECT_EQ(Cell(window, 0, kQuantity), QStringLiteral("3")) << "the top one stays";

  savePath_ = dir_.filePath(QStringLiteral("ИТП.selvio"));
  Press(window, "Сохранить проект");
  EXPECT_TRUE(QFile::exists(*savePath_));
  EXPECT_EQ(window.windowTitle(), Utf8("Проект — ИТП"));
  const Project saved = program_->OpenProject().Data();

  // A change not saved, then the file opened again: the question first, "Нет" discards it.
  window.SelectRow(0);
  Press(window, "Удалить");
  EXPECT_EQ(window.Table()->rowCount(), 1);
  EXPECT_EQ(Cell(window, 0, kLabel), Utf8("ИТП-1, отопление"));
  openPath_ = savePath_;
  answer_ = QMessageBox::No;
  Press(window, "Открыть проект");
  EXPECT_EQ(questions_.size(), 1);
  ASSERT_EQ(window.Table()->rowCount(), 2);
  const Project opened = program_->OpenProject().Data();
  for (std::size_t i = 0; i < 2; ++i) {
    EXPECT_TRUE(SamePosition(opened.positions[i], saved.positions[i])) << i;
  }
  EXPECT_EQ(Cell(window, 1, kLabel), Utf8("ИТП-1, отопление"));
  EXPECT_FALSE(program_->OpenProject().IsModified());

  // The screenshot in the README: SELVIO_PROJECT_WINDOW_SCREENSHOT names the file to write.
  if (const char* screenshot = std::getenv("SELVIO_PROJECT_WINDOW_SCREENSHOT")) {
    EditCell(window, 0, kLabel, Utf8("ИТП-1, горячее водоснабжение"));
    window.SelectRow(1);
    window.resize(980, 300);
    QApplication::processEvents();
    EXPECT_TRUE(window.grab().save(QString::fromLocal8Bit(screenshot)));
  }
}

// A label that would steer the schedule or a terminal, or one too long, is refused in the cell
// editor with a message naming the position; the label the position had stays.
TEST_F(ProjectWindowTest, ALabelThatWouldSteerTheOutputsIsRefusedInTheTable) {
  StartOnExample();
  ProjectWindow& window = OpenProjectWindow();
  AddTwoPositions(window);
  EditCell(window, 1, kLabel, Utf8("ИТП-2"));
  const QString refused =
      Utf8("Обозначение позиции 2 не изменено: оно содержит недопустимый знак ");
  const std::pair<QString, const char*> cases[] = {
      {Utf8("ИТП-2\u202E321"), "U+202E"}, {Utf8("ИТП\t2"), "U+0009"},
      {Utf8("ИТП\x1b[2J"), "U+001B"},     {Utf8("ИТП-2\rИТП-9"), "U+000D"},
      {Utf8("ИТП\u2029ГВС"), "U+2029"},   {Utf8("ИТП\u200F2"), "U+200F"},
  };
  for (const auto& [label, character] : cases) {
    messages_.clear();
    EditCell(window, 1, kLabel, label);
    ASSERT_EQ(messages_.size(), 1) << character;
    EXPECT_TRUE(messages_[0].startsWith(refused + Utf8(character))) << messages_[0].toStdString();
    EXPECT_EQ(Cell(window, 1, kLabel), Utf8("ИТП-2")) << character;
    EXPECT_EQ(program_->OpenProject().At(1).label, Utf8("ИТП-2")) << character;
  }
  messages_.clear();
  EditCell(window, 1, kLabel, QString(201, QChar(0x0416)));
  ASSERT_EQ(messages_.size(), 1);
  EXPECT_EQ(messages_[0], Utf8("Обозначение позиции 2 не изменено: оно длиннее 200 знаков."));
  EXPECT_EQ(program_->OpenProject().At(1).label, Utf8("ИТП-2"));
  EditCell(window, 1, kLabel, QString(200, QChar(0x0416)));
  EXPECT_EQ(messages_.size(), 1) << "200 characters are taken";
  EXPECT_EQ(program_->OpenProject().At(1).label, QString(200, QChar(0x0416)));
}

TEST_F(ProjectWindowTest, APositionGoesBackIntoTheFormAndIsReplaced) {
  StartOnExample();
  ProjectWindow& window = OpenProjectWindow();
  Click(ids::kCalculate);
  const QString figuresOfG5 = Window().Controls().Text(ids::kCalculatedData);
  Press(window, "Добавить");
  Type(ids::kFlow, QStringLiteral("6"));
  Click(ids::kCalculate);
  Press(window, "Добавить");
  const QString figuresOfG6 = Window().Controls().Text(ids::kCalculatedData);
  ASSERT_NE(figuresOfG5, figuresOfG6);

  // A double click on the first position puts G 5 back into the form and calculates it.
  const QRect cell = window.Table()->visualItemRect(window.Table()->item(0, kProduct));
  QTest::mouseClick(window.Table()->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
  QTest::mouseDClick(window.Table()->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
  EXPECT_EQ(Window().Controls().Text(ids::kFlow), QStringLiteral("5"));
  EXPECT_EQ(Window().Controls().Text(ids::kCalculatedData), figuresOfG5);
  EXPECT_TRUE(messages_.isEmpty()) << "the catalogue did not change: nothing to say";

  // "В форму" on the second position: G 6 and its figures again.
  window.SelectRow(1);
  Press(window, "В форму");
  EXPECT_EQ(Window().Controls().Text(ids::kFlow), QStringLiteral("6"));
  EXPECT_EQ(Window().Controls().Text(ids::kCalculatedData), figuresOfG6);

  // "Вниз" moves the selected position below the next one and keeps it selected.
  window.SelectRow(0);
  Press(window, "Вниз");
  EXPECT_EQ(Cell(window, 0, kFlow), Utf8("6 м³/ч"));
  EXPECT_EQ(Cell(window, 1, kFlow), Utf8("5 м³/ч"));
  EXPECT_EQ(window.SelectedRow(), 1);
  Press(window, "Вниз");
  EXPECT_EQ(Cell(window, 1, kFlow), Utf8("5 м³/ч")) << "the bottom one stays";
  Press(window, "Вверх");
  EXPECT_EQ(Cell(window, 0, kFlow), Utf8("5 м³/ч"));

  // "Заменить" takes the form's calculation in place of the selected position, label kept.
  EditCell(window, 0, kLabel, Utf8("ИТП-2"));
  Type(ids::kFlow, QStringLiteral("7"));
  Click(ids::kCalculate);
  window.SelectRow(0);
  Press(window, "Заменить");
  EXPECT_EQ(Cell(window, 0, kFlow), Utf8("7 м³/ч"));
  EXPECT_EQ(Cell(window, 0, kLabel), Utf8("ИТП-2"));
}

// ВКФ-2-32-16 is gone from the catalogue the program starts with the second time: the re-check
// shows the position changed, and nothing is replaced until the user accepts it.
TEST_F(ProjectWindowTest, ARecheckOnAChangedCatalogueReplacesOnlyWhatTheUserAccepts) {
  StartOnExample();
  {
    ProjectWindow& window = OpenProjectWindow();
    Click(ids::kCalculate);
    Press(window, "Добавить");
    savePath_ = dir_.filePath(QStringLiteral("p.selvio"));
    Press(window, "Сохранить проект");
  }
  RemoveProduct(Utf8("ВКФ-2-32-16"));
  Start();
  ProjectWindow& window = OpenProjectWindow();
  openPath_ = savePath_;
  Press(window, "Открыть проект");
  ASSERT_EQ(window.Table()->rowCount(), 1);

  accepted_ = {};
  Press(window, "Перепроверить");
  ASSERT_TRUE(QTest::qWaitFor([&] { return !window.IsRechecking(); }, 20000));
  ASSERT_TRUE(report_.completed);
  ASSERT_EQ(report_.Changed(), std::vector<int>{0});
  const QString now = report_.positions[0].recalculated.product;
  EXPECT_NE(now, Utf8("ВКФ-2-32-16"));
  // The old choice is kept, marked as one the catalogue no longer holds.
  const QString kept = Utf8("ВКФ-2-32-16 [нет в каталоге]");
  EXPECT_EQ(Cell(window, 0, kProduct), kept) << "the old choice kept";
  EXPECT_FALSE(program_->OpenProject().IsModified());

  // The quantity edited while the re-check runs: its result belongs to another project, and the
  // user is not asked about it.
  ASSERT_EQ(acceptAsked_, 1);
  Press(window, "Перепроверить");
  EditCell(window, 0, kQuantity, QStringLiteral("2"));
  ASSERT_TRUE(QTest::qWaitFor([&] { return !window.IsRechecking(); }, 20000));
  EXPECT_EQ(acceptAsked_, 1);
  ASSERT_EQ(messages_.size(), 1);
  EXPECT_TRUE(messages_[0].startsWith(Utf8("Проект изменился во время перепроверки")));
  EXPECT_EQ(Cell(window, 0, kProduct), kept);

  // Esc closes the window while the re-check runs; the changes come back with it.
  accepted_ = {0};
  Press(window, "Перепроверить");
  QTest::keyClick(&window, Qt::Key_Escape);
  EXPECT_FALSE(window.isVisible());
  ASSERT_TRUE(QTest::qWaitFor([&] { return !window.IsRechecking(); }, 20000));
  EXPECT_TRUE(shownWhenAsked_);
  EXPECT_EQ(Cell(window, 0, kProduct), now);
  EXPECT_TRUE(program_->OpenProject().IsModified());

  // The dialog that asks lists the change with a ticked box; unticked, nothing is accepted.
  RecheckDialog dialog(program_->OpenProject().Data(), report_);
  ASSERT_EQ(dialog.Table()->rowCount(), 1);
  EXPECT_TRUE(dialog.Table()->item(0, 2)->text().startsWith(Utf8("другое изделие: ")));
  EXPECT_EQ(dialog.Accepted(), std::vector<int>{0});
  dialog.Table()->item(0, 3)->setCheckState(Qt::Unchecked);
  EXPECT_TRUE(dialog.Accepted().empty());
}

// A long re-check shows its progress and "Отмена", which stops it with the project unchanged.
TEST_F(ProjectWindowTest, ALongRecheckShowsProgressAndCanBeCancelled) {
  StartOnExample();
  ProjectWindow& window = OpenProjectWindow();
  Click(ids::kCalculate);
  Press(window, "Добавить");
  ProjectModel& project = program_->OpenProject();
  for (int i = 0; i < 20000; ++i) project.Add(project.At(0));
  const int revision = project.Revision();
  window.SetProgressDelay(0);
  Press(window, "Перепроверить");
  ASSERT_TRUE(QTest::qWaitFor([&] { return window.Progress()->isVisible(); }, 5000));
  EXPECT_TRUE(window.CancelButton()->isVisible());
  QTest::mouseClick(window.CancelButton(), Qt::LeftButton);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !window.IsRechecking(); }, 20000));
  EXPECT_FALSE(window.Progress()->isVisible());
  EXPECT_TRUE(window.Status()->text().contains(Utf8("отменена")));
  EXPECT_EQ(project.Revision(), revision);
}

TEST_F(ProjectWindowTest, EndingWithUnsavedChangesAsksAndCancelKeepsTheProgram) {
  StartOnExample();
  ProjectWindow& window = OpenProjectWindow();
  Click(ids::kCalculate);
  Press(window, "Добавить");

  answer_ = QMessageBox::Cancel;
  Click(ids::kExit);
  ASSERT_EQ(questions_.size(), 1);
  EXPECT_EQ(questions_[0], Utf8("Проект изменен. Сохранить изменения?"));
  EXPECT_TRUE(Window().isVisible()) << "\"Отмена\" keeps the program";
  EXPECT_TRUE(SettingsWritten()) << "\"Выход\" saved the inputs as always";

  // Enter and Esc on the form are "Выход" and ask the same; "Отмена" keeps the program.
  QTest::keyClick(Widget(ids::kP1), Qt::Key_Return);
  QTest::keyClick(Widget(ids::kFlow), Qt::Key_Escape);
  EXPECT_EQ(questions_.size(), 3);
  EXPECT_TRUE(Window().isVisible());

  // The close box asks too; "Да" saves the project, then the program ends.
  answer_ = QMessageBox::Yes;
  savePath_ = dir_.filePath(QStringLiteral("end.selvio"));
  Window().close();
  EXPECT_EQ(questions_.size(), 4);
  EXPECT_TRUE(QFile::exists(*savePath_));
  EXPECT_FALSE(Window().isVisible());

  // "Нет" ends the program without writing the project.
  questions_.clear();
  Start();
  ProjectWindow& again = OpenProjectWindow();
  Click(ids::kCalculate);
  Press(again, "Добавить");
  answer_ = QMessageBox::No;
  savePath_ = dir_.filePath(QStringLiteral("not-wanted.selvio"));
  Window().close();
  EXPECT_EQ(questions_.size(), 1);
  EXPECT_FALSE(Window().isVisible());
  EXPECT_FALSE(QFile::exists(*savePath_));
}

// The table from the keyboard alone: F2 edits the cell, Enter takes the text, a quantity that is
// no whole number is refused; Enter on a row puts it into the form; Tab leaves the table.
TEST_F(ProjectWindowTest, TheTableIsWorkedFromTheKeyboard) {
  StartOnExample();
  ProjectWindow& window = OpenProjectWindow();
  AddTwoPositions(window);
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  QTableWidget* table = window.Table();
  const auto typeIntoCell = [&](int row, int column, const char* text) {
    table->setFocus();
    table->setCurrentCell(row, column);
    QTest::keyClick(table, Qt::Key_F2);
    QWidget* editor = QApplication::focusWidget();
    ASSERT_NE(editor, table) << "F2 opened no editor";
    QTest::keyClicks(editor, QString::fromLatin1(text));
    QTest::keyClick(editor, Qt::Key_Return);
    // The editor hands its text over once the event loop runs, as it does between two keys.
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == table; }, 2000));
  };

  typeIntoCell(0, kQuantity, "4");
  EXPECT_EQ(Cell(window, 0, kQuantity), QStringLiteral("4"));
  EXPECT_EQ(program_->OpenProject().At(0).quantity, 4);
  typeIntoCell(0, kQuantity, "2.5");
  EXPECT_EQ(Cell(window, 0, kQuantity), QStringLiteral("4")) << "no whole number";
  EXPECT_EQ(program_->OpenProject().At(0).quantity, 4);
  ASSERT_EQ(messages_.size(), 1);
  typeIntoCell(1, kLabel, "TP-2");
  EXPECT_EQ(program_->OpenProject().At(1).label, QStringLiteral("TP-2"));
  EXPECT_EQ(window.windowTitle(), Utf8("Проект *"));

  // The form shows G 6 from the second calculation; Enter on the first row brings back G 5.
  table->setFocus();
  table->setCurrentCell(0, kProduct);
  QTest::keyClick(table, Qt::Key_Return);
  EXPECT_EQ(Window().Controls().Text(ids::kFlow), QStringLiteral("5"));

  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  table->setFocus();
  QTest::keyClick(table, Qt::Key_Tab);
  auto* next = qobject_cast<QPushButton*>(QApplication::focusWidget());
  ASSERT_NE(next, nullptr) << "Tab stayed in the table";
  EXPECT_EQ(next->text(), Utf8("Добавить"));

  // Enter presses the focused button: "Удалить" on the selected first row.
  window.SelectRow(0);
  QTest::keyClick(next, Qt::Key_Tab);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  auto* remove = qobject_cast<QPushButton*>(QApplication::focusWidget());
  ASSERT_NE(remove, nullptr);
  ASSERT_EQ(remove->text(), Utf8("Удалить"));
  QTest::keyClick(remove, Qt::Key_Return);
  ASSERT_EQ(table->rowCount(), 1);
  EXPECT_EQ(program_->OpenProject().At(0).label, QStringLiteral("TP-2"));
}

// The file dialogs are the form's: the schedule's format follows the filter the user picks when
// the name he types has no suffix.
TEST_F(ProjectWindowTest, TheScheduleTakesTheSuffixOfTheFormatPickedInTheFileDialog) {
  StartOnExample();
  ProjectWindow& window = OpenProjectWindow();
  AddTwoPositions(window);
  window.SetPrompts(QtProjectPrompts(&window, Window().Controls()));

  const QString typed = dir_.filePath(Utf8("ведомость"));
  QStringList filters;
  ModalDriver files{ChooseFile(typed, [&filters](QFileDialog& dialog) {
    filters = dialog.nameFilters();
    // The user picks the third format in the list of types, then types a bare name.
    auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    ASSERT_NE(types, nullptr);
    types->setFocus();
    QTest::keyClick(types, Qt::Key_Home);
    QTest::keyClick(types, Qt::Key_Down);
    QTest::keyClick(types, Qt::Key_Down);
  })};
  Press(window, kExportScheduleCommand);

  EXPECT_EQ(files.Titles(), QStringList{Utf8(kExportScheduleCommand)});
  EXPECT_EQ(filters, QStringList({Utf8("Документ ODT (*.odt)"), Utf8("Документ PDF (*.pdf)"),
                                  Utf8("Таблица CSV (*.csv)")}));
  QFile csv(typed + QStringLiteral(".csv"));
  ASSERT_TRUE(csv.open(QIODevice::ReadOnly)) << "no " << csv.fileName().toStdString();
  EXPECT_TRUE(QString::fromUtf8(csv.readAll()).contains(Utf8("Позиция 2;1;вода;6;м³/ч")));
  EXPECT_FALSE(QFile::exists(typed + QStringLiteral(".odt")));
}

// Through Qt's accessibility interfaces: the table and its column headings are named as the user
// reads them, every button is a named push button, and pressing one that way runs its command.
TEST_F(ProjectWindowTest, TheWindowIsReadAndWorkedThroughAccessibility) {
  StartOnExample();
  ProjectWindow& window = OpenProjectWindow();
  Click(ids::kCalculate);
  Press(window, "Добавить");

  QAccessibleInterface* table = QAccessible::queryAccessibleInterface(window.Table());
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(table->role(), QAccessible::Table);
  EXPECT_EQ(table->text(QAccessible::Name), Utf8("Позиции проекта"));
  ASSERT_NE(table->tableInterface(), nullptr);
  const char* const headings[] = {"№",       "Обозначение", "Кол-во",    "Среда",  "G",       "ΔP",
                                  "Изделие", "Ду",          "Kvs, м³/ч", "Привод", "Kv, м³/ч"};
  ASSERT_EQ(table->tableInterface()->columnCount(), static_cast<int>(std::size(headings)));
  for (int column = 0; column < static_cast<int>(std::size(headings)); ++column) {
    QAccessibleInterface* cell = table->tableInterface()->cellAt(0, column);
    ASSERT_NE(cell, nullptr) << column;
    const QList<QAccessibleInterface*> header = cell->tableCellInterface()->columnHeaderCells();
    ASSERT_EQ(header.size(), 1) << column;
    EXPECT_EQ(header[0]->text(QAccessible::Name), Utf8(headings[column])) << column;
  }

  QStringList names;
  for (QPushButton* button : window.findChildren<QPushButton*>()) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(button);
    EXPECT_EQ(face->role(), QAccessible::Button);
    EXPECT_FALSE(face->text(QAccessible::Name).isEmpty()) << button->text().toStdString();
    names << face->text(QAccessible::Name);
  }
  for (const char* name :
       {"Добавить", "Заменить", "В форму", "Удалить", "Переместить вверх", "Переместить вниз",
        "Открыть проект", "Сохранить проект", kExportScheduleCommand, "Перепроверить", "Отмена"}) {
    EXPECT_TRUE(names.contains(Utf8(name))) << name;
  }

  QPushButton* add = nullptr;
  for (QPushButton* button : window.findChildren<QPushButton*>()) {
    if (button->text() == Utf8("Добавить")) add = button;
  }
  ASSERT_NE(add, nullptr);
  // The press action clicks the button as a short animation: the click follows a moment later.
  QAccessible::queryAccessibleInterface(add)->actionInterface()->doAction(
      QAccessibleActionInterface::pressAction());
  EXPECT_TRUE(QTest::qWaitFor([&] { return window.Table()->rowCount() == 2; }, 2000))
      << "the press action adds as a click does";
}

TEST_F(ProjectWindowTest, TheScheduleIsExportedAndEveryControlIsNamed) {
  StartOnExample();
  ProjectWindow& window = OpenProjectWindow();
  Press(window, kExportScheduleCommand);
  ASSERT_EQ(messages_.size(), 1) << "an empty project has no schedule";
  AddTwoPositions(window);
  EditCell(window, 1, kQuantity, QStringLiteral("2"));

  savePath_ = dir_.filePath(QStringLiteral("s.csv"));
  Press(window, kExportScheduleCommand);
  QFile csv(*savePath_);
  ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
  const QByteArray bytes = csv.readAll();
  EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF")) << "a byte order mark for the spreadsheet";
  const QString text = QString::fromUtf8(bytes);
  EXPECT_TRUE(text.contains(Utf8("Позиция 2;2;вода;6;м³/ч")));
  // The order list sums the quantities: both positions show ВКФ-2-32-16.
  EXPECT_TRUE(text.contains(Utf8("ВКФ-2-32-16;32;3")));

  EXPECT_EQ(window.Table()->accessibleName(), Utf8("Позиции проекта"));
  for (QPushButton* button : window.findChildren<QPushButton*>()) {
    EXPECT_FALSE(button->text().isEmpty() && button->accessibleName().isEmpty());
  }
  QTest::keyClick(&window, Qt::Key_Escape);
  EXPECT_FALSE(window.isVisible()) << "Esc closes the project window";
  EXPECT_TRUE(Window().isVisible()) << "and not the program";
}

}  // namespace
}  // namespace selvio::test
