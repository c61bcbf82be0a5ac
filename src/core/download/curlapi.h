#pragma once

#include <curl/curl.h>

// libcurl, loaded the first time a transfer needs it instead of with the program: every
// command then starts without its two dozen libraries, and only a download pays for them. The
// calls mirror libcurl's own; when the library cannot be loaded each fails with
// CURLE_FAILED_INIT.
namespace curlapi {

struct Functions {
    CURLcode (*globalInit)(long flags);
    CURL* (*easyInit)();
    CURLcode (*easySetopt)(CURL* curl, CURLoption option, ...);
    CURLcode (*easyGetinfo)(CURL* curl, CURLINFO info, ...);
    CURLcode (*easyPerform)(CURL* curl);
    void (*easyCleanup)(CURL* curl);
    const char* (*easyStrerror)(CURLcode code);
};

// The library's functions, loaded on the first call; null when it cannot be loaded.
const Functions* library();

CURLcode globalInit(long flags);
CURL* easyInit();
CURLcode easyPerform(CURL* curl);
void easyCleanup(CURL* curl);
// libcurl's text for the code; when the library is missing, that it is.
const char* easyStrerror(CURLcode code);

template <typename Value>
CURLcode setopt(CURL* curl, CURLoption option, Value value) {
    const Functions* f = library();
    return f != nullptr && curl != nullptr ? f->easySetopt(curl, option, value) : CURLE_FAILED_INIT;
}

template <typename Out>
CURLcode getinfo(CURL* curl, CURLINFO info, Out* out) {
    const Functions* f = library();
    return f != nullptr && curl != nullptr ? f->easyGetinfo(curl, info, out) : CURLE_FAILED_INIT;
}

}  // namespace curlapi
