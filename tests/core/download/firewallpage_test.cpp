#include "download/firewallpage.h"

#include <gtest/gtest.h>

TEST(FirewallPage, RequiredMarksFollowUseFirewallAndTheType) {
    FirewallPage page;
    EXPECT_FALSE(page.controlsEnabled());
    for (const QString& mark : page.requiredMarks()) {
        EXPECT_TRUE(mark.isEmpty());
    }
    page.UseFirewall = true;
    EXPECT_TRUE(page.controlsEnabled());
    using Marks = std::array<QString, FirewallPage::FieldCount>;
    const QString yes = QStringLiteral("Yes");
    const QString no = QStringLiteral("No");
    const Marks login{yes, yes, yes, yes};
    const Marks noLogin{yes, no, no, yes};
    const Marks expected[] = {login, login, noLogin, noLogin};
    for (int type = 0; type < 4; ++type) {
        page.FirewallType = type;
        EXPECT_EQ(page.requiredMarks(), expected[type]) << type;
    }
    EXPECT_EQ(FirewallPage::FirewallTypes.size(), 4);
    EXPECT_EQ(FirewallPage::FirewallTypes.last(), QStringLiteral("Proxy OPEN"));
}
