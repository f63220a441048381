// A transport that answers the downloads of one show-graph command from
// documents saved earlier (--pagina, --consulta, --fichero-metar,
// --banyeres) and fails every other request, as if that download had failed.
#pragma once

#include "ports/transport.h"
#include "settings/services.h"

#include <filesystem>
#include <string>

namespace brisalta::cli {

// The saved copies; an empty path means "not given".
struct SavedDocuments {
    std::filesystem::path currentConditionsPage; // the NOAA page of the airport
    std::filesystem::path queryPage;             // the aviation weather METAR query page
    std::filesystem::path stationFile;           // the NOAA per-station METAR file
    std::filesystem::path banyeresFile;          // the Banyeres school station table
};

class SavedTransport : public Transport {
public:
    // The addresses answered are those of `icao` with the hosts of `services`.
    SavedTransport(const ServiceTable& services, std::string icao, SavedDocuments documents);

    TransferResult httpGet(const std::string& url, const std::vector<std::string>& headers,
                           const ReadSink& sink) override;
    TransferResult download(const std::string& url, const std::string& filePath) override;
    TransferResult ftpRetrieve(const std::string& server, const std::string& directory,
                               const std::string& remoteFile,
                               const std::string& localPath) override;

private:
    const ServiceTable& mServices;
    std::string mIcao;
    SavedDocuments mDocuments;
};

} // namespace brisalta::cli
