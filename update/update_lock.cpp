#include "update/update_lock.h"

#include <QDir>

#include "platform/working_files.h"

namespace selvio {

UpdateLock::UpdateLock(const QString& folder)
    : file_(QDir(folder).filePath(working_files::Name(working_files::kUpdateLock))) {
  // An update may well run longer than any fixed age; only a lock whose process is gone is
  // stale.
  file_.setStaleLockTime(0);
  if (file_.tryLock(0)) return;
  state_ = file_.error() == QLockFile::LockFailedError ? State::Busy : State::Unwritable;
}

}  // namespace selvio
