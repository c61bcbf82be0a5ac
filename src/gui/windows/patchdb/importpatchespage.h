#pragma once

#include <QWidget>

class PatchKitImport;
class UserDialogs;
class QLabel;
class QListView;
class QPlainTextEdit;
class QStringListModel;

// The manager's hidden "Import Patches" page: a patch kit's text and the patch modules found in
// it. Releasing the mouse over the text with a part of it selected imports from that part.
class ImportPatchesPage : public QWidget {
    Q_OBJECT
  public:
    ImportPatchesPage(PatchKitImport& import, UserDialogs& dialogs, QWidget* parent = nullptr);

    void refresh();
    // Imports a kit file ("Add Patch Set to DB").
    void importFile(const QString& path);

    QLabel* fileLabel() const { return m_fileLabel; }
    QPlainTextEdit* kitView() const { return m_kit; }
    QLabel* countLabel() const { return m_countLabel; }
    QListView* patchList() const { return m_list; }

  signals:
    void changed();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void importSelection();

    PatchKitImport& m_import;
    UserDialogs& m_dialogs;
    QLabel* m_fileLabel;
    QPlainTextEdit* m_kit;
    QLabel* m_countLabel;
    QStringListModel* m_names;
    QListView* m_list;
};
