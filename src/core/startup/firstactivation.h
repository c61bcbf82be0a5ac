#pragma once

#include <QDate>
#include <QString>
#include <functional>

class Engine;

// What the first activation asks of the windows around it.
class StartupWindows {
  public:
    virtual ~StartupWindows() = default;
    virtual void showFirstRunWindow() = 0;  // modal
    // The options window's download settings and frequency: disabled with the uncontrolled
    // database.
    virtual void setDownloadControlsEnabled(bool enabled) = 0;
    virtual void showDownloadWizard() = 0;  // the wizard prepares itself and is shown modally
    virtual void setSiblingMenuVisible(bool visible) = 0;
    virtual bool startDetached(const QString& program) = 0;
};

// The main window's first activation: the stored database type, the first-run window while
// Initialized is 0, the database format check, the database selection, the download reminder
// and the wizard when a download is due, and the offer of the sibling product. The clock is
// injectable so tests can pick the day.
class FirstActivation {
  public:
    using Today = std::function<QDate()>;

    FirstActivation(
        Engine& engine, StartupWindows& windows, QString programFolder,
        Today today = [] { return QDate::currentDate(); });

    // Runs the steps once; later calls do nothing.
    void run();
    bool done() const { return m_done; }

    // The warning for a controlled database of an unsupported format, or empty when the
    // format is supported (or "0.0", no format published) or the database is uncontrolled.
    static QString formatWarning(const QString& dbFormat, bool uncontrolled);

  private:
    void downloadStep(int frequency, bool uncontrolled);
    void siblingStep();

    Engine& m_engine;
    StartupWindows& m_windows;
    QString m_programFolder;
    Today m_today;
    bool m_done = false;
};
