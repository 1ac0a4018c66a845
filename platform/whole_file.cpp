#include "platform/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace selvio {
namespace {

QByteArray Native(const QString& path) { return QFile::encodeName(path); }

// The file a write replaces, as WriteFileWhole resolves it.
struct Target {
  WriteResult refusal;         // converts to true when the target can be written
  QByteArray path;             // the name the new file is renamed to
  std::optional<mode_t> mode;  // the permissions of the file replaced
};

Target ResolveTarget(const QString& path, LinkPolicy links) {
  Target target;
  target.path = Native(path);
  struct stat status {};
  if (::lstat(target.path.constData(), &status) != 0) return target;  // a new file
  if (S_ISLNK(status.st_mode)) {
    if (links == LinkPolicy::ReplaceLink) {
      target.refusal.replacedExisting = true;
      return target;
    }
    const std::unique_ptr<char, decltype(&std::free)> resolved(
        ::realpath(target.path.constData(), nullptr), &std::free);
    if (!resolved || ::stat(resolved.get(), &status) != 0) {
      target.refusal = {WriteError::DanglingLink, errno, false};
      return target;
    }
    target.path = resolved.get();
  }
  if (!S_ISREG(status.st_mode)) {
    target.refusal = {WriteError::NotAFile, 0, false};
    return target;
  }
  target.refusal.replacedExisting = true;
  target.mode = status.st_mode & 07777;
  return target;
}

QByteArray FolderOf(const QByteArray& path) {
  const qsizetype slash = path.lastIndexOf('/');
  if (slash < 0) return QByteArrayLiteral(".");
  return slash == 0 ? QByteArrayLiteral("/") : path.left(slash);
}

QByteArray RandomLetters(int count) {
  static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  QByteArray letters(count, '\0');
  for (char& letter : letters) {
    letter = kLetters[QRandomGenerator::global()->bounded(int{sizeof kLetters - 1})];
  }
  return letters;
}

// A new file beside `target`, hidden, named after it when the name leaves room.
struct NewFile {
  int descriptor = -1;
  QByteArray path;
  int error = 0;
};

NewFile CreateBeside(const QByteArray& target, mode_t mode) {
  const QByteArray folder = FolderOf(target);
  const QByteArray name = target.mid(target.lastIndexOf('/') + 1);
  const QByteArray stem =
      name.size() + 9 <= NAME_MAX ? "." + name + "." : QByteArrayLiteral(".selvio-");
  NewFile file;
  for (int attempt = 0; attempt < 100; ++attempt) {
    file.path = folder + "/" + stem + RandomLetters(6);
    file.descriptor =
        ::open(file.path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, mode);
    if (file.descriptor >= 0) return file;
    if (errno != EEXIST) break;
  }
  file.error = errno;
  return file;
}

// Writes every byte; the errno of the write that failed, 0 when all went.
int WriteAll(int descriptor, const QByteArray& bytes) {
  const char* data = bytes.constData();
  std::size_t left = static_cast<std::size_t>(bytes.size());
  while (left > 0) {
    const ssize_t written = ::write(descriptor, data, left);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return written == 0 ? ENOSPC : errno;
    data += written;
    left -= static_cast<std::size_t>(written);
  }
  return 0;
}

// The rename itself is on the disk only once the folder is synced; a failure here no longer
// affects the files, so it is not reported.
void SyncFolder(const QByteArray& folder) {
  const int descriptor = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor < 0) return;
  ::fsync(descriptor);
  ::close(descriptor);
}

mode_t ModeOf(QFileDevice::Permissions permissions) {
  mode_t mode = 0;
  const std::pair<QFileDevice::Permission, mode_t> bits[] = {
      {QFileDevice::ReadOwner, S_IRUSR},  {QFileDevice::WriteOwner, S_IWUSR},
      {QFileDevice::ExeOwner, S_IXUSR},   {QFileDevice::ReadGroup, S_IRGRP},
      {QFileDevice::WriteGroup, S_IWGRP}, {QFileDevice::ExeGroup, S_IXGRP},
      {QFileDevice::ReadOther, S_IROTH},  {QFileDevice::WriteOther, S_IWOTH},
      {QFileDevice::ExeOther, S_IXOTH}};
  for (const auto& [permission, bit] : bits) {
    if (permissions.testFlag(permission)) mode |= bit;
  }
  return mode;
}

// An open regular file at `path`, or why there is none; never waits on a FIFO.
struct OpenedFile {
  int descriptor = -1;
  ReadResult refusal;
  qint64 size = 0;
};

ReadResult ReadRefusal(ReadError error, int systemError) { return {{}, error, systemError}; }

