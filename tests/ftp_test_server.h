#pragma once

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdlib>

#include "update/update_settings.h"

namespace selvio::test {

// tests/ftp_test_server.py on loopback over `root`, stopped when this goes. Port() is 0 when
// it did not start.
class FtpTestServer {
 public:
  explicit FtpTestServer(const QString& root, const QString& mode = QStringLiteral("normal")) {
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(QStringLiteral("/usr/bin/python3"),
                   {QStringLiteral(SELVIO_FTP_SERVER_SCRIPT), root, QStringLiteral("--mode"), mode,
                    QStringLiteral("--lifetime"), QStringLiteral("300")});
    if (!process_.waitForStarted(10000)) return;
    while (!process_.canReadLine() && process_.waitForReadyRead(10000)) {
    }
    const QByteArray line = process_.readLine().trimmed();
    if (line.startsWith("PORT ")) port_ = line.mid(5).toInt();
  }
  ~FtpTestServer() {
    process_.kill();
    process_.waitForFinished(10000);
  }
  FtpTestServer(const FtpTestServer&) = delete;
  FtpTestServer& operator=(const FtpTestServer&) = delete;

  int Port() const { return port_; }
  QString Address() const { return QStringLiteral("127.0.0.1:%1").arg(port_); }
  // The settings that reach `folder` on this server as its user.
  UpdateSettings Settings(const QString& folder = QStringLiteral("pub")) const {
    return {Address(), QStringLiteral("updater"), QStringLiteral("secret"), folder};
  }

 private:
  QProcess process_;
  int port_ = 0;
};

// A loopback port that nothing listens on: one the system just handed out and took back.
inline int ClosedPort() {
  const int probe = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  bind(probe, reinterpret_cast<sockaddr*>(&address), length);
  getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length);
  close(probe);
  return ntohs(address.sin_port);
}

inline void WriteFile(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).path());
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
  file.write(bytes);
}

inline QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// The form's test catalogue with its date ("01.03.2024") replaced by `date`; `extra` goes in
// before the end of the document.
inline QByteArray TestCatalogue(const QString& date, const QByteArray& extra = {}) {
  QByteArray text =
      ReadFile(QString::fromLocal8Bit(std::getenv("SELVIO_TEST_DATA_DIR")) + "/form/xmldata.xml");
  text.replace("01.03.2024", date.toUtf8());
  text.replace("</xmldata>", extra + "</xmldata>");
  return text;
}

}  // namespace selvio::test
