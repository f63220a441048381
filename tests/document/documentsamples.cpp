// Hand-made document bytes and sample sessions for the document tests.
#include "document/documentsamples.h"

#include "text/codepage.h"

#include <array>
#include <cstring>
#include <sstream>

namespace brisalta::test {

Bytes& Bytes::u8(std::uint8_t value) {
    data.push_back(static_cast<char>(value));
    return *this;
}

Bytes& Bytes::u16(std::uint16_t value) {
    u8(static_cast<std::uint8_t>(value & 0xFF));
    return u8(static_cast<std::uint8_t>(value >> 8));
}

Bytes& Bytes::i32(std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) {
        u8(static_cast<std::uint8_t>((bits >> shift) & 0xFF));
    }
    return *this;
}

Bytes& Bytes::f32(float value) {
    std::int32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return i32(bits);
}

Bytes& Bytes::str(std::string_view cp1252) {
    const std::size_t n = cp1252.size();
    if (n < 0xFF) {
        u8(static_cast<std::uint8_t>(n));
    } else if (n < 0xFFFE) {
        u8(0xFF).u16(static_cast<std::uint16_t>(n));
    } else {
        u8(0xFF).u16(0xFFFF).i32(static_cast<std::int32_t>(n));
    }
    data.append(cp1252);
    return *this;
}

Bytes& Bytes::raw(std::string_view bytes) {
    data.append(bytes);
    return *this;
}

Bytes& Bytes::raw8(std::string_view text) {
    std::string padded(text.substr(0, 8));
    padded.resize(8, '\0');
    data.append(padded);
    return *this;
}

Bytes& Bytes::floats(std::initializer_list<float> values) {
    for (float v : values) {
        f32(v);
    }
    return *this;
}

Bytes soundingHead(std::string_view tag, int count, std::string_view station, std::string_view hour,
                   std::string_view day, std::string_view month, std::string_view year) {
    Bytes b;
    b.str(tag).i32(count).str(station).str(hour).str(day).str(month).str(year);
    return b;
}

Bytes graphHead(int day, int month, int year, int lastTime, std::string_view title) {
    Bytes b;
    b.i32(day).i32(month).i32(year).i32(lastTime).str(title);
    for (int s = 0; s < kSlots; ++s) {
        b.i32(s).i32(10 + s).i32(s).i32(1000 + s).i32(s).raw8("NE");
    }
    return b;
}

void fillGoldenGraph(SessionState& session) {
    static const std::array<int, kSlots> temperature = {12, 11, 11, 10, 10, 6666, 9,  9,
                                                        10, 12, 14, 16, 18, 19,   20, 21,
                                                        21, 20, 19, 18, 17, 16,   15, 15};
    static const std::array<int, kSlots> dewPoint = {8, 8, 7, 7, 7, 6666, 6,  6,  6,  7,  7, 8,
                                                     8, 8, 9, 9, 9, 9,    10, 10, 10, 10, 9, 9};
    static const std::array<int, kSlots> pressure = {
        1016, 1016, 1016, 1015, 1015, 1015, 1015, 1016, 1016, 1017, 1017, 1017,
        1016, 1016, 1015, 1015, 1014, 1014, 1014, 1014, 1015, 1015, 1015, 1015};
    static const std::array<int, kSlots> windSpeed = {
        9, 7, 6, 0, 0, 6666, 4, 6, 9, 6666, 13, 17, 20, 24, 26, 28, 26, 22, 19, 15, 13, 11, 9, 9};
    static const std::array<const char*, kSlots> direction = {
        "WSW", "W",   "W", "Calm", "Calm", "No", "N",   "NNE",      "NE", "No",  "E",  "ESE",
        "SE",  "SSE", "S", "SSW",  "SW",   "SW", "WSW", "Variable", "W",  "WNW", "NW", "NNW"};

    GraphSeries& g = session.graph;
    g.day = 7;
    g.month = 3;
    g.year = 2020;
    g.lastTime = 1730;
    g.title = text::cp1252("Aeropuerto de Almería");
    for (std::size_t s = 0; s < kSlots; ++s) {
        g.hour[s] = static_cast<int>((s + 18) % 24);
        g.temperature[s] = temperature[s];
        g.dewPoint[s] = dewPoint[s];
        g.pressure[s] = pressure[s];
        g.windSpeed[s] = windSpeed[s];
        g.windDirection[s] = direction[s];
    }
    g.humidity = 63;
    g.skyReport = text::cp1252("No hay presencia de nubes significativas. \n"
                               "PREVISIÓN EN LAS PRÓXIMAS 2 HORAS:\n"
                               "No se esperan cambios importantes en las próximas 2 horas. \n");
    g.hasTrend = true;
    g.pressureIsStation = true;
    g.altitudeMetres = 21;
    session.view.graphShown = true;
    session.view.graphAvailable = true;
    session.view.soundingShown = false;
}

