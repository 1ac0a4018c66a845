#include "platform/whole_file.h"

#include <unistd.h>

#include <QTemporaryFile>
#include <cstdio>

namespace selvio {

bool ReplaceFileWhole(const QString& path, const QByteArray& bytes,
                      QFileDevice::Permissions permissions) {
  QTemporaryFile file(path + QStringLiteral(".XXXXXX"));
  if (!file.open() || !file.setPermissions(permissions)) return false;
  if (file.write(bytes) != bytes.size() || !file.flush() || ::fsync(file.handle()) != 0) {
    return false;
  }
  file.close();
  // rename() replaces a link at `path` rather than following it.
  if (std::rename(QFile::encodeName(file.fileName()).constData(),
                  QFile::encodeName(path).constData()) != 0) {
    return false;
  }
  file.setAutoRemove(false);
  return true;
}

}  // namespace selvio
