#include "managerwindowtest.h"

#include "settings/datadirectory.h"
#include "testsupport.h"

#include <QAbstractButton>
#include <QFile>
#include <QTabWidget>
#include <QTest>

void ManagerWindowTest::SetUp() {
    ASSERT_TRUE(m_home.isValid());
    DataDirectory::setOverride(m_home.path());
    ASSERT_TRUE(QFile::copy(fixture("controlled.ini"), controlledPath()));
    ASSERT_TRUE(QFile::copy(fixture("uncontrolled.ini"), uncontrolledPath()));
    for (const QString& path : {controlledPath(), uncontrolledPath()}) {
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    }
    m_engine = std::make_unique<Engine>(m_dialogs, m_progress);
    m_engine->create();
    m_form = std::make_unique<PatchDBForm>(*m_engine);
    m_form->resize(715, 535);
}

void ManagerWindowTest::TearDown() {
    m_form.reset();
    m_engine.reset();
    DataDirectory::setOverride(QString());
}

QString ManagerWindowTest::fixture(const QString& name) {
    return testsupport::dataPath(QStringLiteral("guimanager/") + name);
}

void ManagerWindowTest::open(bool uncontrolled, ManagerWindowState::Page page) {
    if (uncontrolled) {
        m_engine->databases().SelectUncontrolledDatabase();
    } else {
        m_engine->databases().SelectControlledDatabase();
    }
    m_form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_form.get()));
    showPage(page);
}

void ManagerWindowTest::showPage(ManagerWindowState::Page page) {
    m_form->tabs()->setCurrentIndex(page);
    ASSERT_EQ(m_form->state().currentPage(), page);
}

void ManagerWindowTest::click(QAbstractButton* button) {
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(button->isEnabled()) << button->text().toStdString();
    QTest::mouseClick(button, Qt::LeftButton);
}

QStringList ManagerWindowTest::takeMessages() {
    const QStringList texts = m_dialogs.texts();
    m_dialogs.clear();
    return texts;
}

QByteArray ManagerWindowTest::read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
