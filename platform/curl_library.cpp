#include "platform/curl_library.h"

#include <dlfcn.h>

namespace selvio {
namespace {

// The name every libcurl 7 and 8 installs its library under (Debian's libcurl4).
constexpr char kCurlSoname[] = "libcurl.so.4";

template <class Function>
bool Find(void* library, const char* name, Function& function) {
  function = reinterpret_cast<Function>(dlsym(library, name));
  return function != nullptr;
}

const CurlLibrary* LoadCurl() {
  // Never closed: libcurl's global state lives until the program ends.
  void* library = dlopen(kCurlSoname, RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) return nullptr;
  static CurlLibrary curl;
  const bool found = Find(library, "curl_global_init", curl.globalInit) &&
                     Find(library, "curl_easy_init", curl.easyInit) &&
                     Find(library, "curl_easy_setopt", curl.easySetopt) &&
                     Find(library, "curl_easy_cleanup", curl.easyCleanup) &&
                     Find(library, "curl_multi_init", curl.multiInit) &&
                     Find(library, "curl_multi_add_handle", curl.multiAddHandle) &&
                     Find(library, "curl_multi_perform", curl.multiPerform) &&
                     Find(library, "curl_multi_poll", curl.multiPoll) &&
                     Find(library, "curl_multi_info_read", curl.multiInfoRead) &&
                     Find(library, "curl_multi_remove_handle", curl.multiRemoveHandle) &&
                     Find(library, "curl_multi_cleanup", curl.multiCleanup);
  if (!found || curl.globalInit(CURL_GLOBAL_DEFAULT) != CURLE_OK) return nullptr;
  return &curl;
}

}  // namespace

const CurlLibrary* Curl() {
  static const CurlLibrary* const curl = LoadCurl();
  return curl;
}

}  // namespace selvio
