// The METAR decoder: every test of the word list, its texts and its order, the
// routing between body and trend, and its literal handling of odd words.
#include "surface/metardecoder.h"

#include "session/sessionstate.h"
#include "text/codepage.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace brisalta {
namespace {

std::vector<std::string> wordsOf(const std::string& report) {
    std::vector<std::string> words;
    std::istringstream in(text::toCp1252(report));
    std::string w;
    while (in >> w) {
        words.push_back(w);
    }
    return words;
}

MetarResult decode(const std::string& report, std::size_t firstWord = 2) {
    const auto words = wordsOf(report);
    return MetarDecoder::decodeGroups(words, words.size(), firstWord);
}

std::string utf8(const std::string& cp1252) { return text::toUtf8(cp1252); }

const std::string kNoCloudsAfterLines = "No hay presencia de nubes significativas. \n";
const std::string kNoClouds = "No hay presencia de nubes significativas.\n";
const std::string kCavok =
    "No hay nubes por debajo de 1500 mts, la visibilidad es mayor de 10 km. y no hay "
    "precipitaciones.\n";
const std::string kNoSig = "No se esperan cambios importantes en las próximas 2 horas. \n";
const std::string kTrend = "PREVISIÓN EN LAS PRÓXIMAS 2 HORAS:\n";

TEST(MetarDecoder, DecodesTheCavokNosigReport) {
    const MetarResult r = decode("LEMD 291800Z 22010KT CAVOK 35/07 Q1012 NOSIG");
    EXPECT_EQ(r.visibilityText, "");
    EXPECT_EQ(utf8(r.weatherText), kCavok + kNoSig);
    EXPECT_EQ(r.skyText, kNoCloudsAfterLines);
    EXPECT_EQ(r.windDirectionCode, "SW");
    EXPECT_EQ(r.windSpeedKmh, 18);
    EXPECT_TRUE(r.hasWind);
    EXPECT_FALSE(r.hasGust);
    EXPECT_EQ(r.temperature, 35);
    EXPECT_EQ(r.dewPoint, 7);
    EXPECT_TRUE(r.hasTemperature);
    EXPECT_EQ(r.qnhHpa, 1012);
    EXPECT_TRUE(r.hasPressure);
    EXPECT_FALSE(r.hasTrend);
    EXPECT_EQ(utf8(r.report), kNoCloudsAfterLines + kCavok + kNoSig);
}

// Purpose: speed and gust positions per suffix and length, unit conversion, naming.
TEST(MetarDecoder, DecodesWindGroups) {
    struct Case {
        const char* word;
        const char* code;
        int speed;
        bool gust;
        int gustKmh;
    };
    const Case cases[] = {
        {"VRB03KT", "Variable", 5, false, 0},
        {"00000KT", "Calm", 0, false, 0},
        {"27015G25KT", "W", 27, true, 46},
        {"09010MPS", "E", 36, false, 0},
        {"18020KPH", "S", 20, false, 0},
        {"010100KT", "N", 185, false, 0},       // 8 chars: speed 4-6
        {"36005KT", "N", 9, false, 0},          // 349 and above is N
        {"00003KT", "N", 5, false, 0},          // N, not Calm, once it blows
        {"350100G120KT", "N", 185, true, 222},  // 12 chars: 4-6, 8-10
        {"24010G100KT", "WSW", 18, true, 185},  // 11 chars: 4-5, 7-9
        {"12010G15MPS", "ESE", 36, true, 54},   // MPS, 11 chars: 4-5, 7-8
        {"200120KPH", "SSW", 120, false, 0},    // KPH, 9 chars: 4-6
        {"/////KT", "Calm", 0, false, 0},
        {"34012KT", "NNW", 22, false, 0},
        {"06008KT", "ENE", 14, false, 0},
        {"14006KT", "SE", 11, false, 0},
    };
    for (const Case& c : cases) {
        const MetarResult r = decode(std::string("XXXX 011200Z ") + c.word);
        EXPECT_TRUE(r.hasWind) << c.word;
        EXPECT_EQ(r.windDirectionCode, c.code) << c.word;
        EXPECT_EQ(r.windSpeedKmh, c.speed) << c.word;
        EXPECT_EQ(r.hasGust, c.gust) << c.word;
        if (c.gust) {
            EXPECT_EQ(r.gustKmh, c.gustKmh) << c.word;
        }
    }
}

TEST(MetarDecoder, IgnoresWordsWithOtherWindSuffixes) {
    const MetarResult r = decode("XXXX 011200Z 27015KMH");
    EXPECT_FALSE(r.hasWind);
    EXPECT_EQ(r.windDirectionCode, "Calm"); // named from the empty body wind
}

// Purpose: visibility is any four-digit word; the last one wins.
TEST(MetarDecoder, ReadsVisibility) {
    struct Case {
        const char* words;
        const char* expected;
    };
    const Case cases[] = {
        {"0800", "Visibilidad: 800 mts.\n"},
        {"9999", "Visibilidad: Mayor de 10 km.\n"},
        {"10000", ""},
        {"800", ""},
        {"4000 1200", "Visibilidad: 1200 mts.\n"},
        {"12AB", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(decode(std::string("XXXX 011200Z ") + c.words).visibilityText, c.expected)
            << c.words;
    }
}

// Purpose: the first word with a slash is the temperature group, whatever it is.
TEST(MetarDecoder, ReadsTheFirstSlashWordAsTemperature) {
    struct Case {
        const char* words;
        int temperature;
        int dewPoint;
    };
    const Case cases[] = {
        {"M05/M07", -5, -7},
        {"12/M01", 12, -1},
        {"25/12", 25, 12},
        {"M02/M05", -2, -5},
        {"R18L/1000U 12/08", 0, 0},
        {"R36/1200 15/10", 0, 0},
        {"//////", 0, 0},
        {"5/3", 5, 0},
        {"07/", 7, 0},
        {"M/", 0, 0},
    };
    for (const Case& c : cases) {
        const MetarResult r = decode(std::string("XXXX 011200Z ") + c.words);
        EXPECT_TRUE(r.hasTemperature) << c.words;
        EXPECT_EQ(r.temperature, c.temperature) << c.words;
        EXPECT_EQ(r.dewPoint, c.dewPoint) << c.words;
    }
}

TEST(MetarDecoder, ReadsQnhAndAltimeter) {
    struct Case {
        const char* word;
        bool found;
        int qnh;
    };
    const Case cases[] = {
        {"Q1012", true, 1012}, {"A2992", true, 1013}, {"A3012", true, 1019},
        {"Q////", false, 0},   {"AUTO", false, 0},    {"A299", false, 0},
        {"Q0998", true, 998},
    };
    for (const Case& c : cases) {
        const MetarResult r = decode(std::string("XXXX 011200Z ") + c.word);
        EXPECT_EQ(r.hasPressure, c.found) << c.word;
        EXPECT_EQ(r.qnhHpa, c.qnh) << c.word;
    }
}

// Purpose: cloud amounts, heights in metres, and the lines one word can give.
TEST(MetarDecoder, WritesCloudAndWeatherLines) {
    struct Case {
        const char* word;
        const char* sky;
        const char* weather;
    };
    const Case cases[] = {
        {"BKN020", "Capa con bastante nubosidad (6/8) a 609 mts. de altura (sobre el suelo).\n", ""},
        {"FEW020CB", "Capa con algunas nubes aisladas (1/8) a 609 mts. de altura (sobre el suelo).\n",
         "Presencia de cumulonimbos. \n"},
        {"SCT035TCU", "Capa con algo de nubosidad (3/8) a 1066 mts. de altura (sobre el suelo).\n",
         "Presencia de cumulonimbos. \n"},
        {"OVC008", "Cielo totalmente cubierto a 243 mts. de altura (sobre el suelo).\n", ""},
        {"FEW///", "Capa con algunas nubes aisladas (1/8) a 0 mts. de altura (sobre el suelo).\n", ""},
        {"SKC", "Cielo despejado \n", ""},
        {"-RA", "No hay presencia de nubes significativas. \n", "Otros fenómenos de interés: Lluvia. \n"},
        {"+SHRA", "No hay presencia de nubes significativas. \n", "Otros fenómenos de interés: Lluvia. \n"},
        {"TSRA", "No hay presencia de nubes significativas. \n", "Otros fenómenos de interés: Lluvia. \n"},
        {"VCTS", "No hay presencia de nubes significativas. \n",
         "Otros fenómenos de interés: Tormenta con rayos. \n"},
        {"BR", "No hay presencia de nubes significativas. \n", "Otros fenómenos de interés: Neblina. \n"},
        {"PE", "No hay presencia de nubes significativas. \n",
         "Otros fenómenos de interés: Granizo pequeño. \n"},
        {"VA", "No hay presencia de nubes significativas. \n",
         "Otros fenómenos de interés: Cenizas volcánicas. \n"},
        {"NSC", "No hay presencia de nubes significativas.\n", ""},
    };
    for (const Case& c : cases) {
        const MetarResult r = decode(std::string("XXXX 011200Z ") + c.word);
        EXPECT_EQ(utf8(r.skyText), c.sky) << c.word;
        EXPECT_EQ(utf8(r.weatherText), c.weather) << c.word;
    }
}

TEST(MetarDecoder, KeepsVariableDirectionDigitsAsWritten) {
    const MetarResult r = decode("GCLA 141530Z 05006KT 040V120 9999 FEW020 25/18 Q1016");
    EXPECT_EQ(utf8(r.variableWindText), "El viento varía entre los 040 y los 120 grados.\n");
    EXPECT_EQ(utf8(r.report),
              "Visibilidad: Mayor de 10 km.\n"
              "El viento varía entre los 040 y los 120 grados.\n"
              "Capa con algunas nubes aisladas (1/8) a 609 mts. de altura (sobre el suelo).\n");
}

TEST(MetarDecoder, RoutesBecmgGroupsToTheTrend) {
    const MetarResult r = decode("LEBL 011200Z 20010KT 9999 FEW030 20/10 Q1015 BECMG 4000 -RA BKN015");
    EXPECT_TRUE(r.hasTrend);
    EXPECT_EQ(r.visibilityText, "Visibilidad: Mayor de 10 km.\n");
    EXPECT_EQ(r.trendVisibilityText, "Visibilidad: 4000 mts.\n");
    EXPECT_EQ(utf8(r.trendText),
              "Otros fenómenos de interés: Lluvia. \n"
              "Capa con bastante nubosidad (6/8) a 457 mts. de altura (sobre el suelo).\n");
    EXPECT_EQ(utf8(r.report),
              "Visibilidad: Mayor de 10 km.\n"
              "Capa con algunas nubes aisladas (1/8) a 914 mts. de altura (sobre el suelo).\n" +
                  kTrend + "Visibilidad: 4000 mts.\n" + "Otros fenómenos de interés: Lluvia. \n" +
                  "Capa con bastante nubosidad (6/8) a 457 mts. de altura (sobre el suelo).\n");
}

TEST(MetarDecoder, WritesTheTrendWindSentence) {
    const MetarResult gusty = decode("LEMD 011200Z 22010KT 9999 20/10 Q1015 TEMPO 25020G35KT");
    EXPECT_TRUE(gusty.hasTrendWind);
    EXPECT_EQ(gusty.trendWindSpeedKmh, 37);
    EXPECT_EQ(gusty.trendGustKmh, 64);
    EXPECT_EQ(utf8(gusty.trendWindText),
              "Viento: 37 km/h Oeste-Suroeste con posibles ráfagas de 64 km/h.");
    EXPECT_EQ(gusty.windDirectionCode, "SW") << "the body wind stays";
    EXPECT_TRUE(utf8(gusty.report).ends_with(kTrend + "Viento: 37 km/h Oeste-Suroeste con posibles "
                                                      "ráfagas de 64 km/h."));

    const MetarResult calm = decode("LEMD 011200Z 22010KT BECMG 00000KT");
    EXPECT_EQ(utf8(calm.trendWindText), "Viento: 0 km/h Calma");
    const MetarResult variableInTrend = decode("LEMD 011200Z 22010KT TEMPO VRB05KT");
    EXPECT_FALSE(variableInTrend.hasTrendWind);
    EXPECT_EQ(variableInTrend.windDirectionCode, "SW");
}

// Purpose: a second wind word without TEMPO/BECMG is the trend wind, but the
// forecast heading only appears with a trend marker.
TEST(MetarDecoder, SecondBodyWindBecomesTrendWindWithoutHeading) {
    const MetarResult r = decode("XXXX 011200Z 27010KT 9999 09020KT");
    EXPECT_TRUE(r.hasTrendWind);
    EXPECT_EQ(r.windDirectionCode, "W");
    EXPECT_EQ(r.windSpeedKmh, 18);
    EXPECT_EQ(utf8(r.trendWindText), "Viento: 37 km/h Este");
    EXPECT_FALSE(r.hasTrend);
    EXPECT_EQ(utf8(r.report).find("Viento"), std::string::npos);
}

TEST(MetarDecoder, VariableBodyWindReplacesAnEarlierOneButKeepsItsGust) {
    const MetarResult r = decode("XXXX 011200Z 27015G25KT VRB03KT");
    EXPECT_EQ(r.windDirectionCode, "Variable");
    EXPECT_EQ(r.windSpeedKmh, 5);
    EXPECT_TRUE(r.hasGust);
    EXPECT_EQ(r.gustKmh, 46);
}

TEST(MetarDecoder, CloudsOnlyInTheTrendLeaveTheBodySkyEmpty) {
    const MetarResult r = decode("XXXX 011200Z 27010KT 9999 TEMPO BKN010");
    EXPECT_EQ(r.skyText, "");
    EXPECT_EQ(utf8(r.trendText),
              "Capa con bastante nubosidad (6/8) a 304 mts. de altura (sobre el suelo).\n");
}

TEST(MetarDecoder, CavokAndNosigInTheTrend) {
    const MetarResult r = decode("XXXX 011200Z 27010KT 4000 BR BECMG CAVOK NOSIG");
    EXPECT_EQ(utf8(r.trendText),
              "Sin nubes por debajo de 1500 mts, visibilidad es mayor de 10 km. y sin "
              "precipitaciones.\n");
    EXPECT_EQ(utf8(r.weatherText), "Otros fenómenos de interés: Neblina. \n" + kNoSig);
}

TEST(MetarDecoder, ReportOfNoWordsIsTheNoCloudLine) {
    for (const char* report : {"LEMD 291800Z", "LEMD", ""}) {
        const MetarResult r = decode(report);
        EXPECT_EQ(r.report, kNoClouds) << report;
        EXPECT_FALSE(r.hasWind);
    }
    const auto words = wordsOf("LEMD 291800Z 22010KT");
    EXPECT_EQ(MetarDecoder::decodeGroups(words, 2, 2).report, kNoClouds);
    EXPECT_EQ(MetarDecoder::decodeGroups(words, 99, 2).windSpeedKmh, 18) << "count is clamped";
}

TEST(MetarDecoder, TrimsAFourCharacterTagFromTheLastGroup) {
    const MetarResult r = decode("KMWC 051645Z 24010G18KT 10SM CLR 24/07 A2987</FONT><BR>");
    EXPECT_EQ(r.qnhHpa, 1011);
    EXPECT_EQ(r.gustKmh, 33);
    const MetarResult tagOnly = decode("KMWC 051645Z <BR>");
    EXPECT_EQ(tagOnly.report, kNoClouds);
}

// Purpose: words of any length, including hostile ones, never read outside themselves.
TEST(MetarDecoder, SurvivesHostileWords) {
    const std::string huge(5000, '9');
    const std::vector<std::string> words = {
        "XXXX", "011200Z", "K", "KT", "V", "VKT", "M", "/", "A", "Q", "SK", "FE", "<", "<<<<",
        "999999999999999999KT", "Q" + huge, "A" + huge, huge, huge + "KT", huge + "/" + huge,
        "VRB" + huge + "KT", "BKN" + huge, "\xFF\xFE", "MMMMMMMM/MMMMMMM"};
    const MetarResult r = MetarDecoder::decodeGroups(words, words.size(), 2);
    EXPECT_TRUE(r.hasWind);
    EXPECT_TRUE(r.hasTemperature);
    EXPECT_EQ(r.temperature, 0); // "/" is the first slash word
    EXPECT_TRUE(r.hasPressure);
}

TEST(MetarDecoder, StoresWhatEveryDecodingLeavesInTheSeries) {
    GraphSeries series;
    series.hasGust = true;
    series.gustSpeed = 70;
    storeReportInSeries(decode("LEMD 011200Z 22010KT 9999 FEW040 20/10 Q1015 TEMPO 4000"), series);
    EXPECT_TRUE(series.hasTrend);
    EXPECT_FALSE(series.hasGust);
    EXPECT_EQ(utf8(series.skyText),
              "Capa con algunas nubes aisladas (1/8) a 1219 mts. de altura (sobre el suelo).\n");
    EXPECT_TRUE(utf8(series.skyReport).find(kTrend) != std::string::npos);
}

} // namespace
} // namespace brisalta
