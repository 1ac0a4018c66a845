#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

namespace selvio::test {

// The one QApplication of a widget test program, created on first use (offscreen under CTest).
// It is never destroyed: at exit Qt's own globals may already be gone.
inline QApplication& TestApplication() {
  static int argc = 1;
  static char name[] = "selvio-widget-tests";
  static char* argv[] = {name, nullptr};
  static QApplication* application = new QApplication(argc, argv);
  return *application;
}

// A first base class for anything that holds widgets as members: the application exists
// before them.
struct WithTestApplication {
  WithTestApplication() { TestApplication(); }
};

// While it lives, answers every message box that opens with OK and keeps its text, so a test
// never blocks on one.
class MessageBoxAnswerer {
 public:
  MessageBoxAnswerer() {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        texts_ << box->text();
        box->accept();
      }
    });
    timer_.start(10);
  }
  const QStringList& Texts() const { return texts_; }

 private:
  QTimer timer_;
  QStringList texts_;
};

}  // namespace selvio::test
