#include "reports/htmlwriter.h"

#include "reports/htmlescape.h"

namespace {

constexpr qsizetype BufferSize = 64 * 1024;

}  // namespace

void HtmlWriter::append(const QString& s) {
    m_buffer += s.toUtf8();
    if (m_buffer.size() >= BufferSize) {
        flush();
    }
}

HtmlWriter& HtmlWriter::markup(QStringView literal) {
    append(literal.toString());
    return *this;
}

HtmlWriter& HtmlWriter::text(const QString& data) {
    append(htmlescape::text(data));
    return *this;
}

HtmlWriter& HtmlWriter::element(QStringView tag, const QString& data, QStringView cssClass) {
    QString s(u'<');
    s += tag;
    if (!cssClass.isEmpty()) {
        s += QLatin1String(" class=\"");
        s += cssClass;
        s += u'"';
    }
    s += u'>';
    s += htmlescape::text(data);
    s += QLatin1String("</");
    s += tag;
    s += u'>';
    append(s);
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
    m_buffer.clear();
    return !m_failed;
}
