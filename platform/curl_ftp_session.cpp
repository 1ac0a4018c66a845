#include <curl/curl.h>

#include <QIODevice>
#include <QUrl>
#include <mutex>

#include "platform/ftp_listing.h"
#include "platform/ftp_session.h"

namespace selvio {
namespace {

void InitialiseCurlOnce() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

// A server field that would change the URL's meaning beyond host and port.
bool IsPlainServer(const QString& server) {
  static const QString forbidden = QStringLiteral("/\\@?#%; \t\r\n");
  if (server.isEmpty()) return false;
  for (QChar c : server) {
    if (forbidden.contains(c)) return false;
  }
  return true;
}

// The folder as a URL path ending in "/": segments percent-encoded, an absolute folder marked
// with "%2F" so that curl's single CWD names it from the root.
QByteArray FolderPath(const QString& folder) {
  QByteArray path = folder.startsWith(QLatin1Char('/')) ? "%2F" : "";
  for (const QString& segment : folder.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
    path += QUrl::toPercentEncoding(segment) + '/';
  }
  return path;
}

size_t WriteToDevice(char* data, size_t size, size_t count, void* device) {
  const qint64 written =
      static_cast<QIODevice*>(device)->write(data, static_cast<qint64>(size * count));
  return written < 0 ? 0 : static_cast<size_t>(written);
}

size_t WriteToBytes(char* data, size_t size, size_t count, void* bytes) {
  static_cast<QByteArray*>(bytes)->append(data, static_cast<qsizetype>(size * count));
  return size * count;
}

int ReportProgress(void* progress, curl_off_t announced, curl_off_t received, curl_off_t,
                   curl_off_t) {
  const FtpProgress& report = *static_cast<const FtpProgress*>(progress);
  return report && !report(received, announced) ? 1 : 0;
}

FtpStatus ListingStatus(CURLcode code) {
  switch (code) {
    case CURLE_OK:
      return FtpStatus::Done;
    case CURLE_REMOTE_ACCESS_DENIED:
      return FtpStatus::FolderNotFound;
    case CURLE_OPERATION_TIMEDOUT:
      return FtpStatus::TimedOut;
    case CURLE_ABORTED_BY_CALLBACK:
      return FtpStatus::Cancelled;
    default:
      return FtpStatus::NoConnection;
  }
}

FtpStatus DownloadStatus(CURLcode code) {
  switch (code) {
    case CURLE_OK:
      return FtpStatus::Done;
    case CURLE_REMOTE_FILE_NOT_FOUND:
    case CURLE_FTP_COULDNT_RETR_FILE:
    case CURLE_REMOTE_ACCESS_DENIED:
    case CURLE_URL_MALFORMAT:
      return FtpStatus::NotSent;
    case CURLE_OPERATION_TIMEDOUT:
      return FtpStatus::TimedOut;
    case CURLE_ABORTED_BY_CALLBACK:
      return FtpStatus::Cancelled;
    default:
      return FtpStatus::Broken;
  }
}

// The longest wait on libcurl's sockets before its state is looked at again.
constexpr int kPollSliceMs = 20;

class CurlFtpSession : public FtpSession {
 public:
  CurlFtpSession(const FtpAddress& address, const FtpTimeouts& timeouts)
      : address_(address), curl_(curl_easy_init()), multi_(curl_multi_init()) {
    if (curl_ == nullptr || multi_ == nullptr) return;
    const auto seconds = [](std::chrono::seconds s) { return static_cast<long>(s.count()); };
    curl_easy_setopt(curl_, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl_, CURLOPT_PROTOCOLS_STR, "ftp");
    curl_easy_setopt(curl_, CURLOPT_FTP_FILEMETHOD, static_cast<long>(CURLFTPMETHOD_SINGLECWD));
    curl_easy_setopt(curl_, CURLOPT_CONNECTTIMEOUT, seconds(timeouts.connect));
    curl_easy_setopt(curl_, CURLOPT_SERVER_RESPONSE_TIMEOUT, seconds(timeouts.response));
    curl_easy_setopt(curl_, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl_, CURLOPT_LOW_SPEED_TIME, seconds(timeouts.stall));
    curl_easy_setopt(curl_, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl_, CURLOPT_XFERINFOFUNCTION, ReportProgress);
    if (!address.login.isEmpty()) {
      curl_easy_setopt(curl_, CURLOPT_USERNAME, address.login.toUtf8().constData());
      curl_easy_setopt(curl_, CURLOPT_PASSWORD, address.password.toUtf8().constData());
    }
  }
  ~CurlFtpSession() override {
    if (multi_ != nullptr) curl_multi_cleanup(multi_);
    if (curl_ != nullptr) curl_easy_cleanup(curl_);
  }
  CurlFtpSession(const CurlFtpSession&) = delete;
  CurlFtpSession& operator=(const CurlFtpSession&) = delete;

