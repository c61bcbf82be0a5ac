// The sorted list against a plain reference built on the collator's keys: the same lines in
// the same order and the same answers, whichever way the list stores them.

#include "text/sortedtextlist.h"

#include <gtest/gtest.h>
#include <QCollator>
#include <QLocale>
#include <algorithm>
#include <optional>
#include <random>

namespace {

// Inserts one by one at the place the collator's keys give, after equal lines.
class ReferenceList {
  public:
    explicit ReferenceList(bool unique) : m_unique(unique) {
        m_collator.setCaseSensitivity(Qt::CaseInsensitive);
        m_collator.setNumericMode(false);
        m_collator.setIgnorePunctuation(false);
    }
    bool add(const QString& line) {
        const QCollatorSortKey key = m_collator.sortKey(line);
        qsizetype at = 0;
        while (at < m_keys.size() && m_keys.at(at).compare(key) <= 0) {
            if (m_unique && m_keys.at(at).compare(key) == 0) {
                return false;
            }
            ++at;
        }
        m_keys.insert(at, key);
        m_lines.insert(at, line);
        return true;
    }
    int indexOf(const QString& line) const {
        const QCollatorSortKey key = m_collator.sortKey(line);
        for (qsizetype k = 0; k < m_keys.size(); ++k) {
            if (m_keys.at(k).compare(key) == 0) {
                return int(k);
            }
        }
        return -1;
    }
    bool remove(const QString& line) {
        const int at = indexOf(line);
        if (at >= 0) {
            m_keys.removeAt(at);
            m_lines.removeAt(at);
        }
        return at >= 0;
    }
    const QStringList& lines() const { return m_lines; }

  private:
    bool m_unique;
    QCollator m_collator{QLocale(QLocale::English, QLocale::UnitedStates)};
    QList<QCollatorSortKey> m_keys;
    QStringList m_lines;
};

// Short texts over an alphabet where order questions are close: case pairs, punctuation,
// digits, blank and tab; now and then a character that needs the full collator.
QString randomLine(std::mt19937& rng, bool withOthers) {
    static const QString alphabet = QStringLiteral("aAbBzZ09 \t.-_:=[]()*,;'\"/\\!?#$%&+<>@^`{|}~");
    static const QString others = QStringLiteral("\u00e9\u00c9\u2022\u00df\u0001\u00a0");
    QString line;
    const int length = int(rng() % 6);
    for (int k = 0; k < length; ++k) {
        if (withOthers && rng() % 40 == 0) {
            line += others.at(qsizetype(rng() % others.size()));
        } else {
            line += alphabet.at(qsizetype(rng() % alphabet.size()));
        }
    }
    return line;
}

void checkAgainstReference(bool unique, bool withOthers, unsigned seed) {
    std::mt19937 rng(seed);
    SortedTextList list(unique);
    ReferenceList reference(unique);
    for (int step = 0; step < 1500; ++step) {
        const QString line = randomLine(rng, withOthers);
        switch (rng() % 10) {
            case 0:
                ASSERT_EQ(list.indexOf(line), reference.indexOf(line)) << step;
                ASSERT_EQ(list.contains(line), reference.indexOf(line) >= 0) << step;
                break;
            case 1:
                ASSERT_EQ(list.remove(line), reference.remove(line)) << step;
                break;
            case 2:
                ASSERT_EQ(list.lines(), reference.lines()) << step;
                break;
            case 3:
            case 4:
                // Checked at the next sort, whatever call comes next.
                list.addDeferred(line);
                reference.add(line);
                break;
            default:
                ASSERT_EQ(list.add(line), reference.add(line)) << step;
        }
        ASSERT_EQ(list.size(), reference.lines().size());
    }
    EXPECT_EQ(list.lines(), reference.lines());
}

}  // namespace

TEST(SortedTextList, OrderDuplicatesAndLookupsMatchTheCollator) {
    for (unsigned seed = 1; seed <= 6; ++seed) {
        checkAgainstReference(true, false, seed);
        checkAgainstReference(false, false, seed);
        checkAgainstReference(true, true, seed);
        checkAgainstReference(false, true, seed);
    }
}

TEST(SortedTextList, ABulkOfLinesSortsAsInsertedOneByOne) {
    std::mt19937 rng(7);
    SortedTextList list;
    SortedTextList deferred;  // the same lines with their duplicate check left to the sort
    SortedTextList compact;   // the same again, sorted once: kept as one-byte lines
    ReferenceList reference(true);
    std::optional<SortedTextList> copy;  // taken while lines wait for their check
    QStringList atCopy;
    // Enough lines for the radix sort of big lists, a third of them sharing their first
    // eight characters so that long runs are ordered by the rest.
    for (int k = 0; k < 6000; ++k) {
        const QString line = (k % 3 == 0 ? QStringLiteral("Module-A") : QString()) +
                             randomLine(rng, false) + randomLine(rng, false);
        ASSERT_EQ(list.add(line), reference.add(line));
        deferred.addDeferred(line);
        compact.addDeferred(line);
        if (k == 1000) {
            ASSERT_EQ(deferred.lines(), list.lines());  // a merge half-way
        }
        if (k == 4000) {
            copy = deferred;
            atCopy = reference.lines();
        }
    }
    EXPECT_EQ(list.lines(), reference.lines());
    EXPECT_EQ(deferred.lines(), reference.lines());
    // The compact form gives the same lines, also to a reader that keeps them, and a change
    // makes the strings without touching the lines already handed out.
    const std::shared_ptr<const LineArena> held = compact.compactLines();
    ASSERT_NE(held, nullptr);
    ASSERT_EQ(compact.size(), reference.lines().size());
    QStringList walked;
    compact.forEachLine([&walked](const QString& line) { walked.append(line); });
    EXPECT_EQ(walked, reference.lines());
    EXPECT_FALSE(compact.add(reference.lines().at(5).toLower()));
    EXPECT_EQ(compact.compactLines(), nullptr);
    EXPECT_EQ(compact.lines(), reference.lines());
    compact.clear();
    ASSERT_EQ(held->size(), std::size_t(reference.lines().size()));
    EXPECT_EQ(QString((*held)[7]), reference.lines().at(7));
    deferred.clear();
    EXPECT_EQ(copy->lines(), atCopy);
    // The first of equal lines is the one kept, and a line needing the full collator later
    // still finds its place among them.
    EXPECT_FALSE(list.add(list.at(0).toUpper()));
    EXPECT_TRUE(list.add(QStringLiteral("\u00e9t\u00e9")));
    reference.add(QStringLiteral("\u00e9t\u00e9"));
    EXPECT_EQ(list.lines(), reference.lines());
}

