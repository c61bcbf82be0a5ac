#include "model/reporttext.h"

#include "text/codepage.h"

ReportText ReportText::decode(const QByteArray& bytes) {
    ReportText text;
    text.m_text = codepage::decodeJoinedLines(bytes, text.m_starts);
    return text;
}

ReportText ReportText::fromLines(const QStringList& lines) {
    ReportText text;
    text.m_text = lines.join(u'\n');
    text.m_starts.reserve(std::size_t(lines.size()) + 1);
    qsizetype start = 0;
    for (const QString& line : lines) {
        text.m_starts.push_back(start);
        start += line.size() + 1;
    }
    text.m_starts.push_back(start);
    return text;
}

void ReportText::clear() {
    m_text.clear();
    m_starts.clear();
}
