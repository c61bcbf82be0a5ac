// The fleet's worker processes: rows in order whatever the workers do, and a worker that dies
// costs only the report it was analysing, even with rows it had made but not yet sent.

#include "fleetworkers.h"

#include <gtest/gtest.h>
#include <unistd.h>
#include <csignal>

TEST(FleetWorkers, ADeathCostsOnlyTheReportInHand) {
    const pid_t parent = ::getpid();
    for (const int jobs : {2, 3}) {
        QList<FleetRow> rows;
        fleetworkers::run(
            jobs, 40,
            [parent](int index) {
                // Only in a worker: run here, the test would end instead.
                if ((index == 9 || index == 22) && ::getpid() != parent) {
                    std::raise(SIGKILL);
                }
                FleetRow row;
                row.number = index + 1;
                row.file = QString::number(index);
                return row;
            },
            [](int index, const QString& error) {
                FleetRow row;
                row.number = index + 1;
                row.error = error;
                return row;
            },
            [&rows](const FleetRow& row) { rows.append(row); });
        ASSERT_EQ(rows.size(), 40);
        for (int k = 0; k < 40; ++k) {
            EXPECT_EQ(rows.at(k).number, k + 1);
            if (k == 9 || k == 22) {
                EXPECT_TRUE(rows.at(k).error.contains(QLatin1String("signal 9"))) << k;
            } else {
                EXPECT_TRUE(rows.at(k).error.isNull())
                    << k << " " << rows.at(k).error.toStdString();
                EXPECT_EQ(rows.at(k).file, QString::number(k));
            }
        }
    }
}
