// METAR groups to Spanish sentences, test by test in the program's fixed order.
#include "surface/metardecoder.h"

#include "session/numeric.h"
#include "session/sessionstate.h"
#include "weather/compass.h"
#include "text/codepage.h"
#include "text/format.h"
#include "text/textutil.h"

#include <array>
#include <string_view>

namespace brisalta {
namespace {

using text::charactersOf;
using text::cp1252;
using text::leadingInteger;

// Fixed texts of the report, converted once to the code page of the core.
struct Texts {
    std::string clearSky = cp1252("Cielo despejado \n");
    std::string cavokBody = cp1252(
        "No hay nubes por debajo de 1500 mts, la visibilidad es mayor de 10 km. y no hay "
        "precipitaciones.\n");
    std::string cavokTrend = cp1252(
        "Sin nubes por debajo de 1500 mts, visibilidad es mayor de 10 km. y sin precipitaciones.\n");
    std::string cumulonimbus = cp1252("Presencia de cumulonimbos. \n");
    std::string noChange = cp1252("No se esperan cambios importantes en las próximas 2 horas. \n");
    std::string visibilityOver10 = cp1252("Visibilidad: Mayor de 10 km.\n");
    std::string noCloudsAfterLines = cp1252("No hay presencia de nubes significativas. \n");
    std::string noClouds = cp1252("No hay presencia de nubes significativas.\n");
    std::string trendHeading = cp1252("PREVISIÓN EN LAS PRÓXIMAS 2 HORAS:\n");
};

const Texts& texts() {
    static const Texts instance;
    return instance;
}

struct CloudAmount {
    std::string_view prefix;
    std::string text;
};

const std::array<CloudAmount, 4>& cloudAmounts() {
    static const std::array<CloudAmount, 4> table = {{
        {"FE", cp1252("Capa con algunas nubes aisladas (1/8) ")},
        {"SC", cp1252("Capa con algo de nubosidad (3/8) ")},
        {"BK", cp1252("Capa con bastante nubosidad (6/8) ")},
        {"OV", cp1252("Cielo totalmente cubierto ")},
    }};
    return table;
}

struct Phenomenon {
    std::string_view code;
    std::string text;
};

// Matched on the last two letters of a word, so intensity and descriptor
// prefixes do not matter: -RA, +SHRA, TSRA and FZRA are all rain.
const std::array<Phenomenon, 21>& phenomena() {
    static const std::array<Phenomenon, 21> table = [] {
        const auto line = [](const char* name) {
            return cp1252(std::string("Otros fenómenos de interés: ") + name + " \n");
        };
        return std::array<Phenomenon, 21>{{
            {"DZ", line("Llovizna.")},
            {"RA", line("Lluvia.")},
            {"SN", line("Nieve.")},
            {"GR", line("Granizo.")},
            {"SQ", line("Chubascos.")},
            {"GS", line("Granizo pequeño.")},
            {"IC", line("Nieve brillante.")},
            {"PE", line("Granizo pequeño.")},
            {"BR", line("Neblina.")},
            {"FG", line("Niebla.")},
            {"FU", line("Humo.")},
            {"HZ", line("Bruma.")},
            {"VA", line("Cenizas volcánicas.")},
            {"DU", line("Presencia de polvo.")},
            {"SA", line("Presencia de arena.")},
            {"SS", line("Tormenta de arena.")},
            {"DS", line("Tormenta de polvo.")},
            {"FC", line("Tornado en las cercanías.")},
            {"HR", line("Lluvia racheada.")},
            {"FZ", line("Heladas.")},
            {"TS", line("Tormenta con rayos.")},
        }};
    }();
    return table;
}

// Character at a 1-based position; beyond the end of the word it is absent.
char charAt(std::string_view word, std::size_t position) {
    return position >= 1 && position <= word.size() ? word[position - 1] : '\0';
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Characters a..b of a word as a number.
int numberAt(std::string_view word, std::size_t first, std::size_t last) {
    return leadingInteger(charactersOf(word, first, last));
}

enum class WindUnit { Knots, KilometresPerHour, MetresPerSecond };

int toKmh(int value, WindUnit unit) {
    switch (unit) {
    case WindUnit::Knots:
        return truncToInt(value * 1.852);
    case WindUnit::MetresPerSecond:
        return truncToInt(value * 3.6);
    case WindUnit::KilometresPerHour:
        break;
    }
    return value;
}

// Positions of the speed and gust digits for a wind word of a given length. The
// km/h and m/s suffixes are one character longer than KT, so their table is the
// knots table shifted by one.
struct WindLayout {
    std::size_t speedFirst, speedLast;
    std::size_t gustFirst = 0, gustLast = 0; // 0: no gust
};

WindLayout windLayout(std::size_t length, WindUnit unit) {
    const std::size_t n = unit == WindUnit::Knots ? length : (length >= 1 ? length - 1 : 0);
    if (n >= 12) {
        return {4, 6, 8, 10};
    }
    if (n == 11) {
        return {4, 5, 7, 9};
    }
    if (n == 10) {
        return {4, 5, 7, 8};
    }
    if (n == 8 || n == 9) {
        return {4, 6};
    }
    return {4, 5};
}

class Decoder {
public:
    // Words are std::string or std::string_view; the decoder only looks at them.
    template <typename Word>
    MetarResult run(std::span<const Word> words, std::size_t count, std::size_t firstWord);

private:
    void decodeWord(std::string_view word);
    std::string& bodyOr(std::string& body) { return mInTrend ? mResult.trendText : body; }
    void assemble();

    MetarResult mResult;
    bool mInTrend = false;
    bool mCloudSeen = false;
    bool mLineSeen = false;
    bool mBodyWindSet = false;  // the first non-variable body wind word was met
    bool mBodyVariable = false; // the body wind is variable
    int mBodyDirection = 0;
    int mTrendDirection = 0;
};

template <typename Word>
MetarResult Decoder::run(std::span<const Word> words, std::size_t count, std::size_t firstWord) {
    if (count > words.size()) {
        count = words.size();
    }
    if (count <= firstWord) {
        mResult.skyText = texts().noClouds;
        assemble();
        return mResult;
    }
    for (std::size_t i = firstWord; i < count; ++i) {
        std::string_view word = words[i];
        // A four-character tag glued to the last group of a web page ("<BR>").
        if (word.size() >= 4 && word[word.size() - 4] == '<') {
            word = word.substr(0, word.size() - 4);
        }
        decodeWord(word);
    }
    if (!mCloudSeen) {
        mResult.skyText = mLineSeen ? texts().noCloudsAfterLines : texts().noClouds;
    }
    assemble();
    return mResult;
}

void Decoder::decodeWord(std::string_view word) {
    const Texts& t = texts();
    MetarResult& r = mResult;

    // a. Clear sky.
    if (word.starts_with("SK")) {
        bodyOr(r.skyText) += t.clearSky;
        mCloudSeen = true;
    }

    // b. Cloud layers: amount letters, then the base in hundreds of feet.
    for (const CloudAmount& amount : cloudAmounts()) {
        if (word.starts_with(amount.prefix)) {
            const int metres = truncToInt(numberAt(word, 4, 6) * 30.48);
            bodyOr(r.skyText) +=
                amount.text + text::format("a %d mts. de altura (sobre el suelo).\n", metres);
            mCloudSeen = true;
            break;
        }
    }

    // c. Weather phenomena, by the last two letters.
    if (word.size() >= 2) {
        const std::string_view lastTwo = word.substr(word.size() - 2);
        for (const Phenomenon& phenomenon : phenomena()) {
            if (lastTwo == phenomenon.code) {
                bodyOr(r.weatherText) += phenomenon.text;
                mLineSeen = true;
                break;
            }
        }
    }

    // d. CAVOK (it does not count as a cloud word).
    if (word == "CAVOK") {
        if (mInTrend) {
            r.trendText += t.cavokTrend;
        } else {
            r.weatherText += t.cavokBody;
        }
        mLineSeen = true;
    }

    // e. Cumulonimbus and towering cumulus.
    if (word.ends_with("CB") || word.ends_with("TCU")) {
        bodyOr(r.weatherText) += t.cumulonimbus;
        mLineSeen = true;
    }

    // f. No significant change, body and trend alike.
    if (word.starts_with("NOS")) {
        r.weatherText += t.noChange;
        mLineSeen = true;
    }

    // g. Trend marker: the rest of the report is the forecast part.
    if (word == "TEMPO" || word == "BECMG") {
        mInTrend = true;
    }

    // h. Variable wind direction, dddVddd, leading zeros kept.
    if (isDigit(charAt(word, 1)) && isDigit(charAt(word, 2)) && isDigit(charAt(word, 3)) &&
        charAt(word, 4) == 'V' && isDigit(charAt(word, 5)) && isDigit(charAt(word, 6)) &&
        isDigit(charAt(word, 7))) {
        r.variableWindText =
            text::format1252("El viento varía entre los %c%c%c y los %c%c%c grados.\n", word[0],
                             word[1], word[2], word[4], word[5], word[6]);
    }

    // i. Visibility: any word of exactly four digits.
    if (word.size() == 4 && isDigit(word[0]) && isDigit(word[1]) && isDigit(word[2]) &&
        isDigit(word[3])) {
        const int metres = leadingInteger(word);
        std::string line =
            metres == 9999 ? t.visibilityOver10 : text::format("Visibilidad: %d mts.\n", metres);
        (mInTrend ? r.trendVisibilityText : r.visibilityText) = std::move(line);
        mLineSeen = true;
    }

    // j. Wind, in knots, km/h or m/s.
    WindUnit unit{};
    bool isWind = true;
    if (word.ends_with("KT")) {
        unit = WindUnit::Knots;
    } else if (word.ends_with("KPH")) {
        unit = WindUnit::KilometresPerHour;
    } else if (word.ends_with("MPS")) {
        unit = WindUnit::MetresPerSecond;
    } else {
        isWind = false;
    }
    if (isWind) {
        if (word[0] == 'V') {
            // VRB: in the body it always replaces the wind; in the trend it is ignored.
            if (!mInTrend) {
                mBodyVariable = true;
                r.windSpeedKmh = toKmh(numberAt(word, 4, 5), unit);
                r.hasWind = true;
            }
        } else {
            const WindLayout layout = windLayout(word.size(), unit);
            const int direction = numberAt(word, 1, 3);
            const int speed = toKmh(numberAt(word, layout.speedFirst, layout.speedLast), unit);
            const bool gust = layout.gustFirst != 0;
            const int gustSpeed = gust ? toKmh(numberAt(word, layout.gustFirst, layout.gustLast), unit) : 0;
            if (!mInTrend && !mBodyWindSet) {
                mBodyWindSet = true;
                mBodyVariable = false;
                mBodyDirection = direction;
                r.windSpeedKmh = speed;
                r.hasGust = gust;
                if (gust) {
                    r.gustKmh = gustSpeed;
                }
            } else {
                mTrendDirection = direction;
                r.trendWindSpeedKmh = speed;
                r.trendHasGust = gust;
                if (gust) {
                    r.trendGustKmh = gustSpeed;
                }
                r.hasTrendWind = true;
            }
            r.hasWind = true;
        }
    }

    // k. Direction naming after every word.
    if (!mInTrend) {
        r.windDirectionCode = mBodyVariable
                                  ? std::string_view("Variable")
                                  : compass::abbreviationOfDegrees(mBodyDirection, r.windSpeedKmh);
    }

    // l. Trend wind sentence.
    if (r.hasTrendWind) {
        const std::string name = compass::spanishName(
            compass::abbreviationOfDegrees(mTrendDirection, r.trendWindSpeedKmh));
        r.trendWindText =
            r.trendHasGust
                ? text::format1252("Viento: %d km/h %s con posibles ráfagas de %d km/h.",
                                   r.trendWindSpeedKmh, name.c_str(), r.trendGustKmh)
                : text::format("Viento: %d km/h %s", r.trendWindSpeedKmh, name.c_str());
    }

    // m. Pressure: QNH in hPa, or altimeter in hundredths of an inch of mercury.
    if (word.size() >= 2 && word[0] == 'Q' && isDigit(word[1])) {
        r.qnhHpa = leadingInteger(word.substr(1));
        r.hasPressure = true;
    } else if (word.size() >= 5 && word[0] == 'A' && isDigit(word[1])) {
        r.qnhHpa = truncToInt(leadingInteger(word.substr(1)) * 0.3386);
        r.hasPressure = true;
    }

    // n. Temperature and dew point: the first word holding a slash, once.
    if (!r.hasTemperature && word.find('/') != std::string_view::npos) {
        r.temperature = charAt(word, 1) == 'M' ? -numberAt(word, 2, 3) : numberAt(word, 1, 2);
        if (charAt(word, 4) == 'M') {
            r.dewPoint = -numberAt(word, 5, 6);
        } else if (charAt(word, 5) == 'M') {
            r.dewPoint = -numberAt(word, 6, 7);
        } else {
            r.dewPoint = numberAt(word, 4, 5);
        }
        r.hasTemperature = true;
    }
}

void Decoder::assemble() {
    MetarResult& r = mResult;
    r.hasTrend = mInTrend;
    r.report = r.visibilityText + r.variableWindText + r.skyText + r.weatherText;
    if (r.hasTrend) {
        r.report += texts().trendHeading + r.trendVisibilityText + r.trendText + r.trendWindText;
    }
}

} // namespace

MetarResult MetarDecoder::decodeGroups(std::span<const std::string> words, std::size_t wordCount,
                                       std::size_t firstWord) {
    return Decoder().run(words, wordCount, firstWord);
}

MetarResult MetarDecoder::decodeGroups(std::span<const std::string_view> words, std::size_t wordCount,
                                       std::size_t firstWord) {
    return Decoder().run(words, wordCount, firstWord);
}

void storeReportInSeries(const MetarResult& result, GraphSeries& series) {
    series.skyReport = result.report;
    series.hasTrend = result.hasTrend;
    series.skyText = result.skyText;
    series.hasGust = result.hasGust;
    series.gustSpeed = result.hasGust ? result.gustKmh : 0;
}

} // namespace brisalta
