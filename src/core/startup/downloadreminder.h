#pragma once

#include <QDate>
#include <QString>

// Whether a download of the controlled database is due, from the download frequency (0
// weekly, 1 monthly, 2 never) and the day count of the last download; and the reminder that a
// user with the frequency "never" gets on a Monday.
namespace downloadreminder {

extern const QString NeverReminder;

bool isDue(int frequency, double lastDownloadDays, const QDate& today);
// True when the frequency is "never" and today is a Monday.
bool remindToday(int frequency, const QDate& today);

}  // namespace downloadreminder
