// The index and data answers of AEMET OpenData, read with the key matcher.
#include "ema/opendatareader.h"

#include "ema/cparser.h"
#include "ema/opendatavalues.h"
#include "session/sessionstate.h"
#include "weather/timeoffset.h"
#include "text/debuglog.h"
#include "text/format.h"
#include "text/streamreader.h"
#include "text/textutil.h"

#include <string>
#include <system_error>

namespace brisalta {
namespace {

// Keys of the index answer.
enum AnswerKey : int { kDatos = 4, kExito = 6, kCaduca = 7, kInvalido = 8 };

// Keys of the data answer, named after AEMET's fields. Every record starts
// with "idema".
enum RecordKey : int {
    kIdema = 5, // station identifier
    kUbi = 9,   // station name
    kFint = 10, // time of the observation, UTC
    kTa = 11,   // air temperature, °C
    kTpr = 12,  // dew point, °C
    kHr = 13,   // relative humidity, %
    kPres = 14, // station pressure, hPa
    kVv = 15,   // mean wind speed, m/s
    kDv = 16,   // wind direction, degrees
    kAlt = 17,  // station altitude, m
};

// The bytes after a key up to its terminator, which is consumed and not kept,
// or up to the end of the file.
std::string readValue(text::StreamReader& in, char terminator) {
    std::string value;
    for (int c = in.getChar(); c != text::StreamReader::kEof; c = in.getChar()) {
        if (c == static_cast<unsigned char>(terminator)) {
            break;
        }
        value.push_back(static_cast<char>(c));
    }
    return value;
}

void removeIf(bool deleteAfter, const std::filesystem::path& path) {
    if (deleteAfter) {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
    }
}

void clearSlots(GraphSeries& g) {
    g.emaSlotCount = 0;
    g.hasHumiditySeries = false;
    g.hasDewPointSeries = false;
    g.hour.fill(0);
    g.temperature.fill(0);
    g.rawTemperature.fill(0.0);
    g.dewPoint.fill(0);
    g.dewPointSeries.fill(0);
    g.pressure.fill(0);
    g.windSpeed.fill(0);
    g.humiditySeries.fill(0);
    for (auto& direction : g.windDirection) {
        direction.clear();
    }
    g.hasGust = false;
    g.noPressure = false;
    g.noWindSpeed = false;
    g.allCalm = false;
}

template <typename T> void shiftLeft(Slots<T>& slots) {
    for (int i = 0; i + 1 < kSlots; ++i) {
        slots[i] = slots[i + 1];
    }
    slots[kSlots - 1] = T{};
}

// Makes room for a 25th record: every slot moves one place towards the past
// and the oldest record is lost, so that slot 23 keeps the newest hour.
void dropOldestRecord(GraphSeries& g) {
    shiftLeft(g.hour);
    shiftLeft(g.temperature);
    shiftLeft(g.rawTemperature);
    shiftLeft(g.dewPoint);
    shiftLeft(g.dewPointSeries);
    shiftLeft(g.pressure);
    shiftLeft(g.windSpeed);
    shiftLeft(g.humiditySeries);
    shiftLeft(g.windDirection);
}

// Walks the records of a data answer and stores each value in its slot.
class RecordFiller {
public:
    RecordFiller(SessionState& session, std::string_view province)
        : mSession(session), mGraph(session.graph), mProvince(province) {}

    void newRecord() {
        if (++mRecord == kSlots) {
            dropOldestRecord(mGraph);
            mRecord = kSlots - 1;
            ++mDropped;
        }
    }

    void store(int key, const std::string& value) {
        if (mRecord < 0) {
            return; // no record has started: the value belongs to no slot
        }
        const auto r = static_cast<std::size_t>(mRecord);
        switch (key) {
        case kFint:
            storeTime(r, value);
            break;
        case kAlt:
            mGraph.altitudeMetres = text::leadingInteger(value);
            mGraph.pressureIsStation = true;
            mGraph.altitudeKnown = true;
            break;
        case kVv: // m/s to km/h
            mGraph.windSpeed[r] =
                opendata::nearestOrMissing(opendata::leadingNumber(value) * 18 / 5);
            break;
        case kDv:
            if (const auto word = opendata::compassOfDegrees(opendata::leadingNumber(value))) {
                mGraph.windDirection[r] = *word;
            }
            break;
        case kUbi:
            storePlace(value);
            break;
        case kHr: {
            const int h = opendata::truncOrMissing(opendata::leadingNumber(value));
            mGraph.humiditySeries[r] = h;
            mGraph.humidity = h;
            mGraph.hasHumiditySeries = true;
            break;
        }
        case kTa: {
            const double t = opendata::leadingNumber(value);
            mGraph.temperature[r] = opendata::nearestOrMissing(t);
            mGraph.rawTemperature[r] = mGraph.temperature[r] == kMissing ? kMissing : t;
            break;
        }
        case kPres:
            mGraph.pressure[r] = opendata::nearestOrMissing(opendata::leadingNumber(value));
            break;
        case kTpr:
            mGraph.dewPointSeries[r] = opendata::nearestOrMissing(opendata::leadingNumber(value));
            mGraph.hasDewPointSeries = true;
            break;
        default:
            break;
        }
    }

