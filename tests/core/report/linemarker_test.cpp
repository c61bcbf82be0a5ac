#include "report/linemarker.h"
#include "model/reporttext.h"
#include "report/linesummaries.h"

#include <gtest/gtest.h>

#include <thread>

TEST(LineMarker, ByteSummariesMatchTheCharacterSummaryWhateverTheLengthAndPlace) {
    // One distinct character at every place of lines up to 24 long: the byte summary, read
    // several bytes at a time, must see it wherever it stands, also among the last bytes.
    for (int length = 0; length <= 24; ++length) {
        for (int at = 0; at < std::max(length, 1); ++at) {
            QByteArray line(length, 'a');
            if (length > 0) {
                line[at] = '#';
            }
            EXPECT_EQ(LineMarker::maskOf(QByteArrayView(line)),
                      LineMarker::maskOf(QString::fromLatin1(line)))
                << length << ' ' << at;
        }
    }
}

TEST(LineMarker, SummariesMadeAheadOnAThreadAreThoseOfEachLine) {
    // A report big enough for its summaries to be made on a thread of their own and to go
    // round their ring, as bytes and as wide text, read in order as the parse reads it: every
    // line's summary must be the one of that very line.
    QStringList lines;
    for (int k = 0; k < LineSummaries::RingLines + 40000; ++k) {
        lines << QString(k % 7, QChar(u'a' + k % 26)) + QString::number(k) +
                     (k % 5 == 0 ? QStringLiteral(" [x]") : QString());
    }
    for (const bool wide : {false, true}) {
        if (wide) {
            lines[3] += QChar(0x4E2D);  // a character with no code-page byte
        }
        const ReportText text = ReportText::fromLines(lines);
        ASSERT_EQ(text.isWide(), wide);
        LineSummaries summaries(text);
        for (int i = 0; i < text.size(); ++i) {
            if (i % 4096 == 0) {
                summaries.keepFrom(i);
            }
            while (summaries.ready() <= i) {
                std::this_thread::yield();
            }
            ASSERT_EQ(summaries.summary(i), LineMarker::maskOf(lines.at(i))) << i;
        }
    }
}
