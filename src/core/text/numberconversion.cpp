#include "text/numberconversion.h"

#include "ui/operationerror.h"

#include <cmath>
#include <limits>

namespace numconv {

namespace {

bool parseInt(const QString& text, int& out) {
    int i = 0;
    const int n = text.size();
    while (i < n && text[i] == u' ') {
        ++i;
    }
    bool negative = false;
    if (i < n && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    if (i == n) {
        return false;
    }
    qint64 value = 0;
    for (; i < n; ++i) {
        const QChar c = text[i];
        if (c < u'0' || c > u'9') {
            return false;
        }
        value = value * 10 + (c.unicode() - u'0');
        if (value > qint64(std::numeric_limits<int>::max()) + 1) {
            return false;
        }
    }
    if (negative) {
        value = -value;
    }
    if (value > std::numeric_limits<int>::max()) {
        return false;
    }
    out = int(value);
    return true;
}

}  // namespace

int toInt(const QString& text) {
    int value = 0;
    if (!parseInt(text, value)) {
        throw OperationError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    }
    return value;
}

double toDouble(const QString& text) {
    const QString t = text.trimmed();
    bool ok = false;
    // QString::toDouble is locale-independent ("C" rules, "." as the decimal point).
    const double value = t.isEmpty() ? 0.0 : t.toDouble(&ok);
    if (!ok || !std::isfinite(value)) {
        throw OperationError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
    }
    return value;
}

int toIntOr(const QString& text, int fallback) {
    const QString t = text.trimmed();
    if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        bool ok = false;
        const uint value = t.mid(2).toUInt(&ok, 16);
        return ok ? int(value) : fallback;
    }
    int value = 0;
    return parseInt(t, value) ? value : fallback;
}

}  // namespace numconv
