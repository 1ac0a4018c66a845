#pragma once

#include <QByteArray>
#include <QFile>
#include <QFileDevice>
#include <QString>
#include <optional>

// Files read and written whole: every file the program writes goes through WriteFileWhole, every
// file it reads through ReadFileWhole, ReadFileStart or OpenRegularFile.
namespace selvio {

// What a write does with a symbolic link standing at its target.
enum class LinkPolicy {
  // A file of the program's working folder: the link itself is replaced by the new file, so
  // nothing is ever written where a link points (another user's file, a file outside the folder).
  ReplaceLink,
  // A file the user named: a link to an existing file is followed and that file is replaced; a
  // link that leads nowhere is refused.
  FollowToFile,
};

enum class WriteError {
  None,
  DanglingLink,  // the target is a symbolic link to nothing (LinkPolicy::FollowToFile)
  NotAFile,      // a folder, a device, a FIFO or a socket stands at the target
  NotCreated,    // no file could be created beside the target (`systemError` says why)
  NotWritten,    // writing, syncing or closing the new file failed (`systemError`: a full disk...)
  NotRenamed,    // the complete new file could not take the target's place
  NoContent,     // the content itself could not be produced (a document writer failed)
};

struct WriteResult {
  WriteError error = WriteError::None;
  int systemError = 0;            // errno of the call that failed; 0 when none did
  bool replacedExisting = false;  // a file stood at the target (and stays as it was on failure)

  explicit operator bool() const { return error == WriteError::None; }
};

// Writes `bytes` as the file at `path`: into a new file beside the target, every write checked,
// synced to the disk and closed, then renamed over the target. So the target is replaced whole or
// not at all: any failure (a full disk, no permission, the process killed half-way) leaves the
// previous file exactly as it was, and two writers of one target each leave a whole file (the last
// one's). The new file keeps the permissions of the file it replaces, or has `permissions`; a new
// one without `permissions` gets the usual ones (0666 less the umask). A folder, a device or a FIFO
// at the target is refused, never replaced; a link as `links` says.
WriteResult WriteFileWhole(const QString& path, const QByteArray& bytes, LinkPolicy links,
                           std::optional<QFileDevice::Permissions> permissions = std::nullopt);

// Why WriteFileWhole would refuse `path` before writing anything (a dangling link, something
// other than a file in the way, no folder to write into); a result that converts to true when
// nothing is known to be in the way. For commands that check their outputs before the work.
WriteResult CheckWriteTarget(const QString& path, LinkPolicy links);

enum class ReadError {
  None,
  Missing,     // nothing at the path (or a link that leads nowhere)
  NotAFile,    // a folder, a device, a FIFO or a socket: refused without reading or waiting
  Unreadable,  // no permission, or reading failed (`systemError`)
  TooLarge,    // more bytes than the limit
};

struct ReadResult {
  QByteArray bytes;
  ReadError error = ReadError::None;
  int systemError = 0;

  explicit operator bool() const { return error == ReadError::None; }
};

// The whole regular file at `path` (links followed), or why not. A file of more than `limit`
// bytes is refused: at once when the file system says it is larger, otherwise as soon as more than
// `limit` bytes have arrived (a file that grows while it is read), never read further. Anything but
// a regular file is refused before it is read, so a FIFO never blocks and a device such as
// /dev/zero is never read.
ReadResult ReadFileWhole(const QString& path, qint64 limit);

// The first `count` bytes of the regular file at `path` (fewer when the file is shorter); the rest
// is not read. Refuses what ReadFileWhole refuses, the size aside.
ReadResult ReadFileStart(const QString& path, qint64 count);

// Opens the regular file at `path` for reading into `file`, for a reader that streams it (the
// file is finite, and the reader stops where it likes). ReadError::None when `file` is open.
ReadError OpenRegularFile(const QString& path, QFile& file);

// Whether `a` and `b` are the same file, however reached (another path, a link, a hard link).
// False when either does not exist.
bool IsSameFile(const QString& a, const QString& b);

}  // namespace selvio
