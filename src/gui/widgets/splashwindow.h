#pragma once

#include <QWidget>

// The start-up splash: a borderless window centred on the screen with the maker's and the
// product's marks drawn on a bevelled panel.
class SplashWindow : public QWidget {
    Q_OBJECT
  public:
    explicit SplashWindow(QWidget* parent = nullptr);

    // Shows the window and lets it paint before the program goes on.
    void showAndPaint();

  protected:
    void paintEvent(QPaintEvent* event) override;
};
