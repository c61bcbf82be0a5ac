#include "settings/daycount.h"

#include <cmath>

namespace daycount {

namespace {

const QDate kDayZero(1899, 12, 30);
// About 270,000 years either side; far beyond any date a database could carry.
constexpr double kMaxDays = 1e8;

}  // namespace

double fromDate(const QDate& date) {
    return double(kDayZero.daysTo(date));
}

QDate toDate(double days) {
    if (!std::isfinite(days) || std::fabs(days) > kMaxDays) {
        return QDate();
    }
    return kDayZero.addDays(qint64(std::trunc(days)));
}

}  // namespace daycount
