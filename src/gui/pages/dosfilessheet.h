#pragma once

#include <QWidget>

class Engine;
class QLabel;
class QPlainTextEdit;

// The "DOS Files" page: CONFIG.SYS above, AUTOEXEC.BAT below, as the report copied them.
class DosFilesSheet : public QWidget {
    Q_OBJECT
  public:
    explicit DosFilesSheet(QWidget* parent = nullptr);

    void render(Engine& engine);
    void applyLayout(const QSize& page);

    QPlainTextEdit* configSysMemo() const { return m_configSys; }
    QPlainTextEdit* autoexecBatMemo() const { return m_autoexecBat; }

  private:
    QLabel* m_configSysPanel;
    QPlainTextEdit* m_configSys;
    QLabel* m_autoexecBatPanel;
    QPlainTextEdit* m_autoexecBat;
};
