// libcurl adapter of the Transport port.
#include "adapters/curl/curltransport.h"

#include "adapters/curl/curllibrary.h"
#include "adapters/linechunker.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace brisalta {
namespace {

long wholeSeconds(std::chrono::milliseconds ms) {
    return std::max<long>(1, static_cast<long>((ms.count() + 999) / 1000));
}

TransferFailure failureOf(CURLcode code) {
    switch (code) {
    case CURLE_FAILED_INIT:
        return TransferFailure::NoSession;
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_RESOLVE_PROXY:
    case CURLE_COULDNT_CONNECT:
    case CURLE_OPERATION_TIMEDOUT:
    case CURLE_LOGIN_DENIED:
    case CURLE_WEIRD_SERVER_REPLY:
    case CURLE_FTP_WEIRD_PASV_REPLY:
    case CURLE_FTP_WEIRD_227_FORMAT:
    case CURLE_FTP_CANT_GET_HOST:
    case CURLE_FTP_ACCEPT_FAILED:
    case CURLE_FTP_ACCEPT_TIMEOUT:
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_GOT_NOTHING:
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
        return TransferFailure::Connection;
    case CURLE_REMOTE_FILE_NOT_FOUND:
    case CURLE_FTP_COULDNT_RETR_FILE:
    case CURLE_QUOTE_ERROR:
    case CURLE_REMOTE_ACCESS_DENIED:
        return TransferFailure::NotFound;
    default:
        return TransferFailure::Other;
    }
}

// A short Spanish explanation put before curl's own text.
const char* explanationOf(CURLcode code) {
    switch (code) {
    case CURLE_FAILED_INIT:
        return "No se ha podido iniciar la sesión de Internet";
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_RESOLVE_PROXY:
        return "No se encuentra el servidor";
    case CURLE_COULDNT_CONNECT:
        return "No se ha podido conectar con el servidor";
    case CURLE_OPERATION_TIMEDOUT:
        return "El servidor no ha respondido a tiempo";
    case CURLE_LOGIN_DENIED:
        return "El servidor no ha aceptado la conexión anónima";
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_PEER_FAILED_VERIFICATION:
        return "No se ha podido establecer una conexión segura con el servidor";
    case CURLE_GOT_NOTHING:
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
    case CURLE_PARTIAL_FILE:
        return "Se ha cortado la conexión con el servidor";
    case CURLE_REMOTE_FILE_NOT_FOUND:
    case CURLE_FTP_COULDNT_RETR_FILE:
    case CURLE_QUOTE_ERROR:
    case CURLE_REMOTE_ACCESS_DENIED:
        return "El servidor no tiene el fichero pedido";
    case CURLE_URL_MALFORMAT:
    case CURLE_UNSUPPORTED_PROTOCOL:
        return "Dirección no válida";
    case CURLE_WRITE_ERROR:
        return "No se ha podido escribir el fichero";
    default:
        return "Error en la transferencia";
    }
}

TransferResult failed(TransferFailure failure, std::string error) {
    TransferResult result;
    result.failure = failure;
    result.error = std::move(error);
    return result;
}

// One transfer: a fresh easy handle with the options every transfer shares.
class Transfer {
public:
    // libcurl is loaded by the first transfer; without it every transfer
    // fails as a session that cannot start.
    explicit Transfer(const CurlTransport::Timeouts& timeouts)
        : mCurl(curlLibrary()), mHandle(mCurl ? mCurl->easyInit() : nullptr) {
        if (!mHandle) {
            return;
        }
        mErrorText[0] = '\0';
        set(CURLOPT_ERRORBUFFER, mErrorText);
        set(CURLOPT_NOSIGNAL, 1L);
        set(CURLOPT_CONNECTTIMEOUT_MS,
                         static_cast<long>(timeouts.connect.count()));
        // A server that goes quiet: less than one byte a second for that long.
        set(CURLOPT_LOW_SPEED_LIMIT, 1L);
        set(CURLOPT_LOW_SPEED_TIME, wholeSeconds(timeouts.receive));
        set(CURLOPT_SERVER_RESPONSE_TIMEOUT, wholeSeconds(timeouts.receive));
        set(CURLOPT_TIMEOUT_MS, static_cast<long>(timeouts.overall.count()));
        set(CURLOPT_SSL_VERIFYPEER, 1L);
        set(CURLOPT_SSL_VERIFYHOST, 2L);
    }
    ~Transfer() {
        if (mHandle) {
            mCurl->easyCleanup(mHandle);
        }
        if (mCurl) {
            mCurl->slistFreeAll(mHeaders);
            mCurl->slistFreeAll(mQuote);
        }
    }
    Transfer(const Transfer&) = delete;
    Transfer& operator=(const Transfer&) = delete;

