#include "textview/windowtexts.h"

namespace windowtexts {

QString interruptUsageCaption() {
    return QStringLiteral("Interrupt Usage");
}

QString interruptUsageGroup() {
    return QStringLiteral("Standard Defaults");
}

QStringList interruptUsageLines() {
    return {
        QStringLiteral("0 = System Timer"),
        QStringLiteral("1 = Keyboard Data Ready"),
        QStringLiteral("2 = Video (Cascade to 9)"),
        QStringLiteral("3 = Serial Comm 2"),
        QStringLiteral("4 = Serial Comm 1"),
        QStringLiteral("5 = Parallel Port 2"),
        QStringLiteral("6 = Diskette Controller"),
        QStringLiteral("7 = Parallel Port 1"),
        QStringLiteral("8 = CMOS clock"),
        QStringLiteral("9 = Cascaded to IRQ 2"),
        QStringLiteral("10 = Open"),
        QStringLiteral("11 = Open"),
        QStringLiteral("12 = Mouse (PS/2)"),
        QStringLiteral("13 = Math Coprocessor"),
        QStringLiteral("14 = HD Controller"),
        QStringLiteral("15 = Reserved (Daltrix)"),
    };
}

QString helpCaption() {
    return QStringLiteral("Cartovex Help");
}

QString helpText() {
    QStringList parts;
    for (const HelpSection& section : helpSections()) {
        parts << section.heading << QString() << section.body << QString();
    }
    return parts.join(QLatin1Char('\n'));
}

QString aboutCaption() {
    return QStringLiteral("About Cartovex");
}

QString productName() {
    return QStringLiteral("Daltrix Cartovex");
}

QString versionText() {
    return QStringLiteral("Version 2.66");
}

QStringList aboutLines() {
    return {productName(), versionText(),
            QStringLiteral("Configuration report analyser for Daltrix file servers")};
}

QString partialMatchesCaption() {
    return QStringLiteral("Partial Patch Set Matches");
}

}  // namespace windowtexts
