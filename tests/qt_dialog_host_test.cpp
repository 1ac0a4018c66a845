// The Qt dialog host: a dialog written once over DialogControls, shown on real widgets and
// driven as a user would by the modal driver, so no test blocks on the modal window.
#include "platform/qt/qt_dialog_host.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <vector>

#include "platform/qt/qt_controls.h"
#include "qt_test_application.h"

namespace selvio::test {
namespace {

constexpr int kTemperature = 1014;  // the form has a 1014 too: dialogs have their own ids
constexpr int kRefresh = 1072;
constexpr int kFluids = 1115;

// A small dialog: an edit, a list box, a button that shows a message and one that runs a long
// step the user can cancel, OK (bound) and Cancel (left to the host).
class SampleDialog : public ModalDialog {
 public:
  bool endAtOnce = false;
  bool cancelRequested = false;
  int shownRuns = 0;
  bool visibleWhenShown = false;
  int listRuns = 0;
  std::vector<int> selectedInHandler;  // SelectedIndex of the list as each handler run saw it
  QString confirmedText;

  DialogTemplate Template() const override {
    DialogTemplate dialog;
    dialog.id = 900;
    dialog.title = QString::fromUtf8("Плотность");
    dialog.controls = {
        {kTemperature, ControlType::Edit, QStringLiteral("20"), 0, 0},
        {kRefresh, ControlType::Button, QString::fromUtf8("Обновить"), 0, 1},
        {kFluids, ControlType::List, {}, 1, 0, 2},
        {1, ControlType::Button, QStringLiteral("OK"), 2, 0},
        {2, ControlType::Button, QString::fromUtf8("Отмена"), 2, 1},
    };
    dialog.defaultButton = 1;
    return dialog;
  }

  void Initialise(DialogControls& c) override {
    if (endAtOnce) {
      c.EndDialog(true);
      return;
    }
    for (const char* entry : {"Вода", "Этиленгликоль", "Пропиленгликоль"}) {
      c.AppendListEntry(kFluids, QString::fromUtf8(entry));
    }
    c.SelectListEntry(kFluids, 1);
    c.Bind(kFluids, [this, &c] {
      ++listRuns;
      selectedInHandler.push_back(c.SelectedIndex(kFluids));
    });
    c.Bind(kRefresh,
           [&c] { c.ShowMessage(QString::fromUtf8("Обновлено: ") + c.Text(kTemperature)); });
    c.Bind(1, [this, &c] {
      confirmedText = c.Text(kTemperature);
      c.EndDialog(true);
    });
  }

  void Shown(DialogControls& c) override {
    (void)c;
    ++shownRuns;
    visibleWhenShown = QApplication::activeModalWidget() != nullptr &&
                       QApplication::activeModalWidget()->isVisible();
  }
};

template <typename T>
T* Control(QDialog& dialog, int id) {
  return dialog.findChild<T*>(QStringLiteral("id%1").arg(id));
}

void Click(QDialog& dialog, int id) {
  QPushButton* button = Control<QPushButton>(dialog, id);
  ASSERT_NE(button, nullptr) << id;
  QTest::mouseClick(button, Qt::LeftButton);
}

class QtDialogHostTest : public ::testing::Test, WithTestApplication {
 protected:
  bool Run() { return RunQtDialog(dialog_, nullptr); }

  SampleDialog dialog_;
  ModalDriver messages_{AnswerMessageBox()};
};

TEST_F(QtDialogHostTest, UserTypesSeesAMessageStaysInTheDialogAndConfirms) {
  bool openAfterMessage = false;
  int selectedRow = -2;
  ModalDriver driver{DriveDialog([&](QDialog& dialog) {
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("Плотность"));
    EXPECT_TRUE(Control<QPushButton>(dialog, 1)->isDefault()) << "the default button looks it";
    EXPECT_FALSE(Control<QPushButton>(dialog, 2)->isDefault());
    selectedRow = Control<QListWidget>(dialog, kFluids)->currentRow();
    QLineEdit* edit = Control<QLineEdit>(dialog, kTemperature);
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("35"));
    Click(dialog, kRefresh);
    openAfterMessage = dialog.isVisible();
    Click(dialog, 1);
  })};
  EXPECT_TRUE(Run());
  EXPECT_EQ(dialog_.confirmedText, QStringLiteral("35"));
  EXPECT_EQ(messages_.Texts(), QStringList{QString::fromUtf8("Обновлено: 35")});
  EXPECT_TRUE(openAfterMessage) << "a message box leaves the dialog open";
  EXPECT_EQ(selectedRow, 1);
  EXPECT_EQ(dialog_.listRuns, 0) << "the selection made in Initialise runs no handler";
  EXPECT_EQ(dialog_.shownRuns, 1);
  EXPECT_TRUE(dialog_.visibleWhenShown);
}

