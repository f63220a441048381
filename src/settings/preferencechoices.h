// The lists of the preferences dialog and what choosing or typing in them does
// to the station selection: the country list, the airports of the chosen
// country and its sounding stations. The dialog and the command-line tool
// drive the same rules; nothing here shows anything.
#pragma once

#include "session/sessionstate.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brisalta {

// One drop-down list: its texts and the selected position (-1: none).
struct ChoiceList {
    std::vector<std::string> texts; // Windows-1252
    int selected = -1;
};

// The selection as the preferences lists change it. Choices take effect at
// once on the selection it holds; the caller keeps them (adoptListChoices)
// whether the dialog is confirmed or cancelled.
class PreferenceChoices {
public:
    // Fills the lists for the selection, as the dialog opens: the country named
    // by `country` is selected (position 0 for a name that is none of the 13,
    // nothing for an empty one), and the airport and sounding lists select the
    // current airport and station, or list each as one more entry and select it.
    explicit PreferenceChoices(const StationSelection& selection);

    // A country of the list (position 0..12; other positions change nothing).
    // A country whose list holds the current airport keeps it and takes the
    // sounding station at the same position; any other country switches to its
    // first airport and first sounding station. A country without soundings
    // keeps the current sounding station.
    void chooseCountry(int position);

    // An airport of the list: its code becomes icao and, when the country has a
    // sounding station at the same position, that station becomes the sounding
    // station too. The extra entry of an airport outside the country changes
    // nothing.
    void chooseAirport(int position);

    // A sounding station of the list: its number and stored name. The extra
    // entry of a station outside the country changes nothing.
    void chooseSoundingStation(int position);

    // Text typed in the airport box: copied into icao unless it is longer than
    // 4 characters (Windows-1252).
    void typeAirport(std::string_view text);

    // Text typed in the sounding box: copied into the station number and name.
    void typeSoundingStation(std::string_view text);

    const StationSelection& selection() const { return mSelection; }
    int countryPosition() const { return mCountry; }
    const std::vector<std::string>& countries() const;
    const ChoiceList& airports() const { return mAirports; }
    const ChoiceList& soundings() const { return mSoundings; }

private:
    void fillLists();

    StationSelection mSelection;
    int mCountry = -1;
    bool mUnknownCountry = false;
    ChoiceList mAirports;
    ChoiceList mSoundings;
};

// Copies what the lists decide (country, airport, sounding station number and
// name) from `chosen` into `live`; nothing else changes.
void adoptListChoices(StationSelection& live, const StationSelection& chosen);

// The time offset typed in "Diferencia Horaria": a whole number of hours from
// -12 to 12, blanks around it allowed; nothing for anything else.
std::optional<int> parseTimeOffset(std::string_view typed);

// "Introduzca un número entero entre -12 y 12." (Windows-1252)
std::string timeOffsetMessage();

// "Un identificador ICAO válido se compone de 4 letras" (Windows-1252)
std::string invalidIcaoMessage();

// What "&Guardar" asks to store besides the lists.
struct PreferencesEntry {
    int timeOffsetHours = 1;
    std::string apiKey; // as the user typed it (Windows-1252)
};

enum class PreferencesSaved {
    Saved,       // offset and key set, "meteo.ini" written
    NotWritten,  // offset and key set; the file could not be written (nothing is said)
    InvalidIcao, // icao does not have 4 characters: nothing set, nothing written
};

// "&Guardar", after the dialog closed: when icao has exactly 4 characters, sets
// the time offset and the API key and writes the settings file; otherwise
// changes nothing, and the caller shows invalidIcaoMessage().
PreferencesSaved confirmPreferences(SessionState& session, const PreferencesEntry& entry,
                                    const std::filesystem::path& iniFile);

} // namespace brisalta
