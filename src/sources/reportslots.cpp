// Hourly slots from a list of reports.
#include "sources/reportslots.h"

#include "session/numeric.h"
#include "sources/utctime.h"
#include "weather/derived.h"
#include "surface/metardecoder.h"
#include "weather/timeoffset.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace brisalta::sources {
namespace {

constexpr std::int64_t kSecondsPerHour = 3600;
constexpr std::size_t kMaxReportWords = 1000;

bool usableTime(std::int64_t t) {
    return t >= 0 && t <= kLatestInstant;
}

// Views into the report's text, which outlives them.
std::vector<std::string_view> wordsOf(std::string_view raw) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < raw.size() && words.size() < kMaxReportWords) {
        while (i < raw.size() &&
               (raw[i] == ' ' || raw[i] == '\t' || raw[i] == '\r' || raw[i] == '\n')) {
            ++i;
        }
        const std::size_t start = i;
        while (i < raw.size() && raw[i] != ' ' && raw[i] != '\t' && raw[i] != '\r' &&
               raw[i] != '\n') {
            ++i;
        }
        if (i > start) {
            words.push_back(raw.substr(start, i - start));
        }
    }
    return words;
}

bool isTimeGroup(std::string_view word) {
    if (word.size() != 7 || word[6] != 'Z') {
        return false;
    }
    for (std::size_t i = 0; i < 6; ++i) {
        if (word[i] < '0' || word[i] > '9') {
            return false;
        }
    }
    return true;
}

// The groups start after the day-hour-minute group ("291800Z"); a report
// whose station is preceded by another word (COR) has it one place later.
MetarResult decode(const SurfaceReport& report) {
    const std::vector<std::string_view> words = wordsOf(report.raw);
    std::size_t firstWord = 2;
    for (std::size_t i = 0; i < words.size() && i < 4; ++i) {
        if (isTimeGroup(words[i])) {
            firstWord = i + 1;
            break;
        }
    }
    return MetarDecoder::decodeGroups(words, words.size(), firstWord);
}

struct Chosen {
    std::array<std::optional<std::size_t>, kSlots> report; // index into the list per slot
    std::size_t newest = 0;
    std::int64_t newestHour = 0; // start of slot 23's clock hour, UTC seconds
};

std::optional<Chosen> chooseReports(std::span<const SurfaceReport> reports) {
    std::optional<std::size_t> newest;
    for (std::size_t i = 0; i < reports.size(); ++i) {
        if (usableTime(reports[i].observedUtc) &&
            (!newest || reports[i].observedUtc >= reports[*newest].observedUtc)) {
            newest = i;
        }
    }
    if (!newest) {
        return std::nullopt;
    }
    Chosen chosen;
    chosen.newest = *newest;
    chosen.newestHour = hourStartOf(reports[*newest].observedUtc);
    const std::int64_t oldestHour = chosen.newestHour - (kSlots - 1) * kSecondsPerHour;
    for (std::size_t i = 0; i < reports.size(); ++i) {
        const std::int64_t t = reports[i].observedUtc;
        if (!usableTime(t) || hourStartOf(t) < oldestHour) {
            continue;
        }
        const int slot =
            kSlots - 1 - static_cast<int>((chosen.newestHour - hourStartOf(t)) / kSecondsPerHour);
        std::optional<std::size_t>& taken = chosen.report[slot];
        if (!taken || t >= reports[*taken].observedUtc) {
            taken = i;
        }
    }
    return chosen;
}

void storePressure(GraphSeries& graph, int slot, int qnh) {
    if (graph.pressureIsStation) {
        const double station = qnh / stationPressureFactor(graph.altitudeMetres);
        graph.pressure[slot] = truncToInt(station);
    } else {
        graph.pressure[slot] = qnh;
    }
}

