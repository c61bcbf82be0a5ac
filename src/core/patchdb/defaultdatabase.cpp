#include "patchdb/defaultdatabase.h"

#include "ini/inilines.h"

namespace {

// The patch modules of the two patch kits that a new database starts with.
const char* const Kit410[] = {
    "LOADERFX.DXP", "SRVPWFIX.DXP", "MMSEGFX2.DXP", "TCPIFIX2.DXP", "SPXSFX.DXP",   "CLIBFIX.DXP",
    "DSLOAFX2.DXP", "NDSTFIX2.DXP", "TIMESYFX.DXP", "MONITFIX.DXP", "FILESFX2.DXP", "VOLMFIX2.DXP",
    "PURGEFX.DXP",  "SALVAFIX.DXP", "DIRCAFX2.DXP", "TURBFIX2.DXP", "SUBALLFX.DXP", "COMPRFIX.DXP",
    "DECOMFX2.DXP", "MIGRFIX2.DXP", "QUEUEFX.DXP",  "PSERVFIX.DXP", "NLSLOFX2.DXP", "UNICFIX2.DXP",
    "MACNSFX.DXP",  "LONGNFIX.DXP", "NFSNSFX2.DXP", "HFSCFIX2.DXP", "CDROMFX.DXP",  "SCSIPFIX.DXP",
    "IDEATFX2.DXP", "MEDMFIX2.DXP", "SBACKFX.DXP",  "TSASMFIX.DXP", "SMDRVFX2.DXP", "RSPXFIX2.DXP",
    "RCONSFX.DXP",  "ABENDFIX.DXP", "DEBUGFX2.DXP", "MEMPFIX2.DXP", "PGFLTFX.DXP",  "SMPLDFIX.DXP",
    "PROCSFX2.DXP", "SCHEFIX2.DXP", "THRDSFX.DXP",  "SEMAPFIX.DXP", "MUTEXFX2.DXP", "TIMEFIX2.DXP",
    "CLOCKFX.DXP",  "ALERTFIX.DXP", "AUDITFX2.DXP", "SECUFIX2.DXP", "LOGINFX.DXP",  "AUTHNFIX.DXP",
    "PWDCHFX2.DXP", "GRACFIX2.DXP", "CONNMFX.DXP",  "WATCHFIX.DXP", "PACKTFX2.DXP", "ROUTFIX2.DXP",
    "RIPSAFX.DXP",  "SAPFLFIX.DXP", "IPXRTFX2.DXP", "NLSPFIX2.DXP", "BINDEFX.DXP",  "MSGSRFIX.DXP",
    "BCASTFX2.DXP", "NETDFIX2.DXP", "DHCPRFX.DXP",  "SNMPAFIX.DXP",
};

const char* const Kit312[] = {
    "LOADRFIX.DXP", "SRVPWFX2.DXP", "MMSGFIX2.DXP", "TCPIFX.DXP",  "SPX3FIX.DXP",  "CLB3FX2.DXP",
    "VOLMFIX2.DXP", "PURGFX.DXP",   "SALVFIX.DXP",  "DIRCFX2.DXP", "TURBFIX2.DXP", "SUBAFX.DXP",
    "QUEUFIX.DXP",  "PSRVFX2.DXP",  "NLSLFIX2.DXP", "UNICFX.DXP",  "MACNFIX.DXP",  "OS2NFX2.DXP",
    "NFSNFIX2.DXP", "CDRMFX.DXP",   "SCSIFIX.DXP",  "IDEAFX2.DXP", "MEDMFIX2.DXP", "SBAKFX.DXP",
    "TSA3FIX.DXP",  "RSPXFX2.DXP",  "RCONFIX2.DXP", "ABNDFX.DXP",  "DBUGFIX.DXP",  "MEMPFX2.DXP",
    "PGFLFIX2.DXP", "PROCFX.DXP",   "SCHDFIX.DXP",  "THRDFX2.DXP", "SEMAFIX2.DXP", "TIMRFX.DXP",
    "CLCKFIX.DXP",  "ALRTFX2.DXP",  "AUDTFIX2.DXP", "SECUFX.DXP",  "LOGNFIX.DXP",  "AUTHFX2.DXP",
    "PWDCFIX2.DXP", "GRACFX.DXP",   "CONNFIX.DXP",  "WTCHFX2.DXP", "PCKTFIX2.DXP", "ROUTFX.DXP",
    "RIPSFIX.DXP",  "SAPFFX2.DXP",  "IPXRFIX2.DXP", "BINDFX.DXP",  "MSGSFIX.DXP",  "BCSTFX2.DXP",
    "DISKFIX2.DXP", "FATCFX.DXP",   "HASHFIX.DXP",  "LOCKFX2.DXP", "TTSXFIX2.DXP", "EAFXFX.DXP",
    "FLSHFIX.DXP",
};

template <std::size_t N>
void appendSet(QStringList& lines, const QString& header, const char* const (&names)[N]) {
    lines.append(header);
    for (std::size_t k = 0; k < N; ++k) {
        lines.append(QString::number(k + 1) + u'=' + QLatin1String(names[k]));
    }
    lines.append(QString());
}

}  // namespace

QStringList DefaultDatabase::lines() {
    QStringList out;
    appendSet(out, QStringLiteral("[410pt6.txt : 70 native patches]"), Kit410);
    appendSet(out, QStringLiteral("[312pt9.txt : 61 native patches]"), Kit312);
    out << QStringLiteral("[Core DXPs]") << QStringLiteral("   *** Demo")
        << QStringLiteral("3.12:CLIB.DXP=3.12j") << QStringLiteral("4.10:CLIB.DXP=4.11")
        << QString();
    return out;
}

void DefaultDatabase::DefaultDatabaseWriter(const QString& path) {
    IniLines::save(path, lines());
}
