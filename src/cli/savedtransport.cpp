// Downloads answered from saved documents.
#include "cli/savedtransport.h"

#include "adapters/linechunker.h"
#include "cli/datasource.h"
#include "net/transferlimits.h"
#include "net/serviceaddresses.h"

#include <fstream>
#include <system_error>
#include <utility>

namespace brisalta::cli {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kPieceSize = 4096;

// A request no saved document answers: `option` names the one that would have.
TransferResult notGiven(const std::string& address, const char* option) {
    TransferResult result;
    result.failure = TransferFailure::NotFound;
    result.error = "No se ha dado el documento de " + address;
    if (option) {
        result.error += std::string(" (opción ") + option + ")";
    }
    return result;
}

TransferResult unreadable(const fs::path& file) {
    TransferResult result;
    result.failure = TransferFailure::Other;
    result.error = "No se puede leer el fichero " + file.string();
    return result;
}

TransferResult done() {
    TransferResult result;
    result.ok = true;
    result.status = 200;
    return result;
}

TransferResult copyTo(const fs::path& saved, const char* option, std::uint64_t limit,
                      const std::string& localPath) {
    std::error_code ec;
    fs::remove(localPath, ec);
    if (auto tooLarge = givenFileTooLarge(saved, option, limit)) {
        return *tooLarge;
    }
    if (!fs::copy_file(saved, localPath, fs::copy_options::overwrite_existing, ec)) {
        fs::remove(localPath, ec);
        return unreadable(saved);
    }
    return done();
}

// The body handed over in the same reads as a live answer.
TransferResult stream(const fs::path& saved, const char* option,
                      const Transport::ReadSink& sink) {
    if (auto tooLarge = givenFileTooLarge(saved, option, limits::kPageBytes)) {
        return *tooLarge;
    }
    std::ifstream in(saved, std::ios::binary);
    if (!in) {
        return unreadable(saved);
    }
    LineChunker chunker(sink);
    char piece[kPieceSize];
    while (!chunker.stopped() && in) {
        in.read(piece, sizeof piece);
        chunker.feed(std::string_view(piece, static_cast<std::size_t>(in.gcount())));
    }
    chunker.finish();
    return done();
}

} // namespace

SavedTransport::SavedTransport(const ServiceTable& services, std::string icao,
                               SavedDocuments documents)
    : mServices(services), mIcao(std::move(icao)), mDocuments(std::move(documents)) {}

TransferResult SavedTransport::httpGet(const std::string& url, const std::vector<std::string>&,
                                       const ReadSink& sink) {
    if (url == queryPageAddress(mServices, mIcao)) {
        return mDocuments.queryPage.empty() ? notGiven(url, "--consulta")
                                            : stream(mDocuments.queryPage, "--consulta", sink);
    }
    if (url == banyeresAddress(mServices)) {
        return mDocuments.banyeresFile.empty() ? notGiven(url, "--banyeres")
                                               : stream(mDocuments.banyeresFile, "--banyeres", sink);
    }
    return notGiven(url, nullptr);
}

TransferResult SavedTransport::download(const std::string& url, const std::string& filePath) {
    if (url == currentConditionsAddress(mServices, mIcao)) {
        return mDocuments.currentConditionsPage.empty()
                   ? notGiven(url, "--pagina")
                   : copyTo(mDocuments.currentConditionsPage, "--pagina", limits::kPageBytes,
                            filePath);
    }
    return notGiven(url, nullptr);
}

TransferResult SavedTransport::ftpRetrieve(const std::string& server, const std::string& directory,
                                           const std::string& remoteFile,
                                           const std::string& localPath) {
    const std::string address = "ftp://" + server + directory + remoteFile;
    if (directory == kStationFileDirectory && remoteFile == mIcao + ".TXT") {
        return mDocuments.stationFile.empty() ? notGiven(address, "--fichero-metar")
                                              : copyTo(mDocuments.stationFile, "--fichero-metar",
                                                       limits::kStationFileBytes, localPath);
    }
    return notGiven(address, nullptr);
}

} // namespace brisalta::cli
