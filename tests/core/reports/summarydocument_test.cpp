// The two forms of the summary report built from plain input.

#include "reports/summarydocument.h"

#include <gtest/gtest.h>

namespace {

const QString Heading1 = QStringLiteral("               *** Using Quarix-controlled database ***");

SummaryInput input(const QStringList& suggestions) {
    return {suggestions, QStringLiteral("FS1  "), QStringLiteral("4.11"),
            QStringLiteral("/srv/reports/config.txt"), QStringLiteral("1/2/26 10:11:12")};
}

TEST(SummaryClipboard, TitleReplacesTheHeadingAndBulletLinesAreCut) {
    const QString longText = QString(120, u'x');
    const QStringList suggestions = {Heading1,
                                     "      Visit the Quarix web site for ",
                                     "          patches, file updates, and technical information.",
                                     " ",
                                     " \u2022 " + longText,
                                     "   continuation stays as it is",
                                     " ",
                                     " \u2022 Short one",
                                     " ",
                                     "Following are differences found when compared"};
    EXPECT_EQ(summarydocument::clipboardLines(input(suggestions)),
              QStringList({"  Cartovex v2.66 Summary Report for ", "    Daltrix 4.11 Server FS1  ",
                           "        1/2/26 10:11:12", " ", " - " + longText.left(100),
                           "   continuation stays as it is", " ", " - Short one", " ",
                           "Following are differences found when compared"}));
}

TEST(SummaryClipboard, AListWithoutTheHeadingKeepsEveryLine) {
    const QStringList title = {"  Cartovex v2.66 Summary Report for ",
                               "    Daltrix 4.11 Server FS1  ", "        1/2/26 10:11:12"};
    EXPECT_EQ(summarydocument::clipboardLines(input({" \u2022 No suggestions at this time."})),
              title + QStringList({" - No suggestions at this time."}));
    // Followed by compare differences: nothing of the list is overwritten.
    EXPECT_EQ(
        summarydocument::clipboardLines(input({" \u2022 No suggestions at this time.",
                                               "Following are differences found when compared",
                                               "against Baseline Server FS0:", " ",
                                               " \u2022 Update X.DXP is not current", " "})),
        title + QStringList({" - No suggestions at this time.",
                             "Following are differences found when compared",
                             "against Baseline Server FS0:", " ", " - Update X.DXP is not current",
                             " "}));
    EXPECT_TRUE(summarydocument::clipboardLines(input({})).isEmpty());
}

TEST(SummaryPrinted, TitleBlockSuggestionsAndNote) {
    const QString longLine = " \u2022 " + QString(150, u'y');
    const PrintedDocument doc = summarydocument::printedDocument(input({Heading1, longLine, " "}));
    EXPECT_EQ(doc.title, "Report for Server FS1  ");
    const QList<ReportParagraph> expected = {
        {"", 18, true},
        {"", 18, true},
        {"  Cartovex v2.66 Summary Report for ", 18, true},
        {"      Daltrix 4.11 Server FS1  ", 18, true},
        {QString(29, u' ') + "1/2/26 10:11:12", 12, false},
        {"                       (Original config text file: /SRV/REPORTS/CONFIG.TXT)", 8, false},
        {"", 8, false},
        {Heading1, 12, false},
        {longLine, 12, false},  // printed whole
        {" ", 12, false},
        {QString(56, u'_'), 12, false},
        {" * Patch set information is accurate only if the Database has info on the patch sets.",
         10, false},
        {"", 10, false}};
    EXPECT_EQ(doc.paragraphs, expected);
}

TEST(SummaryDateTime, DateAndTimeWithoutAZoneName) {
    const QDateTime when(QDate(2026, 3, 4), QTime(5, 6, 7));
    const QString text = summarydocument::dateTimeText(when);
    EXPECT_TRUE(text.contains("05:06:07") || text.contains("5:06:07")) << text.toStdString();
    EXPECT_TRUE(text.endsWith("06:07")) << text.toStdString();  // no zone name after it
}

}  // namespace