void fillGoldenSounding(SessionState& session) {
    session.selection.soundingStationName = text::cp1252("Madrid - España");
    session.selection.soundingHour = "12";
    session.selection.soundingDay = "1";
    session.selection.soundingMonth = "2";
    session.selection.soundingYear = "2021";
    session.selection.soundingFromCatalogue = true;
    session.sounding.isForecast = false;
    session.sounding.count = 3;
    session.sounding.mirror[0] = {1000.0f, 609.0f, 12.4f, 3.2f, 53.0f, 250.0f, 5.0f};
    session.sounding.mirror[1] = {925.0f, 1280.0f, 8.6f, -1.4f, 49.0f, 270.0f, 15.0f};
    session.sounding.mirror[2] = {850.0f, 1520.5f, 4.25f, -9.75f, 35.0f, 285.0f, 22.0f};
    session.sounding.levels.assign(session.sounding.mirror.begin(),
                                   session.sounding.mirror.begin() + 3);
    session.sounding.rowsAllocated = true;
    session.view.soundingShown = true;
    session.view.soundingAvailable = true;
}

std::string fingerprint(const SessionState& s) {
    std::ostringstream out;
    const StationSelection& sel = s.selection;
    out << sel.soundingStationName << '|' << sel.soundingHour << '|' << sel.soundingDay << '|'
        << sel.soundingMonth << '|' << sel.soundingYear << '|' << sel.soundingFromCatalogue << '\n';

    const GraphSeries& g = s.graph;
    out << g.day << ' ' << g.month << ' ' << g.year << ' ' << g.lastTime << ' ' << g.humidity << ' '
        << g.title << '|' << g.fileVersion << ' ' << g.skyReport << '|' << g.hasTrend << ' '
        << g.pressureIsStation << ' ' << g.altitudeKnown << ' ' << g.altitudeMetres << '\n';
    for (std::size_t i = 0; i < kSlots; ++i) {
        out << g.hour[i] << ' ' << g.temperature[i] << ' ' << g.dewPoint[i] << ' ' << g.pressure[i]
            << ' ' << g.windSpeed[i] << ' '
            << std::string(g.windDirection[i].bytes.data(), g.windDirection[i].bytes.size())
            << '\n';
    }

    const SoundingProfile& p = s.sounding;
    out << p.count << ' ' << p.levels.size() << ' ' << p.rowsAllocated << ' '
        << p.simulationRequested << ' ' << p.isForecast << ' ' << p.forecastTitle.str() << '|'
        << p.title << '\n';
    for (const SoundingRow& row : p.levels) {
        for (float v : row) {
            out << v << ' ';
        }
    }
    // The mirror up to its last row that holds anything.
    std::size_t used = p.mirror.size();
    while (used > 0 && p.mirror[used - 1] == SoundingRow{}) {
        --used;
    }
    out << "| mirror";
    for (std::size_t r = 0; r < used; ++r) {
        for (float v : p.mirror[r]) {
            out << ' ' << v;
        }
    }
    out << '\n'
        << s.view.graphShown << s.view.emaGraphShown << s.view.soundingShown << s.view.graphAvailable
        << s.view.soundingAvailable << s.view.graphFromFile << s.view.banyeresGraph;
    return out.str();
}

} // namespace brisalta::test
