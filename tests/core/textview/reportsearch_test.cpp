#include "textview/reportsearch.h"
#include "textview/linematcher.h"
#include "textview/searchview.h"
#include "ui/recordingdialogs.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace {

// A viewer over a list of lines that records every search and moves its caret the way the
// main viewer does: after a forward match behind it, after a backward match before it.
class ScriptedView : public SearchView, public LineSource {
  public:
    explicit ScriptedView(QStringList lines) : m_lines(std::move(lines)) {}

    int lineCount() const override { return m_lines.size(); }
    QString line(int index) const override { return m_lines.at(index); }

    bool search(const SearchRequest& request) override {
        requests.append(request);
        auto match = findInLines(*this, request, caret);
        if (!match) {
            return false;
        }
        selected = match->start;
        caret = match->start;
        if (!request.backward) {
            caret.column += match->length;
        }
        return true;
    }
    void showFindDialog() override { ++dialogsOpened; }
    void focusMainViewer() override { ++focused; }

    TextPosition caret;
    std::optional<TextPosition> selected;
    QList<SearchRequest> requests;
    int dialogsOpened = 0;
    int focused = 0;

  private:
    QStringList m_lines;
};

class ReportSearchTest : public ::testing::Test {
  protected:
    ScriptedView m_view{{QStringLiteral("SET A = ON"), QStringLiteral("set b = on"),
                         QStringLiteral("SET C = OFF")}};
    RecordingDialogs m_dialogs;
    ReportSearch m_search{m_view, m_dialogs};
};

}  // namespace

TEST_F(ReportSearchTest, FindNextWithoutFindTextOpensTheDialog) {
    m_search.findNext();
    EXPECT_EQ(m_view.dialogsOpened, 1);
    EXPECT_TRUE(m_view.requests.isEmpty());
    EXPECT_TRUE(m_dialogs.texts().isEmpty());

    m_search.find();
    EXPECT_EQ(m_view.dialogsOpened, 2);

    // Find Previous searches even without a find text, finds nothing and says so.
    m_search.findPrevious();
    EXPECT_EQ(m_view.dialogsOpened, 2);
    EXPECT_EQ(m_view.requests.size(), 2);
    EXPECT_EQ(m_dialogs.texts(), QStringList{QStringLiteral("No more occurences of '' found!")});
}

TEST_F(ReportSearchTest, DialogFindStartsAtTheTopWithTheDialogsOptions) {
    m_view.caret = {2, 5};
    m_search.dialogFind(QStringLiteral("set"), true, false);
    EXPECT_EQ(m_view.focused, 1);
    ASSERT_EQ(m_view.requests.size(), 1);
    const SearchRequest& request = m_view.requests.first();
    EXPECT_TRUE(request.fromTop);
    EXPECT_FALSE(request.backward);
    EXPECT_TRUE(request.matchCase);
    EXPECT_EQ(m_view.selected, (TextPosition{1, 0}));

    // After a Find Previous, the dialog still searches forward and keeps the direction memory.
    m_search.findPrevious();
    ASSERT_TRUE(m_search.searchBackward());
    m_view.requests.clear();
    m_search.dialogFind(QStringLiteral("C ="), false, false);
    EXPECT_TRUE(m_view.requests.first().fromTop);
    EXPECT_FALSE(m_view.requests.first().backward);
    EXPECT_TRUE(m_search.searchBackward());
    EXPECT_EQ(m_view.selected, (TextPosition{2, 4}));

    m_search.dialogFind(QStringLiteral("missing"), false, true);
    EXPECT_EQ(m_dialogs.texts().last(), QStringLiteral("'missing' not found!"));
    EXPECT_EQ(m_view.selected, (TextPosition{2, 4}));
    EXPECT_TRUE(m_search.wholeWord());
}

TEST_F(ReportSearchTest, FirstFindPreviousSearchesBackwardTwice) {
    m_search.dialogFind(QStringLiteral("set"), false, false);  // selects line 1
    m_view.caret = {2, 11};                                    // the user clicks at the end
    m_view.requests.clear();

    m_search.findPrevious();
    ASSERT_EQ(m_view.requests.size(), 2);
    EXPECT_TRUE(m_view.requests[0].backward && m_view.requests[1].backward);
    EXPECT_FALSE(m_view.requests[0].fromTop || m_view.requests[1].fromTop);
    EXPECT_EQ(m_view.selected, (TextPosition{1, 0}));
    EXPECT_TRUE(m_search.searchBackward());

    m_view.requests.clear();
    m_search.findPrevious();
    EXPECT_EQ(m_view.requests.size(), 1);
    EXPECT_EQ(m_view.selected, (TextPosition{0, 0}));
    EXPECT_TRUE(m_dialogs.texts().isEmpty());
}

TEST_F(ReportSearchTest, DirectionChangeSkipsTheSelectedMatchAndReportsTheEnd) {
    m_search.dialogFind(QStringLiteral("set"), false, false);
    m_search.findNext();
    m_search.findNext();
    EXPECT_EQ(m_view.selected, (TextPosition{2, 0}));
    EXPECT_TRUE(m_dialogs.texts().isEmpty());

    m_search.findNext();
    EXPECT_EQ(m_dialogs.texts(), QStringList{QStringLiteral("No more occurences of 'set' found!")});

    // Back: the first backward search meets line 3 again, the second reaches line 2.
    m_search.findPrevious();
    EXPECT_EQ(m_view.selected, (TextPosition{1, 0}));
    m_search.findPrevious();
    m_search.findPrevious();
    EXPECT_EQ(m_view.selected, (TextPosition{0, 0}));
    EXPECT_EQ(m_dialogs.texts().size(), 2);

    // Forward again from the first line: the change of direction passes over it.
    m_search.findNext();
    EXPECT_FALSE(m_search.searchBackward());
    EXPECT_EQ(m_view.selected, (TextPosition{1, 0}));
    EXPECT_EQ(m_dialogs.texts().size(), 2);
}

TEST_F(ReportSearchTest, OnlyMatchReportsNoMoreAfterDirectionChange) {
    m_search.dialogFind(QStringLiteral("OFF"), true, true);
    m_search.findPrevious();  // meets OFF again, then nothing before it
    EXPECT_EQ(m_dialogs.texts(), QStringList{QStringLiteral("No more occurences of 'OFF' found!")});
    EXPECT_EQ(m_view.selected, (TextPosition{2, 8}));
    m_search.findNext();  // meets OFF again, then nothing after it
    EXPECT_EQ(m_dialogs.texts().size(), 2);
}
