#include "output.h"

#include <cstdio>

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

}  // namespace output
