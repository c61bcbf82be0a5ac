#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

// Writes an HTML page to a device as it is made, in UTF-8, through a small buffer, so a page
// of a large report never stands whole in memory. Markup comes from the program's own
// literals; every text from a report or a database goes through text() or an attribute
// argument, which escape it for their context.
class HtmlWriter {
  public:
    explicit HtmlWriter(QIODevice& device);
    ~HtmlWriter() { flush(); }
    HtmlWriter(const HtmlWriter&) = delete;
    HtmlWriter& operator=(const HtmlWriter&) = delete;

    // The program's own markup, written as it is.
    HtmlWriter& markup(QStringView literal);
    // Element text, escaped.
    HtmlWriter& text(const QString& data);
    // <tag class="cssClass">text</tag>; no class attribute when cssClass is empty.
    HtmlWriter& element(QStringView tag, const QString& data, QStringView cssClass = {});
    // <tag attribute="value">, the value escaped for a double-quoted attribute.
    HtmlWriter& open(QStringView tag, QStringView attributeName, const QString& value);
    // Writes out the buffer; false when the device refused a write (also any earlier one).
    bool flush();

  private:
    void append(QStringView s);

    QIODevice& m_device;
    QByteArray m_buffer;  // UTF-8
    bool m_failed = false;
};
