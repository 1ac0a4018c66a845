#pragma once

// Running selvio-cli from tests: its command in this process or the built executable, and a
// temporary folder to run it in.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextStream>
#include <clocale>
#include <cstdlib>
#include <string>

#include "app/cli/select_command.h"

namespace selvio::test {

inline QString EnvPath(const char* name) { return QString::fromLocal8Bit(std::getenv(name)); }

// Whether the system has the Russian locale; the process locale is left as it was.
inline bool RussianLocaleInstalled() {
  const std::string previous = std::setlocale(LC_ALL, nullptr);
  const bool installed = std::setlocale(LC_ALL, "ru_RU.UTF-8") != nullptr;
  std::setlocale(LC_ALL, previous.c_str());
  return installed;
}

struct RunResult {
  int status = -1;
  QString out;
  QString err;
};

// The command line after the program name, run in this process.
inline RunResult RunInProcess(const QStringList& arguments) {
  RunResult result;
  QTextStream out(&result.out);
  QTextStream err(&result.err);
  result.status = RunSelvioCli(arguments, out, err);
  out.flush();
  err.flush();
  return result;
}

struct ProcessResult {
  int status = -1;
  QByteArray out;
  QByteArray err;
};

#ifdef SELVIO_CLI_PATH  // defined for the test targets that start the built program
// The built selvio-cli with `arguments`, started in `workingDir` with LC_ALL and LANG set to
// `locale`.
inline ProcessResult RunExecutable(const QStringList& arguments, const QString& workingDir,
                                   const QString& locale) {
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("LC_ALL"), locale);
  environment.insert(QStringLiteral("LANG"), locale);
  environment.remove(QStringLiteral("QT_QPA_PLATFORM"));  // the program needs no display
  process.setProcessEnvironment(environment);
  process.setWorkingDirectory(workingDir);
  process.start(QStringLiteral(SELVIO_CLI_PATH), arguments);
  ProcessResult result;
  if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
    ADD_FAILURE() << "selvio-cli did not finish: " << process.errorString().toStdString();
    return result;
  }
  result.status = process.exitCode();
  result.out = process.readAllStandardOutput();
  result.err = process.readAllStandardError();
  return result;
}
#endif

// A temporary folder with a working folder "work" for copies of data files and a folder
// "files" for the files the program reads, so nothing lands in the repository.
class CliFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("work")));
    ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("files")));
  }

  void CopyIntoWork(const QString& fromDir, const QStringList& names) {
    for (const QString& name : names) {
      ASSERT_TRUE(QFile::copy(fromDir + '/' + name, Work() + '/' + name)) << name.toStdString();
    }
  }

  QString Work() const { return dir_.filePath(QStringLiteral("work")); }
  QString FilePath(const QString& name) const { return dir_.filePath("files/" + name); }

  QString WriteBytes(const QString& name, const QByteArray& bytes) {
    const QString path = FilePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
  }

  QTemporaryDir dir_;
};

}  // namespace selvio::test
