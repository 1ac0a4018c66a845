#include "platform/whole_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

#include "tests/small_file_system.h"

namespace selvio::test {
namespace {

using namespace std::chrono_literals;

QByteArray FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool PutFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

mode_t ModeOf(const QString& path) {
  struct stat status {};
  ::lstat(QFile::encodeName(path).constData(), &status);
  return status.st_mode;
}

class WholeFileTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
  QString Path(const QString& name) const { return dir_.filePath(name); }
  // The names in the folder: a write leaves no temporary file behind, whatever its outcome.
  QStringList Names() const {
    return QDir(dir_.path())
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
  }

  QTemporaryDir dir_;
};

TEST_F(WholeFileTest, ReplacesAFileWholeKeepingItsPermissions) {
  ASSERT_TRUE(PutFile(Path("a.txt"), "old contents, longer than the new ones"));
  ASSERT_TRUE(QFile::setPermissions(
      Path("a.txt"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup));
  const WriteResult written = WriteFileWhole(Path("a.txt"), "new", LinkPolicy::FollowToFile);
  ASSERT_TRUE(written);
  EXPECT_TRUE(written.replacedExisting);
  EXPECT_EQ(FileBytes(Path("a.txt")), "new");
  EXPECT_EQ(ModeOf(Path("a.txt")) & 0777, 0640u);
  EXPECT_EQ(Names(), QStringList{"a.txt"});
}

TEST_F(WholeFileTest, ANewFileGetsTheUsualPermissionsOrTheOnesAsked) {
  const mode_t mask = ::umask(022);
  ASSERT_TRUE(WriteFileWhole(Path("plain"), "x", LinkPolicy::FollowToFile));
  ASSERT_TRUE(WriteFileWhole(Path("secret"), "x", LinkPolicy::ReplaceLink,
                             QFileDevice::ReadOwner | QFileDevice::WriteOwner));
  ::umask(mask);
  EXPECT_EQ(ModeOf(Path("plain")) & 0777, 0644u);  // 0666 less the umask 022
  EXPECT_EQ(ModeOf(Path("secret")) & 0777, 0600u);
}

// The two policies for a link at the target: a file of the working folder replaces the link;
// a file the user named is written where the link leads, and a link to nothing is refused.
TEST_F(WholeFileTest, LinksAreReplacedOrFollowedAsAsked) {
  ASSERT_TRUE(PutFile(Path("pointed"), "pointed"));
  ASSERT_TRUE(QFile::link(Path("pointed"), Path("working")));
  ASSERT_TRUE(WriteFileWhole(Path("working"), "new", LinkPolicy::ReplaceLink));
  EXPECT_FALSE(QFileInfo(Path("working")).isSymLink());
  EXPECT_EQ(FileBytes(Path("working")), "new");
  EXPECT_EQ(FileBytes(Path("pointed")), "pointed");

  ASSERT_TRUE(QFile::link(Path("pointed"), Path("named")));
  ASSERT_TRUE(WriteFileWhole(Path("named"), "followed", LinkPolicy::FollowToFile));
  EXPECT_TRUE(QFileInfo(Path("named")).isSymLink());
  EXPECT_EQ(FileBytes(Path("pointed")), "followed");

  ASSERT_TRUE(QFile::link(Path("nowhere"), Path("dangling")));
  const WriteResult refused = WriteFileWhole(Path("dangling"), "x", LinkPolicy::FollowToFile);
  EXPECT_EQ(refused.error, WriteError::DanglingLink);
  EXPECT_FALSE(QFile::exists(Path("nowhere")));
  EXPECT_EQ(CheckWriteTarget(Path("dangling"), LinkPolicy::FollowToFile).error,
            WriteError::DanglingLink);
  // The working folder's rule replaces even a link that leads nowhere.
  ASSERT_TRUE(WriteFileWhole(Path("dangling"), "x", LinkPolicy::ReplaceLink));
  EXPECT_FALSE(QFileInfo(Path("dangling")).isSymLink());
  EXPECT_FALSE(QFile::exists(Path("nowhere")));
  EXPECT_EQ(Names(), (QStringList{"dangling", "named", "pointed", "working"}));
}

TEST_F(WholeFileTest, AFolderOrAFifoInThePlaceIsLeftAlone) {
  ASSERT_TRUE(QDir(dir_.path()).mkdir("folder"));
  ASSERT_TRUE(MakeFifo(Path("fifo")));
  ASSERT_TRUE(QFile::link(Path("fifo"), Path("to-fifo")));
  for (const char* name : {"folder", "fifo", "to-fifo"}) {
    for (LinkPolicy links : {LinkPolicy::ReplaceLink, LinkPolicy::FollowToFile}) {
      if (QString(name) == "to-fifo" && links == LinkPolicy::ReplaceLink) continue;
      EXPECT_EQ(WriteFileWhole(Path(name), "x", links).error, WriteError::NotAFile) << name;
      EXPECT_EQ(CheckWriteTarget(Path(name), links).error, WriteError::NotAFile) << name;
    }
  }
  EXPECT_TRUE(QFileInfo(Path("folder")).isDir());
  EXPECT_TRUE(S_ISFIFO(ModeOf(Path("fifo"))));
  EXPECT_EQ(Names(), (QStringList{"fifo", "folder", "to-fifo"}));
}

TEST_F(WholeFileTest, NoFolderToWriteInto) {
  const WriteResult written = WriteFileWhole(Path("missing/a"), "x", LinkPolicy::FollowToFile);
  EXPECT_EQ(written.error, WriteError::NotCreated);
  EXPECT_EQ(written.systemError, ENOENT);
  EXPECT_EQ(CheckWriteTarget(Path("missing/a"), LinkPolicy::FollowToFile).error,
            WriteError::NotCreated);
  EXPECT_TRUE(CheckWriteTarget(Path("new"), LinkPolicy::FollowToFile));
}

// A full disk fails the write, whether the content is larger than what is left or a few bytes
// that a buffered writer would only try to put on the disk when it is closed; the previous
// file is as it was, and no temporary file stays.
TEST(WholeFileOnAFullDisk, FailsAndLeavesThePreviousFile) {
  SmallFileSystem disk(64);
  if (!disk.Mounted()) GTEST_SKIP() << disk.Why();
  const QString target = disk.FilePath("user.bin");
  ASSERT_TRUE(PutFile(target, "previous"));
  ASSERT_TRUE(disk.Fill());
  for (const QByteArray& bytes : {QByteArray(100000, 'n'), QByteArray("tiny")}) {
    const WriteResult written = WriteFileWhole(target, bytes, LinkPolicy::ReplaceLink);
    EXPECT_TRUE(written.error == WriteError::NotWritten || written.error == WriteError::NotCreated)
        << bytes.size();
    EXPECT_EQ(written.systemError, ENOSPC) << bytes.size();
    EXPECT_TRUE(written.replacedExisting);
    EXPECT_EQ(FileBytes(target), "previous");
  }
  EXPECT_EQ(QDir(disk.Path()).entryList(QDir::Files | QDir::Hidden),
            (QStringList{"filler", "user.bin"}));
}

// Writers of one file at the same time each leave a whole file: the one that renamed last.
TEST_F(WholeFileTest, WritersOfOneFileAtOnceLeaveOneWholeFile) {
  std::vector<QByteArray> contents;
  for (char fill : {'a', 'b', 'c', 'd'}) contents.push_back(QByteArray(300000, fill));
  std::vector<std::thread> writers;
  std::atomic<int> failures = 0;
  for (const QByteArray& bytes : contents) {
    writers.emplace_back([&, bytes] {
      for (int round = 0; round < 10; ++round) {
        if (!WriteFileWhole(Path("shared.pdf"), bytes, LinkPolicy::FollowToFile)) ++failures;
      }
    });
  }
  for (std::thread& writer : writers) writer.join();
  EXPECT_EQ(failures, 0);
  const QByteArray result = FileBytes(Path("shared.pdf"));
  EXPECT_NE(std::find(contents.begin(), contents.end(), result), contents.end())
      << "a mixed file of " << result.size() << " bytes";
  EXPECT_EQ(Names(), QStringList{"shared.pdf"});
}

TEST_F(WholeFileTest, ReadsARegularFileWholeOrAsMuchAsAsked) {
  ASSERT_TRUE(PutFile(Path("a"), "0123456789"));
  ASSERT_TRUE(QFile::link(Path("a"), Path("link")));
  EXPECT_EQ(ReadFileWhole(Path("a"), 10).bytes, "0123456789");
  EXPECT_EQ(ReadFileWhole(Path("link"), 10).bytes, "0123456789");
  EXPECT_EQ(ReadFileWhole(Path("a"), 9).error, ReadError::TooLarge);
  EXPECT_EQ(ReadFileStart(Path("a"), 4).bytes, "0123");
  EXPECT_EQ(ReadFileStart(Path("a"), 40).bytes, "0123456789");
  EXPECT_EQ(ReadFileWhole(Path("missing"), 10).error, ReadError::Missing);
  ASSERT_TRUE(QFile::link(Path("nowhere"), Path("dangling")));
  EXPECT_EQ(ReadFileWhole(Path("dangling"), 10).error, ReadError::Missing);
  ASSERT_TRUE(QDir(dir_.path()).mkdir("folder"));
  EXPECT_EQ(ReadFileWhole(Path("folder"), 10).error, ReadError::NotAFile);
}

// A FIFO is refused without opening it (an open for reading would wait for a writer), and so is
// a device that never ends.
TEST_F(WholeFileTest, AFifoOrADeviceIsRefusedWithoutWaitingOrReading) {
  ASSERT_TRUE(MakeFifo(Path("fifo")));
  ASSERT_TRUE(QFile::link("/dev/zero", Path("zero")));
  for (const char* name : {"fifo", "zero"}) {
    const FifoWatchdog watchdog(Path("fifo"), 3s);
    EXPECT_EQ(ReadFileWhole(Path(name), 1 << 20).error, ReadError::NotAFile) << name;
    EXPECT_EQ(ReadFileStart(Path(name), 4).error, ReadError::NotAFile) << name;
    QFile file;
    EXPECT_EQ(OpenRegularFile(Path(name), file), ReadError::NotAFile) << name;
    EXPECT_FALSE(file.isOpen());
    EXPECT_FALSE(watchdog.Unblocked()) << name << ": a read waited on the FIFO";
  }
}

// A file far over the limit is refused at once from its size, not read: a sparse file of 1 GB
// would take seconds to read.
TEST_F(WholeFileTest, AFileOverTheLimitIsRefusedWithoutReadingIt) {
  QFile big(Path("big"));
  ASSERT_TRUE(big.open(QIODevice::WriteOnly) && big.resize(qint64{1} << 30));
  big.close();
  QElapsedTimer timer;
  timer.start();
  EXPECT_EQ(ReadFileWhole(Path("big"), 16 << 20).error, ReadError::TooLarge);
  EXPECT_LT(timer.elapsed(), 500);
}

TEST_F(WholeFileTest, SameFileHoweverReached) {
  ASSERT_TRUE(PutFile(Path("a"), "a"));
  ASSERT_TRUE(PutFile(Path("b"), "a"));
  ASSERT_TRUE(QFile::link(Path("a"), Path("link")));
  ASSERT_EQ(
      ::link(QFile::encodeName(Path("a")).constData(), QFile::encodeName(Path("hard")).constData()),
      0);
  ASSERT_TRUE(QDir(dir_.path()).mkdir("sub"));
  EXPECT_TRUE(IsSameFile(Path("a"), Path("a")));
  EXPECT_TRUE(IsSameFile(Path("a"), Path("sub/../a")));
  EXPECT_TRUE(IsSameFile(Path("a"), Path("link")));
  EXPECT_TRUE(IsSameFile(Path("hard"), Path("a")));
  EXPECT_FALSE(IsSameFile(Path("a"), Path("b")));
  EXPECT_FALSE(IsSameFile(Path("a"), Path("missing")));
  EXPECT_FALSE(IsSameFile(Path("missing"), Path("missing")));
}

}  // namespace
}  // namespace selvio::test
