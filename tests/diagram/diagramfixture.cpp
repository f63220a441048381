// Sounding sessions for the diagram tests.
#include "diagramfixture.h"

#include "app/soundingloading.h"
#include "net/tempfiles.h"
#include "support/scriptedui.h"
#include "support/testplaces.h"
#include "text/codepage.h"

#include <cmath>

namespace brisalta::test {
namespace {

// Pressure of a standard atmosphere from a station pressure, hPa.
float pressureAt(double height, double stationHeight, double stationPressure,
                 double stationKelvin) {
    return static_cast<float>(
        stationPressure *
        std::pow(1.0 - 0.0065 * (height - stationHeight) / stationKelvin, 5.2558));
}

} // namespace

SoundingRow level(float pressure, float height, float temperature, float dewPoint, float humidity,
                  float direction, float speed) {
    return SoundingRow{pressure, height, temperature, dewPoint, humidity, direction, speed};
}

std::unique_ptr<SessionState> soundingSession(const std::vector<SoundingRow>& rows) {
    auto session = std::make_unique<SessionState>();
    SoundingProfile& s = session->sounding;
    s.levels = rows;
    s.count = static_cast<int>(rows.size());
    s.rowsAllocated = true;
    session->view.soundingShown = true;
    session->view.soundingAvailable = true;
    session->view.drawScale = 1.0;
    StationSelection& sel = session->selection;
    sel.soundingFromCatalogue = true;
    sel.soundingStationName = text::cp1252("Madrid/Barajas (España)");
    sel.soundingStationId = "08221";
    sel.soundingDay = "17";
    sel.soundingMonth = "7";
    sel.soundingYear = "2024";
    sel.soundingHour = "12";
    return session;
}

std::vector<SoundingRow> dryAfternoonRows() {
    std::vector<SoundingRow> rows;
    const double h0 = 600.0;
    const double p0 = 948.0;
    for (int k = 0; k <= 30; ++k) {
        const double h = h0 + 500.0 * k;
        double t = 0.0;
        if (h <= 1600.0) {
            t = 30.0 - 9.8 * (h - h0) / 1000.0; // dry adiabatic mixed layer
        } else if (h <= 2100.0) {
            t = 20.2 + 2.0 * (h - 1600.0) / 500.0; // the inversion on top of it
        } else {
            t = 22.2 - 6.5 * (h - 2100.0) / 1000.0;
        }
        const double td = 5.0 - 4.0 * k;
        const float p = k == 0 ? static_cast<float>(p0) : pressureAt(h, h0, p0, 303.15);
        const double rh = 100.0 * std::exp(17.27 * td / (td + 237.3) - 17.27 * t / (t + 237.3));
        rows.push_back(level(p, static_cast<float>(h), static_cast<float>(t),
                             static_cast<float>(td), static_cast<float>(std::round(rh)), 270.0f,
                             static_cast<float>(10 + 40 * k / 30)));
    }
    return rows;
}

std::vector<SoundingRow> moistMorningRows() {
    std::vector<SoundingRow> rows;
    const double h0 = 10.0;
    const double p0 = 1012.0;
    for (int k = 0; k <= 22; ++k) {
        const double h = h0 + 500.0 * k;
        // Mixed by the morning sun up to 1510 m, standard lapse rate above.
        const double t =
            h <= 1510.0 ? 24.0 - 9.8 * (h - h0) / 1000.0 : 9.3 - 6.5 * (h - 1510.0) / 1000.0;
        const double td = 20.0 - 9.0 * (h - h0) / 1000.0;
        const float p = k == 0 ? static_cast<float>(p0) : pressureAt(h, h0, p0, 297.15);
        const double rh = 100.0 * std::exp(17.27 * td / (td + 237.3) - 17.27 * t / (t + 237.3));
        rows.push_back(level(p, static_cast<float>(h), static_cast<float>(t),
                             static_cast<float>(td), static_cast<float>(std::round(rh)), 135.0f,
                             static_cast<float>(8 + k)));
    }
    return rows;
}

std::unique_ptr<SessionState> wyomingSession(const std::filesystem::path& page, const char* day,
                                             const char* month, const char* year,
                                             const char* hour) {
    auto session = std::make_unique<SessionState>();
    ScratchPlaces places;
    ScriptedUi ui;
    std::filesystem::copy_file(page, places.tempFolder() / tempfiles::kSoundingList);
    loadObservedSounding(*session, ui, places.tempFolder());
    session->view.drawScale = 1.0;
    StationSelection& sel = session->selection;
    sel.soundingFromCatalogue = false;
    sel.soundingDay = day;
    sel.soundingMonth = month;
    sel.soundingYear = year;
    sel.soundingHour = hour;
    return session;
}

std::unique_ptr<SessionState> secondServiceSession(const std::filesystem::path& page) {
    auto session = std::make_unique<SessionState>();
    ScratchPlaces places;
    ScriptedUi ui;
    std::filesystem::copy_file(page.empty() ? dataPath() / "sounding" / "second_service_murcia.html"
                                            : page,
                               places.tempFolder() / tempfiles::kSecondSounding);
    session->sounding.fromSecondService = true;
    loadObservedSounding(*session, ui, places.tempFolder());
    session->view.drawScale = 1.0;
    StationSelection& sel = session->selection;
    sel.soundingFromCatalogue = true;
    sel.soundingStationName = "Murcia";
    sel.soundingStationId = "08430";
    sel.soundingDay = "17";
    sel.soundingMonth = "7";
    sel.soundingYear = "2024";
    sel.soundingHour = "12";
    return session;
}

std::unique_ptr<SessionState> forecastSession(const char* file) {
    auto session = std::make_unique<SessionState>();
    ScriptedUi ui;
    loadForecastSounding(*session, ui, dataPath() / "sounding" / file);
    session->view.drawScale = 1.0;
    return session;
}

} // namespace brisalta::test
