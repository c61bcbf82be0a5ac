#pragma once

#include <QDate>

// Dates stored as a count of days since 30 December 1899 (day 0), the fraction being the time of
// day. Only the date part is used here: for negative counts the date is the whole part toward
// zero, as the format defines (-1.25 is 29 December 1899, 6 a.m.).
namespace daycount {

double fromDate(const QDate& date);
// An invalid QDate for a count that is not a finite number or lies far outside the calendar.
QDate toDate(double days);

}  // namespace daycount
