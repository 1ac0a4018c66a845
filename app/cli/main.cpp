#include <QApplication>
#include <QTextStream>
#include <cstdio>

#include "app/cli/cli_files.h"
#include "app/cli/language_option.h"
#include "app/cli/select_command.h"

namespace {

// Qt's notes on the desktop session (no runtime folder, no session bus) say nothing about the
// selection; only its critical and fatal messages reach standard error.
void CriticalOnly(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) {
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
  }
}

}  // namespace

int main(int argc, char* argv[]) {
  // The exported documents need fonts and their pictures are charts, which are graphics
  // widgets: hence a widget application. It never shows a window, so it needs no display.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(CriticalOnly);
  QApplication application(argc, argv);
  QTextStream out(stdout);
  QTextStream err(stderr);
  QStringList arguments = QCoreApplication::arguments().mid(1);
  const selvio::LanguageOption language = selvio::TakeLanguageOption(arguments);
  selvio::InstallLanguage(language.language);
  const QString refusal = selvio::LanguageOptionRefusal(language);
  const int status =
      refusal.isEmpty() ? selvio::RunSelvioCli(arguments, out, err) : selvio::Refuse(err, refusal);
  out.flush();
  err.flush();
  return status;
}
