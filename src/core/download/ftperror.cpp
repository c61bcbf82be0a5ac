#include "download/ftperror.h"

#include "download/curlapi.h"

namespace ftperror {

int number(int curlCode) {
    switch (curlCode) {
        case CURLE_REMOTE_FILE_NOT_FOUND:
        case CURLE_FTP_COULDNT_RETR_FILE:
            return RemoteFileNotFound;
        case CURLE_COULDNT_RESOLVE_HOST:
        case CURLE_COULDNT_CONNECT:
            return CannotConnect;
        case CURLE_PARTIAL_FILE:
        case CURLE_OPERATION_TIMEDOUT:
        case CURLE_RECV_ERROR:
        case CURLE_SEND_ERROR:
        case CURLE_GOT_NOTHING:
        case CURLE_FTP_ACCEPT_TIMEOUT:
        case CURLE_FTP_CANT_GET_HOST:
        case CURLE_FTP_WEIRD_PASV_REPLY:
        case CURLE_FTP_WEIRD_227_FORMAT:
            return NetworkFailure;
        default:
            return OtherBase + curlCode;
    }
}

namespace {

bool isTlsFailure(int curlCode) {
    switch (curlCode) {
        case CURLE_USE_SSL_FAILED:
        case CURLE_SSL_CONNECT_ERROR:
        case CURLE_PEER_FAILED_VERIFICATION:
        case CURLE_SSL_CACERT_BADFILE:
        case CURLE_SSL_CERTPROBLEM:
        case CURLE_SSL_ISSUER_ERROR:
        case CURLE_SSL_INVALIDCERTSTATUS:
            return true;
        default:
            return false;
    }
}

}  // namespace

QString description(int curlCode, const QString& reason) {
    if (isTlsFailure(curlCode) && !reason.isEmpty()) {
        return reason;
    }
    // A failed listing and a failed retrieval both mean the file is not there.
    const CURLcode code =
        number(curlCode) == RemoteFileNotFound ? CURLE_REMOTE_FILE_NOT_FOUND : CURLcode(curlCode);
    return QString::fromUtf8(curlapi::easyStrerror(code));
}

bool keepsConnection(int curlCode) {
    return curlCode == CURLE_REMOTE_FILE_NOT_FOUND || curlCode == CURLE_FTP_COULDNT_RETR_FILE ||
           curlCode == CURLE_WRITE_ERROR;
}

}  // namespace ftperror
