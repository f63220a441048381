// The data API's JSON answer, read with nlohmann::json.
#include "sources/awcmetaranswer.h"

#include "sources/delimitedtext.h"
#include "sources/utctime.h"
#include "text/codepage.h"

#include <nlohmann/json.hpp>

#include <optional>

namespace brisalta::sources {
namespace {

using nlohmann::json;

// An answer is an array of flat objects with one array of cloud layers
// inside: three levels. Anything nested far deeper is not an answer, and is
// refused before it reaches the parser.
constexpr int kMaxNesting = 32;

bool nestsTooDeep(std::string_view body) {
    int depth = 0;
    bool inString = false;
    bool escaped = false;
    for (const char c : body) {
        if (inString) {
            if (escaped) {
                escaped = false;
            } else if (c == '\\') {
                escaped = true;
            } else if (c == '"') {
                inString = false;
            }
            continue;
        }
        if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            if (++depth > kMaxNesting) {
                return true;
            }
        } else if ((c == ']' || c == '}') && depth > 0) {
            --depth;
        }
    }
    return false;
}

const json* member(const json& object, const char* key) {
    const auto found = object.find(key);
    return found == object.end() ? nullptr : &*found;
}

std::optional<std::string_view> textMember(const json& object, const char* key) {
    const json* value = member(object, key);
    if (value == nullptr || !value->is_string()) {
        return std::nullopt;
    }
    return std::string_view(value->get_ref<const std::string&>());
}

std::optional<std::int64_t> instantOfNumber(double seconds) {
    if (!(seconds >= 0.0 && seconds <= static_cast<double>(kLatestInstant))) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(seconds);
}

// "obsTime" holds seconds since 1970 in both schemas; a timestamp text is
// accepted too, and "reportTime" (the nominal time of the report) stands in
// when "obsTime" is missing.
std::optional<std::int64_t> observationTime(const json& item) {
    if (const json* obs = member(item, "obsTime")) {
        if (obs->is_number()) {
            return instantOfNumber(obs->get<double>());
        }
        if (obs->is_string()) {
            const std::string& text = obs->get_ref<const std::string&>();
            if (const std::optional<double> seconds = parseNumber(text)) {
                return instantOfNumber(*seconds);
            }
            if (const std::optional<std::int64_t> instant = parseUtcTimestamp(text)) {
                return instant;
            }
        }
    }
    if (const std::optional<std::string_view> report = textMember(item, "reportTime")) {
        return parseUtcTimestamp(*report);
    }
    return std::nullopt;
}

std::optional<SurfaceReport> reportOf(const json& item) {
    if (!item.is_object()) {
        return std::nullopt;
    }
    const std::optional<std::string_view> rawOb = textMember(item, "rawOb");
    if (!rawOb || rawOb->size() > kMaxReportBytes) {
        return std::nullopt;
    }
    SurfaceReport report;
    bool speciWord = false;
    report.raw = text::toCp1252(withoutReportType(*rawOb, speciWord));
    const std::optional<std::int64_t> observed = observationTime(item);
    if (report.raw.empty() || !observed) {
        return std::nullopt;
    }
    report.observedUtc = *observed;
    const std::optional<std::string_view> type = textMember(item, "metarType");
    report.speci = speciWord || (type && trimmed(*type) == "SPECI");
    if (const std::optional<std::string_view> id = textMember(item, "icaoId")) {
        report.station = text::toCp1252(trimmed(*id));
    }
    if (const std::optional<std::string_view> name = textMember(item, "name")) {
        report.stationName = text::toCp1252(trimmed(*name));
    }
    if (const json* elev = member(item, "elev"); elev != nullptr && elev->is_number()) {
        report.elevationMetres = plausibleElevation(elev->get<double>());
    }
    return report;
}

} // namespace

ReportList readAwcMetarAnswer(std::string_view body, int httpStatus) {
    ReportList list;
    if (httpStatus == 204 || isBlank(body)) {
        list.problem = ReportProblem::NoReports;
        return list;
    }
    if (body.size() > kMaxAnswerBytes) {
        list.problem = ReportProblem::TooLarge;
        return list;
    }
    if (nestsTooDeep(body)) {
        list.problem = ReportProblem::Unreadable;
        return list;
    }
    try {
        const json answer = json::parse(body.begin(), body.end(), nullptr, false);
        if (answer.is_discarded()) {
            list.problem = ReportProblem::Unreadable;
            return list;
        }
        if (!answer.is_array()) {
            list.problem = ReportProblem::UnexpectedShape;
            return list;
        }
        if (answer.empty()) {
            list.problem = ReportProblem::NoReports;
            return list;
        }
        for (const json& item : answer) {
            if (std::optional<SurfaceReport> report = reportOf(item)) {
                list.reports.push_back(std::move(*report));
            }
        }
    } catch (const json::exception&) {
        // Every access above checks the type first; this only keeps a missed
        // case from leaving the reader as an exception.
        list.reports.clear();
        list.problem = ReportProblem::Unreadable;
        return list;
    }
    list.problem = list.reports.empty() ? ReportProblem::UnexpectedShape : ReportProblem::None;
    return list;
}

} // namespace brisalta::sources
