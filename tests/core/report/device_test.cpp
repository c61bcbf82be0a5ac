#include "reportparsing.h"

namespace {

const char* const Disks = R"(***** Disk Drive Configuration Information *****
Device Type.................: Fixed Disk
Driver......................: AHA2940.DSK
Int.........................: 11
Mirror Status...............: Mirrored

Device Type.................: Fixed Disk
Driver......................: AHA2940.DSK
Int.........................: 11
Mirror Status...............: Mirrored

Device Type.................: CD-ROM
Driver......................: IDECD.DSK
Mirror Status...............: Not mirrored

Device Type.................: Tape
Driver......................: DAT.DSK
Mirror Status...............: Not mirrored
Int.........................: 5

Device Type.................: Floppy
Driver......................: FLOPPY.DSK
Int.........................: 6

*************************************************
)";

QStringList irqLines(const QStringList& irqAndMedia) {
    QStringList lines = {"Top of LAN Driver Configuration Listing"};
    for (const QString& entry : irqAndMedia) {
        const QStringList parts = entry.split(u'|');
        lines << QStringLiteral("Board Name....: BOARD_%1").arg(lines.size())
              << QStringLiteral("Media Type....: ") + parts.at(1)
              << QStringLiteral("IRQ...........: ") + parts.at(0);
    }
    return lines;
}

}  // namespace

TEST(Devices, DiskLinesHaveFixedColumnsAndAreListedOnce) {
    auto p = parseText(QString::fromUtf8(Disks) + QStringLiteral("End of disks\n"));
    const QStringList expected = {
        pad("11", 8) + pad("Fixed Disk", 17) + pad("AHA2940.DSK", 14) + "Mirrored",
        pad("--", 8) + pad("CD-ROM", 17) + pad("IDECD.DSK", 14) + "Not mirrored",
        pad("5", 8) + pad("Tape", 17) + pad("DAT.DSK", 14) + "Not mirrored",
        pad("6", 8) + pad("Floppy", 17) + "FLOPPY.DSK",
    };
    EXPECT_EQ(p->model.Interrupts, expected);
    EXPECT_EQ(p->views.IntListBox, expected);
    EXPECT_TRUE(p->suggestions().isEmpty());

    // Without the end of the section the interrupt list stays unshown and unchecked.
    QString open = QString::fromUtf8(Disks);
    open.chop(open.size() - open.lastIndexOf(QStringLiteral("\n***")) - 1);
    auto q = parseText(open + QStringLiteral("End of disks\nNext\n") +
                       irqLines({"15|ETHERNET_II"}).join(u'\n'));
    EXPECT_EQ(q->model.Interrupts.size(), 5);
    EXPECT_TRUE(q->views.IntListBox.isEmpty());
    EXPECT_TRUE(q->suggestions().isEmpty());
}

TEST(Devices, LanIrqLinesAndSuspiciousInterrupts) {
    QStringList lines = irqLines({"15|ETHERNET_II", "2|TOKEN-RING", "2|TOKEN-RING", "9|ARCNET",
                                  "12|ETHERNET_802.3", "25|FDDI", "1|ETHERNET_SNAP",
                                  "150|A long media type name of a fibre channel board"});
    lines << "*****************************";
    auto p = parseText(QString::fromUtf8(Disks) + lines.join(u'\n'));
    EXPECT_EQ(p->model.Interrupts.size(), 4 + 8);
    EXPECT_EQ(p->model.Interrupts.at(4), pad("15", 8) + "ETHERNET_II");
    EXPECT_EQ(p->model.Interrupts.at(5), p->model.Interrupts.at(6));
    EXPECT_EQ(p->views.IntListBox, p->model.Interrupts);
    const QString prefix = QStringLiteral("Possible int problem: ");
    EXPECT_EQ(
        p->suggestions(),
        QStringList({prefix + pad("15", 8) + "ETHERNET_II", prefix + pad("2", 8) + "TOKEN-RING",
                     prefix + pad("2", 8) + "TOKEN-RING", prefix + pad("9", 8) + "ARCNET",
                     prefix + pad("150", 8) + "A long media type name of a fi"}));
}
