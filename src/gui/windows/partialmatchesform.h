#pragma once

#include <QDialog>
#include <QStringList>

class QListView;

// Partial Patch Set Matches: one line per patch set that the server has loaded only in part
// ("50 of 51 patches from 312pt7 were found."), and an OK button. Opened modally.
class PartialMatchesForm : public QDialog {
    Q_OBJECT
  public:
    explicit PartialMatchesForm(const QStringList& partialMatches, QWidget* parent = nullptr);

    QListView* listView() const { return m_list; }

  private:
    QListView* m_list;
};
