#include "windowfixture.h"

#include "download/downloadviews.h"
#include "gui/windows/abendlogform.h"
#include "gui/windows/firstrunwindow.h"
#include "gui/windows/ftpstatusform.h"
#include "gui/windows/ftpwizardform.h"
#include "gui/windows/optionsform.h"
#include "gui/windows/patchdbform.h"
#include "settings/datadirectory.h"
#include "testsupport.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <functional>
#include <ostream>

// Texts in failure messages as text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace {

// The lines of `b` that `a` lacks and those `a` has that `b` lacks, to show what differs.
QStringList difference(const QStringList& a, const QStringList& b) {
    QStringList out;
    for (const QString& line : a) {
        if (!b.contains(line)) {
            out << QStringLiteral("- ") + line;
        }
    }
    for (const QString& line : b) {
        if (!a.contains(line)) {
            out << QStringLiteral("+ ") + line;
        }
    }
    return out;
}

// A label's text as a screen reader gets it from Qt: "&" marks a mnemonic, "&&" is one "&".
QString readable(const QString& text) {
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == u'&' && i + 1 < text.size()) {
            ++i;
        }
        out += text.at(i);
    }
    return out;
}

bool needsName(QAccessible::Role role) {
    switch (role) {
        case QAccessible::PushButton:
        case QAccessible::CheckBox:
        case QAccessible::RadioButton:
        case QAccessible::ButtonMenu:
        case QAccessible::ButtonDropDown:
        case QAccessible::ComboBox:
        case QAccessible::SpinBox:
        case QAccessible::EditableText:
        case QAccessible::StaticText:
        case QAccessible::List:
        case QAccessible::Table:
        case QAccessible::Tree:
            return true;
        default:
            return false;
    }
}

bool isList(QAccessible::Role role) {
    return role == QAccessible::List || role == QAccessible::Table || role == QAccessible::Tree;
}

QString describe(QAccessibleInterface* iface) {
    const QObject* object = iface->object();
    if (!object) {
        return QStringLiteral("role %1").arg(int(iface->role()));
    }
    const QString name = object->objectName();
    QString parent;
    if (object->parent()) {
        parent = QLatin1String(object->parent()->metaObject()->className()) + u'>';
    }
    return parent + QLatin1String(object->metaObject()->className()) +
           (name.isEmpty() ? QString() : u' ' + name);
}

// What a screen reader hears wrong below iface, one line per fault: a label whose name is
// not the text it shows, a button, box, field or list without a name. Hidden parts are not
// read; the rows of a list are the list's own.
void collectFaults(QAccessibleInterface* iface, QStringList& faults) {
    if (!iface || !iface->isValid() || iface->state().invisible) {
        return;
    }
    const QString name = iface->text(QAccessible::Name);
    if (const auto* label = qobject_cast<const QLabel*>(iface->object())) {
        // An empty label shows nothing to hide (Qt reads its group's title then).
        if (!label->text().isEmpty() && name != readable(label->text())) {
            faults << describe(iface) + QStringLiteral(" reads \"") + name +
                          QStringLiteral("\" but shows \"") + label->text() + u'"';
        }
    } else if (needsName(iface->role()) && name.trimmed().isEmpty()) {
        faults << describe(iface) + QStringLiteral(" has no name");
    }
    if (isList(iface->role())) {
        return;
    }
    for (int i = 0; i < iface->childCount(); ++i) {
        collectFaults(iface->child(i), faults);
    }
}

QStringList faultsOf(QWidget* window) {
    QApplication::processEvents();
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(window);
    QStringList faults;
    if (!window->windowTitle().isEmpty() &&
        iface->text(QAccessible::Name) != window->windowTitle()) {
        faults << window->windowTitle() + QStringLiteral(": the window reads \"") +
                      iface->text(QAccessible::Name) + u'"';
    }
    collectFaults(iface, faults);
    return faults;
}

// Every page of a window with pages, each read in turn.
QStringList faultsOfEachPage(QWidget* window, QTabWidget* tabs) {
    QStringList faults;
    for (int page = 0; page < tabs->count(); ++page) {
        if (tabs->isTabVisible(page)) {
            tabs->setCurrentIndex(page);
            faults << faultsOf(window);
        }
    }
    tabs->setCurrentIndex(0);
    return faults;
}

QString abendLog() {
    return testsupport::dataPath(QStringLiteral("guiabend/ABEND.LOG"));
}

}  // namespace

class AccessibilityTest : public WindowFixture {};

TEST_F(AccessibilityTest, EveryWindowReadsWhatItShows) {
    MainWindow& w = makeWindow();
    w.openReport(example());
    EXPECT_TRUE(w.windowTitle().endsWith(QStringLiteral("CONFIG.TXT")));
    QStringList faults = faultsOfEachPage(&w, w.tabs());

    auto* manager = w.findChild<PatchDBForm*>();
    manager->show();
    QTest::mouseDClick(manager->buttonPanel(), Qt::LeftButton);  // the two hidden pages
    faults << faultsOfEachPage(manager, manager->tabs());
    manager->hide();

    auto* options = w.findChild<OptionsForm*>();
    options->show();
    faults << faultsOfEachPage(options, options->pages());
    options->hide();

    auto* wizard = w.findChild<FtpWizardForm*>();
    wizard->show();
    faults << faultsOf(wizard);
    wizard->hide();

    auto* status = w.findChild<FtpStatusForm*>();
    FtpStatusView transfer;
    transfer.RemoteHost = QStringLiteral("127.0.0.1");
    transfer.RemoteFile = QStringLiteral("/outgoing/cartvxdb.ini");
    transfer.SavingTo = DataDirectory::controlledDatabasePath();
    transfer.Status = QStringLiteral("10 of 20 bytes received");
    status->render(transfer);
    status->show();
    faults << faultsOf(status);
    status->hide();

    auto* abend = w.findChild<AbendLogForm*>();
    abend->chooseLogFile = [] { return abendLog(); };
    abend->show();
    abend->Open1Click();
    abend->analyzeEntry(0);
    faults << faultsOfEachPage(abend, abend->findChild<QTabWidget*>());
    abend->hide();

    auto* firstRun = w.findChild<FirstRunWindow*>();
    firstRun->show();
    QTRY_VERIFY(firstRun->okButton()->isEnabled());
    faults << faultsOf(firstRun);
    firstRun->hide();

    EXPECT_EQ(faults, QStringList());
}

