#pragma once

#include "startup/autoexecpanel.h"

#include <QWidget>

class Engine;
class QLabel;
class QPlainTextEdit;

// The "DXS Files" page: STARTUP.DXS above, AUTOEXEC.DXS below. A click on the lower panel or
// its label switches between the SYS:SYSTEM copy and the DOS partition's copy; the pointer
// over the panel colours it yellow.
class DxsFilesSheet : public QWidget {
    Q_OBJECT
  public:
    explicit DxsFilesSheet(QWidget* parent = nullptr);

    void render(Engine& engine);
    void applyLayout(const QSize& page);
    void toggleAutoexec();

    QLabel* autoexecPanel() const { return m_autoexecPanel; }
    QLabel* changeLabel() const { return m_change; }
    QPlainTextEdit* startupText() const { return m_startup; }
    QPlainTextEdit* autoexecText() const { return m_autoexec; }
    QPlainTextEdit* dosAutoexecText() const { return m_dosAutoexec; }
    bool panelHighlighted() const { return m_highlighted; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void showPanelState();
    void setHighlighted(bool on);

    AutoexecPanel m_state;
    QLabel* m_startupPanel;
    QPlainTextEdit* m_startup;
    QLabel* m_autoexecPanel;
    QLabel* m_change;
    QPlainTextEdit* m_autoexec;
    QPlainTextEdit* m_dosAutoexec;
    bool m_highlighted = false;
};
