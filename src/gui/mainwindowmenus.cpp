#include "gui/mainwindow.h"

#include "gui/widgets/toolbaricons.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

using toolbaricons::Picture;

QAction* MainWindow::addCommand(QMenu* menu, const QString& name, const QString& caption,
                                void (MainWindow::*slot)()) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, slot);
    return action;
}

void MainWindow::createMenus() {
    createFileMenu();
    createToolsMenu();
    createHelpMenu();
    m_meridexMenu = menuBar()->addMenu(QStringLiteral("&Meridex Admin Pro"));
    m_meridexMenu->setObjectName(QStringLiteral("mniMeridexAdminPro"));
    addCommand(m_meridexMenu, "mniRunMeridex", QStringLiteral("&Run"), &MainWindow::runSibling);
    m_meridexMenu->menuAction()->setVisible(false);
    // The pop-up menu of the window.
    auto* exit2 = new QAction(QStringLiteral("Exit"), this);
    exit2->setObjectName(QStringLiteral("Exit2"));
    connect(exit2, &QAction::triggered, this, &MainWindow::exitCommand);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    addAction(exit2);
}

void MainWindow::createFileMenu() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    addCommand(file, "Open1", QStringLiteral("&Open"), &MainWindow::openCommand);
    file->addSeparator();
    addCommand(file, "Exit1", QStringLiteral("E&xit"), &MainWindow::exitCommand);
    m_histSeparator = file->addSeparator();
    m_histSeparator->setObjectName(QStringLiteral("mniHistSeparator"));
    for (int k = 0; k < int(m_hist.size()); ++k) {
        m_hist[k] = file->addAction(QString());
        m_hist[k]->setObjectName(QStringLiteral("mniHist%1").arg(k + 1));
        connect(m_hist[k], &QAction::triggered, this, [this, k] { openRecent(k + 1); });
    }
}

void MainWindow::createToolsMenu() {
    QMenu* tools = menuBar()->addMenu(QStringLiteral("&Tools"));
    QAction* options = tools->addAction(QStringLiteral("&Options"));
    options->setObjectName(QStringLiteral("Options1"));
    connect(options, &QAction::triggered, this, &MainWindow::optionsCommand);
    tools->addSeparator();
    QAction* manager = tools->addAction(QStringLiteral("Customize DB/Patch DB &Manager"));
    manager->setObjectName(QStringLiteral("PatchDBManager1"));
    connect(manager, &QAction::triggered, this, &MainWindow::managerCommand);
    addCommand(tools, "PrintSuggestions1",
               QStringLiteral("&Print Suggestions/Results from Compare"),
               &MainWindow::printSummary);
    QAction* update =
        tools->addAction(QStringLiteral("&Update Controlled DB After Manual Download"));
    update->setObjectName(QStringLiteral("UpdateControlledDatabaseAfterManualDownload1"));
    connect(update, &QAction::triggered, this, &MainWindow::manualUpdateCommand);
    QAction* abend = tools->addAction(QStringLiteral("&Analyze DX 4.11+ Abend.log file"));
    abend->setObjectName(QStringLiteral("mniAnalyzeDX411Abendlogfile"));
    connect(abend, &QAction::triggered, this, &MainWindow::abendCommand);
    addCommand(tools, "mniCopySuggestionsToClipboard",
               QStringLiteral("&Copy Suggestions To Clipboard"), &MainWindow::copySummary);
    QAction* wizard = tools->addAction(QStringLiteral("&FTP Wizard"));
    wizard->setObjectName(QStringLiteral("FTPWizardMenuItem"));
    connect(wizard, &QAction::triggered, this, &MainWindow::wizardCommand);
}

void MainWindow::createHelpMenu() {
    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    addCommand(help, "About1", QStringLiteral("&About"), &MainWindow::showAbout);
    help->addSeparator();
    addCommand(help, "Help2", QStringLiteral("&Help"), &MainWindow::showHelp);
    help->addSeparator();
    addCommand(help, "DefaultSize1", QStringLiteral("Default &Size"), &MainWindow::defaultSize);
    addCommand(help, "DatabaseType1", QStringLiteral("DB &Type?"),
               &MainWindow::databaseTypeInformation);
}