OpenedFile OpenForReading(const QString& path) {
  OpenedFile file;
  const QByteArray native = Native(path);
  struct stat status {};
  // Looked at before opening: opening a FIFO waits for a writer, opening a device may act.
  if (::stat(native.constData(), &status) != 0) {
    file.refusal = ReadRefusal(errno == ENOENT ? ReadError::Missing : ReadError::Unreadable, errno);
    return file;
  }
  if (!S_ISREG(status.st_mode)) {
    file.refusal = ReadRefusal(ReadError::NotAFile, 0);
    return file;
  }
  // O_NONBLOCK: should a FIFO have taken the file's place since, opening it does not wait.
  file.descriptor = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (file.descriptor < 0) {
    file.refusal = ReadRefusal(errno == ENOENT ? ReadError::Missing : ReadError::Unreadable, errno);
    return file;
  }
  if (::fstat(file.descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
    ::close(file.descriptor);
    file.descriptor = -1;
    file.refusal = ReadRefusal(ReadError::NotAFile, 0);
    return file;
  }
  file.size = status.st_size;
  return file;
}

// Reads up to `count` bytes of a file of `size` bytes as its file system says; with
// `refuseMore`, a file that has more is refused as too large.
ReadResult ReadOpened(int descriptor, qint64 size, qint64 count, bool refuseMore) {
  constexpr qint64 kChunk = 64 * 1024;
  ReadResult result;
  result.bytes.reserve(std::min(size, count) + 1);
  const qint64 wanted = refuseMore ? count + 1 : count;
  while (result.bytes.size() < wanted) {
    const qint64 before = result.bytes.size();
    const qint64 chunk = std::min(kChunk, wanted - before);
    result.bytes.resize(before + chunk);
    const ssize_t got =
        ::read(descriptor, result.bytes.data() + before, static_cast<std::size_t>(chunk));
    if (got < 0 && errno == EINTR) {
      result.bytes.resize(before);
      continue;
    }
    if (got < 0) return ReadRefusal(ReadError::Unreadable, errno);
    result.bytes.resize(before + got);
    if (got == 0) break;
  }
  if (refuseMore && result.bytes.size() > count) return ReadRefusal(ReadError::TooLarge, 0);
  return result;
}

}  // namespace

WriteResult CheckWriteTarget(const QString& path, LinkPolicy links) {
  const Target target = ResolveTarget(path, links);
  if (!target.refusal) return target.refusal;
  const QByteArray folder = FolderOf(target.path);
  struct stat status {};
  if (::stat(folder.constData(), &status) != 0) return {WriteError::NotCreated, errno, false};
  if (!S_ISDIR(status.st_mode)) return {WriteError::NotCreated, ENOTDIR, false};
  if (::access(folder.constData(), W_OK | X_OK) != 0) {
    return {WriteError::NotCreated, errno, target.refusal.replacedExisting};
  }
  return target.refusal;
}

WriteResult WriteFileWhole(const QString& path, const QByteArray& bytes, LinkPolicy links,
                           std::optional<QFileDevice::Permissions> permissions) {
  const Target target = ResolveTarget(path, links);
  if (!target.refusal) return target.refusal;
  const bool existed = target.refusal.replacedExisting;
  const mode_t mode = permissions ? ModeOf(*permissions) : target.mode.value_or(0666);
  NewFile file = CreateBeside(target.path, mode);
  if (file.descriptor < 0) return {WriteError::NotCreated, file.error, existed};
  // The umask applied at creation; the permissions of the file replaced are kept as they were.
  int error = (permissions || target.mode) && ::fchmod(file.descriptor, mode) != 0 ? errno : 0;
  if (error == 0) error = WriteAll(file.descriptor, bytes);
  if (error == 0 && ::fsync(file.descriptor) != 0) error = errno;
  if (::close(file.descriptor) != 0 && error == 0) error = errno;
  if (error != 0) {
    ::unlink(file.path.constData());
    return {WriteError::NotWritten, error, existed};
  }
  if (std::rename(file.path.constData(), target.path.constData()) != 0) {
    error = errno;
    ::unlink(file.path.constData());
    return {WriteError::NotRenamed, error, existed};
  }
  SyncFolder(FolderOf(target.path));
  return {WriteError::None, 0, existed};
}

ReadResult ReadFileWhole(const QString& path, qint64 limit) {
  const OpenedFile file = OpenForReading(path);
  if (file.descriptor < 0) return file.refusal;
  if (file.size > limit) {
    ::close(file.descriptor);
    return ReadRefusal(ReadError::TooLarge, 0);
  }
  ReadResult result = ReadOpened(file.descriptor, file.size, limit, true);
  ::close(file.descriptor);
  return result;
}

ReadResult ReadFileStart(const QString& path, qint64 count) {
  const OpenedFile file = OpenForReading(path);
  if (file.descriptor < 0) return file.refusal;
  ReadResult result = ReadOpened(file.descriptor, file.size, count, false);
  ::close(file.descriptor);
  return result;
}

ReadError OpenRegularFile(const QString& path, QFile& file) {
  const OpenedFile opened = OpenForReading(path);
  if (opened.descriptor < 0) return opened.refusal.error;
  if (!file.open(opened.descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
    ::close(opened.descriptor);
    return ReadError::Unreadable;
  }
  return ReadError::None;
}

bool IsSameFile(const QString& a, const QString& b) {
  struct stat first {};
  struct stat second {};
  return ::stat(Native(a).constData(), &first) == 0 &&
         ::stat(Native(b).constData(), &second) == 0 && first.st_dev == second.st_dev &&
         first.st_ino == second.st_ino;
}

}  // namespace selvio
