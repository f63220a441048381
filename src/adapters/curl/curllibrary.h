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
};

// The system's libcurl, loaded and initialised on the first call (from any
// thread) and kept until the program ends. Nothing when it cannot be loaded
// or lacks a function.
const CurlLibrary* curlLibrary();

} // namespace brisalta
