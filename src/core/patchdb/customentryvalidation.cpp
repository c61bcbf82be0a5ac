#include "patchdb/customentryvalidation.h"

#include "text/numberconversion.h"
#include "ui/operationerror.h"

namespace customvalidation {

namespace {

QString versionProblem(const QString& version) {
    if (version.isEmpty()) {
        return QStringLiteral("- Module Version required\r\n");
    }
    if (version.startsWith(u'v') || version.contains(QLatin1String("ver"))) {
        return QStringLiteral("- Do not enter \"v\" or \"ver\" with\r\n   the Module Version\r\n");
    }
    if (version.count(u'/') + version.count(u'-') > 1) {
        return QStringLiteral("- Enter module VERSION, not module DATE\r\n");
    }
    return {};
}

bool isNumber(const QString& text) {
    try {
        numconv::toDouble(text);
        return true;
    } catch (const OperationError&) {
        return false;
    }
}

QString osProblem(const Input& input) {
    if (!input.anyBoxTicked) {
        return QStringLiteral(
            "- You must choose the Daltrix OS\r\n   version(s) that this module runs on\r\n");
    }
    if (input.otherTicked && input.otherVersion.isEmpty()) {
        return QStringLiteral("- Other DX OS Ver required if Other checked\r\n");
    }
    if (input.otherTicked && !isNumber(input.otherVersion)) {
        return QStringLiteral("- Other DX OS Ver must be a numerical value\r\n");
    }
    return {};
}

}  // namespace

QString problems(const Input& input) {
    QString out;
    if (input.moduleName.isEmpty()) {
        out += QStringLiteral("- Module Name required\r\n");
    }
    return out + versionProblem(input.moduleVersion) + osProblem(input);
}

QString errorMessage(const QString& problems) {
    return QStringLiteral("Invalid input. Cannot add module:\r\n\r\n") + problems;
}

}  // namespace customvalidation
