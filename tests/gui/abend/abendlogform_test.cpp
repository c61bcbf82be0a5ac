#include "gui/windows/abendlogform.h"
#include "abendlog/abendlog.h"
#include "engine/engine.h"
#include "gui/windows/abendanalyzepage.h"
#include "settings/datadirectory.h"
#include "testsupport.h"
#include "ui/recordingdialogs.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTreeView>
#include <functional>
#include <memory>

namespace {

QStringList rows(const QAbstractItemModel* model, int column = 0) {
    QStringList texts;
    for (int r = 0; r < model->rowCount(); ++r) {
        texts << model->index(r, column).data().toString();
    }
    return texts;
}

// A data directory with the fixture database, an engine as the main window creates it, and the
// abend window over it.
class AbendLogFormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(m_home.isValid());
        DataDirectory::setOverride(m_home.path());
        ASSERT_TRUE(QFile::copy(testsupport::dataPath(QStringLiteral("guiabend/quarixdb.ini")),
                                m_home.filePath(QStringLiteral("quarixdb.ini"))));
        m_engine = std::make_unique<Engine>(m_dialogs, m_progress);
        ASSERT_TRUE(m_engine->create());
        m_engine->firstActivation();
        m_form = std::make_unique<AbendLogForm>(m_engine->abendLog());
        m_form->chooseLogFile = [this] { return m_chosen; };
    }
    void TearDown() override {
        m_form.reset();
        m_engine.reset();
        DataDirectory::setOverride(QString());
    }

    AbendAnalyzePage* page() const { return m_form->analyzePage(); }
    void openFixtureLog() {
        m_chosen = testsupport::dataPath(QStringLiteral("guiabend/ABEND.LOG"));
        m_form->findChild<QAction*>(QStringLiteral("Open1"))->trigger();
    }
    void doubleClickEntry(int row) {
        QTreeView* list = page()->entryList();
        const QRect rect = list->visualRect(list->model()->index(row, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    }
    QStringList analysis() const { return rows(page()->analysisList()->model()); }

    QTemporaryDir m_home;
    RecordingDialogs m_dialogs;
    NullProgress m_progress;
    std::unique_ptr<Engine> m_engine;
    std::unique_ptr<AbendLogForm> m_form;
    QString m_chosen;
};

const QString FirstKey = QStringLiteral("3-14-2021 2:10:33 pm");
const QString Bullet = QStringLiteral(" \u2022 ");

}  // namespace

TEST_F(AbendLogFormTest, OpenLogListsTheEntriesInThreeColumns) {
    m_form->show();
    EXPECT_EQ(m_form->windowTitle(), QStringLiteral("Analyze Daltrix 4.11 ABEND.LOG:"));
    EXPECT_EQ(page()->countLabel()->text(), QStringLiteral("# of Abends Found: "));
    openFixtureLog();

    EXPECT_EQ(m_form->windowTitle(),
              QStringLiteral("Analyze Daltrix 4.11 ABEND.LOG:  ") + m_chosen);
    EXPECT_EQ(page()->countLabel()->text(), QStringLiteral("# of Abends Found: 2"));
    const QAbstractItemModel* model = page()->entryList()->model();
    EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(),
              QStringLiteral("Abend Date/Time  [Server Name]"));
    EXPECT_EQ(model->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Running Process"));
    EXPECT_EQ(rows(model, 0), QStringList({FirstKey + QStringLiteral("  [FS1]"),
                                           QStringLiteral("3-20-2021 9:02:11 am  [FS1]")}));
    EXPECT_EQ(rows(model, 1),
              QStringList({QStringLiteral("Page Fault"),
                           QStringLiteral("General Protection Processor Exception")}));
    EXPECT_EQ(rows(model, 2),
              QStringList({QStringLiteral("Server 07 Process (SERVER.DXP)"), QString()}));
    const QHeaderView* header = page()->entryList()->header();
    EXPECT_EQ(header->sectionSize(0), 280);
    EXPECT_EQ(header->sectionSize(1), 180);
    EXPECT_EQ(header->sectionSize(2), 300);

    EXPECT_EQ(m_form->statusPanel(0)->text(), QStringLiteral("32 lines"));
    EXPECT_EQ(m_form->statusPanel(1)->text(), QStringLiteral("0K"));
    EXPECT_EQ(m_form->statusPanel(2)->text(), QString());
    EXPECT_EQ(m_form->statusPanel(2)->width(), 150);
    EXPECT_FALSE(m_form->fileView()->isHidden());
    EXPECT_TRUE(m_form->reportView()->isHidden());
    EXPECT_TRUE(
        m_form->fileView()->toPlainText().startsWith(QStringLiteral("ABEND.LOG of server")));
    EXPECT_TRUE(m_dialogs.messages().isEmpty());

    // Cancelling the open dialog keeps what is listed.
    m_chosen.clear();
    m_form->Open1Click();
    EXPECT_EQ(page()->countLabel()->text(), QStringLiteral("# of Abends Found: 2"));
}

