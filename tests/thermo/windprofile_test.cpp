// Wind at a height between two levels, and the Spanish direction names.
#include "thermo/windprofile.h"

#include <gtest/gtest.h>

#include <vector>

namespace brisalta {
namespace {

SoundingRow level(float height, float direction, float speed) {
    return {1000.0f, height, 10.0f, 0.0f, 50.0f, direction, speed};
}

// Purpose: the wind turns the short way round, across north as across south,
// and the direction the simulation quotes stays within 0..359.
TEST(WindProfile, InterpolatesDirectionAcrossNorthAndSouth) {
    struct Case {
        float below, above;
        int halfway;
    };
    const Case cases[] = {
        {10.0f, 350.0f, 0},
        {170.0f, 190.0f, 180},
        {175.0f, 180.0f, 177},
        {350.0f, 10.0f, 0},
        {340.0f, 20.0f, 0},
        {200.0f, 240.0f, 220},
        {90.0f, 60.0f, 75},
        {0.0f, 180.0f, 90}, // half a turn either way: clockwise
    };
    for (const Case& c : cases) {
        const std::vector<SoundingRow> rows = {level(0.0f, c.below, 10.0f),
                                               level(1000.0f, c.above, 20.0f)};
        const WindAtHeight w = windAtHeight(500.0, rows, false, {});
        EXPECT_EQ(w.direction, c.halfway) << c.below << " -> " << c.above;
        EXPECT_EQ(w.speed, 15);
    }
}

TEST(WindProfile, ConvertsKnotsOfTextListSoundingsToKmh) {
    const std::vector<SoundingRow> rows = {level(0.0f, 90.0f, 10.0f), level(1000.0f, 90.0f, 20.0f)};
    EXPECT_EQ(windAtHeight(500.0, rows, true, {}).speed, 27); // 15 kt = 27.78 km/h
    EXPECT_EQ(windAtHeight(250.0, rows, false, {}).speed, 12); // 12.5 truncated
}

TEST(WindProfile, LastBracketingPairWinsAndEqualHeightsTakeTheLowerLevel) {
    const std::vector<SoundingRow> rows = {level(0.0f, 10.0f, 10.0f), level(1000.0f, 20.0f, 20.0f),
                                           level(1000.0f, 30.0f, 30.0f),
                                           level(2000.0f, 40.0f, 40.0f)};
    const WindAtHeight w = windAtHeight(1000.0, rows, false, {});
    EXPECT_EQ(w.speed, 30);
    EXPECT_EQ(w.direction, 30);
}

TEST(WindProfile, HeightOutsideTheSoundingKeepsThePreviousWind) {
    const std::vector<SoundingRow> rows = {level(500.0f, 90.0f, 10.0f), level(1000.0f, 90.0f, 20.0f)};
    const WindAtHeight previous{7, 123};
    for (double h : {100.0, 1500.0}) {
        const WindAtHeight w = windAtHeight(h, rows, false, previous);
        EXPECT_EQ(w.speed, 7);
        EXPECT_EQ(w.direction, 123);
    }
    EXPECT_EQ(windAtHeight(700.0, std::vector<SoundingRow>{}, false, previous).speed, 7);
}

TEST(WindProfile, OnlyTextListSoundingsCarryKnots) {
    SoundingProfile p;
    EXPECT_TRUE(speedsInKnots(p));
    p.fromSecondService = true;
    EXPECT_FALSE(speedsInKnots(p));
    p.fromSecondService = false;
    p.isForecast = true;
    EXPECT_FALSE(speedsInKnots(p));
}

// Purpose: the sixteen sectors and their integer thresholds.
TEST(WindProfile, NamesTheSixteenSectors) {
    struct Case {
        int degrees;
        const char* name;
    };
    const Case cases[] = {
        {-5, "Norte"},          {0, "Norte"},         {11, "Norte"},         {12, "NorNoreste"},
        {34, "NorNoreste"},     {35, "Noreste"},      {57, "EsteNoreste"},   {80, "Este"},
        {101, "Este"},          {102, "EsteSureste"}, {125, "Sureste"},      {147, "SurSureste"},
        {170, "Sur"},           {191, "Sur"},         {192, "SurSuroeste"},  {215, "Suroeste"},
        {237, "OesteSuroeste"}, {260, "Oeste"},       {282, "OesteNoroeste"}, {305, "Noroeste"},
        {327, "NorNoroeste"},   {348, "NorNoroeste"}, {349, "Norte"},        {360, "Norte"},
        {720, "Norte"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(directionName(c.degrees), c.name) << c.degrees;
    }
}

} // namespace
} // namespace brisalta
