#include "gui/windows/abendlogform.h"

#include "abendlog/abendlog.h"
#include "abendlog/abendtext.h"
#include "gui/widgets/toolbaricons.h"
#include "gui/windows/abendanalyzepage.h"

#include <QApplication>
#include <QFileDialog>
#include <QFontDatabase>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QToolBar>
#include <QVBoxLayout>
#include <cmath>

namespace {

const QString HintText = QStringLiteral("Double-click on Abend Date/Time to analyze abend");
// What each status panel shows; a screen reader reads the panel's text as its name.
const std::array<QString, 3> StatusPanelDescriptions = {
    QStringLiteral("Line count"), QStringLiteral("Size"), QStringLiteral("Cut notice")};

// The busy cursor for the life of an operation.
class BusyCursor {
  public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

QPlainTextEdit* logView(QWidget* parent, const char* name, const QString& accessibleName) {
    auto* view = new QPlainTextEdit(parent);
    view->setObjectName(QLatin1String(name));
    view->setReadOnly(true);
    view->setLineWrapMode(QPlainTextEdit::NoWrap);
    view->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    view->setAccessibleName(accessibleName);
    return view;
}

// The dialog's filter for one of the engine's filters: a caption without its own pattern in
// brackets gets it appended, as the dialog reads patterns from the brackets.
QString filterText(const AbendView::FileFilter& filter) {
    return filter.caption.contains(u'(')
               ? filter.caption
               : filter.caption + QStringLiteral(" (") + filter.pattern + u')';
}

}  // namespace

AbendLogForm::AbendLogForm(AbendLog& abend, QWidget* parent)
    : QMainWindow(parent, Qt::Window), m_abend(abend) {
    setObjectName(QStringLiteral("TfrmAbendLog"));
    createMenu();
    createToolStrip();
    createPages();
    createStatusBar();
    m_abend.setProgress(m_progress);
    m_abend.countChanged = [this] { m_analyze->renderCount(m_abend.view()); };
    m_abend.viewCleared = [this] { render(); };
    connect(m_analyze, &AbendAnalyzePage::analyzeRequested, this, &AbendLogForm::analyzeEntry);
    resize(715, 535);
    render();
}

// The engine outlives the window: it must not call back into it afterwards.
AbendLogForm::~AbendLogForm() {
    static NullProgress none;
    m_abend.setProgress(none);
    m_abend.countChanged = nullptr;
    m_abend.viewCleared = nullptr;
}

void AbendLogForm::createMenu() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    QAction* open = file->addAction(QStringLiteral("&Open Log"), this, &AbendLogForm::Open1Click);
    open->setObjectName(QStringLiteral("Open1"));
    file->addSeparator();
    QAction* closeItem =
        file->addAction(QStringLiteral("&Close"), this, &AbendLogForm::Close1Click);
    closeItem->setObjectName(QStringLiteral("Close1"));
}

void AbendLogForm::createToolStrip() {
    QToolBar* strip = addToolBar(QStringLiteral("Abend Log"));
    strip->setObjectName(QStringLiteral("ToolBar1"));
    strip->setMovable(false);
    QAction* open =
        strip->addAction(toolbaricons::icon(toolbaricons::Picture::Open),
                         QStringLiteral("Open Abend Log File"), this, &AbendLogForm::Open1Click);
    open->setObjectName(QStringLiteral("OpenBtn"));
    QAction* exit = strip->addAction(toolbaricons::icon(toolbaricons::Picture::Exit),
                                     QStringLiteral("Exit"), this, &AbendLogForm::Close1Click);
    exit->setObjectName(QStringLiteral("ExitBtn"));
    strip->addSeparator();
    m_hint = new QLabel(HintText, strip);
    m_hint->setObjectName(QStringLiteral("pnlHint"));
    m_hint->setStyleSheet(QStringLiteral(
        "QLabel { background: yellow; color: black; border: 1px solid gray; padding: 3px; }"));
    strip->addWidget(m_hint);
}

void AbendLogForm::createPages() {
    m_pages = new QTabWidget(this);
    m_analyze = new AbendAnalyzePage(m_pages);
    m_pages->addTab(m_analyze, QStringLiteral("Analyze"));
    auto* logPage = new QWidget(m_pages);
    logPage->setObjectName(QStringLiteral("tbsAbendLog"));
    m_fileView = logView(logPage, "OmmoAbendLog", QStringLiteral("Abend Log"));
    m_reportView = logView(logPage, "mmoAbendLog", QStringLiteral("Abend Log from the report"));
    auto* layout = new QVBoxLayout(logPage);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_fileView);
    layout->addWidget(m_reportView);
    m_pages->addTab(logPage, QStringLiteral("Abend Log"));
    setCentralWidget(m_pages);
    m_progress.addBar(m_analyze->progressBar());
}

