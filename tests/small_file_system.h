#pragma once

// File systems and special files that make writing and reading fail: a small file system that
// can be filled up, FIFOs, and a watchdog that frees a reader blocked on a FIFO.

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <thread>

namespace selvio::test {

// A tmpfs of `kilobytes` mounted on a temporary folder for the test's lifetime. Mounting needs
// root (or the capability); Why() says what failed when it could not be made.
class SmallFileSystem {
 public:
  explicit SmallFileSystem(int kilobytes = 64) {
    if (!dir_.isValid()) {
      why_ = "no temporary folder";
      return;
    }
    const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k";
    if (::mount("tmpfs", QFile::encodeName(dir_.path()).constData(), "tmpfs", 0,
                options.constData()) != 0) {
      why_ = std::string("cannot mount a small tmpfs (") + std::strerror(errno) +
             "); the test needs root";
      return;
    }
    mounted_ = true;
  }
  ~SmallFileSystem() {
    if (mounted_) ::umount2(QFile::encodeName(dir_.path()).constData(), MNT_DETACH);
  }
  SmallFileSystem(const SmallFileSystem&) = delete;
  SmallFileSystem& operator=(const SmallFileSystem&) = delete;

  bool Mounted() const { return mounted_; }
  const std::string& Why() const { return why_; }
  QString Path() const { return dir_.path(); }
  QString FilePath(const QString& name) const { return dir_.filePath(name); }

  // Fills the file system to the last byte with a file "filler"; true when it is full.
  bool Fill() const {
    const int descriptor = ::open(QFile::encodeName(FilePath("filler")).constData(),
                                  O_WRONLY | O_CREAT | O_APPEND, 0600);
    if (descriptor < 0) return false;
    const QByteArray block(4096, 'f');
    // Whole blocks first, then single bytes, until even one byte finds no room.
    for (qsizetype size : {block.size(), qsizetype{1}}) {
      while (::write(descriptor, block.constData(), static_cast<std::size_t>(size)) > 0) {
      }
    }
    const bool full = errno == ENOSPC;
    ::close(descriptor);
    return full;
  }

 private:
  QTemporaryDir dir_;
  bool mounted_ = false;
  std::string why_;
};

// Makes a FIFO at `path`.
inline bool MakeFifo(const QString& path) {
  return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

// Frees whoever opened the FIFO at `path` for reading and waits on it: after `patience`, opens
// the FIFO for writing (which lets a blocked open go on) and closes it at once (the reader then
// sees the end of the file). Unblocked() tells whether it had to: a reader that never blocked
// leaves it false. The destructor ends the watch.
class FifoWatchdog {
 public:
  FifoWatchdog(const QString& path, std::chrono::milliseconds patience)
      : path_(QFile::encodeName(path)), thread_([this, patience] { Watch(patience); }) {}
  ~FifoWatchdog() {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      done_ = true;
    }
    wake_.notify_all();
    thread_.join();
  }
  FifoWatchdog(const FifoWatchdog&) = delete;
  FifoWatchdog& operator=(const FifoWatchdog&) = delete;

  bool Unblocked() const { return unblocked_; }

 private:
  void Watch(std::chrono::milliseconds patience) {
    std::unique_lock<std::mutex> lock(mutex_);
    if (wake_.wait_for(lock, patience, [this] { return done_; })) return;
    // Non-blocking: with no reader waiting the open fails (ENXIO) and there is nothing to free.
    const int descriptor = ::open(path_.constData(), O_WRONLY | O_NONBLOCK);
    if (descriptor >= 0) {
      unblocked_ = true;
      ::close(descriptor);
    }
  }

  QByteArray path_;
  std::mutex mutex_;
  std::condition_variable wake_;
  bool done_ = false;
  std::atomic<bool> unblocked_ = false;
  std::thread thread_;
};

}  // namespace selvio::test
