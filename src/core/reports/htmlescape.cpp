#include "reports/htmlescape.h"

namespace htmlescape {

namespace {

bool forbidden(char32_t c) {
    const bool control = (c < 0x20 && c != u'\t' && c != u'\n') || (c >= 0x7f && c <= 0x9f);
    const bool nonCharacter = (c >= 0xfdd0 && c <= 0xfdef) || (c & 0xfffe) == 0xfffe;
    return control || nonCharacter || (c >= 0xd800 && c <= 0xdfff);
}

// True when every character may stand as it is, the common case, which then costs no copy.
bool plain(const QString& data, bool attribute) {
    for (const QChar ch : data) {
        const char16_t c = ch.unicode();
        if (c < 0x20 || c == u'&' || c == u'<' || c == u'>' || (c >= 0x7f && c <= 0x9f) ||
            c >= 0xd800 || (attribute && (c == u'"' || c == u'\''))) {
            return false;
        }
    }
    return true;
}

QString escape(const QString& data, bool attribute) {
    if (plain(data, attribute)) {
        return data;
    }
    QString out;
    out.reserve(data.size() + data.size() / 8);
    const qsizetype n = data.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar ch = data.at(i);
        char32_t c = ch.unicode();
        if (ch.isHighSurrogate() && i + 1 < n && data.at(i + 1).isLowSurrogate()) {
            c = QChar::surrogateToUcs4(ch, data.at(i + 1));
            if (!forbidden(c)) {
                out += ch;
                out += data.at(++i);
                continue;
            }
            ++i;
        }
        switch (c) {
            case u'&':
                out += QLatin1String("&amp;");
                break;
            case u'<':
                out += QLatin1String("&lt;");
                break;
            case u'>':
                out += QLatin1String("&gt;");
                break;
            case u'"':
                out += attribute ? QLatin1String("&quot;") : QLatin1String("\"");
                break;
            case u'\'':
                out += attribute ? QLatin1String("&#39;") : QLatin1String("'");
                break;
            case u'\r':
                if (i + 1 >= n || data.at(i + 1) != u'\n') {
                    out += u'\n';
                }
                break;
            default:
                out += forbidden(c) ? QChar(0xfffd) : ch;
                break;
        }
    }
    return out;
}

}  // namespace

QString text(const QString& data) {
    return escape(data, false);
}

QString attribute(const QString& data) {
    return escape(data, true);
}

QString pageFileName(int number, const QString& serverName) {
    QString name = serverName.trimmed().left(60);
    for (QChar& c : name) {
        const char16_t u = c.unicode();
        const bool safe = (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') ||
                          (u >= u'0' && u <= u'9') || u == u'-' || u == u'_';
        if (!safe) {
            c = u'_';
        }
    }
    if (name.isEmpty()) {
        name = QStringLiteral("server");
    }
    return QString::number(number) + u'-' + name + QStringLiteral(".html");
}

}  // namespace htmlescape
