#pragma once

#include <QDate>

// The registry value LastDBDownload under Software/Cartovex: the date of the last successful
// download or manual update of the controlled database, as a day count since 30 December 1899.
// A missing value reads as 25000 (11 June 1968), which makes any download due at once. Errors
// are those of RegistryValue.
class LastDbDownload {
  public:
    static constexpr double kMissingDays = 25000.0;

    static double readDays();
    static QDate readDate();
    static void writeDays(double days);
    // Today's date without a time of day.
    static void writeToday();
};
