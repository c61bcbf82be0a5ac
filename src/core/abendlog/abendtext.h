#pragma once

#include <QString>
#include <QStringList>

// The abend log as lines. A log counts one line more than it has line breaks (CR LF, LF or a
// lone CR), so a text that ends with a line break has an empty last line, as the file view
// counts it.
namespace abendtext {

QStringList splitLines(const QString& text);
// The character offset at which line `index` (from 0) starts; the text's size when the text
// has fewer lines.
qsizetype lineStart(const QString& text, qsizetype index);

}  // namespace abendtext
