#pragma once

#include <QWidget>
#include <functional>

class ManagerWindowState;
class PatchDatabaseManager;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The manager's "Patch Database" page: the current database as editable text with its
// location, the commands that read, delete, recreate and save it, and the database type.
class PatchDatabasePage : public QWidget {
    Q_OBJECT
  public:
    PatchDatabasePage(PatchDatabaseManager& manager, ManagerWindowState& state,
                      QWidget* parent = nullptr);

    // The main window's current report folder, written as RootDir by Create Default DB.
    std::function<QString()> currentRootDir;

    void refresh();

    QLabel* locationLabel() const { return m_location; }
    QPlainTextEdit* textView() const { return m_text; }
    QPushButton* readButton() const { return m_read; }
    QPushButton* deleteButton() const { return m_delete; }
    QPushButton* createDefaultButton() const { return m_createDefault; }
    QPushButton* saveButton() const { return m_save; }
    QLabel* typeLabel() const { return m_type; }

  signals:
    void changed();

  private:
    QPushButton* addButton(const QString& caption, const std::function<void()>& command);
    void textEdited();

    PatchDatabaseManager& m_manager;
    ManagerWindowState& m_state;
    bool m_refreshing = false;
    QLabel* m_location;
    QPlainTextEdit* m_text;
    QPushButton* m_read = nullptr;
    QPushButton* m_delete = nullptr;
    QPushButton* m_createDefault = nullptr;
    QPushButton* m_save = nullptr;
    QLabel* m_type;
};
