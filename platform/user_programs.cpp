#include "platform/user_programs.h"

namespace selvio {

bool HeadlessUserPrograms::OpenFile(const QString& path) {
  openedFiles_.append(path);
  return true;
}

bool HeadlessUserPrograms::OpenUrl(const QUrl& url) {
  openedUrls_.append(url);
  return true;
}

bool HeadlessUserPrograms::HasHandlerForType(const QString& mimeType) const {
  return types_.count(mimeType) != 0;
}

bool HeadlessUserPrograms::HasHandlerForScheme(const QString& scheme) const {
  return schemes_.count(scheme) != 0;
}

}  // namespace selvio
