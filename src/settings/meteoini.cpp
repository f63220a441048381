// Reading and writing "meteo.ini".
#include "settings/meteoini.h"

#include "settings/atomicfile.h"
#include "text/codepage.h"
#include "text/format.h"
#include "text/streamreader.h"
#include "text/textutil.h"

#include <cstring>
#include <fstream>
#include <optional>

namespace brisalta {
namespace {

// A real settings file is a few hundred bytes; reading stops well past that,
// whatever lies in the folder under this name.
constexpr std::size_t kMaxSettingsBytes = 64 * 1024;

constexpr int kMinTimeOffset = -12;
constexpr int kMaxTimeOffset = 12;
constexpr int kDefaultTimeOffset = 1;

std::optional<std::string> readHead(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::string bytes(kMaxSettingsBytes, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad()) {
        return std::nullopt;
    }
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

// The next white-space separated token, cut to `limit` bytes. The rest of a
// longer token is skipped, and a NUL byte ends the text as it would in a C
// string. False when no token is left.
bool readToken(text::StreamReader& in, std::size_t limit, std::string& token) {
    if (!in.readWord(token, limit)) {
        return false;
    }
    while (!in.atEnd() && !text::isScanBlank(in.peekChar())) {
        in.getChar();
    }
    token.resize(::strnlen(token.c_str(), token.size()));
    return true;
}

std::string withBlanks(std::string text) {
    text::replaceAll(text, '_', ' ');
    return text;
}

std::string withUnderscores(std::string text) {
    text::replaceAll(text, ' ', '_');
    return text;
}

} // namespace

void loadSettings(SessionState& session, const std::filesystem::path& iniFile) {
    StationSelection& selection = session.selection;
    const std::optional<std::string> bytes = readHead(iniFile);
    if (!bytes) {
        selection.timeOffsetHours = kDefaultTimeOffset;
        selection.icao = "LEAL";
        selection.country = text::cp1252("ESPAÑA");
        return;
    }

    text::StreamReader in(*bytes);
    int offset = 0;
    if (in.readInt(offset) != text::ScanResult::Converted) {
        return;
    }
    selection.timeOffsetHours =
        offset >= kMinTimeOffset && offset <= kMaxTimeOffset ? offset : kDefaultTimeOffset;

    std::string token;
    if (!readToken(in, kIcaoReadLimit, token)) {
        return;
    }
    selection.icao = token;
    if (!readToken(in, kCountryReadLimit, token)) {
        return;
    }
    selection.country = withBlanks(token);
    if (!readToken(in, kStationIdReadLimit, token)) {
        return;
    }
    selection.soundingStationId = token;
    if (!readToken(in, kStationNameReadLimit, token)) {
        return;
    }
    selection.soundingStationName = withBlanks(token);
    if (!readToken(in, kApiKeyReadLimit, token)) {
        return;
    }
    selection.apiKey = token;
}

bool saveSettings(SessionState& session, const std::filesystem::path& iniFile) {
    StationSelection& selection = session.selection;
    const std::string country = withUnderscores(selection.country.str());
    const std::string stationName = withUnderscores(selection.soundingStationName);
    const std::string line = text::format(
        "%d %s %s %s %s %s", selection.timeOffsetHours, selection.icao.c_str(), country.c_str(),
        selection.soundingStationId.c_str(), stationName.c_str(), selection.apiKey.c_str());
    if (writeFileAtomically(iniFile, line, FileAccess::Private)) {
        return false;
    }
    selection.country = withBlanks(country);
    selection.soundingStationName = withBlanks(stationName);
    return true;
}

} // namespace brisalta
