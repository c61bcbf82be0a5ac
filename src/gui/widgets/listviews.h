#pragma once

#include <QString>

class ColouredListModel;
class QListView;
class QWidget;

// The read-only list views of the main window: one row per model row, uniform row heights
// (a list of 150,000 modules scrolls without measuring every row), coloured through the one
// delegate, named for accessibility tools.
namespace listviews {

enum class Font { FixedPitch, Proportional };

QListView* create(QWidget* parent, ColouredListModel* model, Font font,
                  const QString& accessibleName);

}  // namespace listviews