TEST_F(AbendLogFormTest, DoubleClickAndEnterAnalyseTheSelectedEntry) {
    m_form->show();
    openFixtureLog();
    // Enter with nothing selected does nothing.
    page()->entryList()->setFocus();
    QTest::keyClick(page()->entryList(), Qt::Key_Return);
    EXPECT_EQ(page()->modulesLabel()->text(), QStringLiteral("Modules Loaded: "));

    doubleClickEntry(0);
    EXPECT_EQ(page()->modulesLabel()->text(), QStringLiteral("Modules Loaded: 4"));
    const QStringList modules = rows(page()->moduleList()->model());
    ASSERT_EQ(modules.size(), 4);
    EXPECT_EQ(modules.at(0), QStringLiteral("CLIB.DXP      Version 4.11a  June 1, 1999"));
    // The system's fixed-pitch font is asked for; whether the font found draws it so depends on
    // the machine (some fixed-pitch fonts even say they are proportional).
    const QFont font = page()->moduleList()->font();
    const QFontMetrics metrics(font);
    EXPECT_TRUE(metrics.horizontalAdvance(u'i') == metrics.horizontalAdvance(u'W') ||
                font == QFontDatabase::systemFont(QFontDatabase::FixedFont));
    EXPECT_EQ(page()->analysisHeading()->text(),
              QStringLiteral("Analysis (ABEND on ") + FirstKey + QStringLiteral("  [FS1])"));
    const QStringList first = analysis();
    EXPECT_EQ(first, QStringList({Bullet + QStringLiteral("CLIB.DXP is out of date (v4.11c).  "
                                                          "Apply the updates from the 411clb.exe "
                                                          "file set."),
                                  QStringLiteral(" ")}));
    // The file view selects the searched key on the entry's halted line.
    const QTextCursor cursor = m_form->fileView()->textCursor();
    EXPECT_EQ(cursor.selectedText(), FirstKey);
    EXPECT_EQ(cursor.block().text(), QStringLiteral("Server FS1 halted ") + FirstKey);

    // Enter on the second entry analyses it; Enter back on the first gives the double-click's
    // result again.
    page()->entryList()->setCurrentIndex(page()->entryList()->model()->index(1, 0));
    QTest::keyClick(page()->entryList(), Qt::Key_Enter);
    EXPECT_EQ(analysis(), QStringList({Bullet + QStringLiteral("No suggestions at this time.")}));
    EXPECT_EQ(m_form->fileView()->textCursor().block().blockNumber(), 19);
    page()->entryList()->setCurrentIndex(page()->entryList()->model()->index(0, 0));
    QTest::keyClick(page()->entryList(), Qt::Key_Return);
    EXPECT_EQ(analysis(), first);
    EXPECT_EQ(page()->entryList()->currentIndex().row(), 0);

    // A click in the analysis list leaves nothing selected.
    QListView* list = page()->analysisList();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(0, 0)).center());
    EXPECT_FALSE(list->selectionModel()->hasSelection());
    EXPECT_TRUE(m_dialogs.messages().isEmpty());
}

