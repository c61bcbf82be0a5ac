#pragma once

#include <gtest/gtest.h>
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A fresh data directory (a temporary folder) for each test, with raw access to the two
// database files found there. Nothing is created until a test asks for it.
class DatabaseTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    QString controlledPath() const;
    QString uncontrolledPath() const;
    QByteArray read(const QString& path) const;
    void write(const QString& path, const QByteArray& bytes) const;
    // The stored DBType of a file, "<none>" when it has none.
    QString storedType(const QString& path) const;

    QTemporaryDir m_home;
};
