#include <QApplication>
#include <cstdio>

#include "app/files/working_folder.h"
#include "app/window/main_window.h"
#include "words/language.h"

namespace {

// Qt ends the process when it cannot reach a display; say so plainly before it tries.
bool HasDisplay() {
  return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
         !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

}  // namespace

int main(int argc, char* argv[]) {
  if (!HasDisplay()) {
    // Said before the application exists, in the language it would speak.
    const selvio::Language language =
        selvio::DecideLanguage({std::nullopt, qEnvironmentVariable("SELVIO_LANG"),
                                selvio::RememberedLanguage(), selvio::MessageLocale()});
    const QString message = selvio::TranslateInto(
        language, "MainProgram",
        QT_TRANSLATE_NOOP("MainProgram",
                          "selvio: нет графического дисплея (не заданы DISPLAY и WAYLAND_DISPLAY), "
                          "окно открыть негде."));
    std::fputs((message + QLatin1Char('\n')).toUtf8().constData(), stderr);
    return 1;
  }
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Selvio"));
  selvio::InstallLanguage(std::nullopt, selvio::RememberedLanguage());
  // Lets the desktop match the window to its menu entry and icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.selvio.Selvio"));
  {
    // Every data file is read and written in the working folder: the start folder when it
    // holds a catalogue, else the user's own folder, brought up to the installed data.
    selvio::QtControls questions(nullptr);
    if (!selvio::EnterWorkingFolder(questions)) return 1;
  }
  selvio::SelvioProgram program;
  program.Start();
  return QApplication::exec();
}
