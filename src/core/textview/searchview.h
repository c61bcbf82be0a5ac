#pragma once

#include "textview/searchrequest.h"

// What the search commands need from the page that shows the report: the main viewer, which
// runs a search and selects what it finds, and the Find dialog.
class SearchView {
  public:
    virtual ~SearchView() = default;

    // Runs the search in the main viewer. A match is selected, highlighted and brought into
    // view with the caret on it; when nothing is found nothing changes.
    virtual bool search(const SearchRequest& request) = 0;
    // Opens the Find dialog; its Find button comes back through ReportSearch::dialogFind.
    virtual void showFindDialog() = 0;
    virtual void focusMainViewer() = 0;
};
