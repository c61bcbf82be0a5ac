#include "windowfixture.h"

#include "gui/windows/firstrunwindow.h"
#include "ini/inifile.h"
#include "settings/datadirectory.h"

#include <QLabel>
#include <QPushButton>

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QTimer>

void WindowFixture::SetUp() {
    DataDirectory::setOverride(m_home.path());
}

void WindowFixture::TearDown() {
    m_modalCloser.reset();
    m_window.reset();
    DataDirectory::setOverride({});
}

MainWindow& WindowFixture::makeWindow(const QStringList& arguments) {
    m_window = std::make_unique<MainWindow>(m_dialogs, arguments);
    m_window->createWindows();
    m_window->setActivatedBySystem(false);
    m_window->show();
    return *m_window;
}

QString WindowFixture::example() const {
    return QStringLiteral(CARTOVEX_SOURCE_DIR "/examples/config.txt");
}

QString WindowFixture::variant(const QString& name, const QString& from, const QString& to) const {
    QFile in(example());
    EXPECT_TRUE(in.open(QIODevice::ReadOnly));
    QByteArray text = in.readAll();
    text.replace(from.toLatin1(), to.toLatin1());
    const QString path = m_home.filePath(name);
    QFile out(path);
    EXPECT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(text);
    return path;
}

void WindowFixture::writePreference(const QString& key, const QString& value) const {
    IniFile(DataDirectory::controlledDatabasePath()).writeString("Preferences", key, value);
}

QString WindowFixture::readPreference(const QString& key) const {
    return IniFile(DataDirectory::controlledDatabasePath()).readString("Preferences", key, {});
}

void WindowFixture::closeModalsAsTheyOpen() {
    m_modalCloser = std::make_unique<QTimer>();
    m_modalCloser->setInterval(20);
    QObject::connect(m_modalCloser.get(), &QTimer::timeout, [this] {
        auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!modal) {
            return;
        }
        if (auto* firstRun = qobject_cast<FirstRunWindow*>(modal)) {
            if (firstRun->okButton()->isEnabled()) {
                m_modalsClosed << firstRun->label()->text();
                firstRun->okButton()->click();
            }
            return;
        }
        m_modalsClosed << modal->windowTitle();
        modal->done(QDialog::Accepted);
    });
    m_modalCloser->start();
}
