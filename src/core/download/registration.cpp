#include "download/registration.h"

#include "ui/userdialogs.h"

#include <QFileInfo>

const QString TransferControlRegistration::Caption = QStringLiteral("Register OCX");
const QString TransferControlRegistration::OptionGroupCaption = QStringLiteral("Reg Option");
const QStringList TransferControlRegistration::OptionCaptions = {QStringLiteral("Register"),
                                                                 QStringLiteral("Unregister")};
const QString TransferControlRegistration::FileGroupCaption = QStringLiteral("OCX or DLL");
const QStringList TransferControlRegistration::FileCaptions = {QStringLiteral("FTPCT.OCX"),
                                                               QStringLiteral("NMOCOD.DLL")};
const QString TransferControlRegistration::DoItCaption = QStringLiteral("Do It!");

TransferControlRegistration::TransferControlRegistration(UserDialogs& dialogs,
                                                         ControlLibraryLoader& loader,
                                                         std::function<QString()> systemDirectory)
    : m_dialogs(dialogs), m_loader(loader), m_systemDirectory(std::move(systemDirectory)) {}

QString TransferControlRegistration::path() const {
    return m_systemDirectory() + FileCaptions.at(OCXDLLRG);
}

void TransferControlRegistration::DoItBtnClick() {
    const QString file = path();
    if (!QFileInfo(file).isFile()) {
        m_dialogs.inform(QStringLiteral("File \"%1\" not found").arg(file));
        return;
    }
    switch (run(m_loader, file, RegOptRG)) {
        case Outcome::NotALibrary:
            m_dialogs.error(QStringLiteral("Failed to load OCX control: %1").arg(file));
            break;
        case Outcome::NoEntryPoints:
            m_dialogs.error(QStringLiteral("Failed to load procs in %1").arg(file));
            break;
        case Outcome::Failed:
            m_dialogs.inform(QStringLiteral("Error with %1 operation on %2")
                                 .arg(OptionCaptions.at(RegOptRG), file));
            break;
        case Outcome::Done:
            break;
    }
}

bool TransferControlRegistration::registerIfPresent(const QString& fileName) {
    return registerIfPresent(m_loader, m_systemDirectory(), fileName);
}

bool TransferControlRegistration::registerIfPresent(ControlLibraryLoader& loader,
                                                    const QString& systemDirectory,
                                                    const QString& fileName) {
    if (systemDirectory.isEmpty() || !QFileInfo(systemDirectory + fileName).isFile()) {
        return false;
    }
    return run(loader, systemDirectory + fileName, Register) == Outcome::Done;
}

TransferControlRegistration::Outcome TransferControlRegistration::run(ControlLibraryLoader& loader,
                                                                      const QString& file,
                                                                      Option option) {
    std::unique_ptr<ControlLibrary> library = loader.load(file);
    if (!library) {
        return Outcome::NotALibrary;
    }
    const ControlLibrary::EntryPoint registerServer = library->resolve("DllRegisterServer");
    const ControlLibrary::EntryPoint unregisterServer = library->resolve("DllUnregisterServer");
    if (!registerServer || !unregisterServer) {
        return Outcome::NoEntryPoints;
    }
    const int result = option == Register ? registerServer() : unregisterServer();
    return result == 0 ? Outcome::Done : Outcome::Failed;
}
