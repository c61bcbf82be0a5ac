#pragma once

#include <gtest/gtest.h>
#include <QTemporaryDir>

// Points the data directory at a fresh temporary folder through CARTOVEX_HOME, and puts the
// environment and the command-line override back afterwards.
class SettingsTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
    QString home() const { return m_home.path() + u'/'; }

    QTemporaryDir m_home;

  private:
    QByteArray m_savedCartovexHome;
    QByteArray m_savedXdgConfigHome;
    QByteArray m_savedHome;
};
