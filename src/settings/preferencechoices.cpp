// The rules of the preferences lists.
#include "settings/preferencechoices.h"

#include "catalogues/airportcatalogue.h"
#include "catalogues/soundingcatalogue.h"
#include "settings/meteoini.h"
#include "text/codepage.h"

#include <charconv>

namespace brisalta {
namespace {

constexpr int kMinTimeOffset = -12;
constexpr int kMaxTimeOffset = 12;

void setStation(StationSelection& selection, const PreferenceSoundingStation& station) {
    selection.soundingStationId = station.number;
    selection.soundingStationName = station.storedName;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

} // namespace

PreferenceChoices::PreferenceChoices(const StationSelection& selection) : mSelection(selection) {
    const std::optional<int> position = airports::countryPositionOf(mSelection.country.str());
    if (position) {
        mCountry = *position;
    } else if (!mSelection.country.empty()) {
        // A name the list does not know shows the first country, with the
        // current airport as the only entry of the airport list.
        mCountry = 0;
        mUnknownCountry = true;
    }
    fillLists();
}

const std::vector<std::string>& PreferenceChoices::countries() const {
    return airports::countryNames();
}

void PreferenceChoices::fillLists() {
    mAirports = {};
    mSoundings = {};
    if (mCountry < 0 || mUnknownCountry) {
        mAirports.texts.push_back(mSelection.icao.str());
        mAirports.selected = 0;
        return;
    }

    mAirports.texts = airports::airportsOf(mCountry);
    if (const auto at = airports::airportPositionOf(mCountry, mSelection.icao.str())) {
        mAirports.selected = *at;
    } else {
        mAirports.texts.push_back(mSelection.icao.str());
        mAirports.selected = static_cast<int>(mAirports.texts.size()) - 1;
    }

    const auto& stations = preferenceSoundingStations(mSelection.country.view());
    if (stations.empty()) {
        return;
    }
    for (std::size_t i = 0; i < stations.size(); ++i) {
        mSoundings.texts.push_back(stations[i].listText);
        if (mSoundings.selected < 0 && stations[i].number == mSelection.soundingStationId) {
            mSoundings.selected = static_cast<int>(i);
        }
    }
    if (mSoundings.selected < 0) {
        mSoundings.texts.push_back(mSelection.soundingStationId);
        mSoundings.selected = static_cast<int>(mSoundings.texts.size()) - 1;
    }
}

void PreferenceChoices::chooseCountry(int position) {
    const std::vector<std::string>& names = airports::countryNames();
    if (position < 0 || position >= static_cast<int>(names.size())) {
        return;
    }
    mSelection.country = names[static_cast<std::size_t>(position)];
    mCountry = position;
    mUnknownCountry = false;

    // The airport keeps its place when the new country lists it; the station
    // at the same place goes with it. Otherwise both lists start from the top.
    const std::optional<int> kept = airports::airportPositionOf(position, mSelection.icao.str());
    const auto& stations = preferenceSoundingStations(mSelection.country.view());
    if (const auto first = airports::airportCodeAt(position, 0)) {
        mSelection.icao = *first;
    }
    if (!stations.empty()) {
        setStation(mSelection, stations.front());
    }
    if (kept) {
        if (const auto code = airports::airportCodeAt(position, *kept)) {
            mSelection.icao = *code;
        }
        if (!stations.empty() && *kept < static_cast<int>(stations.size())) {
            setStation(mSelection, stations[static_cast<std::size_t>(*kept)]);
        }
    }
    fillLists();
}

void PreferenceChoices::chooseAirport(int position) {
    if (position < 0 || position >= static_cast<int>(mAirports.texts.size())) {
        return;
    }
    mAirports.selected = position;
    if (mCountry < 0 || mUnknownCountry) {
        return;
    }
    const std::optional<std::string> code = airports::airportCodeAt(mCountry, position);
    if (!code) {
        return;
    }
    mSelection.icao = *code;
    const auto& stations = preferenceSoundingStations(mSelection.country.view());
    if (position < static_cast<int>(stations.size())) {
        setStation(mSelection, stations[static_cast<std::size_t>(position)]);
        mSoundings.selected = position;
    }
}

void PreferenceChoices::chooseSoundingStation(int position) {
    if (position < 0 || position >= static_cast<int>(mSoundings.texts.size())) {
        return;
    }
    mSoundings.selected = position;
    const auto& stations = preferenceSoundingStations(mSelection.country.view());
    if (mCountry >= 0 && !mUnknownCountry && position < static_cast<int>(stations.size())) {
        setStation(mSelection, stations[static_cast<std::size_t>(position)]);
    }
}

void PreferenceChoices::typeAirport(std::string_view text) {
    if (text.size() <= 4) {
        mSelection.icao = text;
    }
}

void PreferenceChoices::typeSoundingStation(std::string_view text) {
    mSelection.soundingStationId = std::string(text);
    mSelection.soundingStationName = std::string(text);
}

void adoptListChoices(StationSelection& live, const StationSelection& chosen) {
    live.country = chosen.country;
    live.icao = chosen.icao;
    live.soundingStationId = chosen.soundingStationId;
    live.soundingStationName = chosen.soundingStationName;
}

std::optional<int> parseTimeOffset(std::string_view typed) {
    while (!typed.empty() && isBlank(typed.front())) {
        typed.remove_prefix(1);
    }
    while (!typed.empty() && isBlank(typed.back())) {
        typed.remove_suffix(1);
    }
    if (!typed.empty() && typed.front() == '+') {
        typed.remove_prefix(1);
        if (!typed.empty() && typed.front() == '-') {
            return std::nullopt;
        }
    }
    int value = 0;
    const char* end = typed.data() + typed.size();
    const auto [stop, error] = std::from_chars(typed.data(), end, value);
    if (typed.empty() || error != std::errc() || stop != end || value < kMinTimeOffset ||
        value > kMaxTimeOffset) {
        return std::nullopt;
    }
    return value;
}

std::string timeOffsetMessage() {
    return text::cp1252("Introduzca un número entero entre -12 y 12.");
}

std::string invalidIcaoMessage() {
    return text::cp1252("Un identificador ICAO válido se compone de 4 letras");
}

PreferencesSaved confirmPreferences(SessionState& session, const PreferencesEntry& entry,
                                    const std::filesystem::path& iniFile) {
    if (session.selection.icao.size() != 4) {
        return PreferencesSaved::InvalidIcao;
    }
    session.selection.timeOffsetHours = entry.timeOffsetHours;
    session.selection.apiKey = entry.apiKey;
    return saveSettings(session, iniFile) ? PreferencesSaved::Saved : PreferencesSaved::NotWritten;
}

} // namespace brisalta
