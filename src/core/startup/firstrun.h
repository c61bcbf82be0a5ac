#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// The first-run initialisation that the first-run window shows: three steps, each with its
// label, that register the transfer control's two libraries; OK is enabled at the end, and OK
// records Initialized = 1 so the window never comes again.
class FirstRunView {
  public:
    virtual ~FirstRunView() = default;
    virtual void setLabel(const QString& text) = 0;
    virtual void setProgress(int position) = 0;
    virtual void setOkEnabled(bool enabled) = 0;  // enabling also focuses OK
    virtual void pumpEvents() = 0;
};

class FirstRun {
  public:
    static constexpr int Steps = 3;
    static const QStringList ControlLibraries;  // NMOCOD.DLL, FTPCT.OCX

    // Registers one library of the system directory by its file name.
    using RegisterControl = std::function<void(const QString& fileName)>;

    explicit FirstRun(RegisterControl registerControl);

    // The window's activation: runs every step, showing it in the view.
    void run(FirstRunView& view);
    // OK: Initialized = 1 in the settings file.
    static void confirm(const QString& settingsPath);

    // Registers a library of the system directory through its self-registration entry point,
    // silently skipping a file that is not there.
    static void registerIfPresent(const QString& fileName);

  private:
    RegisterControl m_register;
};
