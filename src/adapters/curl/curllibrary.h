// libcurl, loaded by the first transfer that needs it. A run that answers
// every download from files (the demo, recorded answers, saved pages) never
// loads it, nor the two dozen libraries it brings (TLS, Kerberos, LDAP...),
// whose loading costs more than drawing a graph and 4 MB of memory.
#pragma once

#include <curl/curl.h>

namespace brisalta {

// The functions of libcurl the transport calls.
struct CurlLibrary {
    decltype(&curl_easy_init) easyInit;
    decltype(&curl_easy_setopt) easySetopt;
    decltype(&curl_easy_perform) easyPerform;
    decltype(&curl_easy_getinfo) easyGetinfo;
    decltype(&curl_easy_cleanup) easyCleanup;
    decltype(&curl_easy_strerror) easyStrerror;
    decltype(&curl_easy_escape) easyEscape;
    decltype(&curl_free) free;
    decltype(&curl_slist_append) slistAppend;
    decltype(&curl_slist_free_all) slistFreeAll;
    decltype(&curl_multi_init) multiInit;
    decltype(&curl_multi_add_handle) multiAddHandle;
    decltype(&curl_multi_perform) multiPerform;
    decltype(&curl_multi_info_read) multiInfoRead;
    decltype(&curl_multi_poll) multiPoll;
    decltype(&curl_multi_remove_handle) multiRemoveHandle;
    decltype(&curl_multi_cleanup) multiCleanup;
    decltype(&curl_url) url;
    decltype(&curl_url_set) urlSet;
    decltype(&curl_url_get) urlGet;
    decltype(&curl_url_cleanup) urlCleanup;
};

// The system's libcurl, loaded and initialised on the first call (from any
// thread) and kept until the program ends. Nothing when it cannot be loaded
// or lacks a function.
const CurlLibrary* curlLibrary();

} // namespace brisalta
