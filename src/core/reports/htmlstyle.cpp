#include "reports/htmlstyle.h"

#include "analysis/colourtable.h"

#include <QCryptographicHash>
#include <algorithm>

namespace htmlstyle {

const QString DriverClass = QStringLiteral("driver");
const QString OutOfDateClass = QStringLiteral("outofdate");

namespace {

const QString BaseStyle = QStringLiteral(
    "body{font-family:sans-serif;margin:1.5em 0;padding:0 1em;color:#111;background:#fff;"
    "line-height:1.35}\nmain{max-width:70em;margin:auto}main.wide{max-width:none}\n"
    "h1{font-size:1.5em;margin:0 0 .2em}h2{font-size:1.15em;margin:1.6em 0 .4em;"
    "border-bottom:1px solid #999}h3{font-size:1em}\n"
    ".sub{color:#444;margin:.1em 0}\n"
    "table{border-collapse:collapse;margin:.3em 0}th,td{border:1px solid #bbb;"
    "padding:.15em .5em;text-align:left;vertical-align:top}th{background:#eee}\n"
    ".mono,pre,.rows td:first-child{font-family:monospace;white-space:pre}\n"
    ".rows td+td{white-space:nowrap}\n"
    ".lines div{white-space:pre-wrap;min-height:1.2em}.lines .bullet{font-weight:bold}\n"
    ".mark{white-space:nowrap}.none{color:#555;font-style:italic}\n"
    "details{margin:.3em 0}summary{cursor:pointer}\n"
    "pre{background:#f6f6f6;border:1px solid #ddd;padding:.5em;overflow:auto}\n"
    ".num{text-align:right;white-space:nowrap}td "
    "a{white-space:nowrap}td.error{min-width:24em}th{vertical-align:bottom}\n"
    ".counts{display:flex;flex-wrap:wrap;gap:.5em;padding:0;list-style:none}\n"
    ".counts li{border:1px solid #bbb;padding:.4em .8em}.counts b{font-size:1.3em}\n"
    "th button{font:inherit;font-weight:bold;background:none;border:0;padding:0;"
    "cursor:pointer}\n"
    ".ok{background:#9f9;color:#000}.attention{background:#ff0;color:#000}"
    ".problem{background:#f00;color:#000}.failed{background:#555;color:#fff}\n"
    "@media print{body{margin:0;font-size:10pt}main{max-width:none}h2{break-after:avoid}"
    "tr,.lines div{break-inside:avoid}pre{white-space:pre-wrap;border:0}"
    "*{-webkit-print-color-adjust:exact;print-color-adjust:exact}"
    "th button{color:#000}a{color:#000;text-decoration:none}}\n");

QString hex(const Rgb& c) {
    return QStringLiteral("#%1%2%3")
        .arg(c.red, 2, 16, QLatin1Char('0'))
        .arg(c.green, 2, 16, QLatin1Char('0'))
        .arg(c.blue, 2, 16, QLatin1Char('0'));
}

QString rule(const QString& cls, const ColourPair& pair) {
    return u'.' + cls + QStringLiteral("{background:") + hex(pair.background) +
           QStringLiteral(";color:") + hex(pair.text) + QStringLiteral("}\n");
}

// The style sheet: the fixed rules and the window's colours.
const QString& styleSheet() {
    static const QString sheet = [] {
        QString s = BaseStyle;
        for (int i = 0; i < colourtable::kSetColours; ++i) {
            s += rule(setClass(i), colourtable::setColour(i));
        }
        using colourtable::ModuleColour;
        s += rule(DriverClass, colourtable::moduleColour(ModuleColour::Driver));
        s += rule(OutOfDateClass, colourtable::moduleColour(ModuleColour::OutOfDate));
        return s;
    }();
    return sheet;
}

QString hashSource(QStringView text) {
    const QByteArray digest =
        QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha256).toBase64();
    return QStringLiteral("'sha256-") + QString::fromLatin1(digest) + u'\'';
}

}  // namespace

QString setClass(int index) {
    return QStringLiteral("set") + QString::number(std::clamp(index, 0, 7));
}

QString contentSecurityPolicy(QStringView script) {
    QString policy = QStringLiteral("default-src 'none'; style-src ") + hashSource(styleSheet());
    if (!script.isEmpty()) {
        policy += QStringLiteral("; script-src ") + hashSource(script);
    }
    return policy + QStringLiteral("; base-uri 'none'; form-action 'none'");
}

void writeHead(HtmlWriter& out, const QString& title, QStringView script) {
    out.markup(u"<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n");
    out.markup(u"<meta http-equiv=\"Content-Security-Policy\" content=\"")
        .markup(contentSecurityPolicy(script))
        .markup(u"\">\n");
    out.markup(u"<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n");
    out.element(u"title", title).markup(u"\n<style>").markup(styleSheet());
    out.markup(u"</style>\n</head>\n<body>\n");
}

}  // namespace htmlstyle
