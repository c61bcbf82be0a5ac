#include "gui/pages/dosfilessheet.h"

#include "engine/engine.h"
#include "gui/widgets/pagewidgets.h"

#include <QLabel>
#include <QPlainTextEdit>

DosFilesSheet::DosFilesSheet(QWidget* parent) : QWidget(parent) {
    setAccessibleName(QStringLiteral("DOS Files"));
    m_configSysPanel = pagewidgets::captionPanel(this, QStringLiteral("CONFIG.SYS"));
    m_configSys = pagewidgets::fileView(this, QStringLiteral("CONFIG.SYS"));
    m_autoexecBatPanel = pagewidgets::captionPanel(this, QStringLiteral("AUTOEXEC.BAT"));
    m_autoexecBat = pagewidgets::fileView(this, QStringLiteral("AUTOEXEC.BAT"));
}

void DosFilesSheet::render(Engine& engine) {
    pagewidgets::setLines(m_configSys, engine.model().ConfigSys);
    pagewidgets::setLines(m_autoexecBat, engine.model().AutoexecBat);
}

void DosFilesSheet::applyLayout(const QSize& page) {
    const int w = page.width() - 16;
    const int upper = qMax(pagewidgets::rounded((page.height() - 130) * 0.5), 40);
    m_configSysPanel->setGeometry(8, 8, w, 24);
    m_configSys->setGeometry(8, 32, w, upper);
    const int lowerPanel = 32 + upper + 10;
    m_autoexecBatPanel->setGeometry(8, lowerPanel, w, 24);
    m_autoexecBat->setGeometry(8, lowerPanel + 24, w,
                               qMax(page.height() - lowerPanel - 24 - 8, 40));
}
