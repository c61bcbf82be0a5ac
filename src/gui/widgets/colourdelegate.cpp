#include "gui/widgets/colourdelegate.h"

#include <QPainter>

void ColourDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                           const QModelIndex& index) const {
    const QVariant background = index.data(Qt::BackgroundRole);
    if (!background.isValid()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QColor fill = background.value<QColor>();
    QColor text = index.data(Qt::ForegroundRole).value<QColor>();
    const bool selected = option.state & QStyle::State_Selected;
    if (selected) {
        std::swap(fill, text);
    }
    painter->save();
    painter->fillRect(option.rect, fill);
    painter->setPen(text);
    painter->setFont(option.font);
    const QRect textRect = option.rect.adjusted(3, 0, -3, 0);
    painter->drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
                      index.data(Qt::DisplayRole).toString());
    painter->restore();
}

QSize ColourDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setWidth(qMax(size.width(), m_minimumWidth));
    return size;
}
