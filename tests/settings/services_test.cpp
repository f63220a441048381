// "servicios.ini": the addresses of the services and the choice of chain.
#include "settings/services.h"

#include "support/testplaces.h"

#include <gtest/gtest.h>

namespace brisalta {
namespace {

TEST(ServiceTable, TodaysServicesAndTheirChainByDefault) {
    const ServiceTable table = loadServiceTable("/no/existe/servicios.ini");
    EXPECT_EQ(table.awcBase, "https://aviationweather.gov");
    EXPECT_EQ(table.iemBase, "https://mesonet.agron.iastate.edu");
    EXPECT_EQ(table.wyomingBase, "https://weather.uwyo.edu");
    EXPECT_EQ(table.metarChain, SourceChain::Actual);
    EXPECT_EQ(table.soundingChain, SourceChain::Actual);
}

TEST(ServiceTable, ReadsTheNewKeysAndTheChains) {
    test::ScratchPlaces places;
    const auto ini = places.root() / "servicios.ini";
    struct Case {
        const char* text;
        SourceChain metar;
        SourceChain sounding;
        const char* awc;
    };
    const Case cases[] = {
        {"fuente_metar = clasico\nfuente_sondeos=clasico\n", SourceChain::Classic,
         SourceChain::Classic, "https://aviationweather.gov"},
        {"fuente_metar = actual\r\nawc = http://127.0.0.1:8080\r\n", SourceChain::Actual,
         SourceChain::Actual, "http://127.0.0.1:8080"},
        // Unknown chains and empty values leave the defaults.
        {"fuente_metar = moderna\nfuente_sondeos =\nawc =\n", SourceChain::Actual,
         SourceChain::Actual, "https://aviationweather.gov"},
        {"# fuente_metar = clasico\n; fuente_sondeos = clasico\n", SourceChain::Actual,
         SourceChain::Actual, "https://aviationweather.gov"},
    };
    for (const Case& c : cases) {
        test::writeFile(ini, c.text);
        const ServiceTable table = loadServiceTable(ini);
        EXPECT_EQ(table.metarChain, c.metar) << c.text;
        EXPECT_EQ(table.soundingChain, c.sounding) << c.text;
        EXPECT_EQ(table.awcBase, c.awc) << c.text;
    }
    test::writeFile(ini, "iem = https://espejo.example\nwyoming=https://otro.example/\n");
    const ServiceTable table = loadServiceTable(ini);
    EXPECT_EQ(table.iemBase, "https://espejo.example");
    EXPECT_EQ(table.wyomingBase, "https://otro.example/");
}

TEST(ServiceTable, AddressKeysAreTheOnesCommandLinesMayChange) {
    ServiceTable table;
    for (const char* key : kServiceKeys) {
        EXPECT_NE(serviceField(table, key), nullptr) << key;
    }
    EXPECT_EQ(serviceField(table, "awc"), &table.awcBase);
    EXPECT_EQ(serviceField(table, "wyoming"), &table.wyomingBase);
    // The chains are not addresses.
    EXPECT_EQ(serviceField(table, "fuente_metar"), nullptr);
    EXPECT_EQ(sourceChainOf("clasico"), SourceChain::Classic);
    EXPECT_EQ(sourceChainOf("actual"), SourceChain::Actual);
    EXPECT_EQ(sourceChainOf("Clasico"), std::nullopt);
}

} // namespace
} // namespace brisalta
