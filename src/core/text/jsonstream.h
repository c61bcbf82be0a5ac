#pragma once

#include "text/jsonchunk.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QStringList>
#include <cstdio>
#include <functional>

// Writes a JSON document to a file byte for byte as QJsonDocument's indented form, without
// building its long lists in memory. While a stream exists it is current: a list handed to
// stringArray(), rowArray() or objectArray() then becomes a one-item array holding a unique
// placeholder, and write() serialises the rest of the document with Qt and puts the list's items
// in the placeholder's place, at its indentation, as they are written. Without a current stream
// these functions return the full array.
// The functions that give a list's items are called while write() runs: what they read must
// stay unchanged until then.
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
    // count strings; textAt(i) gives the i-th as a QStringView or a QLatin1String (one byte a
    // character), cheaply: it is called ahead of the item to have its characters fetched early.
    template <typename TextAt>
    static QJsonArray stringArray(qsizetype count, TextAt textAt);
    static QJsonArray rowArray(const QList<Row>& rows);
    // count rows: textAt(i) as above, colourAt(i) the colour as JSON text made once with
    // valueText() ("null", "3", "\"red\"") and kept until write() returns.
    template <typename TextAt, typename ColourAt>
    static QJsonArray rowArray(qsizetype count, TextAt textAt, ColourAt colourAt);
    // Objects made one at a time as they are written; an object whose values are all strings,
    // numbers, booleans or null is written without Qt's serialiser.
    static QJsonArray objectArray(qsizetype count, std::function<QJsonObject(qsizetype)> objectAt);

    // Writes the document and a final line break, as toJson(Indented) gives it.
    void write(const QJsonObject& root, std::FILE* out);

    // A text as a quoted JSON string, escaped as QJsonDocument escapes it.
    static void appendString(QByteArray& out, QStringView text);
    // A string, number, boolean or null as JSON text.
    static QByteArray valueText(const QJsonValue& value);

  private:
    // The texts that frame the items of a list at one indentation.
    struct Frame {
        QByteArray first;      // before the first item: the indentation
        QByteArray next;       // before each further item: ",\n" and the indentation
        QByteArray rowColour;  // a row up to its colour
        QByteArray rowText;    // from the colour to the text
        QByteArray rowEnd;     // after the text
    };
    static Frame frameAt(const QByteArray& indent);
    // The text of a row before its text's quote: the separator, the row's opening and its
    // colour, made once for each colour (by its JSON text) in a chunk.
    class RowHeads {
      public:
        explicit RowHeads(const Frame& frame) : m_frame(frame) {}
        QByteArrayView at(bool first, QByteArrayView colour) {
            // Most rows have the colour of the row before, given from the same place.
            if (colour.data() != m_lastColour.data() || colour.size() != m_lastColour.size() ||
                first != m_lastFirst || m_lastText.isNull()) {
                m_lastText = find(first, colour);
                m_lastColour = colour;
                m_lastFirst = first;
            }
            return m_lastText;
        }

      private:
        struct Head {
            bool first;
            QByteArray colour, text;
        };
        QByteArrayView find(bool first, QByteArrayView colour);

        const Frame& m_frame;
        QList<Head> m_heads;
        QByteArrayView m_lastColour;
        QByteArrayView m_lastText;
        bool m_lastFirst = false;
    };

    // Writes items [from, to) of a list into the chunk.
    using RangeWriter = std::function<void(qsizetype, qsizetype, const Frame&, JsonChunk&)>;
    struct Deferred {
        qsizetype count;
        RangeWriter writeRange;
    };
    static JsonStream* current();
    QJsonArray defer(qsizetype count, RangeWriter writeRange);
    template <typename TextAt>
    static QJsonArray fullStringArray(qsizetype count, TextAt textAt);
    template <typename TextAt, typename ColourAt>
    static QJsonArray fullRowArray(qsizetype count, TextAt textAt, ColourAt colourAt);
    // Asks for the characters of a text needed soon to be brought into the cache: the lines of
    // a long list lie all over the memory, and fetching each only when it is written costs more
    // than writing it.
    template <typename Text>
    static void prefetch(const Text& text) {
        if (!text.isEmpty()) {
            const char* data = reinterpret_cast<const char*>(text.data());
            __builtin_prefetch(data);
            __builtin_prefetch(data + text.size() * qsizetype(sizeof(*text.data())) - 1);
        }
    }
    static constexpr qsizetype PrefetchAhead = 16;

    QByteArray m_token;
    QList<Deferred> m_deferred;
    JsonStream* m_previous;
};

template <typename TextAt>
QJsonArray JsonStream::stringArray(qsizetype count, TextAt textAt) {
    JsonStream* stream = current();
    if (stream == nullptr || count == 0) {
        return fullStringArray(count, textAt);
    }
    return stream->defer(
        count, [textAt](qsizetype from, qsizetype to, const Frame& frame, JsonChunk& out) {
            for (qsizetype i = from; i < to; ++i) {
                if (i + PrefetchAhead < to) {
                    prefetch(textAt(i + PrefetchAhead));
                }
                out.append(i == 0 ? frame.first : frame.next);
                out.appendString(textAt(i));
            }
        });
}

template <typename TextAt, typename ColourAt>
QJsonArray JsonStream::rowArray(qsizetype count, TextAt textAt, ColourAt colourAt) {
    JsonStream* stream = current();
    if (stream == nullptr || count == 0) {
        return fullRowArray(count, textAt, colourAt);
    }
    return stream->defer(count, [textAt, colourAt](qsizetype from, qsizetype to, const Frame& frame,
                                                   JsonChunk& out) {
        RowHeads heads(frame);
        for (qsizetype i = from; i < to; ++i) {
            if (i + PrefetchAhead < to) {
                prefetch(textAt(i + PrefetchAhead));
            }
            out.append(heads.at(i == 0, colourAt(i)));
            out.appendString(textAt(i));
            out.append(frame.rowEnd);
        }
    });
}

template <typename TextAt>
QJsonArray JsonStream::fullStringArray(qsizetype count, TextAt textAt) {
    QJsonArray out;
    for (qsizetype i = 0; i < count; ++i) {
        out.append(textAt(i).toString());
    }
    return out;
}

template <typename TextAt, typename ColourAt>
QJsonArray JsonStream::fullRowArray(qsizetype count, TextAt textAt, ColourAt colourAt) {
    QJsonArray out;
    for (qsizetype i = 0; i < count; ++i) {
        const QByteArray colour = '[' + QByteArrayView(colourAt(i)).toByteArray() + ']';
        out.append(QJsonObject{{"text", textAt(i).toString()},
                               {"colour", QJsonDocument::fromJson(colour).array().at(0)}});
    }
    return out;
}
