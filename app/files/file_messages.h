#pragma once

#include <QString>

#include "platform/whole_file.h"

// What the user is told when a file cannot be written or read: every such text of the window and
// the command line, in one place (Qt's translation context "FileMessages"). Paths are shown as
// the user's system writes them.
namespace selvio {

// Why a write failed, and, when a file stood at the target, that it is as it was: "на диске нет
// места; прежний файл не изменен".
QString WriteFailureReason(const WriteResult& result);

// Why a read was refused; `limit` is the size limit the read had.
QString ReadFailureReason(const ReadResult& result, qint64 limit);

// A command whose output would replace one of its own input files.
QString SameFileRefusal(const QString& input, const QString& output);

// The window's "Выход": the settings file could not be written; the program closes all the same.
QString SettingsNotSavedMessage(const QString& path, const WriteResult& result);
// The window's "Сохранить как".
QString SelectionNotSavedMessage(const QString& path, const WriteResult& result);
// The selection's document ("select --export").
QString DocumentNotWrittenMessage(const QString& path, const WriteResult& result);
// The project's schedule, in the window and the command line.
QString ScheduleNotWrittenMessage(const QString& path, const WriteResult& result);
// The project window's schedule, chosen in place of the project's own file.
QString ScheduleOverProjectMessage(const QString& path);
// The project file, not naming it (the command line adds the name).
QString ProjectNotWrittenMessage(const WriteResult& result);
QString ProjectTooLargeMessage(qint64 limit);
QString ProjectNotReadMessage(const ReadResult& result, qint64 limit);
// The command line's standard output did not take the result (`error`: the errno of the
// failure, a full disk behind a redirection, a closed output).
QString OutputNotWrittenMessage(int error);
// The command line's inputs.
QString CsvNotReadMessage(const QString& path, const ReadResult& result, qint64 limit);
QString SelectionFileNotReadMessage(const QString& path, const ReadResult& result);

}  // namespace selvio
