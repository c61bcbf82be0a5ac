#include "reports/htmlescape.h"

#include <gtest/gtest.h>

namespace {

// Each context escapes what could end it; characters a document may not hold are replaced.
TEST(HtmlEscape, EscapesForItsContextAndDropsWhatADocumentMayNotHold) {
    const QString hostile = QStringLiteral("<img src=x onerror=\"a('&')\">");
    EXPECT_EQ(htmlescape::text(hostile),
              QStringLiteral("&lt;img src=x onerror=\"a('&amp;')\"&gt;"));
    EXPECT_EQ(htmlescape::attribute(hostile),
              QStringLiteral("&lt;img src=x onerror=&quot;a(&#39;&amp;&#39;)&quot;&gt;"));
    EXPECT_EQ(htmlescape::text(QStringLiteral("a\r\nb\rc\x01\x7f\u0085\uFFFE\t")),
              QStringLiteral("a\nb\nc\uFFFD\uFFFD\uFFFD\uFFFD\t"));
    const QChar lone[] = {QChar(0xd800), u'x', QChar(0xd83d), QChar(0xde00)};
    EXPECT_EQ(htmlescape::text(QString(lone, 4)), QStringLiteral("\uFFFDx\U0001F600"));
}

// A server name never leaves the servers folder nor brings a markup character into a link.
TEST(HtmlEscape, PageFileNamesAreSafe) {
    EXPECT_EQ(htmlescape::pageFileName(3, "ACME-FS1"), "3-ACME-FS1.html");
    EXPECT_EQ(htmlescape::pageFileName(4, "../<a href='x'>&"), "4-____a_href__x___.html");
    EXPECT_EQ(htmlescape::pageFileName(5, "  "), "5-server.html");
    EXPECT_EQ(htmlescape::pageFileName(6, QString(100, u'S')).size(), 2 + 60 + 5);
}

}  // namespace
