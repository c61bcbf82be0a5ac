#pragma once

#include <QList>
#include <QString>

// One entry of a remote listing as the transfer component reports it: the size in bytes, the
// date as the listing writes it (blanks between its parts reduced to one) and the name.
struct FtpListItem {
    qint64 Size = 0;
    QString Date;
    QString Name;
};

namespace ftplisting {

// The entries of a LIST reply in Unix ("-rw-r--r-- 1 owner group 1234 Mar 14 09:30 name")
// or DOS ("03-14-21  09:30AM  1234 name") form; lines of any other form are skipped.
QList<FtpListItem> parse(const QByteArray& listing);

}  // namespace ftplisting
