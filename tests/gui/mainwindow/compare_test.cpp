#include "windowfixture.h"

#include "gui/pages/comparesheet.h"
#include "gui/pages/suggestionsheet.h"
#include "gui/widgets/colouredlistmodel.h"
#include "gui/widgets/comparetablemodel.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

namespace {

class ComparePageTest : public WindowFixture {};

TEST_F(ComparePageTest, CompareTwoReportsMarksTheDifferences) {
    MainWindow& w = makeWindow();
    CompareSheet* page = w.compareSheet();
    w.tabs()->setCurrentIndex(MainWindow::Compare);
    EXPECT_FALSE(page->baselineCheckBox()->isEnabled());
    page->compareButton()->click();
    EXPECT_EQ(m_dialogs.texts().value(0),
              "A Baseline Config file hasn't been read yet!\r\nOpen a config file and select "
              "your baseline choice.");

    w.openReport(example());
    w.tabs()->setCurrentIndex(MainWindow::Suggestions);
    w.tabs()->setCurrentIndex(MainWindow::Compare);
    EXPECT_EQ(page->baselineCheckBox()->text(),
              "Use THIS server's config (server ACME-FS1) as a baseline");
    page->baselineCheckBox()->click();
    EXPECT_FALSE(page->baselineCheckBox()->isEnabled());
    EXPECT_TRUE(page->resetButton()->isEnabled());
    EXPECT_EQ(page->baselineLabel()->text(), "Baseline Config...from server:  ACME-FS1");

    const QString other = variant("fs2.txt", "Version 6.02   March 3", "Version 7.01   March 3");
    w.chooseReportFile = [other] { return other; };
    page->compareButton()->click();
    const CompareTable& table = page->tableModel()->table();
    ASSERT_FALSE(table.isEmpty());
    EXPECT_EQ(table.leftHeader, "Baseline Server: ACME-FS1");
    QStringList marked;
    for (const CompareRow& row : table.rows) {
        if (row.marked) {
            marked << row.caption.trimmed().left(6);
        }
    }
    EXPECT_EQ(marked, QStringList({"DS.DXP", "DS.DXP"}));  // key module row and module row
    const QModelIndex first = page->tableModel()->index(0, 0);
    EXPECT_EQ(first.data().toString(), "Baseline Server: ACME-FS1");
    EXPECT_EQ(w.tabs()->currentIndex(), int(MainWindow::Compare));

    m_dialogs.clear();
    w.suggestionSheet()->includeDifferencesBox()->click();
    const QStringList& rows = w.engine().model().Suggestions;
    EXPECT_TRUE(rows.contains("against Baseline Server ACME-FS1:"));
    EXPECT_EQ(w.suggestionSheet()->model()->rowCount(), rows.size());
    EXPECT_TRUE(w.suggestionSheet()->includeDifferencesBox()->isChecked());
}

}  // namespace