TEST_F(AbendLogFormTest, TheReportsSectionIsScannedOnActivationAndNotAnalysed) {
    ServerModel& model = m_engine->model();
    QFile log(testsupport::dataPath(QStringLiteral("guiabend/ABEND.LOG")));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    model.AbendLogLines = QString::fromLatin1(log.readAll()).split(QStringLiteral("\r\n"));
    model.HasAbendLog = true;
    model.ConfigFileName = QStringLiteral("/srv/reports/config.txt");

    m_form->activated();
    EXPECT_EQ(page()->countLabel()->text(), QStringLiteral("# of Abends Found: 2"));
    EXPECT_EQ(m_form->windowTitle(),
              QStringLiteral("Analyze Daltrix 4.11 ABEND.LOG:  /srv/reports/config.txt"));
    EXPECT_TRUE(m_form->fileView()->isHidden());
    EXPECT_FALSE(m_form->reportView()->isHidden());
    EXPECT_TRUE(m_form->reportView()->toPlainText().contains(QStringLiteral("Loaded Modules:")));

    // Activated again while entries are listed: no second scan.
    model.AbendLogLines.clear();
    m_form->activated();
    EXPECT_EQ(page()->entryList()->model()->rowCount(), 2);

    m_form->show();
    doubleClickEntry(0);
    ASSERT_EQ(m_dialogs.messages().size(), 1);
    EXPECT_EQ(m_dialogs.messages().first().kind, MessageKind::Information);
    EXPECT_EQ(m_dialogs.messages().first().text, AbendLog::ReportRefusal);
    EXPECT_EQ(page()->modulesLabel()->text(), QStringLiteral("Modules Loaded: "));
    EXPECT_TRUE(analysis().isEmpty());

    // A new report load clears the view; the window shows it at its next activation.
    m_engine->abendLog().ClearAbendView();
    model.HasAbendLog = false;
    m_form->activated();
    EXPECT_EQ(page()->countLabel()->text(), QStringLiteral("# of Abends Found: "));
    EXPECT_EQ(m_form->windowTitle(), QStringLiteral("Analyze Daltrix 4.11 ABEND.LOG:"));
}

TEST_F(AbendLogFormTest, AnUnreadableLogIsReportedAndListsNothing) {
    openFixtureLog();
    m_chosen = m_home.filePath(QStringLiteral("missing/ABEND.LOG"));
    m_form->Open1Click();
    ASSERT_EQ(m_dialogs.messages().size(), 1);
    EXPECT_EQ(m_dialogs.messages().first().kind, MessageKind::Error);
    EXPECT_EQ(page()->entryList()->model()->rowCount(), 0);
    EXPECT_EQ(page()->countLabel()->text(), QStringLiteral("# of Abends Found: "));
    EXPECT_TRUE(m_form->fileView()->toPlainText().isEmpty());
}

TEST_F(AbendLogFormTest, ListHeightsFollowTheWindowHeightAndClosingOnlyHides) {
    m_form->resize(715, 430);
    m_form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_form.get()));
    EXPECT_EQ(m_form->height(), 430);
    EXPECT_EQ(page()->entryList()->height(), 100);
    EXPECT_EQ(page()->moduleList()->height(), 60);
    EXPECT_GT(page()->analysisList()->height(), 0);
    m_form->resize(715, 535);  // 124.4 rounds to 124
    EXPECT_EQ(page()->entryList()->height(), 124);
    EXPECT_EQ(page()->moduleList()->height(), 84);

    EXPECT_FALSE(m_form->isModal());
    EXPECT_EQ(m_form->hintBox()->text(),
              QStringLiteral("Double-click on Abend Date/Time to analyze abend"));
    EXPECT_EQ(m_form->findChild<QAction*>(QStringLiteral("OpenBtn"))->toolTip(),
              QStringLiteral("Open Abend Log File"));
    openFixtureLog();
    m_form->findChild<QAction*>(QStringLiteral("Close1"))->trigger();
    EXPECT_FALSE(m_form->isVisible());
    m_form->showBeside(QSize(735, 555));
    EXPECT_EQ(m_form->size(), QSize(715, 535));
    EXPECT_EQ(page()->countLabel()->text(), QStringLiteral("# of Abends Found: 2"));
}

TEST_F(AbendLogFormTest, ANewScanEmptiesTheListBeforeItsFirstEntry) {
    m_form->show();
    openFixtureLog();
    ASSERT_GT(page()->entryList()->model()->rowCount(), 0);
    // What the list holds each time the scan of the next log finds an entry.
    QList<int> listed;
    AbendLog& abend = m_engine->abendLog();
    const std::function<void()> shown = abend.countChanged;
    abend.countChanged = [&] {
        listed << page()->entryList()->model()->rowCount();
        shown();
    };
    openFixtureLog();
    abend.countChanged = shown;
    ASSERT_FALSE(listed.isEmpty());
    EXPECT_EQ(listed.first(), 0);
}
