#include "text/linearena.h"

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>

TEST(LineArena, LinesKeepTheirTextAcrossBlocksAndCopies) {
    LineArena arena;
    QStringList expected;
    const auto add = [&](const QString& line) {
        arena.append(line);
        expected.append(line);
    };
    add(QString());  // an empty line first
    for (int k = 0; k < 40000; ++k) {
        add(QString::number(k).repeated(k % 7 + 1));  // fills several blocks
    }
    add(QString(1500000, u'x'));  // longer than a block
    add(QStringLiteral("Latin-1: \u00e9\u00ff"));
    add(QStringLiteral("after the long line"));
    const auto text = [](const LineArena& a) {
        QStringList out;
        for (const QLatin1String line : a.lines()) {
            out.append(QString(line));
        }
        return out;
    };
    ASSERT_EQ(arena.size(), std::size_t(expected.size()));
    EXPECT_EQ(text(arena), expected);

    LineArena copy(arena);
    LineArena assigned;
    assigned.append(u"replaced");
    assigned = arena;
    arena.clear();
    arena.append(u"new");
    EXPECT_EQ(text(copy), expected);
    EXPECT_EQ(text(assigned), expected);
    EXPECT_EQ(text(arena), QStringList{QStringLiteral("new")});
}
