#include "text/codepage.h"
#include "model/reporttext.h"

#include <gtest/gtest.h>
#include <QStringDecoder>
#include <random>

// The one-pass readers give what the decoder and the line splitter give, for every byte and
// every kind of line break, a final break or none.
TEST(CodePage, OnePassLinesEqualDecodedAndSplitText) {
    std::mt19937 rng(3);
    const QByteArray breaks[] = {"\r\n", "\n", "\r", "\n\r", "\r\r\n"};
    for (int round = 0; round < 300; ++round) {
        QByteArray bytes;
        const int parts = int(rng() % 8);
        for (int p = 0; p < parts; ++p) {
            const int length = int(rng() % 6);
            for (int k = 0; k < length; ++k) {
                bytes += char(rng() % 256);
            }
            if (rng() % 3 != 0) {
                bytes += breaks[rng() % 5];
            }
        }
        QStringDecoder decoder("windows-1252");
        const QString viaDecoder = decoder.decode(bytes);
        ASSERT_EQ(codepage::decode(bytes), viaDecoder);
        const QStringList lines = codepage::decodeLines(bytes);
        ASSERT_EQ(lines, codepage::splitLines(viaDecoder));
        // The report's text holds the same lines, as views into one joined text.
        for (const ReportText& text : {ReportText::decode(bytes), ReportText::fromLines(lines)}) {
            ASSERT_EQ(text.size(), lines.size());
            for (qsizetype i = 0; i < lines.size(); ++i) {
                ASSERT_EQ(text.at(i).toString(), lines.at(i)) << "line " << i;
            }
            ASSERT_EQ(text.joined(), lines.join(u'\n'));
        }
    }
    EXPECT_EQ(codepage::decode(QByteArray("\x95\x80\x81")), QStringLiteral("\u2022\u20ac\u0081"));
}
