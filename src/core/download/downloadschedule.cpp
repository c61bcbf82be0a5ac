#include "download/downloadschedule.h"

#include "settings/daycount.h"
#include "settings/lastdbdownload.h"
#include "ui/userdialogs.h"

const QString DownloadSchedule::NeverReminder = QStringLiteral(
    "Your Download Frequency setting for the Quarix-controlled database\r\n"
    "is set to NEVER.\r\n\r\n"
    "The Download Frequency is generally only set to NEVER if you are\r\n"
    "manually downloading the database.\r\n"
    "This is a reminder to regularly download the database to keep your\r\n"
    "local database's patch and DXP information current.\r\n"
    "(See the Help section 'Manually Downloading the Controlled Database')\r\n\r\n"
    "Set the Download Frequency to an automatic setting if you are not\r\n"
    "doing this manually (goto Tools->Options->Internet).\r\n\r\n"
    "This reminder will be displayed every Monday if\r\n"
    "your Download Frequency is set to NEVER.");

DownloadSchedule::DownloadSchedule(Clock today) : m_today(std::move(today)) {}

QDate DownloadSchedule::today() const {
    return m_today ? m_today() : QDate::currentDate();
}

bool DownloadSchedule::isDue(int frequency, double lastDownloadDays) const {
    const double elapsed = daycount::fromDate(today()) - lastDownloadDays;
    switch (frequency) {
        case 0:
            return elapsed >= 7;
        case 1:
            return elapsed >= 30;
        default:
            return false;
    }
}

bool DownloadSchedule::showsReminder(int frequency) const {
    return frequency == 2 && today().dayOfWeek() == Qt::Monday;
}

bool DownloadSchedule::check(int frequency, UserDialogs& dialogs) const {
    if (showsReminder(frequency)) {
        dialogs.inform(NeverReminder);
    }
    return isDue(frequency, LastDbDownload::readDays());
}
