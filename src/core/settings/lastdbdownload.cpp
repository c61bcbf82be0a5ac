#include "settings/lastdbdownload.h"

#include "settings/daycount.h"
#include "settings/registryvalue.h"

namespace {

RegistryValue value() {
    return RegistryValue(QStringLiteral("Software/Cartovex"), QStringLiteral("LastDBDownload"));
}

}  // namespace

double LastDbDownload::readDays() {
    return value().readDouble(kMissingDays);
}

QDate LastDbDownload::readDate() {
    return daycount::toDate(readDays());
}

void LastDbDownload::writeDays(double days) {
    value().writeDouble(days);
}

void LastDbDownload::writeToday() {
    writeDays(daycount::fromDate(QDate::currentDate()));
}
