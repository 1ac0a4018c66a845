#pragma once

#include <QDir>
#include <QJsonDocument>
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

// Why the selection file cannot be sized: "Открыть" would ignore it (missing, unreadable, not a
// regular file, a version other than 1), or it is too short to hold its version word (which
// "Открыть" reads without a word, changing nothing; a command would size the defaults as if they
// were the file's). Empty when it can. A FIFO or a device is refused without waiting on it; the
// refusal of a version never shows the file's first bytes.
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

// A text for standard output: its control characters escaped (EscapeControls) but for the line
// feeds and `kept`, so that nothing a file or the catalogue holds steers the terminal.
QString PrintableText(const QString& text, const QString& kept = {});

// A JSON document as printed, without raw control characters (JsonWithEscapedControls).
QString PrintableJson(const QJsonDocument& document,
                      QJsonDocument::JsonFormat format = QJsonDocument::Indented);

// Writes `message` (PrintableText) and a line break to `err`; returns the status of a refused
// command.
int Refuse(QTextStream& err, const QString& message);

}  // namespace selvio
