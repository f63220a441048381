// The default name proposed when a document is saved.
#include "document/documentname.h"

#include "text/codepage.h"

#include <gtest/gtest.h>

namespace brisalta {
namespace {

std::string utf8(const std::string& cp1252) {
    return text::toUtf8(cp1252);
}

// Purpose: the graph rule, the blank/'-'/'/' replacement and the cut before the
// characters a file name must not carry.
TEST(DocumentName, GraphNamesFromTitleAndDate) {
    struct Case {
        const char* title;
        const char* documentTitle;
        const char* fileName;
    };
    const Case cases[] = {
        {"Aeropuerto de Almería", "Gráfica_Aeropuerto de Almería_7_3_2020",
         "Gráfica_Aeropuerto_de_Almería_7_3_2020.brl"},
        {"Base #2 Sur", "Gráfica_Base #2 Sur_7_3_2020", "Gráfica_Base_.brl"},
        {"Madrid/Barajas-Norte", "Gráfica_Madrid/Barajas-Norte_7_3_2020",
         "Gráfica_Madrid_Barajas_Norte_7_3_2020.brl"},
        {"Al 50%", "Gráfica_Al 50%_7_3_2020", "Gráfica_Al_50.brl"},
        {"Uno;Dos", "Gráfica_Uno;Dos_7_3_2020", "Gráfica_Uno.brl"},
        {"C:\\Temp", "Gráfica_C:\\Temp_7_3_2020", "Gráfica_C:.brl"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        SessionState s;
        s.graph.title = text::cp1252(c.title);
        s.graph.day = 7;
        s.graph.month = 3;
        s.graph.year = 2020;
        const DocumentName name = proposeDocumentName(s);
        EXPECT_EQ(utf8(name.title), c.documentTitle);
        EXPECT_EQ(utf8(name.fileName), c.fileName);
    }
}

TEST(DocumentName, CatalogueSoundingNamesStationDateAndHour) {
    SessionState s;
    s.view.soundingShown = true;
    s.selection.soundingFromCatalogue = true;
    s.selection.soundingStationName = text::cp1252("Madrid - España");
    s.selection.soundingDay = "1";
    s.selection.soundingMonth = "2";
    s.selection.soundingYear = "2021";
    s.selection.soundingHour = "12";
    s.sounding.forecastTitle = "no se usa";
    const DocumentName name = proposeDocumentName(s);
    EXPECT_EQ(utf8(name.title), "Sondeo_Madrid - España_1_2_2021_12h");
    EXPECT_EQ(utf8(name.fileName), "Sondeo_Madrid___España_1_2_2021_12h.brl");
    EXPECT_EQ(utf8(s.selection.soundingStationName), "Madrid - España");
}

TEST(DocumentName, HandTypedStationTakesTheStationTextOfThePage) {
    SessionState s;
    s.view.soundingShown = true;
    s.selection.soundingFromCatalogue = false;
    s.selection.soundingStationName = "08221";
    s.selection.soundingDay = "15";
    s.selection.soundingMonth = "8";
    s.selection.soundingYear = "2019";
    s.selection.soundingHour = "00";
    s.sounding.forecastTitle = "LEMD Madrid";
    const DocumentName name = proposeDocumentName(s);
    EXPECT_EQ(name.fileName, "Sondeo_LEMD_Madrid_15_8_2019_00h.brl");
    // The document then carries this name too.
    EXPECT_EQ(s.selection.soundingStationName, "LEMD Madrid");
}

TEST(DocumentName, ForecastSoundingIsNamedByItsForecastTitle) {
    SessionState s;
    s.view.soundingShown = true;
    s.selection.soundingFromCatalogue = true;
    s.selection.soundingStationName = "Otra";
    s.sounding.isForecast = true;
    s.sounding.forecastTitle = "Sondeo previsto 12hrs_Dia1-2-2021_40.42N_3.70W";
    const DocumentName name = proposeDocumentName(s);
    EXPECT_EQ(name.title, "Sondeo previsto 12hrs_Dia1-2-2021_40.42N_3.70W");
    EXPECT_EQ(name.fileName, "Sondeo_previsto_12hrs_Dia1_2_2021_40.42N_3.70W.brl");
}

} // namespace
} // namespace brisalta