TEST_F(QtDialogHostTest, UserSelectionInAListBoxRunsItsHandler) {
  ModalDriver driver{DriveDialog([&](QDialog& dialog) {
    QListWidget* list = Control<QListWidget>(dialog, kFluids);
    const QRect row = list->visualItemRect(list->item(2));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, row.center());
    Click(dialog, 2);
  })};
  EXPECT_FALSE(Run());
  EXPECT_EQ(dialog_.listRuns, 1);
}

// The handler of a list box reads the entry the user has just picked, by mouse or by key, as
// a dialog that refills a second list from the first needs.
TEST_F(QtDialogHostTest, ListHandlerSeesTheEntryTheUserPicked) {
  ModalDriver driver{DriveDialog([&](QDialog& dialog) {
    QListWidget* list = Control<QListWidget>(dialog, kFluids);
    list->setFocus();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                      list->visualItemRect(list->item(2)).center());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                      list->visualItemRect(list->item(0)).center());
    QTest::keyClick(list, Qt::Key_Down);
    Click(dialog, 2);
  })};
  EXPECT_FALSE(Run());
  EXPECT_EQ(dialog_.selectedInHandler, (std::vector<int>{2, 0, 1}));
}

struct KeyCase {
  const char* name;
  std::function<void(QDialog&)> act;
  bool accepted;
};

TEST_F(QtDialogHostTest, KeysAndCloseBoxEndTheDialog) {
  const KeyCase cases[] = {
      {"Enter in the edit presses OK",
       [](QDialog& d) { QTest::keyClick(Control<QLineEdit>(d, kTemperature), Qt::Key_Return); },
       true},
      {"Esc cancels",
       [](QDialog& d) { QTest::keyClick(Control<QLineEdit>(d, kTemperature), Qt::Key_Escape); },
       false},
      {"unbound Cancel cancels", [](QDialog& d) { Click(d, 2); }, false},
      {"close box cancels", [](QDialog& d) { d.close(); }, false},
  };
  for (const KeyCase& c : cases) {
    SampleDialog dialog;
    ModalDriver driver{DriveDialog(c.act)};
    EXPECT_EQ(RunQtDialog(dialog, nullptr), c.accepted) << c.name;
  }
}

TEST_F(QtDialogHostTest, DialogEndedWhileInitialisingIsNeverShown) {
  dialog_.endAtOnce = true;
  EXPECT_TRUE(Run());
  EXPECT_EQ(dialog_.shownRuns, 0);
}

// A long step inside a handler keeps the dialog alive through ProcessEvents, so the user's
// click on a cancel button reaches its handler.
class ProgressDialog : public SampleDialog {
 public:
  bool cancelled = false;
  void Initialise(DialogControls& c) override {
    c.Bind(2, [this] { cancelled = true; });
    c.Bind(kRefresh, [this, &c] {
      QElapsedTimer clock;
      clock.start();
      while (!cancelled && clock.elapsed() < 5000) c.ProcessEvents();
      c.EndDialog(false);
    });
  }
};

// The driver's next try, while the long step runs, is the user's click on cancel.
TEST_F(QtDialogHostTest, ProcessEventsDeliversTheUsersCancelDuringALongStep) {
  ProgressDialog dialog;
  bool started = false;
  ModalDriver driver{DriveDialog([&started](QDialog& d) {
    if (started) {
      Click(d, 2);
      return;
    }
    started = true;
    Click(d, kRefresh);
  })};
  EXPECT_FALSE(RunQtDialog(dialog, nullptr));
  EXPECT_TRUE(dialog.cancelled);
}

}  // namespace
}  // namespace selvio::test
