// Reading and writing "meteo.ini".
#include "settings/meteoini.h"

#include "text/boundedfile.h"

#include "settings/atomicfile.h"
#include "text/codepage.h"
#include "text/streamreader.h"
#include "text/textutil.h"

#include <cstring>
#include <fstream>
#include <optional>
#include <string>

namespace brisalta {
namespace {

// A real settings file is a few hundred bytes; reading stops well past that,
// whatever lies in the folder under this name.
constexpr std::size_t kMaxSettingsBytes = 64 * 1024;

constexpr int kMinTimeOffset = -12;
constexpr int kMaxTimeOffset = 12;
constexpr int kDefaultTimeOffset = 1;

// Only the head of a file past the limit is read; a FIFO is not read at all.
std::optional<std::string> readHead(const std::filesystem::path& path) {
    text::BoundedFile file = text::readFileHead(path, kMaxSettingsBytes);
    if (!file.ok()) {
        return std::nullopt;
    }
    return std::move(file.bytes);
}

// Longest token read before its value is cut: an escaped token may spell each
// byte of its value as three ("%20").
std::size_t rawTokenLimit(std::size_t limit) {
    return 3 * limit + 1;
}

// The next white-space separated token, decoded when it is in the escaped form
// and cut to `limit` bytes. The rest of a longer token is skipped, and a NUL
// byte ends the text as it would in a C string. False when no token is left.
bool readToken(text::StreamReader& in, std::size_t limit, std::string& token) {
    if (!in.readWord(token, rawTokenLimit(limit))) {
        return false;
    }
    while (!in.atEnd() && !text::isScanBlank(in.peekChar())) {
        in.getChar();
    }
    token = decodeSettingsToken(token);
    if (token.size() > limit) {
        token.resize(limit);
    }
    token.resize(::strnlen(token.c_str(), token.size()));
    return true;
}

bool needsEscape(unsigned char c) {
    return c <= 0x20 || c == 0x7F || c == '%' || text::isScanBlank(c);
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
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

std::string encodeSettingsToken(std::string_view value) {
    bool plain = !value.empty() && value.front() != kEscapedTokenMark;
    for (const char c : value) {
        plain = plain && !needsEscape(static_cast<unsigned char>(c));
    }
    if (plain) {
        return std::string(value);
    }
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string token(1, kEscapedTokenMark);
    for (const char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        if (needsEscape(byte) || (token.size() == 1 && c == kEscapedTokenMark)) {
            token += '%';
            token += kHex[byte >> 4];
            token += kHex[byte & 0x0F];
        } else {
            token += c;
        }
    }
    return token;
}

std::string decodeSettingsToken(std::string_view token) {
    if (token.empty() || token.front() != kEscapedTokenMark) {
        return std::string(token);
    }
    std::string value;
    for (std::size_t i = 1; i < token.size(); ++i) {
        if (token[i] == '%' && i + 2 < token.size() && hexValue(token[i + 1]) >= 0 &&
            hexValue(token[i + 2]) >= 0) {
            value += static_cast<char>(hexValue(token[i + 1]) * 16 + hexValue(token[i + 2]));
            i += 2;
        } else {
            value += token[i];
        }
    }
    return value;
}

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
    // Every token is written, an empty one as the mark alone, so that no field
    // can slide into the next one when the file is read back.
    const std::string line =
        std::to_string(selection.timeOffsetHours) + ' ' +
        encodeSettingsToken(selection.icao.view()) + ' ' + encodeSettingsToken(country) + ' ' +
        encodeSettingsToken(selection.soundingStationId) + ' ' + encodeSettingsToken(stationName) +
        ' ' + encodeSettingsToken(selection.apiKey);
    if (writeFileAtomically(iniFile, line, FileAccess::Private)) {
        return false;
    }
    selection.country = withBlanks(country);
    selection.soundingStationName = withBlanks(stationName);
    return true;
}

} // namespace brisalta
