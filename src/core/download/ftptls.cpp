#include "download/ftptls.h"

#include "download/curlapi.h"

#include <QByteArray>
#include <QFile>

namespace ftptls {

namespace {

bool readFile(const QString& path, QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    bytes = file.readAll();
    return true;
}

long useSsl(FtpSecurity security) {
    switch (security) {
        case FtpSecurity::Off:
            return CURLUSESSL_NONE;
        case FtpSecurity::Required:
            return CURLUSESSL_ALL;
        default:
            return CURLUSESSL_TRY;
    }
}

int observe(CURL*, curl_infotype type, char* data, size_t size, void* watch) {
    if (type == CURLINFO_HEADER_OUT || type == CURLINFO_HEADER_IN) {
        static_cast<Watch*>(watch)->line(type == CURLINFO_HEADER_OUT,
                                         QByteArray::fromRawData(data, qsizetype(size)));
    }
    return 0;
}

}  // namespace

int configure(CURL* curl, FtpSecurity security, const QString& caFile, QString& reason) {
    curlapi::setopt(curl, CURLOPT_USE_SSL, useSsl(security));
    if (security == FtpSecurity::Off) {
        return CURLE_OK;
    }
    curlapi::setopt(curl, CURLOPT_FTPSSLAUTH, long(CURLFTPAUTH_TLS));
    curlapi::setopt(curl, CURLOPT_SSL_VERIFYPEER, 1L);
    curlapi::setopt(curl, CURLOPT_SSL_VERIFYHOST, 2L);
    if (caFile.isEmpty()) {
        return CURLE_OK;
    }
    QByteArray extra;
    if (!readFile(caFile, extra)) {
        reason = QStringLiteral("Cannot read the CA file ") + caFile;
        return CURLE_SSL_CACERT_BADFILE;
    }
    // The system's bundle as libcurl would load it, then the extra CA.
    QByteArray bundle;
    char* systemBundle = nullptr;
    if (curlapi::getinfo(curl, CURLINFO_CAINFO, &systemBundle) == CURLE_OK && systemBundle &&
        readFile(QFile::decodeName(systemBundle), bundle)) {
        bundle += '\n';
    }
    bundle += extra;
    curl_blob blob{bundle.data(), size_t(bundle.size()), CURL_BLOB_COPY};
    curlapi::setopt(curl, CURLOPT_CAINFO_BLOB, &blob);
    return CURLE_OK;
}

Watch::Watch(CURL* curl) : m_curl(curl) {
    curlapi::setopt(m_curl, CURLOPT_DEBUGFUNCTION, &observe);
    curlapi::setopt(m_curl, CURLOPT_DEBUGDATA, this);
    curlapi::setopt(m_curl, CURLOPT_VERBOSE, 1L);
}

Watch::~Watch() {
    curlapi::setopt(m_curl, CURLOPT_VERBOSE, 0L);
    curlapi::setopt(m_curl, CURLOPT_DEBUGFUNCTION, nullptr);
    curlapi::setopt(m_curl, CURLOPT_DEBUGDATA, nullptr);
}

void Watch::line(bool sent, const QByteArray& text) {
    if (sent) {
        m_authSent = text.startsWith("AUTH ");
    } else if (m_authSent && text.startsWith("234")) {
        m_secured = true;
    }
}

}  // namespace ftptls