void AbendLogForm::createStatusBar() {
    statusBar()->setSizeGripEnabled(false);
    for (int i = 0; i < int(m_status.size()); ++i) {
        m_status[i] = new QLabel(statusBar());
        m_status[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        m_status[i]->setFixedWidth(StatusPanelWidths.at(i));
        m_status[i]->setAccessibleDescription(StatusPanelDescriptions.at(i));
        statusBar()->addWidget(m_status[i]);
    }
}

void AbendLogForm::showBeside(const QSize& mainWindowSize) {
    resize(mainWindowSize.width() - 20, mainWindowSize.height() - 20);
    show();
    raise();
    activateWindow();
}

bool AbendLogForm::event(QEvent* event) {
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::WindowActivate) {
        activated();
    }
    return handled;
}

void AbendLogForm::activated() {
    {
        BusyCursor busy;
        m_abend.activate();
    }
    render();
}

QString AbendLogForm::askLogFile() {
    if (chooseLogFile) {
        return chooseLogFile();
    }
    QStringList filters;
    for (const AbendView::FileFilter& filter : AbendView::OpenFilters) {
        filters << filterText(filter);
    }
    QFileDialog dialog(this, QStringLiteral("Open"), initialFolder ? initialFolder() : QString());
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.at(AbendView::OpenFilterSelected));
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

void AbendLogForm::Open1Click() {
    const QString path = askLogFile();
    if (path.isEmpty()) {
        return;
    }
    {
        BusyCursor busy;
        m_abend.openLogFile(path);
    }
    render();
}

void AbendLogForm::analyzeEntry(int row) {
    {
        BusyCursor busy;
        m_abend.analyzeEntry(row);
    }
    render();
}

void AbendLogForm::render() {
    const AbendView& view = m_abend.view();
    setWindowTitle(view.title);
    m_analyze->render(view);
    for (int i = 0; i < int(m_status.size()); ++i) {
        m_status[i]->setText(view.statusPanels.at(i));
    }
    renderTextViews();
    renderSelection();
}

void AbendLogForm::renderTextViews() {
    const AbendView& view = m_abend.view();
    const bool report = view.textView == AbendTextView::Report;
    m_reportView->setVisible(report);
    m_fileView->setVisible(!report);
    if (view.fileText != m_shownFileText) {
        m_shownFileText = view.fileText;
        m_fileView->setPlainText(view.fileText.isEmpty() ? QString() : view.AbendText.join(u'\n'));
        m_fileView->moveCursor(QTextCursor::Start);
        m_shownSelection = -1;
        m_shownKey.clear();
    }
    const QStringList reportLines = report ? view.AbendText : QStringList();
    if (reportLines != m_shownReportText) {
        m_shownReportText = reportLines;
        m_reportView->setPlainText(reportLines.join(u'\n'));
    }
}

// The searched key selected in the file view and brought into view. The engine gives its
// place in the log text; the view holds one block per line, so the place becomes a line and
// a column.
void AbendLogForm::renderSelection() {
    const AbendView& view = m_abend.view();
    if (view.selectionStart == m_shownSelection && view.selectionKey == m_shownKey) {
        return;
    }
    m_shownSelection = view.selectionStart;
    m_shownKey = view.selectionKey;
    QTextCursor cursor(m_fileView->document());
    if (view.selectionStart >= 0) {
        const QString before = view.fileText.left(view.selectionStart);
        const qsizetype line = abendtext::splitLines(before).size() - 1;
        const qsizetype column = before.size() - abendtext::lineStart(before, line);
        const QTextBlock block = m_fileView->document()->findBlockByNumber(int(line));
        if (block.isValid()) {
            cursor.setPosition(block.position() + int(column));
            cursor.setPosition(cursor.position() + int(view.selectionKey.size()),
                               QTextCursor::KeepAnchor);
        }
    }
    m_fileView->setTextCursor(cursor);
    m_fileView->ensureCursorVisible();
}

void AbendLogForm::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    applyLayout();
}

// The entry list takes 10/43 of the window's height, the module list 40 less, and the
// analysis list the rest.
void AbendLogForm::applyLayout() {
    const int entries = int(std::lround(height() * 10.0 / 43.0));
    m_analyze->setListHeights(entries, entries - 40);
}
