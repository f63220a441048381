// libcurl adapter of the Transport port.
#include "adapters/curl/curltransport.h"

#include "adapters/curl/curlfailure.h"
#include "adapters/curl/curllibrary.h"
#include "adapters/linechunker.h"
#include "text/debuglog.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <utility>

namespace brisalta {
namespace {

using namespace std::chrono_literals;

// How often a running transfer looks at the cancel flag.
constexpr int kPollMilliseconds = 100;

long wholeSeconds(std::chrono::milliseconds ms) {
    return std::max<long>(1, static_cast<long>((ms.count() + 999) / 1000));
}

// The server's name in an address, for the messages; the address itself (with
// the OpenData key in its query) is never shown or logged.
std::string hostOf(const std::string& url) {
    std::string host = "desconocido";
    const CurlLibrary* curl = curlLibrary();
    if (CURLU* parts = curl ? curl->url() : nullptr) {
        char* name = nullptr;
        if (curl->urlSet(parts, CURLUPART_URL, url.c_str(), 0) == CURLUE_OK &&
            curl->urlGet(parts, CURLUPART_HOST, &name, 0) == CURLUE_OK && name) {
            host = name;
        }
        curl->free(name);
        curl->urlCleanup(parts);
    }
    return host;
}

// One transfer: a fresh easy handle with the options every transfer shares,
// run on a multi handle so that the cancel flag is seen within a tenth of a
// second whatever the transfer is waiting for. libcurl is loaded by the first
// transfer; without it every transfer fails as a session that cannot start.
class Transfer {
public:
    Transfer(const CurlLimits& limits, std::chrono::milliseconds timeLimit,
             const std::atomic<bool>* cancel, std::string host, const std::string& caFile)
        : mCurl(curlLibrary()), mHandle(mCurl ? mCurl->easyInit() : nullptr), mCancel(cancel) {
        mCircumstances.host = std::move(host);
        mCircumstances.timeLimit = timeLimit;
        mCircumstances.maxBytes = limits.maxBytes;
        if (!mHandle) {
            return;
        }
        mErrorText[0] = '\0';
        set(CURLOPT_ERRORBUFFER, mErrorText);
        set(CURLOPT_NOSIGNAL, 1L);
        set(CURLOPT_CONNECTTIMEOUT_MS,
                         static_cast<long>(limits.connect.count()));
        // A server that goes quiet or trickles: too few bytes a second for that long.
        set(CURLOPT_LOW_SPEED_LIMIT, std::max(1L, limits.slowBytesPerSecond));
        set(CURLOPT_LOW_SPEED_TIME, wholeSeconds(limits.slowTime));
        set(CURLOPT_SERVER_RESPONSE_TIMEOUT, wholeSeconds(limits.slowTime));
        set(CURLOPT_TIMEOUT_MS, static_cast<long>(timeLimit.count()));
        // An announced size over the limit is refused before any byte comes.
        set(CURLOPT_MAXFILESIZE_LARGE,
                         static_cast<curl_off_t>(limits.maxBytes));
        set(CURLOPT_SSL_VERIFYPEER, 1L);
        set(CURLOPT_SSL_VERIFYHOST, 2L);
        if (!caFile.empty()) {
            set(CURLOPT_CAINFO, caFile.c_str());
        }
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

    // Where a redirection points, empty when none; only with a handle.
    std::string redirectTarget() const {
        char* target = nullptr;
        if (mCurl->easyGetinfo(mHandle, CURLINFO_REDIRECT_URL, &target) == CURLE_OK && target) {
            return target;
        }
        return {};
    }

    void addHeader(const std::string& header) {
        mHeaders = mCurl->slistAppend(mHeaders, header.c_str());
    }
    void addQuote(const std::string& command) {
        mQuote = mCurl->slistAppend(mQuote, command.c_str());
    }

    // Counts the bytes of the answer. False, and the transfer is stopped, once
    // they pass the limit or the user cancels.
    bool accept(std::size_t bytes) {
        mReceived += bytes;
        if (mReceived > mCircumstances.maxBytes) {
            mCircumstances.tooLarge = true;
            return false;
        }
        return !cancelRequested();
    }

    TransferResult perform() {
        if (!mHandle) {
            return curlfailure::describe(CURLE_FAILED_INIT, mCircumstances);
        }
        if (mHeaders) {
            set(CURLOPT_HTTPHEADER, mHeaders);
        }
        if (mQuote) {
            set(CURLOPT_QUOTE, mQuote);
        }
        const auto started = std::chrono::steady_clock::now();
        const CURLcode code = run();
        TransferResult result;
        const char* scheme = nullptr;
        mCurl->easyGetinfo(mHandle, CURLINFO_SCHEME, &scheme);
        const std::string_view s = scheme ? scheme : "";
        if (s == "HTTP" || s == "HTTPS" || s == "http" || s == "https") {
            long status = 0;
            mCurl->easyGetinfo(mHandle, CURLINFO_RESPONSE_CODE, &status);
            result.status = static_cast<int>(status);
        }
        if (code == CURLE_OK) {
            result.ok = true;
            return result;
        }
        // Connected but never a byte back is a server that does not answer.
        curl_off_t connectTime = 0;
        long headerBytes = 0;
        mCurl->easyGetinfo(mHandle, CURLINFO_CONNECT_TIME_T, &connectTime);
        mCurl->easyGetinfo(mHandle, CURLINFO_HEADER_SIZE, &headerBytes);
        mCircumstances.connected = connectTime > 0 && (headerBytes > 0 || mReceived > 0);
        mCircumstances.overTime =
            std::chrono::steady_clock::now() - started >= mCircumstances.timeLimit - 200ms;
        if (cancelRequested()) {
            mCircumstances.cancelled = true;
        }
        const int status = result.status;
        result = curlfailure::describe(code, mCircumstances);
        result.status = status;
        text::debugLog("descarga desde " + mCircumstances.host + ": curl " +
                       std::to_string(static_cast<int>(code)) + ": " +
                       (mErrorText[0] != '\0' ? mErrorText : mCurl->easyStrerror(code)) + "\n");
        return result;
    }

private:
    bool cancelRequested() const { return mCancel && mCancel->load(); }

    CURLcode run() {
        CURLM* multi = mCurl->multiInit();
        if (!multi) {
            return CURLE_FAILED_INIT;
        }
        mCurl->multiAddHandle(multi, mHandle);
        CURLcode code = CURLE_OK;
        int running = 1;
        for (;;) {
            if (mCurl->multiPerform(multi, &running) != CURLM_OK) {
                code = CURLE_FAILED_INIT;
                break;
            }
            if (running == 0) {
                int queued = 0;
                while (CURLMsg* message = mCurl->multiInfoRead(multi, &queued)) {
                    if (message->msg == CURLMSG_DONE) {
                        code = message->data.result;
                    }
                }
                break;
            }
            if (cancelRequested()) {
                code = CURLE_ABORTED_BY_CALLBACK;
                break;
            }
            mCurl->multiPoll(multi, nullptr, 0, kPollMilliseconds, nullptr);
        }
        mCurl->multiRemoveHandle(multi, mHandle);
        mCurl->multiCleanup(multi);
        return code;
    }

    const CurlLibrary* mCurl;
    CURL* mHandle;
    const std::atomic<bool>* mCancel;
    curlfailure::Circumstances mCircumstances;
    std::uint64_t mReceived = 0;
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
    Transfer& transfer;
    LineChunker chunker;
    bool stoppedOnRequest = false;
};

size_t streamBody(char* data, size_t size, size_t count, void* userData) {
    auto* target = static_cast<StreamTarget*>(userData);
    const size_t bytes = size * count;
    if (!target->transfer.accept(bytes)) {
        return 0; // aborts the transfer
    }
    if (!target->chunker.feed(std::string_view(data, bytes))) {
        target->stoppedOnRequest = true;
        return 0;
    }
    return bytes;
}

struct FileTarget {
    Transfer& transfer;
    std::FILE* file;
};

size_t writeToFile(char* data, size_t size, size_t count, void* userData) {
    auto* target = static_cast<FileTarget*>(userData);
    if (!target->transfer.accept(size * count)) {
        return 0;
    }
    return std::fwrite(data, size, count, target->file) * size;
}

// Runs a transfer into a local file; no file is left behind when it fails.
TransferResult transferToFile(Transfer& transfer, const std::string& filePath) {
    if (!transfer.handle()) {
        return transfer.perform();
    }
    std::FILE* file = std::fopen(filePath.c_str(), "wb");
    if (!file) {
        TransferResult failed;
        failed.failure = TransferFailure::Other;
        failed.error = "No se ha podido crear el fichero temporal de la descarga.";
        return failed;
    }
    FileTarget target{transfer, file};
    transfer.set(CURLOPT_WRITEFUNCTION, writeToFile);
    transfer.set(CURLOPT_WRITEDATA, &target);
    TransferResult result = transfer.perform();
    if (std::fclose(file) != 0 && result.ok) {
        result = {};
        result.failure = TransferFailure::Other;
        result.error = "No se ha podido escribir en el disco el fichero de la descarga.";
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

// "conexion=2,lento=2,pagina=4,fichero=6": whole seconds, at least 1.
void readTimeLimits(std::string_view text, CurlLimits& limits) {
    while (!text.empty()) {
        const auto comma = text.find(',');
        const std::string_view entry = text.substr(0, comma);
        text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
        const auto eq = entry.find('=');
        if (eq == std::string_view::npos) {
            continue;
        }
        const std::string_view key = entry.substr(0, eq);
        const std::string_view value = entry.substr(eq + 1);
        long seconds = 0;
        const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), seconds);
        if (ec != std::errc() || end != value.data() + value.size() || seconds < 1 ||
            seconds > 3600) {
            continue;
        }
        const std::chrono::milliseconds ms{seconds * 1000};
        if (key == "conexion") {
            limits.connect = ms;
        } else if (key == "lento") {
            limits.slowTime = ms;
        } else if (key == "pagina") {
            limits.page = ms;
        } else if (key == "fichero") {
            limits.stationFile = ms;
        }
    }
}

} // namespace

CurlLimits CurlLimits::fromEnvironment() {
    CurlLimits limits;
    if (const char* text = std::getenv("BRISALTA_PLAZOS")) {
        readTimeLimits(text, limits);
    }
    return limits;
}

CurlTransport::CurlTransport(Limits limits, std::string caFile)
    : mLimits(limits), mCaFile(std::move(caFile)) {}

TransferResult CurlTransport::httpGet(const std::string& url,
                                      const std::vector<std::string>& headers,
                                      const ReadSink& sink) {
    Transfer transfer(mLimits, mLimits.page, mCancel, hostOf(url), mCaFile);
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
    StreamTarget target{transfer, LineChunker(sink)};
    transfer.set(CURLOPT_WRITEFUNCTION, streamBody);
    transfer.set(CURLOPT_WRITEDATA, &target);
    TransferResult result = transfer.perform();
    if (result.status >= 300 && result.status < 400) {
        // Not followed here: the caller decides where the program may go.
        result.location = transfer.redirectTarget();
    }
    if (target.stoppedOnRequest) {
        // The write callback refused the data because the caller had read enough.
        return {true, result.status, {}, TransferFailure::None, result.location};
    }
    if (result.ok) {
        target.chunker.finish();
    }
    return result;
}

TransferResult CurlTransport::download(const std::string& url, const std::string& filePath) {
    Transfer transfer(mLimits, mLimits.page, mCancel, hostOf(url), mCaFile);
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
        TransferResult refused;
        refused.failure = TransferFailure::Other;
        refused.error = "El nombre del servidor o del fichero no es válido.";
        return refused;
    }
    Transfer transfer(mLimits, mLimits.stationFile, mCancel, hostOf("ftp://" + server + "/"),
                      mCaFile);
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
