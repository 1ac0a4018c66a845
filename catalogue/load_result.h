#pragma once

#include <QString>

namespace selvio {

// Whether a data file was loaded, and the message for the user when it was not. The loaders
// leave showing the message to the form.
struct LoadResult {
  bool loaded = false;
  QString failure;
  explicit operator bool() const { return loaded; }
};

}  // namespace selvio
