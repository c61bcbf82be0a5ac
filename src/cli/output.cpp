#include "output.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace output {

namespace {

// The reason of the first failed write to stdout, kept because errno does not last.
int& failedWrite() {
    static int error = 0;
    return error;
}

}  // namespace

void print(const QString& text) {
    const QByteArray out = text.toUtf8();
    if (std::fwrite(out.constData(), 1, size_t(out.size()), stdout) != size_t(out.size()) &&
        failedWrite() == 0) {
        failedWrite() = errno;
    }
}

int finish(int code) {
    static bool reported = false;
    errno = 0;
    const bool flushed = std::fflush(stdout) == 0;
    if (flushed && !std::ferror(stdout)) {
        return code;
    }
    if (reported) {
        return 1;
    }
    reported = true;
    int error = !flushed && errno != 0 ? errno : failedWrite();
    if (error == 0) {
        // A write that bypassed print() failed and its reason is gone; the output is broken
        // already, so one more line break asks the device for the reason again.
        std::clearerr(stdout);
        errno = 0;
        std::fputc('\n', stdout);
        error = std::fflush(stdout) != 0 && errno != 0 ? errno : EIO;
    }
    std::fprintf(stderr, "error: cannot write the output: %s\n", std::strerror(error));
    return 1;
}

void printError(const QString& text) {
    const QByteArray out = text.toUtf8() + '\n';
    std::fwrite(out.constData(), 1, size_t(out.size()), stderr);
}

QString plain(QString text) {
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

int exitWithoutTeardown(int code) {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_UNDEFINED__)
    return finish(code);
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(undefined_behavior_sanitizer)
    return finish(code);
#endif
#endif
    code = finish(code);
    std::fflush(stderr);
    std::_Exit(code);
}

}  // namespace output
