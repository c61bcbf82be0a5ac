#include "download/curlapi.h"

#include <QLibrary>

namespace curlapi {

namespace {

template <typename Function>
bool resolve(QLibrary& library, const char* name, Function& into) {
    into = reinterpret_cast<Function>(library.resolve(name));
    return into != nullptr;
}

}  // namespace

const Functions* library() {
    // Loaded once and kept for the life of the program; a thread-safe first use.
    static const Functions* const loaded = []() -> const Functions* {
        static QLibrary curl;
        curl.setFileNameAndVersion(QStringLiteral("curl"), 4);
        if (!curl.load()) {
            return nullptr;
        }
        static Functions f{};
        const bool all = resolve(curl, "curl_global_init", f.globalInit) &&
                         resolve(curl, "curl_easy_init", f.easyInit) &&
                         resolve(curl, "curl_easy_setopt", f.easySetopt) &&
                         resolve(curl, "curl_easy_getinfo", f.easyGetinfo) &&
                         resolve(curl, "curl_easy_perform", f.easyPerform) &&
                         resolve(curl, "curl_easy_cleanup", f.easyCleanup) &&
                         resolve(curl, "curl_easy_strerror", f.easyStrerror);
        return all ? &f : nullptr;
    }();
    return loaded;
}

CURLcode globalInit(long flags) {
    const Functions* f = library();
    return f != nullptr ? f->globalInit(flags) : CURLE_FAILED_INIT;
}

CURL* easyInit() {
    const Functions* f = library();
    return f != nullptr ? f->easyInit() : nullptr;
}

CURLcode easyPerform(CURL* curl) {
    const Functions* f = library();
    return f != nullptr && curl != nullptr ? f->easyPerform(curl) : CURLE_FAILED_INIT;
}

void easyCleanup(CURL* curl) {
    if (const Functions* f = library(); f != nullptr && curl != nullptr) {
        f->easyCleanup(curl);
    }
}

const char* easyStrerror(CURLcode code) {
    const Functions* f = library();
    return f != nullptr ? f->easyStrerror(code)
                        : "Failed initialization (the libcurl library, libcurl.so.4, could not be "
                          "loaded)";
}

}  // namespace curlapi
