// The mesonet's delimited answer, column by column name.
#include "sources/iemasosanswer.h"

#include "sources/delimitedtext.h"
#include "sources/utctime.h"
#include "text/codepage.h"

#include <optional>
#include <string>
#include <vector>

namespace brisalta::sources {
namespace {

struct Columns {
    std::optional<std::size_t> station;
    std::optional<std::size_t> valid;
    std::optional<std::size_t> metar;
    std::optional<std::size_t> elevation;
};

Columns columnsOf(const std::vector<std::string>& header) {
    Columns columns;
    for (std::size_t i = 0; i < header.size(); ++i) {
        const std::string name = lowerAscii(trimmed(header[i]));
        std::optional<std::size_t>* slot = name == "station"     ? &columns.station
                                           : name == "valid"     ? &columns.valid
                                           : name == "metar"     ? &columns.metar
                                           : name == "elevation" ? &columns.elevation
                                                                 : nullptr;
        // The first column of a name wins.
        if (slot != nullptr && !slot->has_value()) {
            *slot = i;
        }
    }
    return columns;
}

// The field of a column, trimmed; empty when the row is short or the service
// wrote "M" (missing).
std::string_view fieldOf(const std::vector<std::string>& row, std::optional<std::size_t> column) {
    if (!column || *column >= row.size()) {
        return {};
    }
    const std::string_view value = trimmed(row[*column]);
    return value == "M" ? std::string_view() : value;
}

std::optional<SurfaceReport> reportOf(const std::vector<std::string>& row, const Columns& columns) {
    const std::string_view metar = fieldOf(row, columns.metar);
    if (metar.empty() || metar.size() > kMaxReportBytes) {
        return std::nullopt;
    }
    const std::optional<std::int64_t> valid = parseUtcTimestamp(fieldOf(row, columns.valid));
    if (!valid) {
        return std::nullopt;
    }
    SurfaceReport report;
    report.raw = text::toCp1252(withoutReportType(metar, report.speci));
    if (report.raw.empty()) {
        return std::nullopt;
    }
    report.observedUtc = *valid;
    report.station = text::toCp1252(fieldOf(row, columns.station));
    if (const std::optional<double> elevation = parseNumber(fieldOf(row, columns.elevation))) {
        report.elevationMetres = plausibleElevation(*elevation);
    }
    return report;
}

} // namespace

ReportList readIemAsosAnswer(std::string_view body) {
    ReportList list;
    if (body.size() > kMaxAnswerBytes) {
        list.problem = ReportProblem::TooLarge;
        return list;
    }
    bool headerSeen = false;
    char delimiter = ',';
    Columns columns;
    for (const std::string_view line : splitLines(body)) {
        const std::string_view content = trimmed(line);
        if (content.empty() || content.front() == '#') {
            continue;
        }
        if (!headerSeen) {
            if (content.front() == '<') {
                list.problem = ReportProblem::Unreadable;
                return list;
            }
            delimiter = line.find('\t') != std::string_view::npos ? '\t' : ',';
            columns = columnsOf(splitFields(line, delimiter));
            if (!columns.valid || !columns.metar) {
                list.problem = ReportProblem::UnexpectedShape;
                return list;
            }
            headerSeen = true;
            continue;
        }
        if (std::optional<SurfaceReport> report = reportOf(splitFields(line, delimiter), columns)) {
            list.reports.push_back(std::move(*report));
        }
    }
    list.problem = list.reports.empty() ? ReportProblem::NoReports : ReportProblem::None;
    return list;
}

} // namespace brisalta::sources
