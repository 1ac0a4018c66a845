#pragma once

#include <curl/curl.h>

namespace selvio {

// The libcurl functions the FTP session calls. libcurl is loaded when the first session opens,
// not when a program starts: it brings some twenty libraries of its own (TLS, Kerberos, LDAP,
// SSH) whose loading and start-up the window would otherwise pay before it shows.
struct CurlLibrary {
  decltype(&curl_global_init) globalInit;
  decltype(&curl_easy_init) easyInit;
  decltype(&curl_easy_setopt) easySetopt;
  decltype(&curl_easy_cleanup) easyCleanup;
  decltype(&curl_multi_init) multiInit;
  decltype(&curl_multi_add_handle) multiAddHandle;
  decltype(&curl_multi_perform) multiPerform;
  decltype(&curl_multi_poll) multiPoll;
  decltype(&curl_multi_info_read) multiInfoRead;
  decltype(&curl_multi_remove_handle) multiRemoveHandle;
  decltype(&curl_multi_cleanup) multiCleanup;
};

// libcurl loaded and initialised (curl_global_init) on the first call, the same table after
// that; null when the library or one of its functions cannot be found.
const CurlLibrary* Curl();

}  // namespace selvio
