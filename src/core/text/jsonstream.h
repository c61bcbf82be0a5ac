#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QStringList>
#include <cstdio>
#include <functional>

// Writes a JSON document to a file byte for byte as QJsonDocument's indented form, without
// building its long lists in memory. While a stream exists it is current: a list handed to
// stringArray() or rowArray() then becomes a one-item array holding a unique placeholder, and
// write() serialises the rest of the document with Qt and puts the list's items in the
// placeholder's place, at its indentation, as they are written. Without a current stream
// both functions return the full array.
class JsonStream {
  public:
    // A row of a coloured view: {"colour": colour, "text": text}.
    struct Row {
        QString text;
        QJsonValue colour;
    };

    JsonStream();
    ~JsonStream();
    JsonStream(const JsonStream&) = delete;
    JsonStream& operator=(const JsonStream&) = delete;

    static QJsonArray stringArray(const QStringList& lines);
    static QJsonArray rowArray(const QList<Row>& rows);
    // The same for rows made one at a time as they are written.
    static QJsonArray rowArray(qsizetype count, std::function<Row(qsizetype)> rowAt);
    // Objects made one at a time as they are written; an object whose values are all strings,
    // numbers, booleans or null is written without Qt's serialiser.
    static QJsonArray objectArray(qsizetype count, std::function<QJsonObject(qsizetype)> objectAt);

    // Writes the document and a final line break, as toJson(Indented) gives it.
    void write(const QJsonObject& root, std::FILE* out);

    // A text as a quoted JSON string, escaped as QJsonDocument escapes it.
    static void appendString(QByteArray& out, QStringView text);

  private:
    using ItemWriter = std::function<void(qsizetype, const QByteArray&, QByteArray&)>;
    struct Deferred {
        qsizetype count;
        ItemWriter writeItem;
    };
    QJsonArray defer(qsizetype count, ItemWriter writeItem);
    void writeDeferred(const Deferred& list, const QByteArray& indent, QByteArray& buffer,
                       std::FILE* out);

    QByteArray m_token;
    QList<Deferred> m_deferred;
    JsonStream* m_previous;
};