QToolButton* MainWindow::addToolButton(const QString& name, const QString& hint, int picture,
                                       void (MainWindow::*slot)()) {
    auto* button = new QToolButton(this);
    button->setObjectName(name);
    button->setToolTip(hint);
    button->setAccessibleName(hint);
    button->setIcon(toolbaricons::icon(Picture(picture)));
    button->setAutoRaise(true);
    connect(button, &QToolButton::clicked, this, slot);
    // A widget on a toolbar is shown and hidden through its action.
    QAction* action = findChild<QToolBar*>(QStringLiteral("ToolBar"))->addWidget(button);
    action->setObjectName(name + QStringLiteral("Action"));
    return button;
}

void MainWindow::createToolBar() {
    QToolBar* bar = addToolBar(QStringLiteral("Toolbar"));
    bar->setObjectName(QStringLiteral("ToolBar"));
    bar->setMovable(false);
    bar->setIconSize(QSize(24, 24));
    bar->setAccessibleName(QStringLiteral("Toolbar"));
    addToolButton("OpenSpdBtn", "Open Config File", int(Picture::Open), &MainWindow::openCommand);
    bar->addSeparator();
    m_searchButtons = {
        addToolButton("FindSpdBtn", "Find", int(Picture::Find), &MainWindow::findCommand),
        addToolButton("FindNextSpdBtn", "Find Next", int(Picture::FindNext),
                      &MainWindow::findNextCommand),
        addToolButton("FindPrevSpdBtn", "Find Previous", int(Picture::FindPrevious),
                      &MainWindow::findPreviousCommand),
        addToolButton("GotoTopSpdBtn", "Goto Top", int(Picture::Top), &MainWindow::gotoTopCommand)};
    bar->addSeparator();
    addToolButton("PatchDBBtn2", "Patch Database Manager/Customize DB", int(Picture::Database),
                  &MainWindow::managerCommand);
    addToolButton("btnFTPWizard", "Get current Quarix database via FTP", int(Picture::Download),
                  &MainWindow::wizardCommand);
    addToolButton("btnUpdateDBAfterManualDL", "Update Controlled Database After Manual Download",
                  int(Picture::Update), &MainWindow::manualUpdateCommand);
    addToolButton("btnAbendLog", "Analyze DX 4.11+ Abend.log file", int(Picture::Abend),
                  &MainWindow::abendCommand);
    bar->addSeparator();
    addToolButton("btnCopySuggsToClipboard", "Copy Suggestions to Clipboard", int(Picture::Copy),
                  &MainWindow::copySummary);
    addToolButton("PrintSuggestionsBtn", "Print Suggestions/Results from Compare",
                  int(Picture::Print), &MainWindow::printSummary);
    bar->addSeparator();
    addToolButton("ExitSpdBtn", "Exit Cartovex", int(Picture::Exit), &MainWindow::exitCommand);
    bar->addSeparator();
    m_altViewerBtn = addToolButton("AltViewerBtn", "Use Alternate Viewer", int(Picture::Viewer),
                                   &MainWindow::toggleViewerCommand);
}

void MainWindow::createStatusBar() {
    static const int Widths[StatusPanelCount] = {125, 85, 50, 160, 150, 50};
    // What each panel shows; a screen reader reads the panel's text as its name.
    static const char* const Descriptions[StatusPanelCount] = {"Load stage",     "Line count",
                                                               "File size",      "Module listings",
                                                               "Config headers", "Caret position"};
    QStatusBar* bar = statusBar();
    bar->setSizeGripEnabled(false);
    for (int i = 0; i < StatusPanelCount; ++i) {
        m_status[i] = new QLabel(bar);
        m_status[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        m_status[i]->setFixedWidth(Widths[i]);
        m_status[i]->setAccessibleDescription(QLatin1String(Descriptions[i]));
        bar->addWidget(m_status[i]);
    }
    m_status[5]->setAlignment(Qt::AlignCenter);
    // The designed widths were made for a smaller font: the size and position panels get
    // room for their longest texts.
    const QFontMetrics metrics(m_status[2]->font());
    m_status[2]->setFixedWidth(qMax(Widths[2], metrics.horizontalAdvance("999999kb") + 10));
    m_status[5]->setFixedWidth(qMax(Widths[5], metrics.horizontalAdvance("999999:999") + 10));
}
