#include "textview/windowtexts.h"

#include <gtest/gtest.h>

TEST(WindowTexts, InterruptUsageNamesEachInterruptOnceInOrder) {
    QStringList lines = windowtexts::interruptUsageLines();
    ASSERT_EQ(lines.size(), 16);
    for (int irq = 0; irq < lines.size(); ++irq) {
        EXPECT_TRUE(lines.at(irq).startsWith(QString::number(irq) + QStringLiteral(" = ")))
            << lines.at(irq).toStdString();
    }
    EXPECT_EQ(lines.at(9), QStringLiteral("9 = Cascaded to IRQ 2"));
    EXPECT_EQ(lines.at(15), QStringLiteral("15 = Reserved (Daltrix)"));
}

TEST(WindowTexts, HelpHasItsFourSectionsAndFitsEightyColumns) {
    QList<windowtexts::HelpSection> sections = windowtexts::helpSections();
    ASSERT_EQ(sections.size(), 4);
    EXPECT_EQ(sections.at(0).heading, QStringLiteral("**** HOW TO USE CARTOVEX ****"));
    EXPECT_EQ(sections.at(1).heading,
              QStringLiteral("**** ISSUES WITH CUSTOMIZING THE DATABASE ****"));
    EXPECT_EQ(sections.at(2).heading,
              QStringLiteral("**** MANUALLY DOWNLOADING THE CONTROLLED DATABASE ****"));
    EXPECT_EQ(sections.at(3).heading, QStringLiteral("**** PROBLEMS READING A CONFIG FILE ****"));
    for (const QString& line : windowtexts::helpText().split(QLatin1Char('\n'))) {
        EXPECT_LE(line.size(), 80) << line.toStdString();
    }
}
