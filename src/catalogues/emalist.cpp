// Automatic-station list reader.
#include "catalogues/emalist.h"

#include "ema/cparser.h"
#include "session/sessionstate.h"
#include "text/streamreader.h"

#include <string>

namespace brisalta {
namespace {

enum ListKey : int { kId = 1, kName = 2, kProvince = 3 };

// The bytes up to the next ';' (consumed, not kept) or the end of the file.
std::string readValue(text::StreamReader& in) {
    std::string value;
    for (int c = in.getChar(); c != text::StreamReader::kEof && c != ';'; c = in.getChar()) {
        value.push_back(static_cast<char>(c));
    }
    return value;
}

} // namespace

bool LoadEmaList(SessionState& session, const std::filesystem::path& path) {
    auto in = text::StreamReader::open(path, text::StreamReader::Mode::Binary, kMaxEmaListBytes);
    if (!in) {
        return false;
    }
    CParser parser;
    parser.Add(kId, "ID = ", nullptr);
    parser.Add(kName, "NOMBRE = ", nullptr);
    parser.Add(kProvince, "PROVINCIA = ", nullptr);
    parser.ResetPositions();

    auto& records = session.emaList.records;
    std::size_t current = 0; // the record the next values belong to
    int completed = 0;
    for (int c = in->getChar(); c != text::StreamReader::kEof; c = in->getChar()) {
        const int key = parser.ProcessChar(static_cast<char>(c));
        if (key == 0) {
            continue;
        }
        std::string value = readValue(*in);
        if (current >= records.size()) {
            records.resize(current + 1); // a list longer than the table makes it grow
        }
        CListaEma& record = records[current];
        switch (key) {
        case kId:
            record.id = std::move(value);
            break;
        case kName:
            record.name = std::move(value);
            break;
        default: // PROVINCIA closes the station
            record.province = std::move(value);
            ++completed;
            ++current;
            break;
        }
    }
    if (completed > 0) {
        session.emaList.count = completed;
    }
    return true;
}

} // namespace brisalta
