// Recorded answers.
#include "adapters/replaytransport.h"

#include "adapters/linechunker.h"
#include "adapters/replaynaming.h"
#include "text/debuglog.h"
#include "text/textutil.h"

#include <fstream>
#include <system_error>
#include <utility>

namespace brisalta {
namespace {

namespace fs = std::filesystem;

// Bodies are replayed in pieces of this size, so the reads are cut exactly as
// from a network stream.
constexpr std::size_t kPieceSize = 4096;

bool isRecorded(const std::optional<fs::path>& answer) {
    std::error_code ec;
    return answer && fs::is_regular_file(*answer, ec);
}

// The user reads a sentence; the address and the file that would have
// answered it go to the debug trace, for whoever records the answers.
TransferResult missing(const std::string& address, const std::optional<fs::path>& answer) {
    TransferResult result;
    result.failure = TransferFailure::NotFound;
    result.error = "No hay ninguna respuesta grabada para esta consulta.";
    std::string detail = "No hay respuesta grabada para " + address;
    if (answer) {
        detail += " (falta el fichero " + answer->string() + ")";
    }
    text::debugLog(detail + "\n");
    return result;
}

int recordedStatus(const fs::path& answer) {
    std::ifstream in(fs::path(answer.string() + ".status"));
    std::string word;
    if (!(in >> word)) {
        return 200;
    }
    const int status = text::leadingInteger(word);
    return status > 0 ? status : 200;
}

// The target of a recorded redirect, from "<answer>.location" (its first
// line), or nothing.
std::string recordedLocation(const fs::path& answer) {
    std::ifstream in(fs::path(answer.string() + ".location"));
    std::string line;
    std::getline(in, line);
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) {
        line.pop_back();
    }
    return line;
}

// The query parameters whose values a recording may leave open, from the
// folder's "comodines.txt" (one name per line).
std::vector<std::string> wildcardParameters(const fs::path& folder) {
    std::vector<std::string> names;
    std::ifstream in(folder / "comodines.txt");
    std::string line;
    while (std::getline(in, line)) {
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) {
            line.pop_back();
        }
        if (!line.empty() && line[0] != '#') {
            names.push_back(line);
        }
    }
    return names;
}

// The address with the values of the wildcard parameters replaced by "*".
std::string withWildcards(const std::string& url, const std::vector<std::string>& names) {
    const auto question = url.find('?');
    if (question == std::string::npos || names.empty()) {
        return url;
    }
    std::string out = url.substr(0, question + 1);
    std::size_t start = question + 1;
    while (start <= url.size()) {
        const auto amp = url.find('&', start);
        const std::string pair = url.substr(start, amp == std::string::npos ? std::string::npos : amp - start);
        const auto eq = pair.find('=');
        const std::string key = pair.substr(0, eq);
        bool wild = false;
        for (const std::string& name : names) {
            wild = wild || (eq != std::string::npos && key == name);
        }
        out += wild ? key + "=*" : pair;
        if (amp == std::string::npos) {
            break;
        }
        out += '&';
        start = amp + 1;
    }
    return out;
}

} // namespace

ReplayTransport::ReplayTransport(fs::path folder) : mFolder(std::move(folder)) {}

std::optional<fs::path> ReplayTransport::answerFor(const std::string& url) const {
    auto answer = replayPathForUrl(mFolder, url);
    if (isRecorded(answer)) {
        return answer;
    }
    const std::string general = withWildcards(url, wildcardParameters(mFolder));
    if (general != url) {
        if (auto fallback = replayPathForUrl(mFolder, general); isRecorded(fallback)) {
            return fallback;
        }
    }
    return answer;
}

TransferResult ReplayTransport::httpGet(const std::string& url, const std::vector<std::string>&,
                                        const ReadSink& sink) {
    mRequests.push_back({RequestKind::HttpGet, url});
    const auto answer = answerFor(url);
    if (!isRecorded(answer)) {
        return missing(url, answer);
    }
    std::ifstream in(*answer, std::ios::binary);
    if (!in) {
        return missing(url, answer);
    }
    LineChunker chunker(sink);
    char piece[kPieceSize];
    while (!chunker.stopped() && in) {
        in.read(piece, sizeof piece);
        chunker.feed(std::string_view(piece, static_cast<std::size_t>(in.gcount())));
    }
    chunker.finish();
    TransferResult result;
    result.ok = true;
    result.status = recordedStatus(*answer);
    if (result.status >= 300 && result.status < 400) {
        result.location = recordedLocation(*answer);
    }
    return result;
}

TransferResult ReplayTransport::download(const std::string& url, const std::string& filePath) {
    mRequests.push_back({RequestKind::Download, url});
    return copyAnswer(url, answerFor(url), filePath);
}

TransferResult ReplayTransport::ftpRetrieve(const std::string& server, const std::string& directory,
                                            const std::string& remoteFile,
                                            const std::string& localPath) {
    std::string address = "ftp://" + server;
    if (directory.empty() || directory.front() != '/') {
        address += '/';
    }
    address += directory;
    if (address.back() != '/') {
        address += '/';
    }
    address += remoteFile;
    mRequests.push_back({RequestKind::FtpRetrieve, address});
    return copyAnswer(address, replayPathForFtp(mFolder, server, directory, remoteFile), localPath);
}

TransferResult ReplayTransport::copyAnswer(const std::string& address,
                                           const std::optional<fs::path>& answer,
                                           const std::string& localPath) {
    std::error_code ec;
    fs::remove(localPath, ec);
    if (!isRecorded(answer)) {
        return missing(address, answer);
    }
    if (!fs::copy_file(*answer, localPath, fs::copy_options::overwrite_existing, ec)) {
        fs::remove(localPath, ec);
        TransferResult failed;
        failed.failure = TransferFailure::Other;
        failed.error = "No se ha podido guardar la respuesta en la carpeta temporal.";
        text::debugLog("No se ha podido escribir el fichero " + localPath + "\n");
        return failed;
    }
    TransferResult result;
    result.ok = true;
    result.status = recordedStatus(*answer);
    return result;
}

} // namespace brisalta
