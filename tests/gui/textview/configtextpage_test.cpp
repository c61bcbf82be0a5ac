#include "gui/pages/configtextpage.h"
#include "gui/widgets/reporttextview.h"
#include "gui/windows/finddialog.h"
#include "model/reporttext.h"
#include "ui/recordingdialogs.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleTextInterface>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

const QStringList kReport{
    QStringLiteral("Server name: FS1"),
    QStringLiteral("LOAD CLIB.DXP"),
    QStringLiteral("load clibaux.dxp"),
    QStringLiteral("LOAD NWSNUT.DXP"),
};

class ConfigTextPageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        m_page.setReport(&m_text);
        m_page.pageActivated();
    }

    // The selected match: its line and text.
    std::pair<int, QString> selection() const {
        const ReportTextView* viewer = m_page.mainViewer();
        return {viewer->caretPosition().line, viewer->selectedText()};
    }

    void findFromDialog(const QString& text, bool matchCase = false, bool wholeWord = false) {
        FindDialog* dialog = m_page.findDialog();
        dialog->textEdit()->setText(text);
        dialog->matchCaseBox()->setChecked(matchCase);
        dialog->wholeWordBox()->setChecked(wholeWord);
        dialog->findButton()->click();
    }

    const ReportText m_text = ReportText::fromLines(kReport);
    const ReportText m_shorter = ReportText::fromLines(kReport.mid(0, 2));
    RecordingDialogs m_dialogs;
    ConfigTextPage m_page{m_dialogs};
};

}  // namespace

TEST_F(ConfigTextPageTest, FindNextWithoutTextOpensTheDialogWhoseFindStartsAtTheTop) {
    m_page.findNext();
    FindDialog* dialog = m_page.findDialog();
    ASSERT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->findButton()->isEnabled());

    m_page.mainViewer()->gotoEnd();
    findFromDialog(QStringLiteral("load"));
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(selection(), std::make_pair(1, QStringLiteral("LOAD")));
    EXPECT_TRUE(m_dialogs.texts().isEmpty());

    // Case and whole word come from the dialog.
    findFromDialog(QStringLiteral("clib"), false, true);
    EXPECT_EQ(selection(), std::make_pair(1, QStringLiteral("CLIB")));
    m_page.findNext();
    EXPECT_EQ(m_dialogs.texts(),
              QStringList{QStringLiteral("No more occurences of 'clib' found!")});

    findFromDialog(QStringLiteral("Load"), true);
    EXPECT_EQ(m_dialogs.texts().last(), QStringLiteral("'Load' not found!"));
    EXPECT_EQ(selection(), std::make_pair(1, QStringLiteral("CLIB")));

    // The dialog opens again with the last find text.
    m_page.find();
    EXPECT_EQ(dialog->textEdit()->text(), QStringLiteral("Load"));
}

TEST_F(ConfigTextPageTest, SearchDirectionsInTheViewer) {
    findFromDialog(QStringLiteral("load"));
    m_page.mainViewer()->gotoEnd();

    // The first Find Previous searches twice: line 4 is met first, line 3 is selected.
    m_page.findPrevious();
    EXPECT_EQ(selection().first, 2);
    m_page.findPrevious();
    EXPECT_EQ(selection().first, 1);
    m_page.findPrevious();
    EXPECT_EQ(m_dialogs.texts(),
              QStringList{QStringLiteral("No more occurences of 'load' found!")});

    // Forward again passes over the selected match to the next one.
    m_page.findNext();
    EXPECT_EQ(selection().first, 2);
    m_page.findNext();
    EXPECT_EQ(selection().first, 3);

    m_page.gotoTop();
    EXPECT_EQ(m_page.mainViewer()->caretPosition(), (TextPosition{0, 0}));
}

TEST_F(ConfigTextPageTest, PositionPanelFollowsTheCaretOnlyWithTheMainViewerOnThePage) {
    QSignalSpy position(&m_page, &ConfigTextPage::positionTextChanged);
    QSignalSpy buttons(&m_page, &ConfigTextPage::searchButtonsEnabledChanged);
    QSignalSpy viewerSwitch(&m_page, &ConfigTextPage::viewerSwitchChanged);

    findFromDialog(QStringLiteral("nwsnut"));
    EXPECT_EQ(position.last().at(0).toString(), QStringLiteral("4:12"));

    m_page.toggleViewer();
    EXPECT_FALSE(m_page.mainViewerShown());
    EXPECT_FALSE(buttons.last().at(0).toBool());
    EXPECT_EQ(position.last().at(0).toString(), QString());
    EXPECT_EQ(viewerSwitch.last(), (QVariantList{true, QStringLiteral("Use Main Viewer")}));
    EXPECT_EQ(m_page.alternateViewer()->toPlainText(), kReport.join(QLatin1Char('\n')));

    // Caret moves in the hidden main viewer do not reach the status bar.
    position.clear();
    m_page.gotoTop();
    EXPECT_TRUE(position.isEmpty());

    m_page.pageDeactivated();
    EXPECT_EQ(viewerSwitch.last().at(0).toBool(), false);
    m_page.pageActivated();
    EXPECT_FALSE(buttons.last().at(0).toBool());
    EXPECT_EQ(position.last().at(0).toString(), QString());

    // A new report shows the main viewer again.
    m_page.setReport(&m_shorter);
    EXPECT_TRUE(m_page.mainViewerShown());
    EXPECT_TRUE(buttons.last().at(0).toBool());
    EXPECT_EQ(viewerSwitch.last(), (QVariantList{true, QStringLiteral("Use Alternate Viewer")}));
    EXPECT_EQ(position.last().at(0).toString(), QStringLiteral("1:1"));

    m_page.pageDeactivated();
    EXPECT_FALSE(buttons.last().at(0).toBool());
    EXPECT_EQ(position.last().at(0).toString(), QString());
}

