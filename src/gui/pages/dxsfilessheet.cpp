#include "gui/pages/dxsfilessheet.h"

#include "engine/engine.h"
#include "gui/widgets/pagewidgets.h"

#include <QEvent>
#include <QLabel>
#include <QPlainTextEdit>

DxsFilesSheet::DxsFilesSheet(QWidget* parent) : QWidget(parent) {
    setAccessibleName(QStringLiteral("DXS Files"));
    m_startupPanel = pagewidgets::captionPanel(this, QStringLiteral("STARTUP.DXS"));
    m_startup = pagewidgets::fileView(this, QStringLiteral("STARTUP.DXS"));
    m_autoexecPanel = pagewidgets::captionPanel(this, m_state.caption());
    m_change = pagewidgets::label(m_autoexecPanel, m_state.changeLabel());
    m_change->setCursor(Qt::PointingHandCursor);
    QFont plain = m_change->font();
    plain.setBold(false);
    plain.setUnderline(true);
    m_change->setFont(plain);
    m_autoexecPanel->setCursor(Qt::PointingHandCursor);
    m_autoexec = pagewidgets::fileView(this, QStringLiteral("SYS:SYSTEM\\AUTOEXEC.DXS"));
    m_dosAutoexec = pagewidgets::fileView(this, QStringLiteral("C:AUTOEXEC.DXS"));
    m_dosAutoexec->hide();
    for (QWidget* w : {static_cast<QWidget*>(m_autoexecPanel), static_cast<QWidget*>(m_change)}) {
        w->installEventFilter(this);
    }
}

void DxsFilesSheet::render(Engine& engine) {
    const ServerModel& m = engine.model();
    pagewidgets::setLines(m_startup, m.StartupDxs);
    pagewidgets::setLines(m_autoexec, m.AutoexecDxs);
    pagewidgets::setLines(m_dosAutoexec, m.DosAutoexecDxs);
}

void DxsFilesSheet::toggleAutoexec() {
    m_state.toggle();
    showPanelState();
}

void DxsFilesSheet::showPanelState() {
    const bool dos = m_state.dosCopyShown();
    m_autoexec->setVisible(!dos);
    m_dosAutoexec->setVisible(dos);
    m_autoexecPanel->setText(m_state.caption());
    m_change->setText(m_state.changeLabel());
}

void DxsFilesSheet::setHighlighted(bool on) {
    m_highlighted = on;
    QPalette palette = m_autoexecPanel->palette();
    palette.setColor(QPalette::Window,
                     on ? QColor(Qt::yellow) : this->palette().color(QPalette::Button));
    m_autoexecPanel->setPalette(palette);
}

void DxsFilesSheet::applyLayout(const QSize& page) {
    const int w = page.width() - 16;
    const int upper = qMax(pagewidgets::rounded((page.height() - 130) * 0.5), 40);
    m_startupPanel->setGeometry(8, 8, w, 24);
    m_startup->setGeometry(8, 32, w, upper);
    const int lowerPanel = 32 + upper + 10;
    m_autoexecPanel->setGeometry(8, lowerPanel, w, 24);
    m_change->setGeometry(w - 230, 3, 222, 18);
    const int lowerTop = lowerPanel + 24;
    const int lowerHeight = qMax(page.height() - lowerTop - 8, 40);
    m_autoexec->setGeometry(8, lowerTop, w, lowerHeight);
    m_dosAutoexec->setGeometry(8, lowerTop, w, lowerHeight);
}

bool DxsFilesSheet::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonRelease:
            toggleAutoexec();
            return true;
        case QEvent::Enter:
            setHighlighted(true);
            break;
        case QEvent::Leave:
            // Leaving the label for its panel keeps the colour; leaving the panel ends it.
            if (watched == m_autoexecPanel) {
                setHighlighted(false);
            }
            break;
        default:
            break;
    }
    return QWidget::eventFilter(watched, event);
}
