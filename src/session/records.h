// The records the program's state is made of: the station selection, the 24
// hourly slots of the surface graph, the sounding levels, the daily extremes,
// the ceiling simulation, the automatic-station list and the command flags.
// They keep the names of the data model and are deliberately public.
#pragma once

#include "session/fixedtext.h"

#include <array>
#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

namespace brisalta {

// The missing value of every slot array. Every reader skips it.
inline constexpr int kMissing = 6666;

inline constexpr int kSlots = 24;          // hourly slots of the graph, oldest first
inline constexpr int kMirrorRows = 250;    // rows of the sounding table that saving and exports read
inline constexpr int kLevelColumns = 7;    // values per sounding level
inline constexpr double kScreenScale = 0.96;

template <typename T>
using Slots = std::array<T, kSlots>;

// Which station the next command works on.
struct StationSelection {
    StationSelection();

    FixedText<5> icao;       // airport of the surface graph; "BANY" is the Banyeres school station
    FixedText<20> country;   // country of the preferences list, in capitals ("ESPAÑA")
    int timeOffsetHours = 1; // whole hours added to UTC observation times
    std::string apiKey;      // AEMET OpenData key

    std::string soundingStationId;   // 5-digit WMO number, "08001"
    std::string soundingRegion;      // region key of the text-list query ("europe", "samer")
    std::tm soundingTimeFields{};    // sounding date broken down for the second service
    std::string soundingStationName; // "A Coruña (España)"
    bool soundingFromCatalogue = false;
    std::string soundingDay;   // decimal, no leading zeros
    std::string soundingMonth; // decimal, no leading zeros
    std::string soundingYear;
    std::string soundingHour; // "00" or "12"
    std::int64_t soundingDate = 0; // seconds since 1970-01-01 UTC

    int emaIndex = 0;  // chosen record of the automatic-station list
    bool emaManual = false; // the automatic station was typed in by its identifier
};

// The surface graph: 24 hourly slots with their header and the latest report.
struct GraphSeries {
    int day = 0;      // local, after the time offset
    int month = 0;    // 1..12
    int year = 0;     // four digits
    int lastTime = 0; // hhmm of the latest observation, local
    int humidity = 0; // percent, latest observation
    std::string title;

    Slots<int> hour{};        // hour of day of each slot
    Slots<int> temperature{}; // °C
    Slots<int> dewPoint{};    // °C
    Slots<int> pressure{};    // hPa: station pressure when pressureIsStation, else QNH
    Slots<int> windSpeed{};   // km/h
    Slots<FixedText<9>> windDirection{}; // "N" ... "NNW", "Calm", "No", ...

    bool pressureIsStation = false;
    bool altitudeKnown = false;
    int altitudeMetres = 0;

    std::string skyReport; // the assembled report of the latest METAR
    bool hasTrend = false;
    std::string visibilityText;
    std::string variableWindText;
    std::string skyText;
    std::string trendVisibilityText;
    std::string trendWindText;
    bool hasGust = false;
    int gustSpeed = 0; // km/h

    int fileVersion = 0; // 30 when writing a document; 23, 30 or 0 after reading one

    // Automatic stations only.
    Slots<int> humiditySeries{};
    Slots<double> rawTemperature{};
    Slots<int> dewPointSeries{};
    int emaSlotCount = 0;
    bool hasHumiditySeries = false;
    bool hasDewPointSeries = false;

    Slots<int> banyeresHumiditySeries{}; // measured humidity of the Banyeres station

    bool noPressure = false;  // the whole series has no pressure
    bool noWindSpeed = false; // the whole series has no wind speed
    bool allCalm = false;     // every direction is calm
};

using SoundingRow = std::array<float, kLevelColumns>;

// Column order of a sounding level.
enum SoundingColumn : int {
    kPressure = 0,     // hPa
    kHeight = 1,       // m
    kTemperature = 2,  // °C
    kDewPoint = 3,     // °C
    kHumidity = 4,     // %
    kWindDirection = 5, // degrees
    kWindSpeed = 6,    // knots (text-list service) or km/h (other sources)
};

struct SoundingProfile {
    int count = 0;
    std::vector<SoundingRow> levels; // count rows, lowest level first
    std::array<SoundingRow, kMirrorRows> mirror{}; // copy made by every drawing of the sounding
    bool rowsAllocated = false;
    bool simulationRequested = false;
    bool partialFirstRow = false;
    bool isForecast = false;
    FixedText<256> forecastTitle;
    std::string title;
    // The title line of the diagram, fixed by the first drawing after the rows
    // were read (from the selection they were asked with); empty until then.
    std::string diagramTitle;
    bool fromSecondService = false;
    int secondServiceDate = 0;
};

// Daily extremes computed by every drawing of the graph.
struct DailyExtremes {
    int maxTemperature = 0;
    int minTemperature = 0;
    int maxTemperatureHour = 0;
    int minTemperatureHour = 0;
    int maxPressure = 0;
    int minPressure = 0;
    int maxPressureHour = 0;
    int minPressureHour = 0;
    int maxWindSpeed = 0;
    int maxWindHour = 0;
    std::string maxWindDirectionName;
    bool hasTemperature = false;
};

// State of the thermal-ceiling simulation on the sounding diagram.
struct CeilingSimulation {
    int surfaceTemperature = 0; // °C typed by the user
    int surfaceDewPoint = 0;    // °C typed by the user
    bool thermalTopFound = false;
    bool cloudBaseFound = false;
    double thermalTopHeight = 0.0; // m
    double cloudBaseHeight = 0.0;  // m
    int thermalTopX = 0;           // design position of the thermal top
    int thermalTopY = 0;
    int cloudBaseX = 0;
    int cloudBaseY = 0;
    std::string thermalTopText;
    std::string cloudBaseText;
    double ceilingHeight = 0.0;
    int ceilingWindSpeed = 0;     // km/h
    int ceilingWindDirection = 0; // degrees
    std::string ceilingWindDirectionName;
    bool sentenceDone = false;
    bool blueThermalDrawn = false;
    bool cloudBaseDrawn = false;
    bool parcelTooCold = false; // the air typed is colder than the sounding's lowest level
};

// One record of the automatic-station list.
struct CListaEma {
    std::string id;       // identifier plus one check character
    std::string name;
    std::string province; // upper-cased in place the first time the dialog lists it
};

// The automatic-station list: 1000 records to start with; a longer file makes
// the table grow instead of writing past it.
struct EmaList {
    EmaList() : records(1000) {}
    std::vector<CListaEma> records;
    int count = 0;
};

// The nine commands whose availability depends on the picture on screen.
struct ViewFlags {
    bool tableEnabled = false;
    bool cloudsEnabled = false;
    bool qnhEnabled = false;
    bool ceilingEnabled = false;
    bool swapEnabled = false;
    bool printEnabled = false;
    bool saveAsEnabled = false;
    bool statsEnabled = false;
    bool zoomEnabled = false;
};

// The personal lists of links and favourite graphs.
struct LinkLists {
    std::array<std::string, 10> linkNames;
    std::array<std::string, 10> linkAddresses;
    int linkCount = 0;
    std::array<std::string, 4> favouriteNames;
    std::array<std::string, 4> favouriteCodes;
    int favouriteCount = 0;
};

} // namespace brisalta
