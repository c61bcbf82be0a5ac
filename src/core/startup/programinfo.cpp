#include "startup/programinfo.h"

#include "model/mainviews.h"

namespace programinfo {

const QString ApplicationTitle = QStringLiteral("Cartovex");
const QString SupportedDbFormat = QStringLiteral("1.0");

QString version() {
    const QString& caption = MainViews::BaseCaption;
    return caption.mid(caption.lastIndexOf(u'v') + 1, 4);
}

}  // namespace programinfo
