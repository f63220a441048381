// The download layer over the Transport port.
#include "net/downloadsession.h"

#include "net/redirectrule.h"
#include "net/serviceaddresses.h"
#include "net/tempfiles.h"
#include "net/urlparts.h"
#include "text/debuglog.h"
#include "text/format.h"
#include "text/textutil.h"

#include <exception>
#include <fstream>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

#ifndef BRISALTA_VERSION
#define BRISALTA_VERSION "0"
#endif

namespace brisalta {

const char* const kServiceUserAgent =
    "Brisalta/" BRISALTA_VERSION " (graficas meteorologicas para pilotos; Linux)";

namespace {

namespace fs = std::filesystem;

// Sent with every HTTP request to the classic services.
const std::vector<std::string> kRequestHeaders = {"Accept: text/*", "User-Agent: MFC_Tear_Sample"};

// Today's services get the program's own name; the classic ones keep the
// headers they were always sent.
const std::vector<std::string> kServiceHeaders = {
    "Accept: application/json, text/csv, text/plain, */*;q=0.1",
    std::string("User-Agent: ") + kServiceUserAgent};

// The text-list service answers an unknown station or date with a page that
// starts with this line instead of an error status.
constexpr std::string_view kErrorBodyStart = "<BODY BGCOLOR=white>";
constexpr std::string_view kNotFound = "404 Not Found";

// A transport that throws is reported like one that fails: no exception leaves
// a command.
template <typename Transfer> TransferResult guarded(Transfer transfer) {
    try {
        return transfer();
    } catch (const std::exception& e) {
        text::debugLog(std::string("descarga: ") + e.what() + "\n");
        TransferResult failed;
        failed.error = "La descarga ha fallado.";
        failed.failure = TransferFailure::Other;
        return failed;
    }
}

std::string hostOf(const std::string& url) {
    const auto parts = splitUrl(url);
    return parts ? parts->host : std::string("desconocido");
}

TransferResult tooLarge(const std::string& url, std::uint64_t limit) {
    TransferResult result;
    result.failure = TransferFailure::TooLarge;
    result.error = limits::tooLargeSentence(hostOf(url), limit);
    return result;
}

// A file that came whole but is larger than its kind may be (a transport
// without a size limit of its own, a saved answer).
bool largerThan(const fs::path& file, std::uint64_t limit) {
    std::error_code ec;
    const auto size = fs::file_size(file, ec);
    return !ec && size > limit;
}

// An answer with an error status instead of the document. 404 is the Parts'
// own case (see httpGetToFile).
std::string statusSentence(const std::string& url, int status) {
    const std::string server = "El servidor " + hostOf(url);
    if (status >= 300 && status < 400) {
        return server + " ha contestado con una redirección (HTTP " + std::to_string(status) +
               ") en lugar del documento.";
    }
    return server + " ha contestado con el error HTTP " + std::to_string(status) +
           " en lugar del documento.";
}

void removeQuietly(const fs::path& path) {
    std::error_code ignored;
    fs::remove(path, ignored);
}

DownloadResult resultOf(DownloadStatus status, fs::path file, const TransferResult& transfer = {}) {
    DownloadResult result;
    result.status = status;
    result.file = std::move(file);
    if (status != DownloadStatus::Ok) {
        result.error = transfer.error;
        result.failure = transfer.failure;
    }
    return result;
}

} // namespace

TransferResult DownloadUrlToFile(Transport& transport, const std::string& url,
                                 const fs::path& filePath, std::uint64_t maxBytes) {
    removeQuietly(filePath);
    TransferResult result = guarded([&] { return transport.download(url, filePath.string()); });
    if (result.ok && largerThan(filePath, maxBytes)) {
        const int status = result.status;
        result = tooLarge(url, maxBytes);
        result.status = status;
    }
    if (!result.ok) {
        removeQuietly(filePath);
    }
    return result;
}

DownloadSession::DownloadSession(Transport& transport, fs::path tempFolder,
                                 const ServiceTable& services)
    : mTransport(transport), mTempFolder(std::move(tempFolder)), mServices(services) {}

DownloadResult DownloadSession::currentConditions(std::string_view icao) {
    return sharedFetch(currentConditionsAddress(mServices, icao), tempfiles::kCurrentConditions);
}

DownloadResult DownloadSession::textListSounding(const StationSelection& selection) {
    return sharedFetch(soundingListAddress(mServices, selection), tempfiles::kSoundingList);
}

DownloadResult DownloadSession::secondServiceSounding(std::string_view stationId,
                                                      int secondServiceDate) {
    return sharedFetch(secondSoundingAddress(mServices, stationId, secondServiceDate),
                       tempfiles::kSecondSounding);
}

DownloadResult DownloadSession::sharedFetch(const std::string& url, const char* fileName) {
    const fs::path file = mTempFolder / fileName;
    // The NOAA pages come by FTP: plain download, no rejection tests, and a
    // page the server does not have is noticed by the reader. Any other
    // failure stops the command here, with its reason.
    if (text::textContains(noaaHostLabel(mServices), url)) {
        const TransferResult result = DownloadUrlToFile(mTransport, url, file, limits::kPageBytes);
        if (result.ok || result.failure == TransferFailure::NotFound) {
            return resultOf(DownloadStatus::Ok, file);
        }
        return resultOf(DownloadStatus::TransferFailed, file, result);
    }
    return httpGetToFile(url, file, Tests::Shared);
}

DownloadResult DownloadSession::queryPage(std::string_view icao) {
    return httpGetToFile(queryPageAddress(mServices, icao), mTempFolder / tempfiles::kQueryPage,
                         Tests::ErrorBodyOnly);
}

DownloadResult DownloadSession::banyeresFile() {
    return httpGetToFile(banyeresAddress(mServices), mTempFolder / tempfiles::kBanyeres,
                         Tests::ErrorBodyOnly);
}

DownloadResult DownloadSession::stationFile(std::string_view icao) {
    const fs::path local = mTempFolder / tempfiles::kStationFile;
    const auto base = splitUrl(stationFileBaseAddress(mServices));
    if (!base || base->scheme != "ftp") {
        return resultOf(DownloadStatus::BadBase, local);
    }
    const std::string server =
        base->explicitPort ? base->host + text::format(":%d", base->port) : base->host;
    removeQuietly(local);
    const std::string remoteFile = std::string(icao) + ".TXT";
    TransferResult result = guarded([&] {
        return mTransport.ftpRetrieve(server, kStationFileDirectory, remoteFile, local.string());
    });
    if (result.ok && largerThan(local, limits::kStationFileBytes)) {
        result = tooLarge("ftp://" + server + "/", limits::kStationFileBytes);
    }
    if (result.ok) {
        return resultOf(DownloadStatus::Ok, local);
    }
    removeQuietly(local);
    switch (result.failure) {
    case TransferFailure::NoSession:
        return resultOf(DownloadStatus::NoSession, local, result);
    case TransferFailure::Connection:
    case TransferFailure::TimedOut:
    case TransferFailure::TooLarge:
    case TransferFailure::Cancelled:
        return resultOf(DownloadStatus::TransferFailed, local, result);
    default:
        return resultOf(DownloadStatus::NoFile, local, result);
    }
}

DownloadResult DownloadSession::httpGetToFile(const std::string& url, const fs::path& filePath,
                                              Tests tests) {
    const auto parts = splitUrl(url);
    if (!parts || (parts->scheme != "http" && parts->scheme != "https")) {
        return resultOf(DownloadStatus::BadAddress, filePath);
    }

    removeQuietly(filePath);
    std::ofstream out(filePath, std::ios::binary | std::ios::trunc);
    if (!out) {
        return resultOf(DownloadStatus::CannotWrite, filePath);
    }

    bool firstRead = true;
    DownloadStatus refusal = DownloadStatus::Ok;
    bool writeFailed = false;
    bool pastLimit = false;
    std::uint64_t received = 0;
    const auto sink = [&](std::string_view read) {
        received += read.size();
        if (received > limits::kPageBytes) {
            pastLimit = true;
            return false;
        }
        out.write(read.data(), static_cast<std::streamsize>(read.size()));
        if (!out) {
            writeFailed = true;
            return false;
        }
        // Error pages arrive with an ordinary status: recognise them by their text.
        if (tests == Tests::Shared && text::textContains(kNotFound, read)) {
            refusal = DownloadStatus::NotFound;
            return false;
        }
        if (firstRead) {
            firstRead = false;
            if (read.substr(0, kErrorBodyStart.size()) == kErrorBodyStart) {
                refusal = DownloadStatus::ErrorPage;
                return false;
            }
        }
        return true;
    };
    TransferResult result =
        guarded([&] { return mTransport.httpGet(url, kRequestHeaders, sink); });
    out.close();
    if (pastLimit) {
        removeQuietly(filePath);
        return resultOf(DownloadStatus::TransferFailed, filePath,
                        tooLarge(url, limits::kPageBytes));
    }

    // Servers of today answer a missing document with status 404 and a body of
    // their own wording.
    if (refusal == DownloadStatus::Ok && !writeFailed && result.ok && tests == Tests::Shared &&
        result.status == 404) {
        refusal = DownloadStatus::NotFound;
    }
    if (refusal != DownloadStatus::Ok) {
        removeQuietly(filePath);
        return resultOf(refusal, filePath);
    }
    if (writeFailed || !out) {
        removeQuietly(filePath);
        return resultOf(DownloadStatus::CannotWrite, filePath);
    }
    if (!result.ok) {
        // A half-written page must not pass for a whole one.
        removeQuietly(filePath);
        return resultOf(DownloadStatus::TransferFailed, filePath, result);
    }
    // An error status other than the 404 handled above, or a redirection the
    // request does not follow: the body is the server's complaint, not the page.
    if (result.status >= 300 && !(tests == Tests::ErrorBodyOnly && result.status == 404)) {
        removeQuietly(filePath);
        TransferResult failed;
        failed.failure = TransferFailure::Other;
        failed.status = result.status;
        failed.error = statusSentence(url, result.status);
        return resultOf(DownloadStatus::TransferFailed, filePath, failed);
    }
    return resultOf(DownloadStatus::Ok, filePath);
}

DownloadResult DownloadSession::serviceAnswer(const std::string& url, std::size_t maxBytes) {
    std::string target;
    DownloadResult first = serviceGet(url, maxBytes, target);
    if (target.empty()) {
        return first;
    }
    // One hop, and only within the service.
    DownloadResult refused;
    refused.status = DownloadStatus::RedirectRefused;
    refused.error = target;
    refused.httpStatus = first.httpStatus;
    refused.address = url;
    if (!redirectAllowed(url, target)) {
        return refused;
    }
    std::string further;
    DownloadResult second = serviceGet(target, maxBytes, further);
    if (!further.empty()) {
        refused.error = further;
        refused.httpStatus = second.httpStatus;
        refused.address = target;
        return refused;
    }
    return second;
}

DownloadResult DownloadSession::serviceGet(const std::string& url, std::size_t maxBytes,
                                           std::string& redirect) {
    redirect.clear();
    DownloadResult result;
    result.address = url;
    const auto parts = splitUrl(url);
    if (!parts || (parts->scheme != "http" && parts->scheme != "https")) {
        result.status = DownloadStatus::BadAddress;
        return result;
    }
    const auto sink = [&](std::string_view read) {
        const std::size_t room = maxBytes + 1 - result.body.size();
        result.body.append(read.substr(0, room));
        return result.body.size() <= maxBytes;
    };
    const TransferResult transfer =
        guarded([&] { return mTransport.httpGet(url, kServiceHeaders, sink); });
    if (!transfer.ok) {
        result.status = DownloadStatus::TransferFailed;
        result.error = transfer.error;
        result.failure = transfer.failure;
        result.body.clear();
        return result;
    }
    result.httpStatus = transfer.status;
    if (transfer.status >= 300 && transfer.status < 400 && !transfer.location.empty()) {
        redirect = redirectTarget(url, transfer.location).value_or(std::string());
    }
    return result;
}

} // namespace brisalta
