#include "gui/windows/firstrunwindow.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

FirstRunWindow::FirstRunWindow(QString settingsPath, FirstRun::RegisterControl registerControl,
                               QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint),
      m_settingsPath(std::move(settingsPath)),
      m_firstRun(std::move(registerControl)) {
    setAccessibleName(QStringLiteral("Initializing Cartovex"));
    setModal(true);
    setFixedSize(300, 130);
    auto* layout = new QVBoxLayout(this);
    m_label = new QLabel(this);
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setAccessibleDescription(QStringLiteral("Initialization step"));
    m_bar = new QProgressBar(this);
    m_bar->setRange(0, FirstRun::Steps);
    m_bar->setAccessibleName(QStringLiteral("Initialization progress"));
    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setAccessibleName(QStringLiteral("OK"));
    layout->addWidget(m_label);
    layout->addWidget(m_bar);
    layout->addWidget(m_ok, 0, Qt::AlignHCenter);
    connect(m_ok, &QPushButton::clicked, this, &FirstRunWindow::confirm);
}

void FirstRunWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_started) {
        m_started = true;
        QTimer::singleShot(0, this, &FirstRunWindow::runSteps);
    }
}

void FirstRunWindow::runSteps() {
    m_firstRun.run(*this);
}

void FirstRunWindow::confirm() {
    FirstRun::confirm(m_settingsPath);
    accept();
}

void FirstRunWindow::setLabel(const QString& text) {
    m_label->setText(text);
}

void FirstRunWindow::setProgress(int position) {
    m_bar->setValue(position);
}

void FirstRunWindow::setOkEnabled(bool enabled) {
    m_ok->setEnabled(enabled);
    if (enabled) {
        m_ok->setFocus();
    }
}

void FirstRunWindow::pumpEvents() {
    QCoreApplication::processEvents();
}
