#pragma once

#include "textview/searchrequest.h"

#include <QString>
#include <optional>

// The lines of a text as a search sees them, so that a view can hand over its document
// without copying it.
class LineSource {
  public:
    virtual ~LineSource() = default;
    virtual int lineCount() const = 0;
    virtual QString line(int index) const = 0;
};

// Finds the find text line by line. Forward, the first match that starts at or after the
// caret; backward, the last match that ends at or before it, so that a search in the other
// direction first meets the match selected already. A search from the top starts at line 1,
// column 1. Whole word: no letter, digit or underscore touches the match on either side. An
// empty find text finds nothing.
std::optional<TextMatch> findInLines(const LineSource& lines, const SearchRequest& request,
                                     TextPosition caret);