TEST_F(ConfigTextPageTest, KeysActOnlyInTheMainViewerAndWinOverWindowShortcuts) {
    QWidget window;
    m_page.setParent(&window);
    auto* stolen = new QAction(&window);
    stolen->setShortcuts({QKeySequence(Qt::Key_F3), QKeySequence(Qt::ALT | Qt::Key_P)});
    window.addAction(stolen);
    QSignalSpy stolenSpy(stolen, &QAction::triggered);
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    m_page.pageActivated();
    ASSERT_TRUE(m_page.mainViewer()->hasFocus());

    findFromDialog(QStringLiteral("load"));
    QTest::keyClick(m_page.mainViewer(), Qt::Key_F3);
    EXPECT_EQ(selection().first, 2);
    QTest::keyClick(m_page.mainViewer(), Qt::Key_F4, Qt::ShiftModifier);
    EXPECT_EQ(selection().first, 1);  // first backward search meets line 3 again

    QTest::keyClick(m_page.mainViewer(), Qt::Key_P, Qt::AltModifier);
    ASSERT_FALSE(m_dialogs.texts().isEmpty());
    EXPECT_TRUE(m_dialogs.texts().last().startsWith(QStringLiteral("Screen PPI = ")));
    EXPECT_TRUE(m_dialogs.texts().last().contains(QStringLiteral("\r\nForm PPI = 96\r\nFonts = ")));
    EXPECT_EQ(stolenSpy.count(), 0);

    m_page.findDialog()->hide();
    QTest::keyClick(m_page.mainViewer(), Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_FALSE(m_page.findDialog()->isVisible());
    QTest::keyClick(m_page.mainViewer(), Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(m_page.findDialog()->isVisible());
    m_page.findDialog()->hide();

    // In the alternate viewer the keys are not the search keys.
    m_page.toggleViewer();
    QTest::keyClick(m_page.alternateViewer(), Qt::Key_F4);
    EXPECT_EQ(selection().first, 1);
    m_page.setParent(nullptr);
}

TEST_F(ConfigTextPageTest, KeyboardMovesSelectsAndCopies) {
    ReportTextView* viewer = m_page.mainViewer();
    QTest::keyClick(viewer, Qt::Key_Down);
    QTest::keyClick(viewer, Qt::Key_End);
    QTest::keyClick(viewer, Qt::Key_Down);  // line 3 is longer: the column stays
    EXPECT_EQ(viewer->caretPosition(), (TextPosition{2, 13}));
    QTest::keyClick(viewer, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(viewer, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(viewer, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(viewer, Qt::Key_Right, Qt::ShiftModifier);  // over the line break
    QTest::keyClick(viewer, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("dxp\n"));
    QTest::keyClick(viewer, Qt::Key_Home, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(viewer->selectedText(),
              kReport.mid(0, 2).join(u'\n') + QStringLiteral("\nload clibaux."));
    QTest::keyClick(viewer, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(viewer->caretPosition(), (TextPosition{3, 15}));
    EXPECT_TRUE(viewer->selectedText().isEmpty());
}

TEST_F(ConfigTextPageTest, ScreenReaderReadsTheLineAtTheCaret) {
    findFromDialog(QStringLiteral("clibaux"));
    QAccessibleInterface* viewer = QAccessible::queryAccessibleInterface(m_page.mainViewer());
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->text(QAccessible::Name), QStringLiteral("Config Text"));
    QAccessibleTextInterface* text = viewer->textInterface();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->characterCount(), kReport.join(u'\n').size());

    int start = 0;
    int end = 0;
    EXPECT_EQ(text->textAtOffset(text->cursorPosition(), QAccessible::LineBoundary, &start, &end),
              QStringLiteral("load clibaux.dxp\n"));
    EXPECT_EQ(
        text->textAfterOffset(text->cursorPosition(), QAccessible::LineBoundary, &start, &end),
        QStringLiteral("LOAD NWSNUT.DXP"));
    text->selection(0, &start, &end);
    EXPECT_EQ(text->text(start, end), QStringLiteral("clibaux"));
    EXPECT_EQ(text->textAtOffset(start, QAccessible::WordBoundary, &start, &end),
              QStringLiteral("clibaux"));

    // The screen reader moves the caret, and the position panel follows.
    QSignalSpy position(&m_page, &ConfigTextPage::positionTextChanged);
    text->setCursorPosition(int(kReport.at(0).size()) + 1 + 5);
    EXPECT_EQ(position.last().at(0).toString(), QStringLiteral("2:6"));
}
