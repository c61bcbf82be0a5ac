#include "gui/widgets/listviews.h"

#include "gui/widgets/colourdelegate.h"
#include "gui/widgets/colouredlistmodel.h"

#include <QFontDatabase>
#include <QListView>

namespace listviews {

QListView* create(QWidget* parent, ColouredListModel* model, Font font,
                  const QString& accessibleName) {
    auto* view = new QListView(parent);
    view->setModel(model);
    view->setItemDelegate(new ColourDelegate(view));
    view->setUniformItemSizes(true);
    view->setWordWrap(false);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    view->setAccessibleName(accessibleName);
    if (font == Font::FixedPitch) {
        view->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    }
    return view;
}

}  // namespace listviews
