#include "reportgenerator.h"

#include <random>

namespace reportgen {

namespace {

QString moduleName(int k, bool patch) {
    // Names spread over the alphabet so the sorted inserts land all over the list.
    const QString stem = QStringLiteral("%1%2")
                             .arg(QChar(u'A' + (k * 7) % 26))
                             .arg((k * 7919) % 100000, 5, 10, QChar(u'0'));
    return stem + (patch ? QStringLiteral("FX.DXP") : QStringLiteral(".DXP"));
}

void header(QStringList& out, bool compact) {
    out << QStringLiteral("Quarix File Server Configuration Report For Server: BENCH-FS")
        << QStringLiteral("Quarix File Server Configuration Report Created: 01-02-2026  10:00:00")
        << (compact ? QStringLiteral("Quarix File Server Configuration Report.  [Produced by "
                                     "CFGDUMP.DXP v3.02]")
                    : QStringLiteral("Quarix File Server Configuration Report.  [Produced by "
                                     "CFGUTIL.DXP 1.27]"))
        << QStringLiteral("Server name...............: BENCH-FS")
        << QStringLiteral("OS Version................: v4.11")
        << QStringLiteral("Server Up Time(D:H:M:Sec).: 3:04:05:06")
        << QStringLiteral("Licensed Connections......: 100")
        << QStringLiteral("Internal Net. Addr........: 01020304") << QString() << QString()
        << QStringLiteral("Engine Type...............: NATIVE")
        << QStringLiteral("Total Server memory.......: 536870912 bytes") << QString() << QString()
        << QString() << QStringLiteral("LRU Sitting Time..........: 0:02:00:00") << QString();
}

QString randomName(std::mt19937& rng, bool patch) {
    QString stem;
    for (int c = 0; c < 2; ++c) {
        stem += QChar(u'A' + int(rng() % 26));
    }
    stem += QStringLiteral("%1").arg(int(rng() % 1000000), 6, 10, QChar(u'0'));
    return stem + (patch ? QStringLiteral("FX.DXP") : QStringLiteral(".DXP"));
}

void modules(QStringList& out, const Shape& shape) {
    out << QStringLiteral("**** Top of Module Listing ****");
    std::mt19937 rng(20260101);
    for (int k = 0; k < shape.modules; ++k) {
        const bool patch = k % 10 == 9;
        const QString name = shape.randomNames ? randomName(rng, patch) : moduleName(k, patch);
        if (shape.compact) {
            out << name.leftJustified(18, u' ') +
                       QStringLiteral("v4.%1  Jan 01 99").arg(k % 90 + 10);
        } else {
            out << name << QStringLiteral("   Synthetic module %1").arg(k)
                << QStringLiteral("   Version 4.%1   January 1, 1999").arg(k % 90 + 10)
                << QString();
        }
    }
    out << QStringLiteral("--------------------------------") << QString();
}

void volumes(QStringList& out, const Shape& shape) {
    out << QStringLiteral("Volume Name      Name Spaces Loaded")
        << QStringLiteral("---------------  ------------------");
    for (int v = 0; v < shape.volumes; ++v) {
        out << QStringLiteral("VOL%1            DOS").arg(v)
            << QStringLiteral("VOL%1            LONG").arg(v);
    }
    out << QString() << QStringLiteral("***** Volume Statistics *****");
    for (int v = 0; v < shape.volumes; ++v) {
        out << QStringLiteral("***** Volume Statistics for VOL%1 *****").arg(v)
            << QStringLiteral("Volume Size................: 4096 MB")
            << QStringLiteral("Free Blocks................: %1").arg(1000 + v)
            << QStringLiteral("Purgable Blocks............: %1").arg(v % 3)
            << QStringLiteral("Purgable Disk Space........: 1 MB") << QString();
    }
}

void devices(QStringList& out, const Shape& shape) {
    out << QStringLiteral("**** Disk Drive Configuration Information ****");
    for (int d = 0; d < shape.disks; ++d) {
        out << QStringLiteral("Device Type.................: Disk %1").arg(d)
            << QStringLiteral("Driver......................: DISK%1.HAM").arg(d)
            << QStringLiteral("Int.........................: %1").arg(d % 16)
            << QStringLiteral("Mirror Status...............: Not Mirrored") << QString();
    }
    out << QStringLiteral("End of disks.") << QStringLiteral("***********")
        << QStringLiteral("**** Top of LAN Driver Configuration Listing ****");
    for (int n = 0; n < shape.lanDrivers; ++n) {
        out << QStringLiteral("Media Type....: ETHERNET_%1").arg(n)
            << QStringLiteral("IRQ...........: %1").arg(n + 3);
    }
    out << QStringLiteral("***********");
}

void embedded(QStringList& out) {
    out << QStringLiteral("Top of file. [SYS:SYSTEM\\AUTOEXEC.DXS]") << QStringLiteral("-----")
        << QStringLiteral("LOAD MONITOR")
        << QStringLiteral("End of file. [SYS:SYSTEM\\AUTOEXEC.DXS]")
        << QStringLiteral("Top of file. [C:\\CONFIG.SYS]") << QStringLiteral("FILES=40")
        << QStringLiteral("End of file. [C:\\CONFIG.SYS]");
}

}  // namespace

QStringList generate(const Shape& shape) {
    QStringList out;
    header(out, shape.compact);
    modules(out, shape);
    volumes(out, shape);
    devices(out, shape);
    embedded(out);
    return out;
}

}  // namespace reportgen
