#include "textview/configtextstate.h"

QString ConfigTextState::switchHint() const {
    return m_alternateShown ? QStringLiteral("Use Main Viewer")
                            : QStringLiteral("Use Alternate Viewer");
}

QString ConfigTextState::positionText(int line, int column) {
    return QString::number(line + 1) + QLatin1Char(':') + QString::number(column + 1);
}

QString ConfigTextState::resolutionMessage(int screenPixelsPerInch, int formPixelsPerInch) {
    QString fonts = screenPixelsPerInch == 96    ? QStringLiteral("SMALL fonts")
                    : screenPixelsPerInch == 120 ? QStringLiteral("LARGE fonts")
                                                 : QStringLiteral("xxx");
    return QStringLiteral("Screen PPI = ") + QString::number(screenPixelsPerInch) +
           QStringLiteral("\r\nForm PPI = ") + QString::number(formPixelsPerInch) +
           QStringLiteral("\r\nFonts = ") + fonts;
}
