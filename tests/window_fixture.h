#pragma once

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <cstdlib>
#include <memory>

#include "app/window/main_window.h"
#include "qt_test_application.h"

namespace selvio::test {

// The real window on a copy of the bundled data in a temporary working folder.
class WindowTest : public ::testing::Test, WithTestApplication {
 public:
  WindowTest() : previousDir_(QDir::currentPath()) {}
  ~WindowTest() override { QDir::setCurrent(previousDir_); }

  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    const QDir data(QString::fromLocal8Bit(std::getenv("SELVIO_DATA_DIR")));
    for (const QString& name : data.entryList(QDir::Files)) {
      ASSERT_TRUE(QFile::copy(data.filePath(name), dir_.filePath(name))) << name.toStdString();
    }
    QDir::setCurrent(dir_.path());
  }

  // One run of the program: built, started and on screen.
  void Start() {
    program_.reset();
    program_ = std::make_unique<SelvioProgram>();
    program_->Start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Window()));
  }

  MainWindow& Window() { return program_->Window(); }
  QWidget* Widget(int id) { return Window().Controls().Widget(id); }
  template <typename T>
  T* As(int id) {
    return qobject_cast<T*>(Widget(id));
  }

  // The user replaces the text of edit `id` by typing `text` (ASCII).
  void Type(int id, const QString& text) {
    QLineEdit* edit = As<QLineEdit>(id);
    ASSERT_NE(edit, nullptr) << id;
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
  }
  // The user picks the first entry of drop-down `id` from the keyboard.
  void PickFirst(int id) {
    QComboBox* combo = As<QComboBox>(id);
    ASSERT_NE(combo, nullptr) << id;
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Home);
  }
  void Click(int id) {
    QWidget* widget = Widget(id);
    ASSERT_NE(widget, nullptr) << id;
    ASSERT_TRUE(widget->isVisible() && widget->isEnabled()) << id << " cannot be clicked";
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, QPoint(4, widget->height() / 2));
  }
  bool SettingsWritten() const { return QFile::exists(dir_.filePath(QStringLiteral("user.bin"))); }

  QString previousDir_;
  QTemporaryDir dir_;
  std::unique_ptr<SelvioProgram> program_;
};

}  // namespace selvio::test
