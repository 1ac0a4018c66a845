#include "app/cli/working_folder.h"

#include <QFileInfo>

namespace selvio {

QString WorkingFolderRefusal(const QString& dir) {
  const QFileInfo info(dir);
  if (!info.exists()) return QString::fromUtf8("Рабочая папка не найдена: %1").arg(Shown(dir));
  if (!info.isDir()) return QString::fromUtf8("Это не папка: %1").arg(Shown(dir));
  if (!info.isReadable() || !info.isExecutable()) {
    return QString::fromUtf8("Рабочая папка недоступна для чтения: %1").arg(Shown(dir));
  }
  return {};
}

}  // namespace selvio
