#include "gui/pages/comparesheet.h"

#include "engine/engine.h"
#include "gui/widgets/comparetablemodel.h"
#include "gui/widgets/pagewidgets.h"

#include <QCheckBox>
#include <QEvent>
#include <QFontDatabase>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeView>

namespace {
const QString CompareHint = QStringLiteral("Compare Two Servers' Configs Against Each Other");
}

CompareSheet::CompareSheet(QWidget* parent) : QWidget(parent) {
    setAccessibleName(QStringLiteral("Compare"));
    m_baselineLabel = pagewidgets::label(this, {}, QStringLiteral("Baseline report"));
    m_baselineLabel->installEventFilter(this);
    m_compareLabel =
        pagewidgets::label(this, {}, QStringLiteral("Report compared with the baseline"));
    m_baselineBox = new QCheckBox(this);
    m_compare = new QPushButton(QStringLiteral("Compare"), this);
    m_compare->setToolTip(CompareHint);
    m_compare->setAccessibleName(m_compare->text());
    m_reset = new QPushButton(QStringLiteral("Reset Baseline Config"), this);
    m_reset->setToolTip(CompareHint);
    m_reset->setAccessibleName(m_reset->text());
    m_quick = pagewidgets::captionPanel(this, QStringLiteral("Quick Compare!"));
    QPalette yellow = m_quick->palette();
    yellow.setColor(QPalette::Window, Qt::yellow);
    yellow.setColor(QPalette::WindowText, Qt::black);
    m_quick->setPalette(yellow);
    m_progress = new QProgressBar(this);
    m_progress->setTextVisible(false);
    m_progress->setAccessibleName(QStringLiteral("Compare progress"));
    m_model = new CompareTableModel(this);
    m_table = new QTreeView(this);
    m_table->setModel(m_model);
    m_table->setRootIsDecorated(false);
    m_table->setUniformRowHeights(true);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_table->setAccessibleName(QStringLiteral("Compare results"));
    m_table->header()->setStretchLastSection(false);
    m_table->header()->resizeSection(0, CompareTable::DefaultLeftWidth);
    m_table->header()->resizeSection(1, CompareTable::DefaultRightWidth);
    // Any change of the box (mouse, key, screen reader) chooses the baseline; render's own
    // changes are not the user's.
    connect(m_baselineBox, &QCheckBox::toggled, this, [this](bool on) {
        if (on) {
            emit baselineChosen();
        }
    });
    connect(m_compare, &QPushButton::clicked, this, &CompareSheet::compareClicked);
    connect(m_reset, &QPushButton::clicked, this, &CompareSheet::resetClicked);
}

void CompareSheet::render(Engine& engine) {
    const ComparePage& page = engine.compare().page();
    m_baselineBox->setText(page.BaselineCheckBox.text);
    m_baselineBox->setEnabled(page.BaselineCheckBox.enabled);
    {
        const QSignalBlocker rendering(m_baselineBox);
        m_baselineBox->setChecked(page.BaselineCheckBox.checked);
    }
    m_reset->setEnabled(page.ResetBaselineBtnEnabled);
    m_baselineLabel->setText(page.BaselineConfigLabel);
    m_compareLabel->setText(engine.compare().CompareConfigLabel());
    if (!(m_model->table().rows == page.ListView1.rows) ||
        m_model->table().leftHeader != page.ListView1.leftHeader) {
        m_model->setTable(page.ListView1);
        m_table->header()->resizeSection(0, page.ListView1.leftWidth);
        m_table->header()->resizeSection(1, page.ListView1.rightWidth);
    }
}

void CompareSheet::applyLayout(const QSize& page) {
    const int w = page.width() - 16;
    m_baselineLabel->setGeometry(8, 8, 330, 20);
    m_compareLabel->setGeometry(8, 30, 330, 20);
    m_baselineBox->setGeometry(8, 54, qMin(w - 8, 520), 24);
    m_compare->setGeometry(8, 84, 110, 28);
    m_reset->setGeometry(126, 84, 170, 28);
    m_quick->setGeometry(qMax(w - 150, 350), 8, 150, 40);
    m_progress->setGeometry(306, 90, qMax(w - 306 - 2, 60), 16);
    const int top = 120;
    m_table->setGeometry(8, top, w, qMax(page.height() - 40 - top, 60));
}

bool CompareSheet::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_baselineLabel && event->type() == QEvent::MouseButtonDblClick) {
        emit columnWidthsRequested(m_table->header()->sectionSize(0),
                                   m_table->header()->sectionSize(1));
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
