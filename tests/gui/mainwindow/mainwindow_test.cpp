#include "windowfixture.h"

#include "analysis/analysisviews.h"
#include "engine/engine.h"
#include "gui/pages/configanalysissheet.h"
#include "gui/pages/configtextpage.h"
#include "gui/pages/dosfilessheet.h"
#include "gui/pages/dxsfilessheet.h"
#include "gui/pages/suggestionsheet.h"
#include "gui/pages/voldriversheet.h"
#include "gui/widgets/colouredlistmodel.h"
#include "gui/widgets/reporttextview.h"
#include "gui/windows/preparingprintwindow.h"
#include "settings/datadirectory.h"
#include "text/sortedtextlist.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <algorithm>

namespace {

using Row = ColouredListModel::Row;

QString colourOf(const Row& row) {
    if (!row.colours) {
        return {};
    }
    const Rgb& b = row.colours->background;
    return QStringLiteral("%1,%2,%3").arg(b.red).arg(b.green).arg(b.blue);
}

class MainWindowTest : public WindowFixture {};

TEST_F(MainWindowTest, EmptyBeforeAnyLoad) {
    MainWindow& w = makeWindow();
    EXPECT_EQ(w.windowTitle(), "Daltrix Cartovex v2.66");
    EXPECT_EQ(w.analysisSheet()->patchesLabel()->text(), "Patches");
    EXPECT_EQ(w.analysisSheet()->otherDxpLabel()->text(), "Other DXPs");
    EXPECT_EQ(w.suggestionSheet()->group()->title(), "Suggestions");
    for (int i = 0; i < MainWindow::StatusPanelCount; ++i) {
        EXPECT_TRUE(w.statusPanel(i)->text().isEmpty()) << i;
    }
    EXPECT_EQ(w.analysisSheet()->moduleModel()->rowCount(), 0);
    EXPECT_EQ(w.suggestionSheet()->model()->rowCount(), 0);
    EXPECT_FALSE(w.analysisSheet()->partialMatchesButton()->isVisible());
    EXPECT_FALSE(w.action("mniHistSeparator")->isVisible());
    EXPECT_FALSE(w.action("AltViewerBtnAction")->isVisible());
    EXPECT_TRUE(m_dialogs.texts().isEmpty());
}

TEST_F(MainWindowTest, ExampleReportOnEveryPage) {
    MainWindow& w = makeWindow();
    w.openReport(example());
    EXPECT_EQ(w.windowTitle(), "Daltrix Cartovex v2.66:  " + example().toUpper());
    ConfigAnalysisSheet* a = w.analysisSheet();
    EXPECT_EQ(a->serverInfoBox(0)->text(), "ACME-FS1");
    EXPECT_EQ(a->serverInfoBox(1)->text(), "4.11");
    EXPECT_EQ(a->otherDxpLabel()->text(), "Other DXPs: 12");
    QStringList yellow;
    for (const Row& row : a->moduleModel()->rows()) {
        if (colourOf(row) == "255,255,0") {
            yellow << row.text.left(12).trimmed();
        }
    }
    EXPECT_EQ(yellow, QStringList({"AHA2940.HAM", "CE100B.LAN", "SCSIHD.CDM"}));
    EXPECT_EQ(a->patchModel()->rowCount(), 4);
    EXPECT_TRUE(w.configTextPage()->mainViewer()->toPlainText().contains("ACME-FS1"));
    EXPECT_TRUE(w.dxsSheet()->startupText()->toPlainText().startsWith("LOAD AHA2940.HAM"));
    EXPECT_TRUE(w.dxsSheet()->autoexecText()->toPlainText().contains("LOAD MONITOR"));
    EXPECT_FALSE(w.dosSheet()->configSysMemo()->toPlainText().isEmpty());
    EXPECT_EQ(w.volSheet()->volumeModel()->rowCount(), 3);
    EXPECT_EQ(w.volSheet()->interruptModel()->rowCount(), 4);
    EXPECT_EQ(w.volSheet()->volCountLabel()->text(), "(3 mounted volumes)");
    EXPECT_EQ(w.suggestionSheet()->group()->title(), "Suggestions for server ACME-FS1 ");
    EXPECT_GT(w.suggestionSheet()->model()->rowCount(), 5);
    EXPECT_EQ(w.statusPanel(1)->text(), "207 lines");
    EXPECT_EQ(w.statusPanel(2)->text(), "5kb");
    EXPECT_TRUE(w.statusPanel(0)->text().isEmpty());
    EXPECT_FALSE(a->progressBar()->isVisible());
    EXPECT_TRUE(w.action("mniHist1")->isVisible());
    EXPECT_EQ(w.action("mniHist1")->text(), example());
    EXPECT_FALSE(w.action("mniHist2")->isVisible());
}

// Thousands of modules and patches are shown from the engine's one-byte lines: the rows are the
// engine's lines in its order with their colours, and a later report replaces them.
TEST_F(MainWindowTest, ABigModuleListShowsTheEnginesLinesInOrderWithTheirColours) {
    QString block;
    for (int k = 0; k < 5000; ++k) {
        block += QStringLiteral("M%1.%2\r\n   Synthetic\r\n   Version 1.%3   May 1, 1999\r\n\r\n")
                     .arg(4999 - k, 5, 10, QChar(u'0'))
                     .arg(k % 7 == 0 ? "LAN" : "DXP")
                     .arg(k % 10);
        block += QStringLiteral("P%1FX.DXP\r\n   Fix\r\n   Version 2.0   May 1, 1999\r\n\r\n")
                     .arg(4999 - k, 5, 10, QChar(u'0'));
    }
    MainWindow& w = makeWindow();
    const ColouredListModel* model = w.analysisSheet()->moduleModel();
    const QAbstractItemModel* patches = w.analysisSheet()->plainPatchView()->model();
    w.openReport(example());
    const int exampleRows = model->rowCount();
    const int examplePatches = patches->rowCount();
    w.openReport(variant("big.txt", "AFTER311.DXP\r\n", block + "AFTER311.DXP\r\n"));
    ASSERT_EQ(model->rowCount(), exampleRows + 5000);
    ASSERT_EQ(patches->rowCount(), examplePatches + 5000);
    const QModelIndexList first =
        patches->match(patches->index(0, 0), Qt::DisplayRole,
                       "P00000FX.DXP   Version 2.0   May 1, 1999", 1, Qt::MatchExactly);
    EXPECT_EQ(first.size(), 1);
    for (int i = 1; i < patches->rowCount(); ++i) {
        ASSERT_LT(SortedTextList::compare(patches->index(i - 1, 0).data().toString(),
                                          patches->index(i, 0).data().toString()),
                  0)
            << i;
    }
    // The analysed patches: each row the engine's, its colour suffix left out of its text.
    const ColouredListModel* analysed = w.analysisSheet()->patchModel();
    ASSERT_TRUE(w.engine().analysis().PatchAnalysisList.compactLines());  // before lines() ends it
    const QList<analysisviews::PatchRow> expected =
        analysisviews::patchRows(w.engine().analysis().PatchAnalysisList.lines());
    ASSERT_GE(expected.size(), 5000);
    ASSERT_EQ(analysed->rowCount(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        const Row row = analysed->row(i);
        ASSERT_EQ(row.text, expected.at(i).text) << i;
        ASSERT_EQ(row.colours.has_value(), expected.at(i).colour.has_value()) << i;
    }
    const QList<Row> rows = model->rows();
    int yellow = 0;
    for (int i = 0; i < rows.size(); ++i) {
        yellow += colourOf(rows.at(i)) == "255,255,0" ? 1 : 0;
        if (i > 0) {
            ASSERT_LT(SortedTextList::compare(rows.at(i - 1).text, rows.at(i).text), 0) << i;
        }
    }
    EXPECT_EQ(yellow, 3 + 715);
    EXPECT_TRUE(std::any_of(rows.begin(), rows.end(), [](const Row& row) {
        return row.text == "M00000.DXP     Version 1.9   May 1, 1999";
    }));
    w.openReport(example());
    EXPECT_EQ(model->rowCount(), exampleRows);
}

TEST_F(MainWindowTest, OneModuleSelectedAtMostOnTheAnalysisPage) {
    MainWindow& w = makeWindow();
    w.openReport(example());
    ConfigAnalysisSheet* a = w.analysisSheet();
    a->patchView()->setVisible(true);
    a->plainPatchView()->setVisible(false);
    QApplication::processEvents();
    const auto clickRow = [](QListView* view, int row) {
        const QRect r = view->visualRect(view->model()->index(row, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, r.center());
    };
    clickRow(a->moduleView(), 1);
    EXPECT_TRUE(a->moduleView()->selectionModel()->hasSelection());
    clickRow(a->patchView(), 0);
    EXPECT_TRUE(a->patchView()->selectionModel()->hasSelection());
    EXPECT_FALSE(a->moduleView()->selectionModel()->hasSelection());
    clickRow(a->moduleView(), 2);
    EXPECT_FALSE(a->patchView()->selectionModel()->hasSelection());
}

TEST_F(MainWindowTest, AutoexecPanelSwitchesTwiceAndHighlightsUnderThePointer) {
    MainWindow& w = makeWindow();
    w.openReport(example());
    w.tabs()->setCurrentIndex(MainWindow::DxsFiles);
    DxsFilesSheet* dxs = w.dxsSheet();
    QTest::mouseClick(dxs->autoexecPanel(), Qt::LeftButton);
    EXPECT_EQ(dxs->autoexecPanel()->text(), "C:AUTOEXEC.DXS");
    EXPECT_EQ(dxs->changeLabel()->text(), "Click for SYS:SYSTEM\\AUTOEXEC.DXS");
    EXPECT_TRUE(dxs->dosAutoexecText()->isVisible());
    EXPECT_FALSE(dxs->autoexecText()->isVisible());
    QTest::mouseClick(dxs->changeLabel(), Qt::LeftButton);
    EXPECT_EQ(dxs->autoexecPanel()->text(), "SYS:SYSTEM\\AUTOEXEC.DXS");
    EXPECT_EQ(dxs->changeLabel()->text(), "Click for C:AUTOEXEC.DXS");
    EXPECT_TRUE(dxs->autoexecText()->isVisible());

    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(dxs->changeLabel(), &enter);
    EXPECT_TRUE(dxs->panelHighlighted());
    EXPECT_EQ(dxs->autoexecPanel()->palette().color(QPalette::Window), QColor(Qt::yellow));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(dxs->autoexecPanel(), &leave);
    EXPECT_FALSE(dxs->panelHighlighted());
}

TEST_F(MainWindowTest, DefaultSizeRestoresBothWindows) {
    MainWindow& w = makeWindow();
    w.resize(900, 700);
    w.action("DefaultSize1")->trigger();
    EXPECT_EQ(w.size(), QSize(735, 555));
    auto* manager = w.findChild<QDialog*>();
    ASSERT_NE(manager, nullptr);
    bool found = false;
    for (QDialog* dialog : w.findChildren<QDialog*>()) {
        if (dialog->windowTitle() == "Patch Database Manager") {
            found = true;
            EXPECT_EQ(dialog->size(), QSize(715, 535));
        }
    }
    EXPECT_TRUE(found);
}

TEST_F(MainWindowTest, SearchButtonsAndViewerSwitchFollowThePage) {
    MainWindow& w = makeWindow();
    w.openReport(example());
    auto* find = w.findChild<QToolButton*>("FindSpdBtn");
    w.tabs()->setCurrentIndex(MainWindow::ConfigText);
    EXPECT_TRUE(find->isEnabled());
    EXPECT_TRUE(w.action("AltViewerBtnAction")->isVisible());
    EXPECT_EQ(w.statusPanel(5)->text(), "1:1");
    w.findChild<QToolButton*>("AltViewerBtn")->click();
    EXPECT_FALSE(find->isEnabled());
    EXPECT_TRUE(w.statusPanel(5)->text().isEmpty());
    w.tabs()->setCurrentIndex(MainWindow::Suggestions);
    EXPECT_FALSE(find->isEnabled());
    EXPECT_FALSE(w.action("AltViewerBtnAction")->isVisible());
}

TEST_F(MainWindowTest, CopyPutsTheSummaryOnTheClipboard) {
    MainWindow& w = makeWindow();
    w.copySummary();
    EXPECT_EQ(m_dialogs.texts(), QStringList{"No config file has been read!"});
    w.openReport(example());
    m_dialogs.clear();
    w.findChild<QToolButton*>("btnCopySuggsToClipboard")->click();
    const QString text = QApplication::clipboard()->text();
    EXPECT_TRUE(
        text.startsWith("  Cartovex v2.66 Summary Report for \r\n    Daltrix 4.11 Server "
                        "ACME-FS1\r\n"));
    EXPECT_TRUE(text.contains(" - Add more memory to server."));
    ASSERT_EQ(m_dialogs.texts().size(), 1);
    EXPECT_TRUE(m_dialogs.texts().at(0).startsWith("Suggestions have been copied"));
}

TEST_F(MainWindowTest, DroppedReportOpensAndOpenRemembersItsFolder) {
    MainWindow& w = makeWindow();
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(example())});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(&w, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(&w, &drop);
    QTRY_COMPARE(w.analysisSheet()->serverInfoBox(0)->text(), QString("ACME-FS1"));
    EXPECT_EQ(w.rootDir(), QString(CARTOVEX_SOURCE_DIR "/examples/"));
    w.close();
    EXPECT_EQ(readPreference("RootDir"), QString(CARTOVEX_SOURCE_DIR "/examples/"));
    EXPECT_EQ(readPreference("Width"), "735");
    EXPECT_EQ(readPreference("Height"), "555");
}

TEST_F(MainWindowTest, ClosingDuringALoadWaitsForItsEnd) {
    MainWindow& w = makeWindow();
    w.resize(800, 600);
    const QString other = variant("other.txt", "ACME-FS1", "OTHER-FS2");
    QTimer::singleShot(0, &w, [&] { w.openReport(other); });
    QTimer::singleShot(0, &w, &MainWindow::close);
    w.openReport(example());
    EXPECT_FALSE(w.isVisible());
    EXPECT_FALSE(w.engine().loader().isLoading());
    EXPECT_EQ(readPreference("Width"), "800");
    // A load asked for while the window is closing is refused, not nested.
    EXPECT_EQ(w.engine().model().ServerName, "ACME-FS1");
}

}  // namespace

namespace {

TEST_F(MainWindowTest, PrintAsksThePrinterThenSendsTheJob) {
    MainWindow& w = makeWindow();
    bool asked = false;
    w.choosePrinter = [&](QPrinter&) { return asked = true, false; };
    w.printSummary();
    EXPECT_FALSE(asked);
    EXPECT_EQ(m_dialogs.texts(), QStringList{"No config file has been read!"});

    w.openReport(example());
    m_dialogs.clear();
    w.printSummary();  // cancelled: nothing printed, no message
    EXPECT_TRUE(asked);
    EXPECT_TRUE(m_dialogs.texts().isEmpty());

    const QString pdf = m_home.filePath("summary.pdf");
    w.choosePrinter = [&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    };
    w.action("PrintSuggestions1")->trigger();
    EXPECT_EQ(m_dialogs.texts(), QStringList{"Print job sent to print queue."});
    EXPECT_GT(QFileInfo(pdf).size(), 1000);
    EXPECT_FALSE(w.findChild<PreparingPrintWindow*>()->isVisible());
}

}  // namespace

namespace {

// Where each heading's text begins less where its column's text begins (the column's first
// character in the list's rows), one entry per column after the first.
QList<double> headingOffsets(QHeaderView* header, QListView* list, const QList<int>& starts) {
    const QFontMetricsF metrics(list->font());
    const int itemMargin =
        list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
    const int headingMargin =
        header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    QList<double> offsets;
    for (int section = 1; section <= starts.size(); ++section) {
        const double column = list->x() + list->frameWidth() + itemMargin +
                              metrics.horizontalAdvance(QString(starts.at(section - 1), u'x'));
        offsets << header->x() + header->sectionPosition(section) + headingMargin - column;
    }
    return offsets;
}

}  // namespace

TEST_F(MainWindowTest, VolumeAndInterruptHeadingsStandOverTheirColumnsInAnyFont) {
    MainWindow& w = makeWindow();
    w.openReport(example());
    w.tabs()->setCurrentIndex(MainWindow::VolInts);
    VolDriverSheet* sheet = w.volSheet();
    for (int pixels : {0, 21}) {
        if (pixels > 0) {
            QFont large = sheet->volumeList()->font();
            large.setPixelSize(pixels);
            sheet->volumeList()->setFont(large);
            sheet->interruptList()->setFont(large);
            w.refreshViews();
        }
        // Volume rows: name 16, size 20, free 13, purgeable 15; interrupt lines: device type
        // from column 9, driver from 26, mirror status from 40.
        const QList<double> volumes =
            headingOffsets(sheet->volumeHeader(), sheet->volumeList(), {16, 36, 49, 64});
        const QList<double> interrupts =
            headingOffsets(sheet->interruptHeader(), sheet->interruptList(), {8, 25, 39});
        for (double offset : volumes + interrupts) {
            EXPECT_LE(qAbs(offset), 1.0) << pixels;
        }
    }
}

TEST_F(MainWindowTest, AFailedLoadEndsIdleAndTheWindowKeepsAReadableMinimum) {
    MainWindow& w = makeWindow();
    const QString empty = m_home.filePath(QStringLiteral("EMPTY.TXT"));
    QFile file(empty);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    w.openReport(empty);
    ASSERT_FALSE(m_dialogs.messages().isEmpty());
    EXPECT_EQ(m_dialogs.messages().last().kind, MessageKind::Error);
    EXPECT_EQ(w.statusPanel(0)->text(), QString());
    EXPECT_FALSE(w.findChild<QProgressBar*>()->isVisible());
    const QList<QLabel*> legend = w.analysisSheet()->findChildren<QLabel*>();
    EXPECT_TRUE(std::any_of(legend.begin(), legend.end(), [](QLabel* label) {
        return label->text().startsWith(QStringLiteral("(Yellow")) && label->isVisible();
    }));

    // Shrunk as far as it goes, the status panels stay side by side within the bar.
    w.resize(100, 100);
    QApplication::processEvents();
    const QLabel* last = w.statusPanel(MainWindow::StatusPanelCount - 1);
    EXPECT_LE(last->geometry().right(), last->parentWidget()->width());
    for (int i = 1; i < MainWindow::StatusPanelCount; ++i) {
        EXPECT_GT(w.statusPanel(i)->x(), w.statusPanel(i - 1)->geometry().right());
    }
    EXPECT_GE(w.analysisSheet()->height(), ConfigAnalysisSheet::MinimumHeight);
}