void fillSlot(GraphSeries& graph, int slot, const MetarResult& decoded) {
    if (decoded.hasTemperature) {
        graph.temperature[slot] = decoded.temperature;
        graph.dewPoint[slot] = decoded.dewPoint;
    }
    if (decoded.hasWind) {
        graph.windSpeed[slot] = decoded.windSpeedKmh;
        graph.windDirection[slot] = decoded.windDirectionCode.view();
    }
    if (decoded.hasPressure) {
        storePressure(graph, slot, decoded.qnhHpa);
    }
}

// The report pieces the query page keeps for printing, as it keeps them.
void storeSkyReport(GraphSeries& graph, const MetarResult& decoded) {
    storeReportInSeries(decoded, graph);
    graph.visibilityText = decoded.visibilityText;
    graph.trendVisibilityText = decoded.trendVisibilityText;
    graph.variableWindText = decoded.variableWindText;
    graph.trendWindText = decoded.trendWindText;
}

bool plausibleTemperature(int value) {
    return value >= -100 && value <= 100;
}

} // namespace

ReportSlots buildReportSlots(std::span<const SurfaceReport> reports, const SlotRequest& request,
                             const GraphSeries& previous) {
    ReportSlots out;
    out.series = previous;
    const std::optional<Chosen> chosen = chooseReports(reports);
    if (!chosen) {
        out.outcome = SlotOutcome::NoReports;
        return out;
    }
    GraphSeries& graph = out.series;
    graph.noPressure = false;
    graph.noWindSpeed = false;
    graph.allCalm = false;
    graph.hasHumiditySeries = false;
    graph.hasDewPointSeries = false;

    // Newest first, so that the first elevation and name met are the newest.
    std::vector<std::size_t> byAge;
    for (int slot = kSlots - 1; slot >= 0; --slot) {
        if (chosen->report[slot]) {
            byAge.push_back(*chosen->report[slot]);
        }
    }
    std::optional<int> elevation;
    std::string_view sourceName;
    for (const std::size_t i : byAge) {
        if (!elevation && reports[i].elevationMetres) {
            elevation = reports[i].elevationMetres;
        }
        if (sourceName.empty() && !reports[i].stationName.empty()) {
            sourceName = reports[i].stationName;
        }
    }
    graph.pressureIsStation = elevation.has_value();
    graph.altitudeKnown = elevation.has_value();
    if (elevation) {
        graph.altitudeMetres = *elevation;
    }

    clearSlots(graph);
    std::array<std::optional<MetarResult>, kSlots> decoded;
    for (int slot = 0; slot < kSlots; ++slot) {
        const std::int64_t hourStart =
            chosen->newestHour - static_cast<std::int64_t>(kSlots - 1 - slot) * kSecondsPerHour;
        graph.hour[slot] = utcFieldsOf(hourStart).hour;
        if (chosen->report[slot]) {
            decoded[slot] = decode(reports[*chosen->report[slot]]);
            fillSlot(graph, slot, *decoded[slot]);
            ++out.slotsWithReport;
        }
    }

    // The newest report is the one slot 23 took.
    storeSkyReport(graph, *decoded[kSlots - 1]);
    const UtcFields when = utcFieldsOf(reports[chosen->newest].observedUtc);
    graph.year = when.year;
    graph.month = when.month;
    graph.day = when.day;
    graph.lastTime = when.hour * 100 + when.minute;
    applyTimeOffset(graph.day, graph.lastTime, request.timeOffsetHours);

    graph.humidity = 0;
    for (int slot = kSlots - 1; slot >= 0; --slot) {
        const std::optional<MetarResult>& r = decoded[slot];
        if (r && r->hasTemperature && plausibleTemperature(r->temperature) &&
            plausibleTemperature(r->dewPoint)) {
            graph.humidity = relativeHumidity(r->temperature, r->dewPoint);
            break;
        }
    }

    graph.title = !request.catalogueTitle.empty() ? std::string(request.catalogueTitle)
                  : !sourceName.empty()           ? std::string(sourceName)
                                                  : std::string(request.icao);

    out.missing = validateSlots(graph);
    out.outcome = out.missing.enoughForGraph() ? SlotOutcome::Drawn : SlotOutcome::TooFewData;
    return out;
}

} // namespace brisalta::sources
