// brisalta-cli metar: decodes METAR reports, from the command line or one per
// line of standard input.
#include "cli/arguments.h"
#include "cli/output.h"
#include "cli/subcommands.h"

#include "surface/metardecoder.h"
#include "text/codepage.h"
#include "text/format.h"

#include <QJsonObject>

#include <array>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace brisalta::cli {
namespace {

constexpr const char* kHelp =
    "Uso: brisalta-cli metar [--desde N] [--json] [--] [PALABRA...]\n"
    "\n"
    "Descodifica un parte METAR y escribe el informe del cielo y de los fenómenos\n"
    "en español, tal como lo muestra Brisalta tras dibujar la gráfica, seguido de\n"
    "una línea con el viento, la temperatura, el punto de rocío y el QNH.\n"
    "\n"
    "Las palabras del parte se dan como argumentos: primero el indicativo de la\n"
    "estación y el grupo día-hora-minuto. Las opciones van delante del parte:\n"
    "desde el indicativo, toda palabra es del parte, también las que empiezan\n"
    "por '-' (-TSRA) o '+' (+SHRA); «--» marca además dónde empieza. Sin\n"
    "palabras, se lee un parte por cada línea de la entrada estándar; una línea\n"
    "de más de 4096 bytes no es un parte: se avisa, se omite y la orden sale\n"
    "con 1.\n"
    "\n"
    "Opciones:\n"
    "  --desde N   índice (desde 0) de la primera palabra que se descodifica,\n"
    "              la que sigue al grupo día-hora-minuto; por omisión, 2\n"
    "  --json      un objeto JSON por parte, en una línea, con los campos del\n"
    "              resultado (visibilityText, skyText, windSpeedKmh, report...)\n"
    "  -h, --help  muestra esta ayuda\n"
    "\n"
    "Ejemplos:\n"
    "  brisalta-cli metar LEMD 291800Z 22010KT CAVOK 35/07 Q1012 NOSIG\n"
    "  brisalta-cli metar --json LEMD 291800Z 27010KT 6000 -TSRA FEW030CB 30/18 Q1010\n";

QJsonObject toJson(const MetarResult& r) {
    QJsonObject o;
    o.insert("visibilityText", toQString(r.visibilityText));
    o.insert("variableWindText", toQString(r.variableWindText));
    o.insert("skyText", toQString(r.skyText));
    o.insert("weatherText", toQString(r.weatherText));
    o.insert("trendVisibilityText", toQString(r.trendVisibilityText));
    o.insert("trendText", toQString(r.trendText));
    o.insert("trendWindText", toQString(r.trendWindText));
    o.insert("hasTrend", r.hasTrend);
    o.insert("hasWind", r.hasWind);
    o.insert("windDirectionCode", toQString(r.windDirectionCode.str()));
    o.insert("windSpeedKmh", r.windSpeedKmh);
    o.insert("hasGust", r.hasGust);
    o.insert("gustKmh", r.gustKmh);
    o.insert("hasTrendWind", r.hasTrendWind);
    o.insert("trendWindSpeedKmh", r.trendWindSpeedKmh);
    o.insert("trendHasGust", r.trendHasGust);
    o.insert("trendGustKmh", r.trendGustKmh);
    o.insert("hasTemperature", r.hasTemperature);
    o.insert("temperature", r.temperature);
    o.insert("dewPoint", r.dewPoint);
    o.insert("hasPressure", r.hasPressure);
    o.insert("qnhHpa", r.qnhHpa);
    o.insert("report", toQString(r.report));
    return o;
}

// One line with the values the graph takes for its latest hour.
std::string summaryLine(const MetarResult& r) {
    std::string wind = "-";
    if (r.hasWind) {
        wind = r.windDirectionCode.str() + " " + std::to_string(r.windSpeedKmh) + " km/h";
        if (r.hasGust) {
            wind += " (ráfagas de " + std::to_string(r.gustKmh) + " km/h)";
        }
    }
    const auto degrees = [&](int value) {
        return r.hasTemperature ? std::to_string(value) + " ºC" : std::string("-");
    };
    const std::string qnh = r.hasPressure ? std::to_string(r.qnhHpa) + " hPa" : std::string("-");
    return "Viento: " + wind + ". Temperatura: " + degrees(r.temperature) +
           ". Punto de rocío: " + degrees(r.dewPoint) + ". QNH: " + qnh + ".";
}

void printResult(const MetarResult& r, bool json, bool separate) {
    if (json) {
        writeJson(stdout, toJson(r));
        return;
    }
    if (separate) {
        std::fputc('\n', stdout);
    }
    writeText(stdout, r.report);
    if (!r.report.empty() && r.report.back() != '\n') {
        std::fputc('\n', stdout);
    }
    writeLine(stdout, summaryLine(r));
}

// The longest line taken as a report: a real METAR is under 200 bytes.
constexpr std::size_t kMaxReportLine = 4096;

// One line of standard input, at most kMaxReportLine bytes kept; the rest of
// a longer line is read and dropped, so memory stays flat whatever arrives.
// False at the end of the input (or when a signal interrupts the read).
bool readReportLine(std::FILE* in, std::string& line, bool& tooLong) {
    line.clear();
    tooLong = false;
    char piece[1024];
    bool any = false;
    while (std::fgets(piece, sizeof piece, in)) {
        any = true;
        std::size_t length = std::strlen(piece);
        const bool ends = length > 0 && piece[length - 1] == '\n';
        if (ends) {
            --length;
        }
        if (line.size() + length <= kMaxReportLine) {
            line.append(piece, length);
        } else {
            tooLong = true;
        }
        if (ends) {
            break;
        }
    }
    return any;
}

// The words of a line, as views into it: split at the blanks of the C
// locale, as a stream read of words would split them.
std::vector<std::string_view> splitWords(std::string_view line) {
    const auto blank = [](char c) {
        return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
    };
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && blank(line[i])) {
            ++i;
        }
        const std::size_t start = i;
        while (i < line.size() && !blank(line[i])) {
            ++i;
        }
        if (i > start) {
            words.push_back(line.substr(start, i - start));
        }
    }
    return words;
}

} // namespace

