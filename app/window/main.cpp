#include <QApplication>
#include <cstdio>

#include "app/window/main_window.h"

namespace {

// Qt ends the process when it cannot reach a display; say so plainly before it tries.
bool HasDisplay() {
  return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
         !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

}  // namespace

int main(int argc, char* argv[]) {
  if (!HasDisplay()) {
    std::fputs(
        "selvio: нет графического дисплея (не заданы DISPLAY и WAYLAND_DISPLAY), "
        "окно открыть негде.\n",
        stderr);
    return 1;
  }
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Selvio"));
  selvio::SelvioProgram program;
  program.Start();
  return QApplication::exec();
}
