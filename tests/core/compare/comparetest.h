#pragma once

#include "engine/engine.h"
#include "ui/progress.h"
#include "ui/recordingdialogs.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>
#include <memory>
#include <ostream>

inline void PrintTo(const CompareRow& row, std::ostream* os) {
    *os << "{\"" << row.caption.toStdString() << "\", \"" << row.subText.toStdString() << "\", "
        << (row.marked ? "marked" : "unmarked") << "}";
}

// An engine on a fresh data directory, with the reports of tests/data/compare at hand.
class CompareTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    Engine& engine() { return *m_engine; }
    Comparison& compare() { return m_engine->compare(); }
    static QString fixture(const QString& name);
    // The open command on a fixture.
    ReportLoader::Result open(const QString& name);
    // CompareBtn, choosing the fixture in the open dialog ("" cancels it).
    ReportLoader::Result compareWith(const QString& name);
    // Opens the baseline fixture, chooses it and compares the other one.
    void baselineAndCompare(const QString& baseline, const QString& other);
    QStringList takeMessages();

    QTemporaryDir m_home;
    RecordingDialogs m_dialogs;
    NullProgress m_progress;
    std::unique_ptr<Engine> m_engine;
};