int runMetar(std::span<const std::string> args) {
    static const std::array<OptionSpec, 4> specs = {{
        {"--desde", 1}, {"--json", 0}, {"-h", 0}, {"--help", 0}}};
    // Options come before the report: from the station on, every word
    // (intensities "-TSRA", "+SHRA" included) belongs to it.
    const Arguments parsed(args, specs, OptionPlace::BeforePositional);
    if (const auto done = finishIfUsage("metar", parsed, {kHelp})) {
        return *done;
    }
    int firstWord = 2;
    if (parsed.has("--desde") && (!parseInt(parsed.value("--desde"), firstWord) || firstWord < 0)) {
        writeLine(stderr, "brisalta-cli metar: --desde necesita un número entero no negativo");
        return kExitUsage;
    }
    const bool json = parsed.has("--json");
    const auto decode = [&](const std::vector<std::string>& words) {
        // Reports reach the tool as UTF-8; the decoder works on the code page.
        std::vector<std::string> converted;
        converted.reserve(words.size());
        for (const std::string& word : words) {
            converted.push_back(text::toCp1252(word));
        }
        return MetarDecoder::decodeGroups(converted, converted.size(),
                                          static_cast<std::size_t>(firstWord));
    };

    if (!parsed.positional().empty()) {
        printResult(decode(parsed.positional()), json, false);
        return kExitOk;
    }
    std::string line;
    bool first = true;
    bool skipped = false;
    bool tooLong = false;
    for (std::size_t number = 1; readReportLine(stdin, line, tooLong); ++number) {
        if (tooLong) {
            writeLine(stderr, "brisalta-cli metar: la línea " + std::to_string(number) +
                                  " tiene más de " + std::to_string(kMaxReportLine) +
                                  " bytes y no es un parte; se omite");
            skipped = true;
            continue;
        }
        // Converted once per line; the words are views into it.
        const std::string converted = text::toCp1252(line);
        const std::vector<std::string_view> words = splitWords(converted);
        if (words.empty()) {
            continue;
        }
        printResult(MetarDecoder::decodeGroups(words, words.size(), static_cast<std::size_t>(firstWord)),
                    json, !first);
        first = false;
    }
    return skipped ? kExitFailure : kExitOk;
}

} // namespace brisalta::cli
