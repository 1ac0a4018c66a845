#pragma once

#include <QDir>
#include <QString>

namespace selvio {

// Makes a folder the process's current one for the scope's lifetime, then goes back.
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
inline QString Shown(const QString& path) { return QDir::toNativeSeparators(path); }

// Why `dir` cannot serve as the working folder, or empty when it can.
QString WorkingFolderRefusal(const QString& dir);

}  // namespace selvio