namespace {

// A main window over a data directory of its own with the example report loaded, and one of
// its windows opened.
struct Scene {
    QTemporaryDir home;
    RecordingDialogs dialogs;
    std::unique_ptr<MainWindow> window;
    QWidget* shown = nullptr;

    explicit Scene(const std::function<QWidget*(MainWindow&)>& open) {
        DataDirectory::setOverride(home.path());
        window = std::make_unique<MainWindow>(dialogs, QStringList());
        window->createWindows();
        window->setActivatedBySystem(false);
        window->show();
        window->openReport(QStringLiteral(CARTOVEX_SOURCE_DIR "/examples/config.txt"));
        shown = open(*window);
        QApplication::processEvents();
    }
    ~Scene() {
        window.reset();
        DataDirectory::setOverride({});
    }
    Scene(const Scene&) = delete;
    Scene& operator=(const Scene&) = delete;

    // The boxes a user can reach, in the order of their creation.
    QList<QAbstractButton*> boxes() const {
        QList<QAbstractButton*> out;
        for (QAbstractButton* button : shown->findChildren<QAbstractButton*>()) {
            if (button->isCheckable() && button->isVisible() && button->isEnabled() &&
                !qobject_cast<QPushButton*>(button)) {
                out << button;
            }
        }
        return out;
    }

    // What the opened window shows to a screen reader, and every message it gave.
    QStringList snapshot() const {
        QStringList lines;
        const std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* i) {
            if (!i || !i->isValid()) {
                return;
            }
            const QAccessible::State s = i->state();
            lines << QStringLiteral("%1 %2 \"%3\" \"%4\" %5%6%7")
                         .arg(describe(i))
                         .arg(int(i->role()))
                         .arg(i->text(QAccessible::Name), i->text(QAccessible::Value))
                         .arg(s.invisible ? "hidden " : "", s.disabled ? "disabled " : "",
                              s.checked ? "checked" : "");
            if (!isList(i->role())) {
                for (int k = 0; k < i->childCount(); ++k) {
                    walk(i->child(k));
                }
            }
        };
        walk(QAccessible::queryAccessibleInterface(shown));
        for (const RecordingDialogs::Message& message : dialogs.messages()) {
            lines << message.text;
        }
        return lines.replaceInStrings(home.path(), QStringLiteral("<HOME>"));
    }
};

QWidget* mainWindowPage(MainWindow& w, MainWindow::Page page) {
    w.tabs()->setCurrentIndex(page);
    return &w;
}

QWidget* managerWindow(MainWindow& w) {
    auto* manager = w.findChild<PatchDBForm*>();
    manager->show();
    return manager;
}

QWidget* optionsInternetPage(MainWindow& w) {
    auto* options = w.findChild<OptionsForm*>();
    options->show();
    options->pages()->setCurrentIndex(1);
    return options;
}

QWidget* wizardWindow(MainWindow& w) {
    auto* wizard = w.findChild<FtpWizardForm*>();
    wizard->show();
    return wizard;
}

}  // namespace

// Keyboard, mouse, screen reader and code give the same window: every box a user can reach is
// toggled through the accessibility interface in one window and clicked in another, alike.
TEST(AccessibleToggleTest, ATogglePerformedByAScreenReaderGivesTheWindowOfAMouseClick) {
    const std::function<QWidget*(MainWindow&)> windows[] = {
        [](MainWindow& w) { return mainWindowPage(w, MainWindow::Suggestions); },
        [](MainWindow& w) { return mainWindowPage(w, MainWindow::Compare); }, managerWindow,
        optionsInternetPage, wizardWindow};
    int boxesTried = 0;
    for (const auto& open : windows) {
        const int count = int(Scene(open).boxes().size());
        for (int k = 0; k < count; ++k) {
            QStringList toggled;
            QString caption;
            {
                Scene scene(open);
                QAbstractButton* box = scene.boxes().at(k);
                caption = box->text();
                QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(box);
                ASSERT_TRUE(iface->actionInterface()->actionNames().contains(
                    QAccessibleActionInterface::toggleAction()))
                    << caption.toStdString();
                iface->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
                toggled = scene.snapshot();
            }
            Scene scene(open);
            QAbstractButton* box = scene.boxes().at(k);
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
            const QStringList clicked = scene.snapshot();
            EXPECT_TRUE(toggled == clicked)
                << caption.toStdString() << ":\n"
                << difference(toggled, clicked).join(u'\n').toStdString();
            ++boxesTried;
        }
    }
    EXPECT_GE(boxesTried, 15);
}
