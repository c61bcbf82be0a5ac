#include "reports/htmlwriter.h"

#include "reports/htmlescape.h"

namespace {

constexpr qsizetype BufferSize = 64 * 1024;

}  // namespace

HtmlWriter::HtmlWriter(QIODevice& device) : m_device(device) {
    m_buffer.reserve(BufferSize + 1024);
}

// Most of a page is ASCII, copied byte by byte without a conversion of its own.
void HtmlWriter::append(QStringView s) {
    const qsizetype start = m_buffer.size();
    m_buffer.resize(start + s.size());
    char* out = m_buffer.data() + start;
    for (const QChar c : s) {
        if (c.unicode() >= 0x80) {
            const qsizetype done = out - (m_buffer.data() + start);
            m_buffer.resize(start + done);
            m_buffer += s.mid(done).toUtf8();
            break;
        }
        *out++ = char(c.unicode());
    }
    if (m_buffer.size() >= BufferSize) {
        flush();
    }
}

HtmlWriter& HtmlWriter::markup(QStringView literal) {
    append(literal);
    return *this;
}

HtmlWriter& HtmlWriter::text(const QString& data) {
    append(htmlescape::text(data));
    return *this;
}

HtmlWriter& HtmlWriter::element(QStringView tag, const QString& data, QStringView cssClass) {
    append(u"<");
    append(tag);
    if (!cssClass.isEmpty()) {
        append(u" class=\"");
        append(cssClass);
        append(u"\"");
    }
    append(u">");
    append(htmlescape::text(data));
    append(u"</");
    append(tag);
    append(u">");
    return *this;
}

HtmlWriter& HtmlWriter::open(QStringView tag, QStringView attributeName, const QString& value) {
    QString s(u'<');
    s += tag;
    s += u' ';
    s += attributeName;
    s += QLatin1String("=\"");
    s += htmlescape::attribute(value);
    s += QLatin1String("\">");
    append(s);
    return *this;
}

bool HtmlWriter::flush() {
    if (!m_buffer.isEmpty() && !m_failed) {
        m_failed = m_device.write(m_buffer) != m_buffer.size();
    }
    m_buffer.resize(0);  // keeps the capacity for the next piece
    return !m_failed;
}
