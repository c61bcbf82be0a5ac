#include "text/numberconversion.h"
#include "ui/operationerror.h"

#include <gtest/gtest.h>

TEST(NumberConversion, IntegersAllowLeadingBlanksOnly) {
    EXPECT_EQ(numconv::toInt(QStringLiteral("  42")), 42);
    EXPECT_EQ(numconv::toInt(QStringLiteral("-7")), -7);
    EXPECT_EQ(numconv::toInt(QStringLiteral("00")), 0);
    for (const char* bad : {"", " ", "12 ", "1.5", "x1", "99999999999"}) {
        try {
            numconv::toInt(QString::fromLatin1(bad));
            FAIL() << bad;
        } catch (const OperationError& e) {
            EXPECT_EQ(e.message(), QStringLiteral("'%1' is not a valid integer value").arg(bad));
        }
    }
}