    CURL* handle() const { return mHandle; }

    // Sets an option of the handle; only with a handle.
    template <typename Value>
    void set(CURLoption option, Value value) {
        mCurl->easySetopt(mHandle, option, value);
    }

    // The text escaped for a URL path; only with a handle.
    std::string escape(const std::string& text) const {
        char* escaped = mCurl->easyEscape(mHandle, text.c_str(), static_cast<int>(text.size()));
        std::string result = escaped ? escaped : "";
        mCurl->free(escaped);
        return result;
    }

    void addHeader(const std::string& header) {
        mHeaders = mCurl->slistAppend(mHeaders, header.c_str());
    }
    void addQuote(const std::string& command) {
        mQuote = mCurl->slistAppend(mQuote, command.c_str());
    }

    TransferResult perform() {
        if (!mHandle) {
            return failed(TransferFailure::NoSession, explanationOf(CURLE_FAILED_INIT));
        }
        if (mHeaders) {
            set(CURLOPT_HTTPHEADER, mHeaders);
        }
        if (mQuote) {
            set(CURLOPT_QUOTE, mQuote);
        }
        const CURLcode code = mCurl->easyPerform(mHandle);
        TransferResult result;
        const char* scheme = nullptr;
        mCurl->easyGetinfo(mHandle, CURLINFO_SCHEME, &scheme);
        if (scheme && (std::string_view(scheme) == "HTTP" || std::string_view(scheme) == "HTTPS" ||
                       std::string_view(scheme) == "http" || std::string_view(scheme) == "https")) {
            long status = 0;
            mCurl->easyGetinfo(mHandle, CURLINFO_RESPONSE_CODE, &status);
            result.status = static_cast<int>(status);
        }
        if (code == CURLE_OK) {
            result.ok = true;
            return result;
        }
        result.failure = failureOf(code);
        result.error = std::string(explanationOf(code)) + " (" +
                       (mErrorText[0] != '\0' ? mErrorText : mCurl->easyStrerror(code)) + ")";
        return result;
    }

private:
    const CurlLibrary* mCurl;
    CURL* mHandle;
    curl_slist* mHeaders = nullptr;
    curl_slist* mQuote = nullptr;
    char mErrorText[CURL_ERROR_SIZE] = {};
};

bool startsWithName(const std::string& header, std::string_view name) {
    if (header.size() <= name.size() || header[name.size()] != ':') {
        return false;
    }
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto lower = [](char c) {
            return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        };
        if (lower(header[i]) != lower(name[i])) {
            return false;
        }
    }
    return true;
}

bool hasHeader(const std::vector<std::string>& headers, std::string_view name) {
    return std::any_of(headers.begin(), headers.end(),
                       [&](const std::string& h) { return startsWithName(h, name); });
}

struct StreamTarget {
    LineChunker chunker;
    bool stoppedOnRequest = false;
};

size_t streamBody(char* data, size_t size, size_t count, void* userData) {
    auto* target = static_cast<StreamTarget*>(userData);
    const size_t bytes = size * count;
    if (!target->chunker.feed(std::string_view(data, bytes))) {
        target->stoppedOnRequest = true;
        return 0; // aborts the transfer
    }
    return bytes;
}

size_t writeToFile(char* data, size_t size, size_t count, void* userData) {
    return std::fwrite(data, size, count, static_cast<std::FILE*>(userData)) * size;
}