TEST(SortedTextList, DeferredLinesOfAListWithRepeatsGoAfterTheirEquals) {
    // Few distinct lines, each in either case (equal, but told apart in the result), added one
    // by one or deferred, with a read half-way so deferred lines also meet sorted ones; then a
    // big list of deferred lines alone, which is kept in its compact form with every repeat.
    for (const bool big : {false, true}) {
        std::mt19937 rng(3);
        SortedTextList list(false);
        ReferenceList reference(false);
        for (int k = 0; k < (big ? 6000 : 1500); ++k) {
            QString line = QStringLiteral("Patch") + QString::number(rng() % 40);
            if (rng() % 2 == 0) {
                line = line.toUpper();
            }
            reference.add(line);
            if (!big && k % 3 == 0) {
                list.add(line);
            } else {
                list.addDeferred(QLatin1String(line.toLatin1()));
            }
            if (!big && k == 700) {
                ASSERT_EQ(list.lines(), reference.lines());
            }
        }
        EXPECT_EQ(list.compactLines() != nullptr, big);
        EXPECT_EQ(list.lines(), reference.lines());
    }
}

TEST(SortedTextList, AListBigEnoughToBeSortedByTwoThreadsKeepsItsOrderAndFirstEquals) {
    // Most lines start alike, so the cut between the threads' halves falls after the first
    // value; every name comes twice, in capitals first.
    std::mt19937 rng(11);
    std::vector<QString> names;
    for (int k = 0; k < 40000; ++k) {
        QString name = k % 10 == 0 ? QString(QChar(u'A' + int(rng() % 26))) : QStringLiteral("A");
        for (int c = 0; c < 9; ++c) {
            name.append(QChar(u'A' + int(rng() % 26)));
        }
        names.push_back(name + QStringLiteral(".DXP   Version ") + QString::number(k));
    }
    SortedTextList list;
    for (const QString& name : names) {
        list.addDeferred(QLatin1String(name.toLatin1()));
    }
    for (const QString& name : names) {
        list.addDeferred(QLatin1String(name.toLower().toLatin1()));
    }
    ASSERT_NE(list.compactLines(), nullptr);
    const QStringList& lines = list.lines();
    ASSERT_EQ(lines.size(), 40000);
    for (qsizetype k = 1; k < lines.size(); ++k) {
        ASSERT_LT(SortedTextList::compare(lines.at(k - 1), lines.at(k)), 0) << k;
    }
    EXPECT_TRUE(std::all_of(lines.begin(), lines.end(),
                            [](const QString& line) { return line.at(1).isUpper(); }));
}

TEST(SortedTextList, CopiesAreIndependentAndOutliveTheOriginal) {
    auto original = std::make_unique<SortedTextList>();
    original->add(QStringLiteral("beta"));
    original->add(QStringLiteral("Alpha"));
    SortedTextList copy = *original;
    original->add(QStringLiteral("gamma"));
    original.reset();
    EXPECT_FALSE(copy.add(QStringLiteral("ALPHA")));
    EXPECT_TRUE(copy.add(QStringLiteral("delta")));
    EXPECT_EQ(copy.lines(), (QStringList{"Alpha", "beta", "delta"}));
    copy.clear();
    EXPECT_TRUE(copy.isEmpty());
    EXPECT_TRUE(copy.add(QStringLiteral("alpha")));
}

TEST(SortedTextList, CaseSensitiveListsTellCaseApart) {
    SortedTextList list(true, Qt::CaseSensitive);
    EXPECT_TRUE(list.add(QStringLiteral("file.dxp")));
    EXPECT_TRUE(list.add(QStringLiteral("FILE.DXP")));
    EXPECT_FALSE(list.add(QStringLiteral("file.dxp")));
    EXPECT_EQ(list.size(), 2);
}

TEST(SortedTextList, AOneByteLineWaitsOnlyWhenEveryCharacterHasARank) {
    // Lines of every length up to 40 with one character at every place: tab, CR, blank and
    // tilde have ranks; controls, DEL and bytes from 0x80 up do not (short and long lines are
    // tested in different ways, and the last few characters of a long line on their own).
    const QByteArray ranked("\t\r ~");
    const QByteArray unranked("\x08\x0e\x1f\x7f\x80\xff", 6);
    SortedTextList list;
    for (int length = 1; length <= 40; ++length) {
        for (int at = 0; at < length; ++at) {
            QByteArray line(length, 'a');
            for (const char c : ranked) {
                line[at] = c;
                EXPECT_TRUE(list.addDeferred(QLatin1String(line))) << length << ' ' << at;
            }
            for (const char c : unranked) {
                line[at] = c;
                EXPECT_FALSE(list.addDeferred(QLatin1String(line))) << length << ' ' << at;
            }
        }
    }
    EXPECT_TRUE(list.addDeferred(QLatin1String("")));
}
