#include "startup/firstrun.h"

#include "download/registration.h"
#include "settings/datadirectory.h"
#include "settings/preferences.h"

const QStringList FirstRun::ControlLibraries = {QStringLiteral("NMOCOD.DLL"),
                                                QStringLiteral("FTPCT.OCX")};

FirstRun::FirstRun(RegisterControl registerControl) : m_register(std::move(registerControl)) {}

void FirstRun::run(FirstRunView& view) {
    const QString label = QStringLiteral("Initializing Cartovex");
    view.setLabel(label);
    view.setProgress(0);
    view.setOkEnabled(false);
    view.pumpEvents();
    view.setLabel(label + QStringLiteral(".."));
    view.setProgress(1);
    view.pumpEvents();
    m_register(ControlLibraries.at(0));
    view.setLabel(label + QStringLiteral("...."));
    view.setProgress(2);
    view.pumpEvents();
    m_register(ControlLibraries.at(1));
    view.setLabel(label + QStringLiteral("......"));
    view.setProgress(3);
    view.pumpEvents();
    view.setLabel(QStringLiteral("Done Initializing Cartovex"));
    view.setOkEnabled(true);
}

void FirstRun::confirm(const QString& settingsPath) {
    Preferences(settingsPath).setInitialized(1);
}

void FirstRun::registerIfPresent(const QString& fileName) {
    SharedLibraryLoader loader;
    TransferControlRegistration::registerIfPresent(loader, DataDirectory::systemDirectory(),
                                                   fileName);
}
