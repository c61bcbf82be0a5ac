#include "model/mainviews.h"

const QString MainViews::BaseCaption = QStringLiteral("Daltrix Cartovex v2.66");

const std::array<QString, 5> MainViews::DefaultVolumeHeader = {
    QStringLiteral("Volume Name"), QStringLiteral("Name Spaces Loaded"),
    QStringLiteral("Free Blocks"), QStringLiteral("Purgable Blocks"),
    QStringLiteral("Purgable Vol Space")};
