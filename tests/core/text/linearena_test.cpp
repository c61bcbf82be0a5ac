#include "text/linearena.h"

#include "text/deferredlines.h"

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <string>

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

// Big blocks are backed a piece at a time as they fill: lines that end just short of a backed
// piece, lines longer than a piece and items past several pieces all keep their place.
TEST(LineArena, BigListsKeepEveryLineAsTheirBlocksAreBackedPieceByPiece) {
    const auto line = [](std::size_t k) {
        if (k == 300000 || k == 450000) {
            return std::string(k == 300000 ? 3000000 : 5000000, char('a' + k % 26));
        }
        return std::to_string(k) + std::string(k % 41, char('A' + k % 26));
    };
    constexpr std::size_t Lines = 700000;
    LineArena arena;
    SortItemBlocks items;
    for (std::size_t k = 0; k < Lines; ++k) {
        const std::string text = line(k);
        arena.append(QLatin1String(text.data(), qsizetype(text.size())));
        items.push_back(SortItem{k, nullptr, 0, quint32(k)});
    }
    ASSERT_EQ(arena.size(), Lines);
    ASSERT_EQ(items.size(), Lines);
    std::size_t wrong = 0;
    for (std::size_t k = 0; k < Lines; ++k) {
        const std::string text = line(k);
        wrong += arena[k] != QLatin1String(text.data(), qsizetype(text.size()));
    }
    EXPECT_EQ(wrong, 0u);
    std::size_t next = 0;
    items.forEach([&](const SortItem& item) { wrong += item.index != next++; });
    EXPECT_EQ(next, Lines);
    EXPECT_EQ(wrong, 0u);
}
