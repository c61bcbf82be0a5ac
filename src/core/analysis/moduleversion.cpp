#include "analysis/moduleversion.h"

#include "text/caserules.h"
#include "text/numberconversion.h"

namespace moduleversion {

double number(const QString& version) {
    return numconv::toDouble(version.left(4));
}

int revision(const QString& version) {
    return version.size() > 4 ? caserules::asciiUpper(version.at(4)).unicode() : -1;
}

bool isOlder(const QString& a, const QString& b) {
    const double na = number(a);
    const double nb = number(b);
    return nb > na || (nb == na && revision(a) < revision(b));
}

bool isNewer(const QString& a, const QString& b) {
    const double na = number(a);
    const double nb = number(b);
    return na > nb || (na == nb && revision(b) < revision(a));
}

bool startsWithDigit(const QString& text) {
    return !text.isEmpty() && text.at(0) >= u'0' && text.at(0) <= u'9';
}

}  // namespace moduleversion
