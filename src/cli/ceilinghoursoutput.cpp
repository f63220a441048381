// "Techo por horas" as JSON and as text.
#include "cli/ceilinghoursoutput.h"

#include "ceilinghours/ceilinghoursgeometry.h"
#include "ceilinghours/ceilinghourspicture.h"
#include "cli/output.h"
#include "text/format.h"
#include "thermo/windprofile.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <string>

namespace brisalta::cli {
namespace {

std::string number(const std::optional<int>& value) {
    return value ? std::to_string(*value) : std::string("null");
}

// Heights are whole metres (the lowest level plus whole grid steps); a
// fraction, should one ever come, keeps its digits.
std::string number(const std::optional<double>& value) {
    if (!value || !std::isfinite(*value)) {
        return "null";
    }
    char buffer[32];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, *value);
    return ec == std::errc() ? std::string(buffer, end) : std::string("null");
}

std::string cell(const std::optional<int>& value) {
    return value ? text::format("%d", *value) : std::string("-");
}

std::string metres(const std::optional<double>& value) {
    return value ? text::format("%.0f", *value) : std::string("-");
}

} // namespace

std::string ceilingHoursJson(const CeilingHours& ceilings) {
    std::string json = "[";
    for (const CeilingHour& h : ceilings.hours) {
        if (json.size() > 1) {
            json += ',';
        }
        json +=
            "{\"hour\":" + std::to_string(h.hour) + ",\"temperature\":" + number(h.temperature) +
            ",\"dewPoint\":" + number(h.dewPoint) + ",\"thermalTop\":" + number(h.thermalTop) +
            ",\"cloudBase\":" + number(h.cloudBase) +
            ",\"topWindSpeed\":" + number(h.topWindSpeed) +
            ",\"topWindDirection\":" + number(h.topWindDirection) +
            ",\"lowerBand\":" + number(h.lowerBand) + ",\"upperBand\":" + number(h.upperBand) + "}";
    }
    return json + "]";
}

void printCeilingHours(std::FILE* stream, const CeilingHoursModel& model) {
    writeText(stream, model.title + "\n");
    writeText(stream, model.soundingLine + "\n");
    writeLine(stream, "Hora  Temp.  Rocío  Techo m  Cúmulos m  Viento en el techo   Con 1 ºC "
                      "menos / más");
    for (const CeilingHour& h : model.ceilings.hours) {
        std::string wind = "-";
        if (h.topWindSpeed && h.topWindDirection) {
            wind = text::format("%d km/h %s", *h.topWindSpeed,
                                std::string(directionAbbreviation(*h.topWindDirection)).c_str());
        }
        std::string band = "-";
        if (h.lowerBand || h.upperBand) {
            band = metres(h.lowerBand) + " / " + metres(h.upperBand);
        }
        writeText(stream, text::format(" %02d  %5s  %5s  %7s  %9s  %-19s  %s\n", h.hour,
                                       cell(h.temperature).c_str(), cell(h.dewPoint).c_str(),
                                       metres(h.thermalTop).c_str(), metres(h.cloudBase).c_str(),
                                       wind.c_str(), band.c_str()));
    }
    if (model.firstStrongSlot) {
        const int hour =
            model.ceilings.hours[static_cast<std::size_t>(*model.firstStrongSlot)].hour;
        writeText(stream, text::format1252("Primera hora con térmicas de más de 1000 m sobre el "
                                           "suelo (%.0f m): las %02d h.\n",
                                           model.ground, hour));
    } else {
        writeText(stream, text::format1252("Ninguna hora con térmicas de más de 1000 m sobre el "
                                           "suelo (%.0f m).\n",
                                           model.ground));
    }
    for (const std::string& note : model.notes) {
        writeText(stream, note + "\n");
    }
    if (!model.warning.empty()) {
        writeText(stream, model.warning + "\n");
    }
}

} // namespace brisalta::cli
