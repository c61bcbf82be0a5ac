#pragma once

#include <QDialog>

// A window whose full content comes with a later version: its caption, a short note and OK.
class PlaceholderWindow : public QDialog {
    Q_OBJECT
  public:
    PlaceholderWindow(const QString& caption, QWidget* parent = nullptr);
};
