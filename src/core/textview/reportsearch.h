#pragma once

#include "textview/searchrequest.h"

#include <QString>

class SearchView;
class UserDialogs;

// The search commands of the report text page: Find (the dialog), the dialog's Find button,
// Find Next and Find Previous. It keeps the find text, the options and the direction of the
// last Find Next / Find Previous for the life of the program.
//
// A search from the caret in the other direction than the last one first meets the match that
// is selected already, so after a change of direction the command searches twice and reports
// failure only from the second search. The first Find Previous counts as such a change.
class ReportSearch {
  public:
    ReportSearch(SearchView& view, UserDialogs& dialogs);

    void find();
    void dialogFind(const QString& text, bool matchCase, bool wholeWord);
    void findNext();
    void findPrevious();

    const QString& findText() const { return m_findText; }
    bool matchCase() const { return m_matchCase; }
    bool wholeWord() const { return m_wholeWord; }
    bool searchBackward() const { return m_searchBackward; }

    static QString notFoundMessage(const QString& text);
    static QString noMoreMessage(const QString& text);

  private:
    bool searchFromCaret(bool backward);
    // Searches in the direction; a change of direction searches a second time.
    void searchDirection(bool backward);

    SearchView& m_view;
    UserDialogs& m_dialogs;
    QString m_findText;
    bool m_matchCase = false;
    bool m_wholeWord = false;
    bool m_searchBackward = false;
};
