#include "gui/widgets/windowprogress.h"

#include <gtest/gtest.h>

#include <QProgressBar>
#include <QTimer>
#include <atomic>
#include <stdexcept>
#include <thread>

// Work run aside lets the window's timers and repaints go on, shows a busy bar meanwhile, and
// hands an exception of the work back to the caller.
TEST(WindowProgressTest, WorkAsideKeepsTheLoopTurningAndPassesItsErrorOn) {
    WindowProgress progress;
    QProgressBar bar;
    progress.addBar(&bar);
    int shown = 0;
    progress.runningChanged = [&shown](bool running) { shown += running ? 1 : -1; };
    progress.start(10);
    progress.step();
    progress.step();
    progress.pumpEvents();
    EXPECT_EQ(bar.value(), 2);

    std::atomic<bool> turned = false;
    QTimer beat;
    QObject::connect(&beat, &QTimer::timeout, [&] {
        turned = true;
        EXPECT_EQ(bar.maximum(), 0);  // busy while the work runs
    });
    beat.start(1);
    progress.runAside([&] {
        while (!turned) {
            std::this_thread::yield();
        }
    });
    EXPECT_TRUE(turned);
    EXPECT_EQ(bar.maximum(), 10);
    EXPECT_EQ(bar.value(), 2);
    EXPECT_THROW(progress.runAside([] { throw std::runtime_error("stop"); }), std::runtime_error);
    progress.finish();
    EXPECT_EQ(shown, 0);
}
