#include "textview/linematcher.h"

namespace {

bool isWordChar(QChar c) {
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

bool isWholeWord(const QString& line, int start, int length) {
    bool freeBefore = start == 0 || !isWordChar(line.at(start - 1));
    int end = start + length;
    bool freeAfter = end >= line.size() || !isWordChar(line.at(end));
    return freeBefore && freeAfter;
}

Qt::CaseSensitivity sensitivity(const SearchRequest& request) {
    return request.matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
}

// The first match on the line that starts at or after from, or -1.
int forwardIn(const QString& line, const SearchRequest& request, int from) {
    int length = request.text.size();
    for (int at = line.indexOf(request.text, from, sensitivity(request)); at >= 0;
         at = line.indexOf(request.text, at + 1, sensitivity(request))) {
        if (!request.wholeWord || isWholeWord(line, at, length)) {
            return at;
        }
    }
    return -1;
}

// The last match on the line that ends at or before end, or -1.
int backwardIn(const QString& line, const SearchRequest& request, int end) {
    int length = request.text.size();
    int from = qMin(end, int(line.size())) - length;
    while (from >= 0) {
        int at = line.lastIndexOf(request.text, from, sensitivity(request));
        if (at < 0) {
            return -1;
        }
        if (!request.wholeWord || isWholeWord(line, at, length)) {
            return at;
        }
        from = at - 1;
    }
    return -1;
}

std::optional<TextMatch> forward(const LineSource& lines, const SearchRequest& request,
                                 TextPosition caret) {
    int count = lines.lineCount();
    for (int i = qMax(caret.line, 0); i < count; ++i) {
        int at = forwardIn(lines.line(i), request, i == caret.line ? caret.column : 0);
        if (at >= 0) {
            return TextMatch{{i, at}, int(request.text.size())};
        }
    }
    return std::nullopt;
}

std::optional<TextMatch> backward(const LineSource& lines, const SearchRequest& request,
                                  TextPosition caret) {
    for (int i = qMin(caret.line, lines.lineCount() - 1); i >= 0; --i) {
        QString line = lines.line(i);
        int at = backwardIn(line, request, i == caret.line ? caret.column : int(line.size()));
        if (at >= 0) {
            return TextMatch{{i, at}, int(request.text.size())};
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<TextMatch> findInLines(const LineSource& lines, const SearchRequest& request,
                                     TextPosition caret) {
    if (request.text.isEmpty()) {
        return std::nullopt;
    }
    if (request.fromTop) {
        caret = TextPosition{};
    }
    return request.backward ? backward(lines, request, caret) : forward(lines, request, caret);
}
