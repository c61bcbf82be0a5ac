#pragma once

#include <QDate>
#include <QString>
#include <functional>

class UserDialogs;

// Whether the controlled database is due for a download, as the start-up tests it at the main
// window's first activation. The frequency is the Options window's selection (0 weekly,
// 1 monthly, 2 never, -1 none); the last download is LastDBDownload as a day count since
// 30 December 1899. Weekly is due 7 days or more after the last download, monthly 30 days or
// more; never is never due, but on a Monday the start-up shows NeverReminder; any other value is
// never due. The clock is injectable so tests can choose "today".
class DownloadSchedule {
  public:
    using Clock = std::function<QDate()>;

    static const QString NeverReminder;

    // An empty clock reads the local date.
    explicit DownloadSchedule(Clock today = {});

    QDate today() const;
    bool isDue(int frequency, double lastDownloadDays) const;
    // True when the start-up shows NeverReminder: frequency "never" and today is a Monday.
    bool showsReminder(int frequency) const;

    // The start-up's test: reads LastDBDownload, shows the Monday reminder as an information
    // box when it applies, and returns whether a download is due. Throws what the registry
    // value throws.
    bool check(int frequency, UserDialogs& dialogs) const;

  private:
    Clock m_today;
};
