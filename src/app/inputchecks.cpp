// Checks of the values typed or picked in the dialogs.
#include "app/inputchecks.h"

#include "text/codepage.h"

#include <algorithm>

namespace brisalta {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isCapitalOrDigit(char c) {
    return (c >= 'A' && c <= 'Z') || isDigit(c);
}

// 1973-01-01, days since 1970-01-01.
constexpr std::int64_t kFirstSoundingDay = 1096;

} // namespace

std::optional<std::string> icaoCodeProblem(const std::string& code) {
    if (code.empty()) {
        return text::cp1252("Escriba el identificador ICAO del aeropuerto: 4 letras, por ejemplo "
                            "LEMD para Madrid-Barajas.");
    }
    if (code.size() != 4 || !std::all_of(code.begin(), code.end(), isCapitalOrDigit)) {
        return text::cp1252("Un identificador ICAO válido se compone de 4 letras");
    }
    return std::nullopt;
}

std::optional<std::string> soundingStationProblem(const std::string& number) {
    if (number.empty()) {
        return text::cp1252("No se ha elegido ninguna estación de sondeo. Elíjala en «Sondeos > "
                            "Elegir sondeo» o escriba su número en «Sondeos > Manual».");
    }
    if (number.size() != 5 || !std::all_of(number.begin(), number.end(), isDigit)) {
        return text::cp1252("Un identificador de estación válido se compone de 5 números");
    }
    return std::nullopt;
}

std::optional<std::string> typedSoundingStationProblem(const std::string& number) {
    if (number.empty()) {
        return text::cp1252("Escriba el número de la estación de sondeo: 5 cifras, por ejemplo "
                            "08221 para Madrid.");
    }
    return soundingStationProblem(number);
}

std::optional<std::string> automaticStationIdProblem(const std::string& identifier) {
    if (identifier.empty()) {
        return text::cp1252("Escriba el identificador de la estación automática, por ejemplo "
                            "8019 o 6155A.");
    }
    if (identifier.size() > 10 ||
        !std::all_of(identifier.begin(), identifier.end(), isCapitalOrDigit)) {
        return text::cp1252("El identificador de una estación automática se compone solo de "
                            "letras y cifras, sin espacios, por ejemplo 8019 o 6155A.");
    }
    return std::nullopt;
}

std::optional<std::string> soundingDateProblem(std::int64_t pickedDay, std::int64_t today) {
    if (pickedDay > today) {
        return text::cp1252("La fecha del sondeo no puede ser posterior a hoy.");
    }
    if (pickedDay < kFirstSoundingDay) {
        return text::cp1252("No hay sondeos archivados anteriores al 1 de enero de 1973.");
    }
    return std::nullopt;
}

} // namespace brisalta
