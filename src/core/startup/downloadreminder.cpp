#include "startup/downloadreminder.h"

#include "settings/daycount.h"

namespace downloadreminder {

const QString NeverReminder = QStringLiteral(
    "Your Download Frequency setting for the Quarix-controlled database\r\nis set to NEVER.\r\n"
    "\r\nThe Download Frequency is generally only set to NEVER if you are\r\nmanually "
    "downloading the database.\r\nThis is a reminder to regularly download the database to "
    "keep your\r\nlocal database's patch and DXP information current.\r\n(See the Help section "
    "'Manually Downloading the Controlled Database')\r\n\r\nSet the Download Frequency to an "
    "automatic setting if you are not\r\ndoing this manually (goto Tools->Options->Internet)."
    "\r\n\r\nThis reminder will be displayed every Monday if\r\nyour Download Frequency is set "
    "to NEVER.");

bool isDue(int frequency, double lastDownloadDays, const QDate& today) {
    const double elapsed = daycount::fromDate(today) - lastDownloadDays;
    switch (frequency) {
        case 0:
            return elapsed >= 7;
        case 1:
            return elapsed >= 30;
        default:
            return false;
    }
}

bool remindToday(int frequency, const QDate& today) {
    return frequency == 2 && today.dayOfWeek() == Qt::Monday;
}

}  // namespace downloadreminder
