#include "gui/windows/abendanalyzepage.h"

#include "abendlog/abendview.h"
#include "gui/windows/abendentrymodel.h"

#include <QFontDatabase>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QProgressBar>
#include <QStringListModel>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

QLabel* label(QWidget* parent, const QString& text) {
    return new QLabel(text, parent);  // read by its text, which changes with the log
}

QListView* readOnlyList(QWidget* parent, QStringListModel* model, const QString& name) {
    auto* view = new QListView(parent);
    view->setModel(model);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setUniformItemSizes(true);
    view->setWordWrap(false);
    view->setAccessibleName(name);
    return view;
}

}  // namespace

AbendAnalyzePage::AbendAnalyzePage(QWidget* parent)
    : QWidget(parent),
      m_count(label(this, AbendView::CountPrefix)),
      m_bar(new QProgressBar(this)),
      m_entryModel(new AbendEntryModel(this)),
      m_modulesLabel(label(this, AbendView::ModulesPrefix)),
      m_moduleModel(new QStringListModel(this)),
      m_modules(readOnlyList(this, m_moduleModel, QStringLiteral("Modules Loaded"))),
      m_heading(label(this, AbendView::AnalysisCaption)),
      m_analysisModel(new QStringListModel(this)) {
    setObjectName(QStringLiteral("tbsAnalyze"));
    m_count->setObjectName(QStringLiteral("lblTNumAbendsFound"));
    m_bar->setObjectName(QStringLiteral("barPAbendLog"));
    m_bar->setAccessibleName(QStringLiteral("Scan progress"));
    m_bar->setTextVisible(false);
    m_bar->setMaximumHeight(16);
    m_modulesLabel->setObjectName(QStringLiteral("lblTModulesLoaded"));
    m_modules->setObjectName(QStringLiteral("lstModulesLoaded"));
    m_modules->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_heading->setObjectName(QStringLiteral("pnlAnalysis"));
    m_heading->setFrameStyle(QFrame::Panel | QFrame::Raised);
    QFont bold = m_heading->font();
    bold.setBold(true);
    m_heading->setFont(bold);
    createEntryList();
    createAnalysisList();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(3);
    auto* top = new QHBoxLayout;
    top->addWidget(m_count);
    top->addWidget(m_bar, 1);
    layout->addLayout(top);
    layout->addWidget(label(this, QStringLiteral("Choose Abend Entry To Analyze:")));
    layout->addWidget(m_entries);
    layout->addWidget(m_modulesLabel);
    layout->addWidget(m_modules);
    layout->addWidget(m_heading);
    layout->addWidget(m_analysis, 1);
}

void AbendAnalyzePage::createEntryList() {
    m_entries = new QTreeView(this);
    m_entries->setObjectName(QStringLiteral("lvwAbends"));
    m_entries->setAccessibleName(QStringLiteral("Choose Abend Entry To Analyze"));
    m_entries->setModel(m_entryModel);
    m_entries->setRootIsDecorated(false);
    m_entries->setItemsExpandable(false);
    m_entries->setUniformRowHeights(true);
    m_entries->setAllColumnsShowFocus(true);
    m_entries->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_entries->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_entries->setSelectionMode(QAbstractItemView::SingleSelection);
    m_entries->header()->setStretchLastSection(false);
    m_entries->installEventFilter(this);
    connect(m_entries, &QTreeView::doubleClicked, this,
            [this] { emit analyzeRequested(selectedEntry()); });
}

void AbendAnalyzePage::createAnalysisList() {
    m_analysis = readOnlyList(this, m_analysisModel, QStringLiteral("Analysis"));
    m_analysis->setObjectName(QStringLiteral("lstAbendAnalysis"));
    m_analysis->setMinimumHeight(24);
    QFont larger = m_analysis->font();
    larger.setPointSizeF(larger.pointSizeF() * 1.2);
    m_analysis->setFont(larger);
    // The grey face colour of dialog controls, not the white of an input list.
    QPalette face = m_analysis->palette();
    face.setColor(QPalette::Base, face.color(QPalette::Button));
    m_analysis->setPalette(face);
    m_analysis->setFocusPolicy(Qt::NoFocus);
    connect(m_analysis, &QListView::pressed, m_analysis, &QListView::clearSelection);
    connect(m_analysis, &QListView::clicked, m_analysis, &QListView::clearSelection);
}

void AbendAnalyzePage::render(const AbendView& view) {
    renderCount(view);
    m_entryModel->setEntries(view.entries);
    for (int i = 0; i < int(view.columnWidths.size()); ++i) {
        if (m_entries->header()->sectionSize(i) != view.columnWidths.at(i)) {
            m_entries->header()->resizeSection(i, view.columnWidths.at(i));
        }
    }
    m_modulesLabel->setText(view.modulesLabel);
    if (m_moduleModel->stringList() != view.ModulesLoaded.lines()) {
        m_moduleModel->setStringList(view.ModulesLoaded.lines());
    }
    m_heading->setText(view.analysisHeading);
    if (m_analysisModel->stringList() != view.AbendAnalysis) {
        m_analysisModel->setStringList(view.AbendAnalysis);
    }
}

void AbendAnalyzePage::renderCount(const AbendView& view) {
    m_count->setText(view.countLabel);
}

void AbendAnalyzePage::setListHeights(int entries, int modules) {
    m_entries->setFixedHeight(qMax(entries, 0));
    m_modules->setFixedHeight(qMax(modules, 0));
}

int AbendAnalyzePage::selectedEntry() const {
    const QModelIndexList rows = m_entries->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

bool AbendAnalyzePage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_entries && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            emit analyzeRequested(selectedEntry());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
