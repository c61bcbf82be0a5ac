#include "textview/linematcher.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace {

class ListLines : public LineSource {
  public:
    explicit ListLines(QStringList lines) : m_lines(std::move(lines)) {}
    int lineCount() const override { return m_lines.size(); }
    QString line(int index) const override { return m_lines.at(index); }

  private:
    QStringList m_lines;
};

const ListLines kReport(QStringList{
    QStringLiteral("Server name: FS1"),
    QStringLiteral("LOAD CLIB.DXP   ; clib loaded"),
    QStringLiteral("clibaux.dxp 4.10"),
    QStringLiteral("aaaa"),
});

std::optional<TextPosition> at(const SearchRequest& request, TextPosition caret) {
    auto match = findInLines(kReport, request, caret);
    return match ? std::optional(match->start) : std::nullopt;
}

}  // namespace

TEST(LineMatcher, CaseAndWholeWordOptions) {
    SearchRequest request{QStringLiteral("clib")};
    EXPECT_EQ(at(request, {}), (TextPosition{1, 5}));

    request.matchCase = true;
    EXPECT_EQ(at(request, {}), (TextPosition{1, 18}));

    // "clib" inside "clibaux" and "CLIB" before "." : the dot ends a word, letters do not.
    request = SearchRequest{QStringLiteral("clib"), false, true};
    EXPECT_EQ(at(request, {}), (TextPosition{1, 5}));
    EXPECT_EQ(at(request, {1, 6}), (TextPosition{1, 18}));
    EXPECT_EQ(at(request, {1, 19}), std::nullopt);

    request = SearchRequest{QStringLiteral("name_"), false, true};
    EXPECT_EQ(at(request, {}), std::nullopt);
    EXPECT_EQ(at(SearchRequest{QString()}, {}), std::nullopt);
}

TEST(LineMatcher, ForwardStartsAtCaretBackwardEndsAtCaret) {
    SearchRequest forward{QStringLiteral("clib")};
    // A match that starts exactly at the caret is found forward.
    EXPECT_EQ(at(forward, {1, 5}), (TextPosition{1, 5}));
    EXPECT_EQ(at(forward, {1, 6}), (TextPosition{1, 18}));
    EXPECT_EQ(at(forward, {1, 19}), (TextPosition{2, 0}));

    SearchRequest backward{QStringLiteral("clib"), false, false, true};
    // A match that ends exactly at the caret is found backward.
    EXPECT_EQ(at(backward, {1, 22}), (TextPosition{1, 18}));
    EXPECT_EQ(at(backward, {1, 21}), (TextPosition{1, 5}));
    EXPECT_EQ(at(backward, {2, 3}), (TextPosition{1, 18}));
    EXPECT_EQ(at(backward, {1, 8}), std::nullopt);
    // Past the end of the text the search starts from the last line.
    EXPECT_EQ(at(backward, {99, 0}), (TextPosition{2, 0}));

    // From the top, the caret is ignored.
    forward.fromTop = true;
    EXPECT_EQ(at(forward, {3, 0}), (TextPosition{1, 5}));
}

TEST(LineMatcher, OverlappingMatchesStepOneAtATime) {
    SearchRequest forward{QStringLiteral("aa")};
    EXPECT_EQ(at(forward, {3, 0}), (TextPosition{3, 0}));
    EXPECT_EQ(at(forward, {3, 1}), (TextPosition{3, 1}));
    SearchRequest backward{QStringLiteral("aa"), false, false, true};
    EXPECT_EQ(at(backward, {3, 4}), (TextPosition{3, 2}));
    EXPECT_EQ(at(backward, {3, 3}), (TextPosition{3, 1}));
    EXPECT_EQ(at(backward, {3, 1}), std::nullopt);
}
