#include "abendloggenerator.h"

namespace abendloggen {

namespace {

constexpr int EntryBytes = 524;

QByteArray entry(int k) {
    const QByteArray n = QByteArray::number(k);
    QByteArray e;
    e += "Server FS" + QByteArray::number(k % 7) + " halted Tuesday, March 3, 1998   " +
         QByteArray::number(k % 12 + 1) + ":14:" + QByteArray::number(k % 60) + " pm #" + n +
         "\r\n";
    e += "Abend " + n + " on P00: Server-4.11-2519: Page Fault Processor Exception\r\n";
    e += "\r\nRegisters:\r\n   EAX = 00000000 EBX = 0012A4C0 ECX = 00000001\r\n";
    e += "Running process: Server 07 Process\r\nCreated by: SERVER.DXP\r\n";
    e += "Loaded Modules:\r\n";
    e += "SERVER.DXP   Daltrix Server Operating System\r\n  Version 4.11   February 12, 1999\r\n";
    e += "CLIB.DXP     Daltrix C Library\r\n  Version 4.11c   June 12, 1998\r\n";
    e += "MOD" + n + ".DXP\r\n";
    e += QByteArray(qMax(10, EntryBytes - int(e.size()) - 2), '*') + "\r\n";
    return e;
}

}  // namespace

QByteArray generate(int entries) {
    QByteArray log;
    log.reserve(qsizetype(entries) * (EntryBytes + 16));
    for (int k = 0; k < entries; ++k) {
        log += entry(k);
    }
    return log;
}

}  // namespace abendloggen
