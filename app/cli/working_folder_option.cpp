#include "app/cli/working_folder_option.h"

#include <QDir>

#include "app/files/working_folder.h"

namespace selvio {

QString CommandWorkingFolder(const QString& dirOption, QTextStream& err) {
  if (!dirOption.isEmpty()) return QDir::current().absoluteFilePath(dirOption);
  const WorkingFolder folder = PrepareWorkingFolder(ProcessDataFolders(), nullptr);
  for (const QString& problem : folder.problems) err << problem << '\n';
  if (folder.filled) {
    err << QString::fromUtf8("Рабочая папка: %1 (в нее скопированы установленные данные)")
               .arg(QDir::toNativeSeparators(folder.path))
        << '\n';
  }
  err.flush();
  return folder.path;
}

}  // namespace selvio
