#pragma once

#include <QIODevice>
#include <QString>

class Engine;

// The HTML page of the open report: what the window shows, laid out for reading. The title
// block of the summary report, the server information, the suggestions, the out-of-date core
// modules, the loaded patches and the other modules in the window's colours with a word
// beside each colour, the complete and partial patch sets, the volumes and interrupts, the
// embedded files (closed) and the abend summary when the report has one. One self-contained
// page: inline style, nothing loaded from elsewhere.
namespace htmlpage {

// Writes the page to the device; false when a write failed.
bool write(Engine& engine, QIODevice& device);
// Writes the page to `path` in place; a page that could not be written whole is removed.
// Returns the error message ("Unable to write to PATH") or a null string.
QString save(Engine& engine, const QString& path);

}  // namespace htmlpage