  FtpListing List(const FtpProgress& progress) override {
    if (curl_ == nullptr || multi_ == nullptr || !IsPlainServer(address_.server)) {
      return {FtpStatus::NoConnection, {}};
    }
    QByteArray reply;
    curl_easy_setopt(curl_, CURLOPT_CUSTOMREQUEST, "MLSD");
    CURLcode code = Perform(QByteArray(), WriteToBytes, &reply, progress);
    curl_easy_setopt(curl_, CURLOPT_CUSTOMREQUEST, nullptr);
    if (code == CURLE_OK) return {FtpStatus::Done, ParseMlsdListing(reply)};
    // A server without MLSD refuses the command; its LIST marks folders all the same.
    if (code != CURLE_FTP_COULDNT_RETR_FILE) return {ListingStatus(code), {}};
    reply.clear();
    code = Perform(QByteArray(), WriteToBytes, &reply, progress);
    if (code != CURLE_OK) return {ListingStatus(code), {}};
    return {FtpStatus::Done, ParseListListing(reply)};
  }

  FtpStatus Download(const QString& name, QIODevice& target, const FtpProgress& progress) override {
    if (curl_ == nullptr || multi_ == nullptr) return FtpStatus::NoConnection;
    return DownloadStatus(Perform(QUrl::toPercentEncoding(name), WriteToDevice, &target, progress));
  }

 private:
  using Writer = size_t (*)(char*, size_t, size_t, void*);

  // One request on the kept connection: the folder listing when `file` is empty, else that
  // file of the folder.
  CURLcode Perform(const QByteArray& file, Writer writer, void* sink, const FtpProgress& progress) {
    const QByteArray url =
        "ftp://" + address_.server.toUtf8() + '/' + FolderPath(address_.folder) + file;
    curl_easy_setopt(curl_, CURLOPT_URL, url.constData());
    curl_easy_setopt(curl_, CURLOPT_WRITEFUNCTION, writer);
    curl_easy_setopt(curl_, CURLOPT_WRITEDATA, sink);
    curl_easy_setopt(curl_, CURLOPT_XFERINFODATA, &progress);
    return Run();
  }

  // What curl_easy_perform does, with short waits: in libcurl 7.88 a passive-mode reply that
  // arrives together with its command leaves the data connection unstarted and nothing to
  // poll, and curl_easy_perform then sleeps a whole second. The connection stays in the multi
  // handle's cache for the next request.
  CURLcode Run() {
    if (curl_multi_add_handle(multi_, curl_) != CURLM_OK) return CURLE_FAILED_INIT;
    int running = 1;
    CURLMcode state = CURLM_OK;
    while (state == CURLM_OK && running > 0) {
      state = curl_multi_perform(multi_, &running);
      if (state == CURLM_OK && running > 0) {
        state = curl_multi_poll(multi_, nullptr, 0, kPollSliceMs, nullptr);
      }
    }
    CURLcode result = state == CURLM_OK ? CURLE_OK : CURLE_FAILED_INIT;
    int left = 0;
    while (const CURLMsg* message = curl_multi_info_read(multi_, &left)) {
      if (message->msg == CURLMSG_DONE && message->easy_handle == curl_) {
        result = message->data.result;
      }
    }
    curl_multi_remove_handle(multi_, curl_);
    return result;
  }

  FtpAddress address_;
  CURL* curl_;
  CURLM* multi_;
};

}  // namespace

std::unique_ptr<FtpSession> OpenFtpSession(const FtpAddress& address, const FtpTimeouts& timeouts) {
  InitialiseCurlOnce();
  return std::make_unique<CurlFtpSession>(address, timeouts);
}

}  // namespace selvio
