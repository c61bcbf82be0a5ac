#pragma once

#include "gui/widgets/windowprogress.h"

#include <QMainWindow>
#include <QString>
#include <array>
#include <functional>

class AbendAnalyzePage;
class AbendLog;
class QLabel;
class QPlainTextEdit;
class QTabWidget;
class UserDialogs;

// The abend log window: a window of its own beside the main window, not modal. It shows the
// abend engine's view (entries, the modules of the picked abend, the analysis, the log text and
// three status panels) and turns "Open Log", a double-click or Enter on an entry and its own
// activation into engine operations. Closing only hides it; its content stays.
class AbendLogForm : public QMainWindow {
    Q_OBJECT
  public:
    static constexpr std::array<int, 3> StatusPanelWidths{90, 70, 150};

    AbendLogForm(AbendLog& abend, QWidget* parent = nullptr);
    ~AbendLogForm() override;

    // Test seam: the chosen log file instead of the open dialog (empty for Cancel).
    std::function<QString()> chooseLogFile;
    // The folder the main window's report-open dialog last used: the open dialog starts there.
    std::function<QString()> initialFolder;

    // Sized from the main window and shown, or brought to the front when open already.
    void showBeside(const QSize& mainWindowSize);
    // FormActivate: scans the open report's abend section when nothing is listed yet.
    void activated();
    void Open1Click();
    void Close1Click() { close(); }
    // A double-click or Enter on entry `row` (-1: none selected).
    void analyzeEntry(int row);
    // Shows the engine's view as it stands.
    void render();

    AbendAnalyzePage* analyzePage() const { return m_analyze; }
    QTabWidget* pages() const { return m_pages; }
    QPlainTextEdit* fileView() const { return m_fileView; }
    QPlainTextEdit* reportView() const { return m_reportView; }
    QLabel* statusPanel(int i) const { return m_status.at(i); }
    QLabel* hintBox() const { return m_hint; }

  protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void createMenu();
    void createToolStrip();
    void createPages();
    void createStatusBar();
    void applyLayout();
    QString askLogFile();
    void renderTextViews();
    void renderSelection();

    AbendLog& m_abend;
    WindowProgress m_progress;
    AbendAnalyzePage* m_analyze = nullptr;
    QTabWidget* m_pages = nullptr;
    QPlainTextEdit* m_fileView = nullptr;
    QPlainTextEdit* m_reportView = nullptr;
    QLabel* m_hint = nullptr;
    std::array<QLabel*, 3> m_status{};
    QString m_shownFileText;
    QStringList m_shownReportText;
    QString m_shownKey;
    qsizetype m_shownSelection = -1;
};
