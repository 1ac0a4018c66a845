// The driver of modal windows the widget tests share: it tries again until a window has gone,
// answers a window opened by another's answer, and at the deadline, or on a window nothing
// answers, closes every modal window and fails the test with what it saw.
#include "modal_driver.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <algorithm>

#include "qt_test_application.h"

namespace selvio::test {
namespace {

// A dialog that ignores its first `ignored` accept() calls, as a file dialog does while its
// model is being filled.
class StubbornDialog : public QDialog {
 public:
  explicit StubbornDialog(int ignored) : ignored_(ignored) {
    setWindowTitle(QStringLiteral("Stubborn"));
  }
  void accept() override {
    ++calls_;
    if (calls_ > ignored_) QDialog::accept();
  }
  int Calls() const { return calls_; }

 private:
  int ignored_;
  int calls_ = 0;
};

class ModalDriverTest : public ::testing::Test, WithTestApplication {};

TEST_F(ModalDriverTest, TriesAgainUntilTheDialogHasGone) {
  StubbornDialog dialog(3);
  ModalDriver driver{DriveDialog([](QDialog& d) { d.accept(); })};
  EXPECT_EQ(dialog.exec(), QDialog::Accepted);
  EXPECT_EQ(dialog.Calls(), 4);
  EXPECT_EQ(driver.Titles(), QStringList{QStringLiteral("Stubborn")});
}

// Saving over a file: the dialog is active, so its name field has the focus, which selectFile()
// leaves alone; its folder of many files is still being read; and the overwrite question comes
// from inside accept().
TEST_F(ModalDriverTest, ChoosesAFileInAnActiveDialogAndAnswersTheOverwriteQuestion) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  for (int i = 0; i < 1000; ++i) {
    QFile file(dir.filePath(QStringLiteral("f%1.crp").arg(i)));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }
  const QString path = dir.filePath(QStringLiteral("f500.crp"));
  for (int run = 0; run < 3; ++run) {
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    ModalDriver driver{AnswerMessageBox(QMessageBox::YesRole), ChooseFile(path)};
    ASSERT_EQ(dialog.exec(), QDialog::Accepted) << run;
    EXPECT_EQ(dialog.selectedFiles(), QStringList{path}) << run;
    ASSERT_EQ(driver.Texts().size(), 1) << run;
    EXPECT_TRUE(driver.Texts()[0].contains(QStringLiteral("f500.crp"))) << run;
  }
}

// A message box opened by a dialog's own answer is answered by an outer driver's rule while the
// inner one drives the dialog.
TEST_F(ModalDriverTest, AnswersAMessageBoxThatTheDialogsAnswerOpens) {
  ModalDriver messages{AnswerMessageBox()};
  QDialog dialog;
  bool told = false;
  ModalDriver driver{DriveDialog([&told](QDialog& d) {
    QMessageBox::information(&d, QStringLiteral("Note"), QStringLiteral("saved"));
    told = true;
    d.accept();
  })};
  EXPECT_EQ(dialog.exec(), QDialog::Accepted);
  EXPECT_TRUE(told);
  EXPECT_EQ(messages.Texts(), QStringList{QStringLiteral("saved")});
  EXPECT_TRUE(driver.Texts().isEmpty()) << "the inner driver has no rule for message boxes";
}

// A try that waits in a long step gets one more beside it (a cancel), not one per retry.
TEST_F(ModalDriverTest, TriesDoNotPileUpDuringALongStep) {
  QDialog dialog;
  int depth = 0;
  int deepest = 0;
  ModalDriver driver{DriveDialog([&](QDialog& d) {
    deepest = std::max(deepest, ++depth);
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 500) QApplication::processEvents();
    --depth;
    d.accept();
  })};
  EXPECT_EQ(dialog.exec(), QDialog::Accepted);
  EXPECT_EQ(deepest, 2);
}

TEST_F(ModalDriverTest, AtTheDeadlineClosesTheWindowAndFailsWithWhatItSaw) {
  StubbornDialog dialog(1000000);
  QLabel label(QStringLiteral("Waiting for the flow"), &dialog);
  int result = -1;
  QElapsedTimer clock;
  clock.start();
  EXPECT_NONFATAL_FAILURE(
      {
        ModalDriver driver({DriveDialog([](QDialog& d) { d.accept(); })},
                           std::chrono::milliseconds(300));
        result = dialog.exec();
      },
      "still open");
  EXPECT_EQ(result, QDialog::Rejected);
  EXPECT_LT(clock.elapsed(), 10000);
  EXPECT_GT(dialog.Calls(), 1) << "tried more than once";
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(ModalDriverTest, AWindowNoRuleAnswersIsClosedAtOnceAndFails) {
  int result = -1;
  QElapsedTimer clock;
  clock.start();
  EXPECT_NONFATAL_FAILURE(
      {
        ModalDriver driver{CancelFileDialog()};
        result = QMessageBox::question(nullptr, QStringLiteral("Replace?"),
                                       QStringLiteral("The file exists."));
      },
      "The file exists.");
  EXPECT_NE(result, QMessageBox::Yes);
  EXPECT_LT(clock.elapsed(), 10000) << "no deadline to wait for";
}

TEST_F(ModalDriverTest, AMessageBoxWithoutTheButtonAskedForFails) {
  EXPECT_NONFATAL_FAILURE(
      {
        ModalDriver driver{AnswerMessageBox(QMessageBox::YesRole)};
        QMessageBox::information(nullptr, QStringLiteral("Note"), QStringLiteral("only OK"));
      },
      "cannot answer");
}

// After a failure the test goes on, and so does its code: a window its closed dialog led to is
// answered, or closed, as any other.
TEST_F(ModalDriverTest, ClosesEveryNestedWindowAtTheDeadline) {
  QDialog outer;
  QDialog inner(&outer);
  bool innerShown = false;
  int outerResult = -1;
  EXPECT_NONFATAL_FAILURE(
      {
        ModalDriver driver({DriveDialog([&](QDialog& d) {
                             if (&d == &outer && !innerShown) {
                               innerShown = true;
                               inner.exec();
                             }
                           })},
                           std::chrono::milliseconds(300));
        outerResult = outer.exec();
      },
      "still open");
  EXPECT_TRUE(innerShown);
  EXPECT_EQ(outerResult, QDialog::Rejected);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
}  // namespace selvio::test
