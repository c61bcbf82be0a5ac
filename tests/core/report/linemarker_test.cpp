#include "report/linemarker.h"

#include <gtest/gtest.h>

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
