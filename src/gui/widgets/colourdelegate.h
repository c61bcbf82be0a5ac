#pragma once

#include <QStyledItemDelegate>

// Draws a row of a ColouredListModel in the colours the engine gave it. A selected row keeps
// its colours and is shown inverted, so the colour of a selected module stays readable.
class ColourDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // A width every row takes at least, so a narrow list can scroll sideways over it.
    int minimumWidth() const { return m_minimumWidth; }
    void setMinimumWidth(int width) { m_minimumWidth = width; }

  private:
    int m_minimumWidth = 0;
};
