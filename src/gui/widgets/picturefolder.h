#pragma once

#include <QString>

class QTabWidget;
class QWidget;

// Numbered PNG pictures of windows in one folder (NN-name.png), for the screenshots of every
// window that scripts/screenshots.sh takes.
class PictureFolder {
  public:
    PictureFolder(const QString& folder, int first) : m_folder(folder), m_number(first) {}

    // Saves a picture of the window under the next number, named after `name`.
    void save(QWidget& window, QString name);
    // Saves one picture per visible page of `pages`, then shows the first page again.
    void savePages(QWidget& window, QTabWidget* pages, const QString& prefix);
    int written() const { return m_written; }

  private:
    QString m_folder;
    int m_number;
    int m_written = 0;
};
