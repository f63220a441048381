// Messages about today's services.
#include "app/sourcemessages.h"

#include "net/urlparts.h"
#include "text/codepage.h"
#include "text/format.h"

namespace brisalta {

std::string transferFailureReason(const DownloadResult& result) {
    switch (result.status) {
    case DownloadStatus::Ok:
        return {};
    case DownloadStatus::BadAddress:
        return text::cp1252("la dirección no es válida");
    case DownloadStatus::RedirectRefused:
        return text::cp1252("redirige a " + result.error + ", que no se sigue");
    default:
        break;
    }
    switch (result.failure) {
    case TransferFailure::Connection:
        return text::cp1252("no se ha podido conectar con el servidor");
    case TransferFailure::TimedOut:
        return text::cp1252("no ha contestado a tiempo");
    default:
        return result.error.empty() ? text::cp1252("error de Internet")
                                    : text::cp1252(result.error);
    }
}

std::string httpStatusReason(int status) {
    return text::format("error HTTP %d", status);
}

std::string hostOf(std::string_view address) {
    const auto parts = splitUrl(address);
    return parts ? parts->host : std::string(address);
}

std::string allSourcesFailedMessage(std::string_view headlineUtf8,
                                    const std::vector<SourceFailure>& failures) {
    std::string message = text::cp1252(headlineUtf8) + ":";
    for (const SourceFailure& f : failures) {
        std::string reason = f.reason;
        while (!reason.empty() && (reason.back() == '.' || reason.back() == ' ')) {
            reason.pop_back();
        }
        message += "\n- " + f.name + " (" + hostOf(f.address) + "): " + reason + ".";
    }
    return message;
}

std::string sourceStatusLine(std::string_view prefixUtf8, const DataSource& source,
                             std::string_view unitUtf8, std::string_view unitsUtf8) {
    return text::cp1252(prefixUtf8) + " " + source.name + " (" + hostOf(source.address) +
           text::format("): %d ", source.reports) +
           text::cp1252(source.reports == 1 ? unitUtf8 : unitsUtf8) + ".";
}

} // namespace brisalta
