#pragma once

#include "download/controllibrary.h"

#include <QString>
#include <QStringList>
#include <functional>

class UserDialogs;

// The "Register OCX" window's state and its "Do It!" command: registers or unregisters one of
// the transfer control's two libraries in the system directory through the library's own
// DllRegisterServer or DllUnregisterServer. Its four failures (no file, not a library, no
// entry points, a non-zero result) reach the user as messages; the window stays open. The
// first-run initialisation registers the same files silently, skipping a missing one.
class TransferControlRegistration {
  public:
    enum Option { Register, Unregister };
    enum ControlFile { FtpctOcx, NmocodDll };

    static const QString Caption;
    static const QString OptionGroupCaption;
    static const QStringList OptionCaptions;  // RegOptRG: "Register", "Unregister"
    static const QString FileGroupCaption;
    static const QStringList FileCaptions;  // OCXDLLRG: "FTPCT.OCX", "NMOCOD.DLL"
    static const QString DoItCaption;

    // systemDirectory gives the folder with its trailing separator.
    TransferControlRegistration(UserDialogs& dialogs, ControlLibraryLoader& loader,
                                std::function<QString()> systemDirectory);

    // The two radio groups, preselected "Register" and "FTPCT.OCX".
    Option RegOptRG = Register;
    ControlFile OCXDLLRG = FtpctOcx;

    // The path of the chosen file.
    QString path() const;
    void DoItBtnClick();

    // The first-run step: registers a file of the system directory by name when it is there
    // and is a library with both entry points; says nothing either way. True when the entry
    // point ran and returned 0.
    bool registerIfPresent(const QString& fileName);
    static bool registerIfPresent(ControlLibraryLoader& loader, const QString& systemDirectory,
                                  const QString& fileName);

  private:
    enum class Outcome { Done, NotALibrary, NoEntryPoints, Failed };
    // Loads the library at path, runs the option's entry point and unloads it again.
    static Outcome run(ControlLibraryLoader& loader, const QString& path, Option option);

    UserDialogs& m_dialogs;
    ControlLibraryLoader& m_loader;
    std::function<QString()> m_systemDirectory;
};
