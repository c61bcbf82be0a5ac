#include "text/jsonstream.h"

#include <gtest/gtest.h>
#include <QJsonDocument>
#include <QTemporaryFile>
#include <random>

namespace {

QString randomText(std::mt19937& rng) {
    // ASCII with its escapes, Latin-1, the bullet, surrogate pairs and lone surrogates.
    static const char16_t pool[] = {u'a',  u'"',   u'\\',  u'/',   u'\b',  u'\f',
                                    u'\n', u'\r',  u'\t',  0x01,   0x1f,   0x7f,
                                    0xe9,  0x2022, 0xd83d, 0xde00, 0xfffe, 0xffff};
    QString text;
    const int length = int(rng() % 8);
    for (int k = 0; k < length; ++k) {
        text += QChar(pool[rng() % std::size(pool)]);
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
    for (int round = 0; round < 2000; ++round) {
        const QString text = randomText(rng);
        const QByteArray qt = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
        QByteArray ours;
        JsonStream::appendString(ours, text);
        ASSERT_EQ(ours, qt.mid(1, qt.size() - 2)) << round;
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
