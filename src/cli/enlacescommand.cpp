// brisalta-cli enlaces: the user's web links and favourite graphs as the
// "Internet" and "Preferidas" submenus show them.
#include "cli/arguments.h"
#include "cli/output.h"
#include "cli/subcommands.h"

#include "adapters/xdgplaces.h"
#include "session/sessionstate.h"
#include "settings/linklists.h"
#include "settings/listfile.h"
#include "text/codepage.h"
#include "text/streamreader.h"

#include <QJsonArray>
#include <QJsonObject>

#include <array>
#include <cstdio>
#include <string>

namespace brisalta::cli {
namespace {

constexpr const char* kHelp =
    "Uso: brisalta-cli enlaces [--json]\n"
    "\n"
    "Escribe los enlaces web (Brisanet.ini) y las gráficas preferidas\n"
    "(GrafPref.ini) de la carpeta de ajustes tal como los muestran los submenús\n"
    "«Internet» (en «Enlaces Web») y «Preferidas» (en «Gráficas»): en el orden del\n"
    "fichero, el nombre sin los blancos de los lados, la dirección que se abre y\n"
    "el código ICAO que se dibuja (sus 4 primeros caracteres). Un enlace que no es\n"
    "una dirección web (http:// o https://) se marca: el programa no lo abre.\n"
    "Un fichero que falta deja su submenú fuera del programa.\n"
    "\n"
    "  --json       un objeto JSON: linksFile y favouritesFile (si existe cada\n"
    "               fichero), links ([{name, address, web}]) y favourites\n"
    "               ([{name, icao}])\n"
    "  -h, --help   muestra esta ayuda\n";

std::string trimmed(std::string_view text) {
    while (!text.empty() && text::isScanBlank(static_cast<unsigned char>(text.front()))) {
        text.remove_prefix(1);
    }
    while (!text.empty() && text::isScanBlank(static_cast<unsigned char>(text.back()))) {
        text.remove_suffix(1);
    }
    return std::string(text);
}

// The code a favourite puts into the selection.
std::string favouriteCode(const SessionState& session, int index) {
    SessionState probe;
    probe.links = session.links;
    pickFavourite(probe, index);
    return probe.selection.icao.str();
}

} // namespace

int runEnlaces(std::span<const std::string> args) {
    static const std::array<OptionSpec, 3> specs = {{{"--json", 0}, {"-h", 0}, {"--help", 0}}};
    const Arguments parsed(args, specs);
    if (const auto done = finishIfUsage("enlaces", parsed, {kHelp})) {
        return *done;
    }
    if (!parsed.positional().empty()) {
        writeLine(stderr, "brisalta-cli enlaces: sobra «" + parsed.positional()[0] + "»");
        return kExitUsage;
    }
    const XdgPlaces places(XdgPlaces::resolveDataFolder());
    SessionState session;
    const LinkFilesFound found = loadLinkLists(session.links, places.settingsFolder());
    const LinkLists& lists = session.links;

    if (parsed.has("--json")) {
        QJsonArray links;
        for (int i = 0; i < lists.linkCount; ++i) {
            const std::string& stored = lists.linkAddresses[static_cast<std::size_t>(i)];
            QJsonObject link;
            link[QStringLiteral("name")] = toQString(trimmed(lists.linkNames[static_cast<std::size_t>(i)]));
            link[QStringLiteral("address")] = toQString(trimmed(stored));
            link[QStringLiteral("web")] = webAddressOf(stored).has_value();
            links.append(link);
        }
        QJsonArray favourites;
        for (int i = 0; i < lists.favouriteCount; ++i) {
            QJsonObject favourite;
            favourite[QStringLiteral("name")] =
                toQString(trimmed(lists.favouriteNames[static_cast<std::size_t>(i)]));
            favourite[QStringLiteral("icao")] = toQString(favouriteCode(session, i));
            favourites.append(favourite);
        }
        QJsonObject object;
        object[QStringLiteral("linksFile")] = found.links;
        object[QStringLiteral("favouritesFile")] = found.favourites;
        object[QStringLiteral("links")] = links;
        object[QStringLiteral("favourites")] = favourites;
        writeJson(stdout, object);
        return kExitOk;
    }

    const std::string folder = places.settingsFolder().string();
    if (!found.links) {
        writeLine(stdout, "Internet: no hay fichero " + std::string(kLinksFileName) + " en " +
                              folder + " (el submenú no aparece).");
    } else {
        writeLine(stdout, "Internet (" + std::string(kLinksFileName) + "):");
        for (int i = 0; i < lists.linkCount; ++i) {
            const std::string& stored = lists.linkAddresses[static_cast<std::size_t>(i)];
            std::string line = "  " + std::to_string(i + 1) + ". " +
                               text::toUtf8(trimmed(lists.linkNames[static_cast<std::size_t>(i)])) +
                               ": " + text::toUtf8(trimmed(stored));
            if (!webAddressOf(stored)) {
                line += " (no es una dirección web: no se abre)";
            }
            writeLine(stdout, line);
        }
    }
    if (!found.favourites) {
        writeLine(stdout, "Preferidas: no hay fichero " + std::string(kFavouritesFileName) +
                              " en " + folder + " (el submenú no aparece).");
    } else {
        writeLine(stdout, "Preferidas (" + std::string(kFavouritesFileName) + "):");
        for (int i = 0; i < lists.favouriteCount; ++i) {
            writeLine(stdout, "  " + std::to_string(i + 1) + ". " +
                                  text::toUtf8(trimmed(
                                      lists.favouriteNames[static_cast<std::size_t>(i)])) +
                                  ": " + text::toUtf8(favouriteCode(session, i)));
        }
    }
    return kExitOk;
}

} // namespace brisalta::cli
