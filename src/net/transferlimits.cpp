// Size limits of the downloaded documents and their message.
#include "net/transferlimits.h"

namespace brisalta::limits {

std::string sizeText(std::uint64_t bytes) {
    if (bytes >= kMiB && bytes % kMiB == 0) {
        return std::to_string(bytes / kMiB) + " MiB";
    }
    if (bytes >= kKiB && bytes % kKiB == 0) {
        return std::to_string(bytes / kKiB) + " KiB";
    }
    return std::to_string(bytes) + " bytes";
}

std::string tooLargeSentence(const std::string& host, std::uint64_t limit) {
    return "La respuesta del servidor " + host + " es demasiado grande (más de " + sizeText(limit) +
           "): no se ha leído.";
}

} // namespace brisalta::limits
