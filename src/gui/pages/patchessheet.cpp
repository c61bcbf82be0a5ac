#include "gui/pages/patchessheet.h"

#include "engine/engine.h"
#include "gui/widgets/colouredlistmodel.h"
#include "gui/widgets/listviews.h"
#include "gui/widgets/pagewidgets.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QPushButton>

PatchesSheet::PatchesSheet(QWidget* parent) : QWidget(parent) {
    setAccessibleName(QStringLiteral("Patches"));
    m_line1 = pagewidgets::label(
        this, QStringLiteral("Information in the Patch Database is used to verify"));
    m_line2 =
        pagewidgets::label(this, QStringLiteral("the modules in the config file being analyzed"));
    m_group = pagewidgets::group(this, QStringLiteral("Known Patch Sets in Patch DB"));
    m_model = new ColouredListModel(this);
    m_list = listviews::create(m_group, m_model, listviews::Font::FixedPitch,
                               "Known Patch Sets in Patch DB");
    m_list->installEventFilter(this);
    m_getInfo = new QPushButton(QStringLiteral("Get Patch Info"), m_group);
    m_getInfo->setToolTip(QStringLiteral("Read Patch Sets"));
    m_getInfo->setAccessibleName(m_getInfo->text());
    m_manager = new QPushButton(QStringLiteral("Patch DB Manager"), this);
    m_manager->setToolTip(QStringLiteral("Add Patch Sets & Core DXPs Here..."));
    m_manager->setAccessibleName(m_manager->text());
    connect(m_getInfo, &QPushButton::clicked, this, &PatchesSheet::getPatchInfoClicked);
    connect(m_manager, &QPushButton::clicked, this, &PatchesSheet::managerClicked);
}

void PatchesSheet::render(Engine& engine) {
    m_model->setLines(engine.manager().patchSetNames());
}

void PatchesSheet::applyLayout(const QSize& page) {
    m_line1->setGeometry(20, 10, 400, 20);
    m_line2->setGeometry(20, 30, 400, 20);
    const int groupHeight = qMax(page.height() - 100 - 60, 80);
    m_group->setGeometry(20, 60, 320, groupHeight);
    m_list->setGeometry(10, 24, 200, groupHeight - 34);
    m_getInfo->setGeometry(220, 24, 90, 28);
    m_manager->setGeometry(360, 70, 150, 28);
}

bool PatchesSheet::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_list && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        const QModelIndex current = m_list->currentIndex();
        if (current.isValid() && m_list->selectionModel()->isSelected(current)) {
            emit deleteSetRequested(current.data().toString());
        }
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
