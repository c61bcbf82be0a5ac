#include "gui/windows/aboutform.h"
#include "gui/windows/helpform.h"
#include "gui/windows/intuseform.h"
#include "gui/windows/partialmatchesform.h"

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QPlainTextEdit>
#include <QTest>

TEST(SmallWindows, InterruptUsageListsTheStandardDefaultsAtAFixedSize) {
    IntUseForm form;
    EXPECT_TRUE(form.isModal());
    auto* group = form.findChild<QGroupBox*>();
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->title(), QStringLiteral("Standard Defaults"));
    QStringList shown;
    for (const QLabel* label : group->findChildren<QLabel*>()) {
        shown << label->text();
    }
    ASSERT_EQ(shown.size(), 16);
    EXPECT_EQ(shown.first(), QStringLiteral("0 = System Timer"));
    EXPECT_EQ(shown.at(2), QStringLiteral("2 = Video (Cascade to 9)"));
    EXPECT_EQ(shown.last(), QStringLiteral("15 = Reserved (Daltrix)"));
    form.show();
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
}

TEST(SmallWindows, HelpIsNotModalAndShowsItsFourSections) {
    HelpForm form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Cartovex Help"));
    EXPECT_FALSE(form.isModal());
    EXPECT_TRUE(form.textView()->isReadOnly());
    QString text = form.textView()->toPlainText();
    qsizetype last = -1;
    for (const char* heading :
         {"**** HOW TO USE CARTOVEX ****", "**** ISSUES WITH CUSTOMIZING THE DATABASE ****",
          "**** MANUALLY DOWNLOADING THE CONTROLLED DATABASE ****",
          "**** PROBLEMS READING A CONFIG FILE ****"}) {
        qsizetype at = text.indexOf(QLatin1String(heading));
        EXPECT_GT(at, last) << heading;
        last = at;
    }
}

TEST(SmallWindows, AboutClosesOnAClickOrAKeyWithoutCtrl) {
    AboutForm form;
    EXPECT_TRUE(form.isModal());
    form.open();
    QTest::keyClick(&form, Qt::Key_A, Qt::ControlModifier);
    EXPECT_TRUE(form.isVisible());
    QTest::keyClick(&form, Qt::Key_Space);
    EXPECT_FALSE(form.isVisible());

    form.open();
    QTest::mouseClick(&form, Qt::LeftButton, {}, form.rect().center());
    EXPECT_FALSE(form.isVisible());
}

TEST(SmallWindows, PartialMatchesListsEachPartialSet) {
    QStringList partial{QStringLiteral("50 of 51 patches from 312pt7 were found."),
                        QStringLiteral("2 of 9 patches from 410it3 were found.")};
    PartialMatchesForm form(partial);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Partial Patch Set Matches"));
    EXPECT_TRUE(form.isModal());
    QAbstractItemModel* model = form.listView()->model();
    ASSERT_EQ(model->rowCount(), 2);
    EXPECT_EQ(model->index(0, 0).data().toString(), partial.at(0));
    EXPECT_EQ(model->index(1, 0).data().toString(), partial.at(1));
}
