#pragma once

#include <QDate>
#include <QString>
#include <functional>

class UserDialogs;

// The sibling product MeridexPro.exe, which ships in the program's own folder. Its menu is
// offered only while the file is there and the offer has not expired (1 February 1999); at the
// first activation the user is asked whether to run it.
namespace siblingproduct {

extern const QString FileName;
extern const QString Question;
extern const QDate OfferEnds;

// Starts a program without waiting; false when it could not be started.
using StartDetached = std::function<bool(const QString& program)>;

QString path(const QString& programFolder);
bool offered(const QString& programFolder, const QDate& today);
// The menu command: starts the program, or shows "File not found!" when it is missing.
void run(const QString& programFolder, UserDialogs& dialogs, const StartDetached& start);

}  // namespace siblingproduct
