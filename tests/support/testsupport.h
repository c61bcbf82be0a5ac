#pragma once

#include <QString>
#include <QStringList>

// Helpers shared by the engine's tests.
namespace testsupport {

// Path of a fixture below tests/data.
QString dataPath(const QString& name);
// The lines of a text given with "\n" breaks.
QStringList lines(const QString& text);

}  // namespace testsupport
