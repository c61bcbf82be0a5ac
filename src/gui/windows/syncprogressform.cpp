#include "gui/windows/syncprogressform.h"

#include "patchdb/customentriestexts.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QProgressBar>
#include <QVBoxLayout>

namespace {
constexpr int PumpIntervalMs = 15;
}  // namespace

SyncProgressForm::SyncProgressForm(QWidget* parent) : QDialog(parent), m_bar(new QProgressBar) {
    setWindowTitle(customtexts::SyncProgressCaption);
    setModal(false);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    m_bar->setAccessibleName(customtexts::SyncProgressCaption);
    m_bar->setTextVisible(false);
    m_bar->setRange(0, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->addWidget(m_bar);
    setFixedSize(320, 60);
}

void SyncProgressForm::start(int maximum) {
    m_bar->setRange(0, qMax(maximum, 1));
    m_bar->reset();
    show();
    raise();
    m_bar->setValue(0);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    m_sincePump.start();
}

void SyncProgressForm::step() {
    if (m_bar->value() < m_bar->maximum()) {
        m_bar->setValue(m_bar->value() + 1);
    }
}

void SyncProgressForm::finish() {
    hide();
}

void SyncProgressForm::pumpEvents() {
    if (m_sincePump.isValid() && m_sincePump.elapsed() < PumpIntervalMs) {
        return;
    }
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    m_sincePump.start();
}
