#pragma once

#include <QString>
#include <QStringList>

// The built-in database that a missing database file is created from: two patch sets and a
// demonstration core module section. Writing it replaces whatever the file held.
namespace DefaultDatabase {

QStringList lines();
// Throws OperationError with the file system's message when the file cannot be written.
void DefaultDatabaseWriter(const QString& path);

}  // namespace DefaultDatabase
