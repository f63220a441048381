// Spanish sentences for libcurl's failures.
#include "adapters/curl/curlfailure.h"

#include "net/transferlimits.h"

namespace brisalta::curlfailure {
namespace {

TransferResult make(TransferFailure failure, std::string sentence) {
    TransferResult result;
    result.failure = failure;
    result.error = std::move(sentence);
    return result;
}

std::string seconds(std::chrono::milliseconds limit) {
    const long long s = (limit.count() + 999) / 1000;
    return std::to_string(s) + (s == 1 ? " segundo" : " segundos");
}

} // namespace

TransferResult describe(CURLcode code, const Circumstances& c) {
    const std::string server = "El servidor " + c.host;
    if (c.cancelled) {
        return make(TransferFailure::Cancelled, "Se ha cancelado la descarga.");
    }
    if (c.tooLarge || code == CURLE_FILESIZE_EXCEEDED) {
        return make(TransferFailure::TooLarge, limits::tooLargeSentence(c.host, c.maxBytes));
    }
    switch (code) {
    case CURLE_FAILED_INIT:
        return make(TransferFailure::NoSession, "No se ha podido iniciar la sesión de Internet.");
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_RESOLVE_PROXY:
        return make(TransferFailure::Connection,
                    "No se encuentra el servidor " + c.host +
                        ": compruebe la conexión a Internet y el nombre del servidor.");
    case CURLE_COULDNT_CONNECT:
        return make(TransferFailure::Connection, server + " rechaza la conexión.");
    case CURLE_OPERATION_TIMEDOUT:
        if (!c.connected) {
            return make(TransferFailure::TimedOut, server + " no contesta.");
        }
        if (c.overTime) {
            return make(TransferFailure::TimedOut, "La descarga desde " + c.host +
                                                       " no ha terminado en el tiempo máximo de " +
                                                       seconds(c.timeLimit) + ".");
        }
        return make(TransferFailure::TimedOut,
                    server + " ha dejado de enviar datos o los envía demasiado despacio.");
    case CURLE_FTP_ACCEPT_TIMEOUT:
        return make(TransferFailure::TimedOut, server + " no contesta.");
    case CURLE_LOGIN_DENIED:
        return make(TransferFailure::Connection, server + " no admite la conexión anónima.");
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CERTPROBLEM:
    case CURLE_SSL_CIPHER:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_USE_SSL_FAILED:
        return make(TransferFailure::Connection,
                    "No se ha podido establecer una conexión segura con el servidor " + c.host +
                        ".");
    case CURLE_GOT_NOTHING:
        return make(TransferFailure::Connection, server + " ha cerrado la conexión sin contestar.");
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
    case CURLE_PARTIAL_FILE:
    case CURLE_HTTP2:
    case CURLE_HTTP2_STREAM:
        return make(TransferFailure::Connection, "Se ha cortado la conexión con el servidor " +
                                                     c.host + " antes de terminar la descarga.");
    case CURLE_WEIRD_SERVER_REPLY:
    case CURLE_UNSUPPORTED_PROTOCOL:
    case CURLE_FTP_WEIRD_PASV_REPLY:
    case CURLE_FTP_WEIRD_227_FORMAT:
    case CURLE_FTP_CANT_GET_HOST:
    case CURLE_FTP_ACCEPT_FAILED:
    case CURLE_BAD_CONTENT_ENCODING:
    case CURLE_OUT_OF_MEMORY: // what curl says of a header line it will not hold
        return make(TransferFailure::Connection,
                    server + " ha contestado algo que no es una respuesta válida.");
    case CURLE_TOO_MANY_REDIRECTS:
        return make(TransferFailure::Connection,
                    server + " envía la petición de una dirección a otra sin llegar a contestar.");
    case CURLE_REMOTE_FILE_NOT_FOUND:
    case CURLE_FTP_COULDNT_RETR_FILE:
    case CURLE_QUOTE_ERROR:
    case CURLE_REMOTE_ACCESS_DENIED:
        return make(TransferFailure::NotFound, server + " no tiene el fichero pedido.");
    case CURLE_URL_MALFORMAT:
        return make(TransferFailure::Other,
                    "La dirección del servidor «" + c.host +
                        "» no es válida: revise servicios.ini en la carpeta de ajustes.");
    case CURLE_WRITE_ERROR:
        return make(TransferFailure::Other,
                    "No se ha podido escribir en el disco lo descargado del servidor " + c.host +
                        ".");
    case CURLE_ABORTED_BY_CALLBACK:
        return make(TransferFailure::Cancelled, "Se ha cancelado la descarga.");
    default:
        return make(TransferFailure::Other,
                    "La descarga desde el servidor " + c.host + " ha fallado.");
    }
}

} // namespace brisalta::curlfailure
