#include "text/jsonstream.h"

#include <gtest/gtest.h>
#include <QJsonDocument>
#include <QTemporaryFile>
#include <random>

namespace {

// Mostly plain text, long enough to be copied in blocks, with now and then a character that
// needs more: ASCII escapes, Latin-1, the bullet, surrogate pairs and lone surrogates.
QString randomText(std::mt19937& rng, bool latin1 = false) {
    static const char16_t pool[] = {u'"',   u'\\',  u'/',   u'\b',  u'\f', u'\n', u'\r',
                                    u'\t',  0x01,   0x1f,   0x7f,   0x80,  0xe9,  0xff,
                                    0x2022, 0xd83d, 0xde00, 0xfffe, 0xffff};
    const int latin1Pool = 14;
    QString text;
    const int length = int(rng() % (rng() % 4 == 0 ? 300 : 40));
    const unsigned odds = 1 + rng() % 60;
    for (int k = 0; k < length; ++k) {
        text += rng() % odds != 0 ? QChar(char16_t(u'a' + rng() % 26))
                                  : QChar(pool[rng() % (latin1 ? latin1Pool : std::size(pool))]);
    }
    return text;
}

QByteArray streamed(const std::function<QJsonObject()>& build) {
    QTemporaryFile file;
    EXPECT_TRUE(file.open());
    std::FILE* out = std::fopen(file.fileName().toLocal8Bit().constData(), "wb");
    {
        JsonStream stream;
        stream.write(build(), out);
    }
    std::fclose(out);
    return file.readAll();
}

}  // namespace

TEST(JsonStream, StringsAreEscapedAsQtEscapesThem) {
    std::mt19937 rng(11);
    for (int round = 0; round < 4000; ++round) {
        const QString text = randomText(rng, round % 2 == 0);
        const QByteArray qt = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
        QByteArray ours;
        JsonStream::appendString(ours, text);
        ASSERT_EQ(ours, qt.mid(1, qt.size() - 2)) << round;
        if (round % 2 == 0) {  // one byte a character: the same text
            const QByteArray bytes = text.toLatin1();
            JsonChunk chunk;
            chunk.appendString(QLatin1String(bytes));
            ASSERT_EQ(chunk.view(), qt.mid(1, qt.size() - 2)) << round;
        }
    }
}

// Lists of every length, nested at several depths, as strings and as coloured rows.
TEST(JsonStream, StreamedDocumentEqualsQtsIndentedForm) {
    std::mt19937 rng(5);
    for (int round = 0; round < 40; ++round) {
        QStringList lines;
        QList<JsonStream::Row> rows;
        QList<QJsonObject> objects;
        const int count = int(rng() % 4);
        for (int k = 0; k < count; ++k) {
            lines.append(randomText(rng));
            // Flat objects of every kind of value, an empty one and one with a nested list.
            objects.append(k % 3 == 0   ? QJsonObject{{"text", randomText(rng)},
                                                    {"b", bool(rng() % 2)},
                                                    {"n", int(rng() % 100)},
                                                    {"z", QJsonValue()}}
                           : k % 3 == 1 ? QJsonObject{}
                                        : QJsonObject{{"list", QJsonArray{1, randomText(rng)}},
                                                      {"o", QJsonObject{}}});
            const QJsonValue colour = k % 3 == 0   ? QJsonValue()
                                      : k % 3 == 1 ? QJsonValue(int(rng() % 8))
                                                   : QJsonValue(QStringLiteral("clRed"));
            rows.append({randomText(rng), colour});
        }
        const auto build = [&] {
            QJsonObject inner{
                {"lines", JsonStream::stringArray(lines)},
                {"rows", JsonStream::rowArray(rows)},
                {"objects", JsonStream::objectArray(objects.size(),
                                                    [&](qsizetype i) { return objects.at(i); })},
                {"n", count}};
            return QJsonObject{{"a", JsonStream::stringArray(lines)},
                               {"inner", inner},
                               {"z", JsonStream::rowArray(rows)},
                               {"null", QJsonValue()}};
        };
        const QByteArray expected = QJsonDocument(build()).toJson(QJsonDocument::Indented);
        ASSERT_EQ(streamed(build), expected) << round;
    }
}

// Lists given item by item as either kind of text, long enough to be written in several chunks
// and flushes.
TEST(JsonStream, ListsGivenByIndexAreWrittenWholeAndInOrder) {
    std::mt19937 rng(7);
    QStringList lines;
    QByteArrayList bytes;
    for (int k = 0; k < 3000; ++k) {
        lines.append(randomText(rng, true));
        bytes.append(lines.last().toLatin1());
    }
    const QList<QByteArray> colours = {JsonStream::valueText(QJsonValue()),
                                       JsonStream::valueText(3),
                                       JsonStream::valueText(QStringLiteral("red"))};
    const auto build = [&] {
        const auto wide = [&](qsizetype i) { return QStringView(lines.at(i)); };
        const auto narrow = [&](qsizetype i) { return QLatin1String(bytes.at(i)); };
        const auto colour = [&](qsizetype i) { return QByteArrayView(colours.at(i % 3)); };
        return QJsonObject{
            {"wide", JsonStream::stringArray(lines.size(), wide)},
            {"narrow", JsonStream::stringArray(bytes.size(), narrow)},
            {"rows", QJsonObject{{"wide", JsonStream::rowArray(1025, wide, colour)},
                                 {"narrow", JsonStream::rowArray(3000, narrow, colour)}}},
            {"none", JsonStream::stringArray(0, wide)}};
    };
    const QByteArray expected = QJsonDocument(build()).toJson(QJsonDocument::Indented);
    EXPECT_EQ(streamed(build), expected);
}
