#pragma once

#include <QApplication>

#include "modal_driver.h"

namespace selvio::test {

// The one QApplication of a widget test program, created on first use (offscreen under CTest),
// with modal windows watched from then on, so that none waits for ever. It is never destroyed:
// at exit Qt's own globals may already be gone.
inline QApplication& TestApplication() {
  static int argc = 1;
  static char name[] = "selvio-widget-tests";
  static char* argv[] = {name, nullptr};
  static QApplication* application = [] {
    auto* created = new QApplication(argc, argv);
    WatchModalWindows();
    return created;
  }();
  return *application;
}

// A first base class for anything that holds widgets as members: the application exists
// before them.
struct WithTestApplication {
  WithTestApplication() { TestApplication(); }
};

}  // namespace selvio::test
