#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QString>

namespace selvio {

// Writes `bytes` as the file at `path`: into a new file beside it, renamed over `path` once
// complete, so the file is replaced whole or not at all and has exactly `permissions`. A
// symbolic link at `path` is replaced itself: nothing is ever written where a link points.
// False when the file could not be written; `path` is then as it was.
bool ReplaceFileWhole(const QString& path, const QByteArray& bytes,
                      QFileDevice::Permissions permissions);

}  // namespace selvio
