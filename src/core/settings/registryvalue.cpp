#include "settings/registryvalue.h"

#include "ini/atomicfile.h"
#include "settings/datadirectory.h"
#include "ui/operationerror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <bit>
#include <cstring>
#include <utility>

namespace {

constexpr qsizetype kDoubleSize = 8;

}  // namespace

RegistryValue::RegistryValue(QString key, QString name)
    : m_key(std::move(key)), m_name(std::move(name)) {}

// Empty when there is no data directory, so nothing is ever created relative to the working folder.
QString RegistryValue::keyFolder() const {
    const QString base = DataDirectory::windowsDirectory();
    return base.isEmpty() ? QString() : base + QStringLiteral("registry/") + m_key;
}

QString RegistryValue::filePath() const {
    const QString folder = keyFolder();
    return folder.isEmpty() ? QString() : folder + u'/' + m_name;
}

double RegistryValue::readDouble(double fallback) const {
    const QString folder = keyFolder();
    const QString path = filePath();
    if (folder.isEmpty() || !QDir().mkpath(folder) || !QFileInfo::exists(path)) {
        return fallback;
    }
    QFile file(path);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly)) {
        bytes = file.read(kDoubleSize + 1);
    }
    if (bytes.size() != kDoubleSize) {
        throw OperationError(QStringLiteral("Invalid data type for '%1'").arg(m_name));
    }
    quint64 raw = 0;
    std::memcpy(&raw, bytes.constData(), sizeof raw);
    return std::bit_cast<double>(qFromLittleEndian(raw));
}

void RegistryValue::writeDouble(double value) const {
    const quint64 raw = qToLittleEndian(std::bit_cast<quint64>(value));
    QByteArray bytes(kDoubleSize, '\0');
    std::memcpy(bytes.data(), &raw, sizeof raw);
    const QString folder = keyFolder();
    try {
        if (folder.isEmpty() || !QDir().mkpath(folder)) {
            throw OperationError(QString());
        }
        atomicfile::write(filePath(), bytes);
    } catch (const OperationError&) {
        throw OperationError(QStringLiteral("Failed to set data for '%1'").arg(m_name));
    }
}
