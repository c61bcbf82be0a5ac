#include "output.h"

#include <cstdio>
#include <cstdlib>

namespace output {

void print(const QString& text) {
    const QByteArray out = text.toUtf8();
    std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
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
    return code;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(undefined_behavior_sanitizer)
    return code;
#endif
#endif
    const bool flushed = std::fflush(stdout) == 0 && std::fflush(stderr) == 0;
    std::_Exit(flushed ? code : 1);
}

}  // namespace output
