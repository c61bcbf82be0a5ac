#include "gui/widgets/windowprogress.h"

#include <QCoreApplication>
#include <QProgressBar>

void WindowProgress::start(int maximum) {
    for (QProgressBar* bar : m_bars) {
        bar->setRange(0, qMax(maximum, 1));  // a range of 0 would show a busy bar
        bar->setValue(0);
    }
    if (runningChanged) {
        runningChanged(true);
    }
}

void WindowProgress::step() {
    for (QProgressBar* bar : m_bars) {
        if (bar->value() < bar->maximum()) {
            bar->setValue(bar->value() + 1);
        }
    }
}

void WindowProgress::finish() {
    for (QProgressBar* bar : m_bars) {
        bar->setValue(0);
    }
    if (runningChanged) {
        runningChanged(false);
    }
}

void WindowProgress::pumpEvents() {
    if (m_sincePump.isValid() && m_sincePump.elapsed() < PumpIntervalMs) {
        return;
    }
    QCoreApplication::processEvents();
    m_sincePump.start();
}
