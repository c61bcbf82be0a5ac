#include "ini/directorylock.h"
#include "filebytes.h"
#include "ini/inifile.h"
#include "ui/operationerror.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>
#include <QFile>
#include <QTemporaryDir>

namespace {

// A folder whose lock another program holds: a write waits for it and, after the wait limit,
// gives up with a clear message and writes nothing; once the lock is free the write goes
// through. Within the program the lock may be taken again while it is held.
TEST(DirectoryLockTest, AWriteWaitsForTheLockAndGivesUpWithAClearMessage) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("quarixdb.ini");
    filebytes::write(path, "[A]\r\nx=1\r\n");
    IniFile ini(path);

    // Another open of the lock file stands for another program: flock tells them apart.
    const QByteArray lockFile =
        QFile::encodeName(dir.filePath(QLatin1String(DirectoryLock::kLockFileName)));
    const int other = ::open(lockFile.constData(), O_RDWR | O_CREAT, 0600);
    ASSERT_GE(other, 0);
    ASSERT_EQ(::flock(other, LOCK_EX), 0);
    DirectoryLock::setWaitLimit(200);
    try {
        ini.writeString("A", "x", "2");
        ADD_FAILURE() << "written while another program held the lock";
    } catch (const OperationError& e) {
        EXPECT_TRUE(e.message().contains(" is in use by another Cartovex program"))
            << e.message().toStdString();
    }
    EXPECT_EQ(filebytes::read(path), "[A]\r\nx=1\r\n");

    ::close(other);
    {
        const DirectoryLock held(dir.path());
        const DirectoryLock again = DirectoryLock::forFile(path);
        ini.writeString("A", "x", "3");
    }
    DirectoryLock::setWaitLimit(DirectoryLock::kDefaultWaitMs);
    EXPECT_EQ(filebytes::read(path), "[A]\r\nx=3\r\n");
}

}  // namespace
