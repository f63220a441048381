// The checks the dialogs make before a request goes out: an empty or malformed
// airport code, station number, automatic-station identifier or date is
// refused with a sentence; a good one passes.
#include "app/inputchecks.h"

#include "text/codepage.h"

#include <gtest/gtest.h>

namespace brisalta {
namespace {

using Check = std::optional<std::string> (*)(const std::string&);

// Purpose: what each field accepts, and that every refusal is a sentence
// (never an empty text) in the program's code page.
TEST(InputChecks, RefuseEmptyAndMalformedValues) {
    struct Case {
        const char* field;
        Check check;
        std::string value;
        bool good;
    };
    const Case cases[] = {
        {"icao", icaoCodeProblem, "LEMD", true},
        {"icao", icaoCodeProblem, "K1V4", true},
        {"icao", icaoCodeProblem, "", false},
        {"icao", icaoCodeProblem, "LEM", false},
        {"icao", icaoCodeProblem, "LEMDX", false},
        {"icao", icaoCodeProblem, "lemd", false},
        {"icao", icaoCodeProblem, "LE/D", false},
        {"icao", icaoCodeProblem, "LE D", false},
        {"station", soundingStationProblem, "08221", true},
        {"station", soundingStationProblem, "", false},
        {"station", soundingStationProblem, "0843", false},
        {"station", soundingStationProblem, "084300", false},
        {"station", soundingStationProblem, "08A30", false},
        {"typed station", typedSoundingStationProblem, "08430", true},
        {"typed station", typedSoundingStationProblem, "", false},
        {"typed station", typedSoundingStationProblem, "8430", false},
        {"ema", automaticStationIdProblem, "8019", true},
        {"ema", automaticStationIdProblem, "6155A", true},
        {"ema", automaticStationIdProblem, "", false},
        {"ema", automaticStationIdProblem, "80 19", false},
        {"ema", automaticStationIdProblem, "8019/../datos", false},
        {"ema", automaticStationIdProblem, "8019?api_key=x", false},
        {"ema", automaticStationIdProblem, "12345678901", false},
        {"ema", automaticStationIdProblem, text::cp1252("ÑANDÚ"), false},
    };
    for (const Case& c : cases) {
        const std::optional<std::string> problem = c.check(c.value);
        EXPECT_EQ(!problem.has_value(), c.good) << c.field << " «" << c.value << "»";
        if (problem) {
            EXPECT_GT(problem->size(), 20u) << c.field;
            EXPECT_EQ(text::toCp1252(text::toUtf8(*problem)), *problem);
        }
    }
}

// Purpose: the Part's own sentences for a wrong length stay as they were.
TEST(InputChecks, WrongLengthsKeepTheirKnownSentences) {
    EXPECT_EQ(text::toUtf8(*icaoCodeProblem("LEM")),
              "Un identificador ICAO válido se compone de 4 letras");
    EXPECT_EQ(text::toUtf8(*soundingStationProblem("0843")),
              "Un identificador de estación válido se compone de 5 números");
    EXPECT_NE(text::toUtf8(*soundingStationProblem("")).find("Sondeos > Elegir sondeo"),
              std::string::npos);
    EXPECT_EQ(text::toUtf8(*typedSoundingStationProblem("0843")),
              "Un identificador de estación válido se compone de 5 números");
}

// Purpose: no sounding is asked for a day that has not come, nor before the
// archives begin (days counted from 1970-01-01).
TEST(InputChecks, SoundingDatesBetweenTheArchivesAndToday) {
    const std::int64_t today = 20000;
    EXPECT_FALSE(soundingDateProblem(today, today));
    EXPECT_FALSE(soundingDateProblem(today - 1, today));
    EXPECT_FALSE(soundingDateProblem(1096, today)); // 1973-01-01
    EXPECT_EQ(text::toUtf8(*soundingDateProblem(today + 1, today)),
              "La fecha del sondeo no puede ser posterior a hoy.");
    EXPECT_TRUE(soundingDateProblem(1095, today));
}

} // namespace
} // namespace brisalta
