// One METAR or SPECI report as today's surface services deliver it, and the
// list a reader returns with the reason when it returns nothing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brisalta::sources {

// Answers beyond this size are refused unread: a day of reports of one
// airport takes a few tens of kilobytes.
inline constexpr std::size_t kMaxAnswerBytes = 4 * 1024 * 1024;

// A report text longer than this is not a METAR; such an entry is passed over.
inline constexpr std::size_t kMaxReportBytes = 1024;

// Observation times lie between 1970-01-01 and 9999-12-31 23:59:59 UTC; the
// readers pass over entries outside, and so does the slot builder.
inline constexpr std::int64_t kLatestInstant = 253402300799;

struct SurfaceReport {
    std::string raw;              // "LEMD 291800Z 22010KT ...", without a leading "METAR "/"SPECI "
    std::int64_t observedUtc = 0; // observation time, seconds since 1970-01-01 UTC
    bool speci = false;           // an unscheduled report (SPECI)
    std::string station; // the station identifier the source gives ("LEMD", "CVG"), may be empty
    std::string stationName; // the source's name of the station, Windows-1252, may be empty
    std::optional<int> elevationMetres; // station elevation when the source gives it
};

enum class ReportProblem {
    None,            // at least one report
    NoReports,       // an empty answer, a 204, an empty list or only rows without a report
    Unreadable,      // not JSON / not a table at all (an HTML error page, garbage)
    UnexpectedShape, // readable, but not the list of reports expected (fields or columns missing)
    TooLarge,        // larger than kMaxAnswerBytes
};

struct ReportList {
    std::vector<SurfaceReport> reports; // in the order of the answer
    ReportProblem problem = ReportProblem::NoReports;
};

// The report text without a leading "METAR " or "SPECI " (and the blanks
// around it); `speci` is set when the word was SPECI.
std::string withoutReportType(std::string_view raw, bool& speci);

// A station elevation in metres rounded half away from zero, or nothing when
// it is not a plausible height of an airport (below −500 m or above 9000 m).
std::optional<int> plausibleElevation(double metres);

} // namespace brisalta::sources
