#pragma once

#include <QDir>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <functional>

#include "platform/whole_file.h"

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
// shorter than the version word is read (it changes nothing), not refused; anything but a regular
// file (a folder, a FIFO, a device) is refused without waiting on it.
QString SelectionFileRefusal(const QString& path);

// Why a command may not write `output`: it is one of its `inputs` (empty ones are passed over),
// however reached (another path, a link). Empty when it is none of them.
QString OwnInputRefusal(const QString& output, const QStringList& inputs);

// Why a command may not write `output`, known before its work: OwnInputRefusal, or what
// CheckWriteTarget finds in the way of a file the user named (a dangling link, a folder, no
// folder to write into), worded by `failure`. Empty when nothing is known to be in the way.
using WriteFailureWords = std::function<QString(const QString& path, const WriteResult&)>;
QString OutputRefusal(const QString& output, const QStringList& inputs,
                      const WriteFailureWords& failure);

// Writes `message` and a line break to `err`; returns the status of a refused command.
int Refuse(QTextStream& err, const QString& message);

}  // namespace selvio
