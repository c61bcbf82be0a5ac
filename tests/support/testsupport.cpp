#include "testsupport.h"

namespace testsupport {

QString dataPath(const QString& name) {
    return QStringLiteral(CARTOVEX_TEST_DATA) + u'/' + name;
}

QStringList lines(const QString& text) {
    QStringList out = text.split(u'\n');
    if (!out.isEmpty() && out.last().isEmpty()) {
        out.removeLast();
    }
    return out;
}

}  // namespace testsupport
