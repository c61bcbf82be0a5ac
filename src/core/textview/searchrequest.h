#pragma once

#include <QString>

// One search in the report text: what to find, how to compare, which way, and where from.
struct SearchRequest {
    QString text;
    bool matchCase = false;
    bool wholeWord = false;
    bool backward = false;
    bool fromTop = false;  // from the top of the text instead of the caret
};

// A place in the report text: 0-based line and column.
struct TextPosition {
    int line = 0;
    int column = 0;

    friend bool operator==(const TextPosition&, const TextPosition&) = default;
    friend auto operator<=>(const TextPosition&, const TextPosition&) = default;
};

// A match: where it starts and how many characters it covers on its line.
struct TextMatch {
    TextPosition start;
    int length = 0;
};
