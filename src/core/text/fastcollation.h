#pragma once

#include <QCollator>
#include <QLatin1String>
#include <QStringView>
#include <array>
#include <cstddef>

// The locale comparison without regard to case, computed cheaply for the text reports are made
// of. Every tab and printable ASCII character carries exactly one primary collation weight, so
// for text made only of them the comparison is a plain comparison of per-character ranks (a
// text that is a prefix of another comes first), and two texts are equal exactly when their
// ranks are. The ranks are taken from the collator itself once, so they follow it.
class FastCollation {
  public:
    explicit FastCollation(const QCollator& caseInsensitive);

    // True when every character of the text has a rank.
    bool eligible(QStringView text) const;
    bool eligible(QLatin1String text) const;
    // <0, 0, >0 like the collator, for two eligible texts.
    int compare(QStringView a, QStringView b) const;
    bool equal(QStringView a, QStringView b) const;
    // The same for eligible texts held one byte a character.
    int compare(QLatin1String a, QLatin1String b) const;
    bool equal(QLatin1String a, QLatin1String b) const;
    // The same for texts equal under the comparison.
    std::size_t hash(QStringView text) const;

    // Exactly tab, the line-break controls and printable ASCII have a rank.
    bool printableOnly() const { return m_printableOnly; }

    int rank(QChar c) const { return c.unicode() < 128 ? m_ranks[c.unicode()] : 0; }
    int rank(char c) const { return uchar(c) < 128 ? m_ranks[uchar(c)] : 0; }

  private:
    std::array<quint8, 128> m_ranks{};
    bool m_printableOnly = false;  // exactly 9 to 13 and printable ASCII have a rank
};
