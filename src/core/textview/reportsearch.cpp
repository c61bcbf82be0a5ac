#include "textview/reportsearch.h"

#include "textview/searchview.h"
#include "ui/userdialogs.h"

ReportSearch::ReportSearch(SearchView& view, UserDialogs& dialogs)
    : m_view(view), m_dialogs(dialogs) {}

QString ReportSearch::notFoundMessage(const QString& text) {
    return QStringLiteral("'") + text + QStringLiteral("' not found!");
}

QString ReportSearch::noMoreMessage(const QString& text) {
    return QStringLiteral("No more occurences of '") + text + QStringLiteral("' found!");
}

void ReportSearch::find() {
    m_view.showFindDialog();
}

// The dialog's Find always searches forward from the top, whatever direction was used last,
// and leaves the direction memory alone.
void ReportSearch::dialogFind(const QString& text, bool matchCase, bool wholeWord) {
    m_findText = text;
    m_matchCase = matchCase;
    m_wholeWord = wholeWord;
    m_view.focusMainViewer();
    SearchRequest request{m_findText, m_matchCase, m_wholeWord, false, true};
    if (!m_view.search(request)) {
        m_dialogs.inform(notFoundMessage(m_findText));
    }
}

void ReportSearch::findNext() {
    if (m_findText.isEmpty()) {
        find();
        return;
    }
    searchDirection(false);
}

void ReportSearch::findPrevious() {
    searchDirection(true);
}

void ReportSearch::searchDirection(bool backward) {
    bool found = searchFromCaret(backward);
    if (m_searchBackward != backward) {
        m_searchBackward = backward;
        found = searchFromCaret(backward);
    }
    if (!found) {
        m_dialogs.inform(noMoreMessage(m_findText));
    }
}

bool ReportSearch::searchFromCaret(bool backward) {
    return m_view.search(SearchRequest{m_findText, m_matchCase, m_wholeWord, backward, false});
}
