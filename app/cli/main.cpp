#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <QIODevice>
#include <QTextStream>
#include <cerrno>
#include <cstdio>

#include "app/cli/cli_files.h"
#include "app/cli/language_option.h"
#include "app/cli/select_command.h"
#include "app/files/file_messages.h"

namespace {

// Qt's notes on the desktop session (no runtime folder, no session bus) say nothing about the
// selection; only its critical and fatal messages reach standard error.
void CriticalOnly(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) {
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
  }
}

// Whether the standard stream `descriptor` was open; one the caller closed is opened on /dev/null,
// so that no file the program opens takes its number (and the text meant for the stream).
bool KeepStandardStream(int descriptor) {
  if (::fcntl(descriptor, F_GETFD) != -1 || errno != EBADF) return true;
  const int null = ::open("/dev/null", descriptor == STDIN_FILENO ? O_RDONLY : O_WRONLY);
  if (null >= 0 && null != descriptor) {
    ::dup2(null, descriptor);
    ::close(null);
  }
  return false;
}

// Standard output written straight to its descriptor, keeping the errno of a write that failed:
// a result redirected to a full disk or into a closed output must not pass for one delivered.
class StandardOutput : public QIODevice {
 public:
  // `closed`: the caller closed standard output, so whatever is written is lost.
  explicit StandardOutput(bool closed) : error_(closed ? EBADF : 0) {
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
  }
  int Error() const { return error_; }

 protected:
  qint64 readData(char*, qint64) override { return -1; }
  qint64 writeData(const char* data, qint64 size) override {
    qint64 left = size;
    while (left > 0) {
      const ssize_t written = ::write(STDOUT_FILENO, data, static_cast<std::size_t>(left));
      if (written < 0 && errno == EINTR) continue;
      if (written <= 0) {
        if (error_ == 0) error_ = written == 0 ? EIO : errno;
        return -1;
      }
      data += written;
      left -= written;
    }
    return size;
  }

 private:
  int error_;
};

}  // namespace

int main(int argc, char* argv[]) {
  KeepStandardStream(STDIN_FILENO);
  const bool outputOpen = KeepStandardStream(STDOUT_FILENO);
  KeepStandardStream(STDERR_FILENO);
  // The exported documents need fonts and their pictures are charts, which are graphics
  // widgets: hence a widget application. It never shows a window, so it needs no display.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(CriticalOnly);
  QApplication application(argc, argv);
  StandardOutput standardOutput(!outputOpen);
  QTextStream out(&standardOutput);
  QTextStream err(stderr);
  QStringList arguments = QCoreApplication::arguments().mid(1);
  const selvio::LanguageOption language = selvio::TakeLanguageOption(arguments);
  selvio::InstallLanguage(language.language);
  const QString refusal = selvio::LanguageOptionRefusal(language);
  const int status =
      refusal.isEmpty() ? selvio::RunSelvioCli(arguments, out, err) : selvio::Refuse(err, refusal);
  out.flush();
  if (standardOutput.Error() != 0 || out.status() != QTextStream::Ok) {
    const int error = standardOutput.Error() != 0 ? standardOutput.Error() : EIO;
    return selvio::Refuse(err, selvio::OutputNotWrittenMessage(error));
  }
  err.flush();
  return status;
}