    int recordCount() const { return mRecord + 1; }
    int droppedCount() const { return mDropped; }

private:
    // The hour stays in UTC in its slot; the header date and time are made
    // local, and every record overwrites them, so the last one wins.
    void storeTime(std::size_t r, const std::string& value) {
        const auto time = opendata::parseObservationTime(value);
        if (!time) {
            return; // too short to hold an hour
        }
        mGraph.hour[r] = time->hour;
        mGraph.day = time->day;
        mGraph.month = time->month;
        mGraph.year = time->year;
        mGraph.lastTime = time->hour * 100;
        applyTimeOffset(mGraph.day, mGraph.lastTime, mSession.selection.timeOffsetHours);
    }

    void storePlace(const std::string& value) {
        if (!mTitleTaken) {
            mGraph.title =
                mSession.selection.emaManual ? value : value + " - " + std::string(mProvince);
            mTitleTaken = true;
        }
        mSession.view.emaGraphShown = true;
        mSession.view.graphAvailable = true;
    }

    SessionState& mSession;
    GraphSeries& mGraph;
    std::string_view mProvince;
    int mRecord = -1;
    int mDropped = 0;
    bool mTitleTaken = false;
};

} // namespace

bool ReadOpenDataAnswer(SessionState& session, const std::filesystem::path& path,
                        bool deleteAfter) {
    auto in = text::StreamReader::open(path);
    if (!in) {
        return false;
    }
    CParser parser;
    parser.Add(kDatos, "\"datos\" : \"", nullptr);
    parser.Add(kExito, "exito", nullptr);
    parser.Add(kCaduca, "caduca", nullptr);
    parser.Add(kInvalido, "invalido", nullptr);
    parser.ResetPositions();

    for (int c = in->getChar(); c != text::StreamReader::kEof; c = in->getChar()) {
        switch (parser.ProcessChar(static_cast<char>(c))) {
        case kDatos:
            session.retrieval.openDataDataUrl = readValue(*in, '"');
            break;
        case kExito:
            session.retrieval.openDataSuccess = true;
            break;
        case kCaduca:
            session.retrieval.openDataKeyExpired = true;
            break;
        case kInvalido:
            session.retrieval.openDataKeyInvalid = true;
            break;
        default:
            break;
        }
    }
    removeIf(deleteAfter, path);
    return true;
}

bool ReadOpenDataRecords(SessionState& session, const std::filesystem::path& path, bool deleteAfter,
                         std::string_view province) {
    clearSlots(session.graph);
    auto in = text::StreamReader::open(path);
    if (!in) {
        return false;
    }
    // Keys and the byte that ends their value, in the order they are registered.
    struct Key {
        int id;
        const char* text;
        char terminator;
    };
    static constexpr Key kKeys[] = {
        {kIdema, "\"idema\" : \"", ','}, {kFint, "\"fint\" : \"", '"'}, {kAlt, "\"alt\" : ", ','},
        {kVv, "\"vv\" : ", ','},         {kDv, "\"dv\" : ", ','},       {kUbi, "\"ubi\" : \"", '"'},
        {kHr, "\"hr\" : ", ','},         {kTa, "\"ta\" : ", ','},       {kPres, "\"pres\" : ", ','},
        {kTpr, "\"tpr\" : ", ','},
    };
    CParser parser;
    for (const Key& key : kKeys) {
        parser.Add(key.id, key.text, nullptr);
    }
    parser.ResetPositions();

    RecordFiller filler(session, province);
    for (int c = in->getChar(); c != text::StreamReader::kEof; c = in->getChar()) {
        const int id = parser.ProcessChar(static_cast<char>(c));
        if (id == 0) {
            continue;
        }
        char terminator = ',';
        for (const Key& key : kKeys) {
            if (key.id == id) {
                terminator = key.terminator;
            }
        }
        const std::string value = readValue(*in, terminator);
        if (id == kIdema) {
            filler.newRecord();
        } else {
            filler.store(id, value);
        }
    }
    session.graph.emaSlotCount = filler.recordCount();
    if (filler.droppedCount() > 0) {
        text::debugLog(text::format("ReadOpenDataRecords: %d records beyond the %d slots; the "
                                    "oldest were dropped.\n",
                                    filler.droppedCount(), kSlots));
    }
    removeIf(deleteAfter, path);
    return true;
}

} // namespace brisalta
