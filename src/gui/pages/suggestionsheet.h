#pragma once

#include <QWidget>

class ColouredListModel;
class Engine;
class QCheckBox;
class QGroupBox;
class QLabel;
class QListView;

// The "Suggestions" page: the suggestion list of the analysed server, the note on patch set
// information and the box that adds the compare differences. A click in the list selects
// nothing.
class SuggestionSheet : public QWidget {
    Q_OBJECT
  public:
    explicit SuggestionSheet(QWidget* parent = nullptr);

    void render(Engine& engine);
    void applyLayout(const QSize& page);

    QGroupBox* group() const { return m_group; }
    QListView* list() const { return m_list; }
    ColouredListModel* model() const { return m_model; }
    QCheckBox* includeDifferencesBox() const { return m_include; }

  signals:
    void includeDifferencesClicked(bool checked);

  private:
    void applyScrollWidth();

    QGroupBox* m_group;
    ColouredListModel* m_model;
    QListView* m_list;
    QLabel* m_note;
    QCheckBox* m_include;
};
