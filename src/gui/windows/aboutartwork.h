#pragma once

#include <QWidget>

// The product's picture, drawn: a server tower beside a page of report lines under a
// magnifying glass.
class AboutArtwork : public QWidget {
  public:
    explicit AboutArtwork(QWidget* parent = nullptr);
    QSize sizeHint() const override { return QSize(300, 170); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void drawServer(QPainter& painter, const QRectF& box) const;
    void drawReport(QPainter& painter, const QRectF& box) const;
    void drawLens(QPainter& painter, const QPointF& centre, qreal radius) const;
};
