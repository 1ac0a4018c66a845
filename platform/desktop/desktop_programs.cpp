#include "platform/desktop/desktop_programs.h"

#include <QDesktopServices>
#include <QProcess>

namespace selvio {
namespace {

// The desktop entry xdg-mime names for `mimeType`, empty when there is none or xdg-mime
// cannot be run.
QString DefaultDesktopEntry(const QString& mimeType) {
  QProcess process;
  process.start(QStringLiteral("xdg-mime"),
                {QStringLiteral("query"), QStringLiteral("default"), mimeType});
  if (!process.waitForFinished(10000) || process.exitStatus() != QProcess::NormalExit ||
      process.exitCode() != 0) {
    process.kill();
    return {};
  }
  return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

}  // namespace

bool DesktopUserPrograms::OpenFile(const QString& path) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool DesktopUserPrograms::OpenUrl(const QUrl& url) { return QDesktopServices::openUrl(url); }

bool DesktopUserPrograms::HasHandlerForType(const QString& mimeType) const {
  return !DefaultDesktopEntry(mimeType).isEmpty();
}

bool DesktopUserPrograms::HasHandlerForScheme(const QString& scheme) const {
  return !DefaultDesktopEntry(QStringLiteral("x-scheme-handler/") + scheme).isEmpty();
}

}  // namespace selvio
