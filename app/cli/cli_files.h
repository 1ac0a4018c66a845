#pragma once

#include <QDir>
#include <QJsonDocument>
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

// Why the selection file cannot be sized: "Открыть" would ignore it (missing, unreadable, a
// version other than 1), or it is too short to hold its version word (which "Открыть" reads
// without a word, changing nothing; a command would size the defaults as if they were the
// file's). Empty when it can. The refusal of a version never shows the file's first bytes.
QString SelectionFileRefusal(const QString& path);

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
