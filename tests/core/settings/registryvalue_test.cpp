#include "settings/registryvalue.h"
#include "settings/datadirectory.h"
#include "settings/daycount.h"
#include "settings/lastdbdownload.h"
#include "settingstest.h"
#include "ui/operationerror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cmath>
#include <limits>

namespace {

class LastDbDownloadTest : public SettingsTest {
  protected:
    QString valuePath() const { return home() + "registry/Software/Cartovex/LastDBDownload"; }
    void store(const QByteArray& bytes) const {
        QDir().mkpath(QFileInfo(valuePath()).path());
        QFile file(valuePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray stored() const {
        QFile file(valuePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

}  // namespace

TEST_F(LastDbDownloadTest, AMissingValueReadsAs11June1968AndCreatesTheKey) {
    EXPECT_EQ(LastDbDownload::readDays(), 25000.0);
    EXPECT_EQ(LastDbDownload::readDate(), QDate(1968, 6, 11));
    EXPECT_TRUE(QFileInfo(home() + "registry/Software/Cartovex").isDir());
    EXPECT_FALSE(QFileInfo::exists(valuePath()));
}

TEST_F(LastDbDownloadTest, StoresExactlyTheEightBytesOfALittleEndianDouble) {
    LastDbDownload::writeDays(25000.0);
    EXPECT_EQ(stored(), QByteArray::fromHex("00000000006ad840"));
    LastDbDownload::writeDays(-1.25);
    EXPECT_EQ(LastDbDownload::readDays(), -1.25);

    store(QByteArray::fromHex("0000000000c0e240"));  // 38400: 17 February 2005
    EXPECT_EQ(LastDbDownload::readDate(), QDate(2005, 2, 17));

    LastDbDownload::writeToday();
    EXPECT_EQ(LastDbDownload::readDate(), QDate::currentDate());
    EXPECT_EQ(LastDbDownload::readDays(), std::floor(LastDbDownload::readDays()));
}

TEST_F(LastDbDownloadTest, AValueOfAnotherSizeIsRefused) {
    for (const QByteArray& bytes : {QByteArray(7, '\0'), QByteArray(9, '\0'), QByteArray()}) {
        store(bytes);
        try {
            LastDbDownload::readDays();
            ADD_FAILURE() << bytes.size() << " bytes accepted";
        } catch (const OperationError& e) {
            EXPECT_EQ(e.message(), "Invalid data type for 'LastDBDownload'");
        }
    }
}

TEST_F(LastDbDownloadTest, AFailedWriteIsReported) {
    // A file where the key's folder should be.
    QDir().mkpath(home() + "registry/Software");
    QFile blocker(home() + "registry/Software/Cartovex");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    try {
        LastDbDownload::writeToday();
        ADD_FAILURE() << "write accepted";
    } catch (const OperationError& e) {
        EXPECT_EQ(e.message(), "Failed to set data for 'LastDBDownload'");
    }
    EXPECT_EQ(RegistryValue("Software/Other", "Value").readDouble(1.5), 1.5);

    // Without a data directory there is nowhere to keep the value.
    DataDirectory::setOverride(home() + "registry/Software/Cartovex/data");
    EXPECT_EQ(LastDbDownload::readDays(), 25000.0);
    EXPECT_THROW(LastDbDownload::writeDays(1.0), OperationError);
}

TEST(DayCount, CountsDaysFrom30December1899) {
    EXPECT_EQ(daycount::fromDate(QDate(1899, 12, 30)), 0.0);
    EXPECT_EQ(daycount::fromDate(QDate(1900, 3, 1)), 61.0);
    EXPECT_EQ(daycount::fromDate(QDate(1968, 6, 11)), 25000.0);
    EXPECT_EQ(daycount::fromDate(QDate(1899, 12, 29)), -1.0);
    EXPECT_EQ(daycount::toDate(25000.99), QDate(1968, 6, 11));
    EXPECT_EQ(daycount::toDate(-1.25), QDate(1899, 12, 29));
    EXPECT_EQ(daycount::toDate(-0.5), QDate(1899, 12, 30));
    EXPECT_FALSE(daycount::toDate(std::numeric_limits<double>::quiet_NaN()).isValid());
    EXPECT_FALSE(daycount::toDate(1e300).isValid());
}
