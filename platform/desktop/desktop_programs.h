#pragma once

#include "platform/user_programs.h"

namespace selvio {

// The desktop's programs: opening goes through QDesktopServices, and the registered handlers
// are looked up with `xdg-mime query default`, since QDesktopServices reports success under
// X11 even when nothing can open the URL.
class DesktopUserPrograms : public UserPrograms {
 public:
  bool OpenFile(const QString& path) override;
  bool OpenUrl(const QUrl& url) override;
  bool HasHandlerForType(const QString& mimeType) const override;
  bool HasHandlerForScheme(const QString& scheme) const override;
};

}  // namespace selvio