// Runs a transfer into a local file; no file is left behind when it fails.
TransferResult transferToFile(Transfer& transfer, const std::string& filePath) {
    if (!transfer.handle()) {
        return transfer.perform();
    }
    std::FILE* file = std::fopen(filePath.c_str(), "wb");
    if (!file) {
        return failed(TransferFailure::Other, "No se ha podido crear el fichero " + filePath);
    }
    transfer.set(CURLOPT_WRITEFUNCTION, writeToFile);
    transfer.set(CURLOPT_WRITEDATA, file);
    TransferResult result = transfer.perform();
    if (std::fclose(file) != 0 && result.ok) {
        result = failed(TransferFailure::Other, "No se ha podido escribir el fichero " + filePath);
    }
    if (!result.ok) {
        std::error_code ignored;
        std::filesystem::remove(filePath, ignored);
    }
    return result;
}

bool hasLineBreakOrNul(std::string_view s) {
    return s.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

} // namespace

CurlTransport::CurlTransport(Timeouts timeouts) : mTimeouts(timeouts) {}

TransferResult CurlTransport::httpGet(const std::string& url,
                                      const std::vector<std::string>& headers,
                                      const ReadSink& sink) {
    Transfer transfer(mTimeouts);
    if (!transfer.handle()) {
        return transfer.perform();
    }
    transfer.set(CURLOPT_URL, url.c_str());
    transfer.set(CURLOPT_PROTOCOLS_STR, "http,https");
    transfer.set(CURLOPT_FOLLOWLOCATION, 0L);
    transfer.set(CURLOPT_HTTPGET, 1L);
    for (const std::string& header : headers) {
        transfer.addHeader(header);
    }
    // Always a fresh copy from the server.
    if (!hasHeader(headers, "Cache-Control")) {
        transfer.addHeader("Cache-Control: no-cache");
    }
    if (!hasHeader(headers, "Pragma")) {
        transfer.addHeader("Pragma: no-cache");
    }
    StreamTarget target{LineChunker(sink)};
    transfer.set(CURLOPT_WRITEFUNCTION, streamBody);
    transfer.set(CURLOPT_WRITEDATA, &target);
    TransferResult result = transfer.perform();
    if (target.stoppedOnRequest) {
        // The write callback refused the data because the caller had read enough.
        return {true, result.status, {}, TransferFailure::None};
    }
    if (result.ok) {
        target.chunker.finish();
    }
    return result;
}

TransferResult CurlTransport::download(const std::string& url, const std::string& filePath) {
    Transfer transfer(mTimeouts);
    if (transfer.handle()) {
        transfer.set(CURLOPT_URL, url.c_str());
        transfer.set(CURLOPT_PROTOCOLS_STR, "http,https,ftp");
        transfer.set(CURLOPT_FOLLOWLOCATION, 1L);
        transfer.set(CURLOPT_MAXREDIRS, 5L);
        transfer.set(CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
        transfer.set(CURLOPT_USERAGENT, "Brisalta/3.22");
    }
    return transferToFile(transfer, filePath);
}

TransferResult CurlTransport::ftpRetrieve(const std::string& server, const std::string& directory,
                                          const std::string& remoteFile,
                                          const std::string& localPath) {
    // A line break would smuggle another command into the control connection.
    if (hasLineBreakOrNul(server) || hasLineBreakOrNul(directory) ||
        hasLineBreakOrNul(remoteFile) || server.find_first_of("/@") != std::string::npos) {
        return failed(TransferFailure::Other, "Nombre de servidor o de fichero no válido");
    }
    Transfer transfer(mTimeouts);
    if (transfer.handle()) {
        const std::string url = "ftp://" + server + "/" + transfer.escape(remoteFile);
        transfer.set(CURLOPT_URL, url.c_str());
        transfer.set(CURLOPT_PROTOCOLS_STR, "ftp");
        // Passive mode: an active data connection cannot come back through the
        // address translation of a home router.
        transfer.set(CURLOPT_FTP_USE_EPSV, 1L);
        transfer.addQuote("CWD " + directory);
    }
    return transferToFile(transfer, localPath);
}

} // namespace brisalta
