#include "startup/upgradenotice.h"
#include "ui/operationerror.h"

#include <gtest/gtest.h>

namespace {

const QString Host = QStringLiteral("ftp.example.test");

QString notice(const UpgradeKeys& keys) {
    return upgradenotice::text(keys, QStringLiteral("2.66"), Host);
}

TEST(UpgradeNotice, NewerVersionOnSiteOneNamesFileAndHostFolder) {
    UpgradeKeys keys;
    keys.Upgrade = QStringLiteral("2.70,NEWVER.EXE");
    keys.UpgradeSite = QStringLiteral("1");
    EXPECT_EQ(notice(keys),
              "You need to upgrade this version of Cartovex\r\nto version 2.70 found in the file "
              "NEWVER.EXE in\r\nthe /outgoing directory on the ftp.example.test site.\r\nThe "
              "filename is case sensitive.  You won't be able to see\r\nany files in this "
              "directory but you can download files.\r\n\r\nSupport for the version of Cartovex "
              "you are\r\ncurrently running and it's controlled database\r\nwill end shortly.");
}

TEST(UpgradeNotice, NoNoticeForNoneOrNotNewer) {
    UpgradeKeys keys;
    EXPECT_TRUE(notice(keys).isEmpty());
    keys.Upgrade = QStringLiteral("2.66,X.EXE");
    EXPECT_TRUE(notice(keys).isEmpty());
    keys.Upgrade = QStringLiteral("1.5,OLD.EXE");
    EXPECT_TRUE(notice(keys).isEmpty());
}

TEST(UpgradeNotice, SiteTwoLinesPriorityAndNews) {
    UpgradeKeys keys;
    keys.Upgrade = QStringLiteral("3.0, A-VERY-LONG-FILENAME.EXE");
    keys.UpgradeSite = QStringLiteral("2,our web site+under downloads+at the top");
    keys.UpgradePriority = QStringLiteral("High,security fix");
    keys.WhatsNew = QStringLiteral("faster;;new wizard;last");
    const QString text = notice(keys);
    EXPECT_TRUE(
        text.contains("version 3.0 found in the file A-VERY-LONG-FI"
                      "our web site\r\nunder downloads\r\nat the top.\r\n\r\nSupport"));
    EXPECT_TRUE(
        text.endsWith("will end shortly.\r\n\r\nUpgrade Priority:  High\r\nUpgrade "
                      "Reason:  security fix\r\n\r\nWhat's New:\r\n     - faster\r\n\r\n"
                      "     - new wizard\r\n     - last"));
    keys.UpgradePriority = QStringLiteral("Low");
    keys.WhatsNew = QStringLiteral("None");
    keys.UpgradeSite = QStringLiteral("7");
    EXPECT_TRUE(
        notice(keys).endsWith("A-VERY-LONG-FI.\r\n\r\nSupport for the version of "
                              "Cartovex you are\r\ncurrently running and it's controlled "
                              "database\r\nwill end shortly.\r\n\r\nUpgrade Priority:  Low"));
}

TEST(UpgradeNotice, TargetThatIsNoNumberIsAConversionError) {
    UpgradeKeys keys;
    keys.Upgrade = QStringLiteral("two,X.EXE");
    try {
        notice(keys);
        FAIL() << "no error";
    } catch (const OperationError& error) {
        EXPECT_EQ(error.message(), "'two' is not a valid floating point value");
    }
}

}  // namespace
