#pragma once

#include "download/downloadsession.h"

#include <QDialog>
#include <array>
#include <functional>

class FtpStatusForm;
class FtpWizardFirewallPage;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTabWidget;
struct DownloadComponents;

// The download wizard ("Download Quarix Database", modal): each "Next  >" runs one step of the
// download session, whose events tick the status boxes, fill the values and move the hint. It
// is the session's observer: it repaints itself, shows the transfer status window during Get
// File, keeps the busy cursor while the transfer component is busy and reports the session's
// status text for the main window's first status panel. Each opening resets it. Its "Firewall"
// page is never shown.
class FtpWizardForm : public QDialog, private DownloadObserver {
    Q_OBJECT
  public:
    FtpWizardForm(DownloadComponents& download, FtpStatusForm& status, QWidget* parent = nullptr);
    ~FtpWizardForm() override;

    // Told when the session's text for panel 0 of the main window's status bar changes.
    std::function<void(const QString&)> statusPanelChanged;

    void NextBtnClick();
    void CancelBtnClick();
    void render();

    QPushButton* nextButton() const { return m_next; }
    QPushButton* backButton() const { return m_back; }
    QPushButton* cancelButton() const { return m_cancel; }
    QLabel* hintLabel() const { return m_hint; }
    QCheckBox* passiveMode() const { return m_passive; }
    // "Connect", "Set Binary Mode", "Get File", "Disconnect".
    QCheckBox* statusBox(int step) const { return m_steps.at(step); }
    // "Download Frequency:", "Last Download:", "New Database Date:", "Old Database Date:".
    QLabel* infoValue(int row) const { return m_info.at(row); }
    QTabWidget* pages() const { return m_pages; }
    FtpWizardFirewallPage* firewallPage() const { return m_firewallPage; }

  public slots:
    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void viewsChanged() override;
    void runStatusWindow() override;

    QWidget* createDownloadPage();
    QGroupBox* createInfoGroup(QWidget* parent);
    QGroupBox* createStatusGroup(QWidget* parent);
    void renderCursorAndPanel();
    void placeStatusWindow();

    DownloadComponents& m_download;
    FtpStatusForm& m_statusForm;
    QTabWidget* m_pages = nullptr;
    std::array<QLabel*, 4> m_info{};
    std::array<QCheckBox*, 4> m_steps{};
    QLabel* m_hint = nullptr;
    QCheckBox* m_passive = nullptr;
    QPushButton* m_back = nullptr;
    QPushButton* m_next = nullptr;
    QPushButton* m_cancel = nullptr;
    FtpWizardFirewallPage* m_firewallPage = nullptr;
    bool m_busyCursor = false;
    bool m_rendering = false;  // the boxes take the view's state: no change of the user's
    QString m_shownPanel0;
};
