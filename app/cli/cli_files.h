#pragma once

#include <QDir>
#include <QString>
#include <QTextStream>

namespace selvio {

// Makes `dir` the process's current folder for its lifetime, then goes back.
class CurrentFolderScope {
 public:
  CurrentFolderScope() : previous_(QDir::currentPath()) {}
  ~CurrentFolderScope() { QDir::setCurrent(previous_); }
  CurrentFolderScope(const CurrentFolderScope&) = delete;
  CurrentFolderScope& operator=(const CurrentFolderScope&) = delete;
  bool Enter(const QString& dir) { return QDir::setCurrent(dir); }

 private:
  QString previous_;
};

// A path as the user's system writes it.
QString Shown(const QString& path);

// Why the working folder cannot serve, or empty when it can.
QString WorkingFolderRefusal(const QString& dir);

// Why "Открыть" would ignore the selection file, or empty when it would read it. A file
// shorter than the version word is read (it changes nothing), not refused.
QString SelectionFileRefusal(const QString& path);

// Writes `message` and a line break to `err`; returns the status of a refused command.
int Refuse(QTextStream& err, const QString& message);

}  // namespace selvio
