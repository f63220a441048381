// The rows of the command table, in menu order.
#include "app/commandtable.h"

#include "app/ceilinghourscommands.h"
#include "app/commandids.h"
#include "app/commandset.h"
#include "session/sessionstate.h"

#include <algorithm>

namespace brisalta {
namespace {

// Enable rules of the commands that depend on the picture on screen.
bool tableOn(const SessionState& s) { return s.view.commands.tableEnabled; }
bool cloudsOn(const SessionState& s) { return s.view.commands.cloudsEnabled; }
bool qnhOn(const SessionState& s) { return s.view.commands.qnhEnabled; }
bool ceilingOn(const SessionState& s) { return s.view.commands.ceilingEnabled; }
bool swapOn(const SessionState& s) { return s.view.commands.swapEnabled; }
bool printOn(const SessionState& s) { return s.view.commands.printEnabled; }
bool saveAsOn(const SessionState& s) { return s.view.commands.saveAsEnabled; }
bool statsOn(const SessionState& s) { return s.view.commands.statsEnabled; }
bool zoomOn(const SessionState& s) { return s.view.commands.zoomEnabled; }

// A separator or a list of entries built at run time, placed in a menu.
CommandRow placeholder(MenuItemKind kind, std::string_view menu, int id = 0) {
    CommandRow row;
    row.id = id;
    row.kind = kind;
    row.menu = menu;
    return row;
}

std::vector<CommandRow> buildTable() {
    using K = MenuItemKind;
    std::vector<CommandRow> rows = {
        // Archivo
        {cmd::kOpen, K::Command, "&Archivo", "&Abrir...\tCtrl+A", "Ctrl+A",
         "Abre un documento ya existente\nAbrir", "open",
         [](CommandSet& c) { c.document.open(); }},
        {cmd::kSaveAs, K::Command, "&Archivo", "&Guardar como...\tCtrl+G", "Ctrl+G",
         "Guarda el documento activo con un nuevo nombre\nGuardar como", "save",
         [](CommandSet& c) { c.document.saveAs(); }, saveAsOn},
        {cmd::kExportExcelSingle, K::Command, "&Archivo/Exportar datos/Formato normal Excel",
         "Individual", "", "Crear un fichero para Excel con los datos de la gráfica o sondeo.", "",
         [](CommandSet& c) { c.exports.exportData(ExportFormat::Excel, ExportMode::Individual); }},
        {cmd::kExportExcelCombined, K::Command, "&Archivo/Exportar datos/Formato normal Excel",
         "Combinado", "", "Combinar con fichero Excel existente para crear una base de datos.", "",
         [](CommandSet& c) { c.exports.exportData(ExportFormat::Excel, ExportMode::Combined); }},
        {cmd::kExportCsvSingle, K::Command, "&Archivo/Exportar datos/Formato delimitado CSV",
         "Individual", "",
         "Crear un fichero delimitado CSV con los datos de la gráfica o sondeo.", "",
         [](CommandSet& c) { c.exports.exportData(ExportFormat::Csv, ExportMode::Individual); }},
        {cmd::kExportCsvCombined, K::Command, "&Archivo/Exportar datos/Formato delimitado CSV",
         "Combinado", "",
         "Combina con un fichero delimitado CSV existente los datos de la gráfica o sondeo, para "
         "crear una base de datos.",
         "", [](CommandSet& c) { c.exports.exportData(ExportFormat::Csv, ExportMode::Combined); }},
        {cmd::kPrint, K::Command, "&Archivo", "&Imprimir...\tCtrl+I", "Ctrl+I",
         "Imprime el documento activo\nImprimir", "print",
         [](CommandSet& c) { c.printing.print(); }, printOn},
        {cmd::kPrintPreview, K::Command, "&Archivo", "&Vista preliminar", "",
         "Muestra en pantalla la página tal como se imprimirá\nVista preliminar", "",
         [](CommandSet& c) { c.printing.preview(); }, printOn},
        placeholder(K::Separator, "&Archivo"),
        {cmd::kPreferences, K::Command, "&Archivo", "&Preferencias\tCtrl+P", "Ctrl+P",
         "Cambia el aeropuerto, el país, el sondeo, la diferencia horaria y la clave API que "
         "recuerda el programa\nPreferencias",
         "", [](CommandSet& c) { c.preferences.preferences(); }},
        placeholder(K::Separator, "&Archivo"),
        placeholder(K::RecentFiles, "&Archivo/Archivo reciente", cmd::kRecentFile),
        placeholder(K::Separator, "&Archivo"),
        {cmd::kExit, K::Command, "&Archivo", "&Salir", "", "Sale de la aplicación\nSalir", ""},
        // Ver
        {cmd::kToolbar, K::Command, "&Ver", "Barra de &herramientas", "",
         "Muestra u oculta la barra de herramientas\nBarra de herramientas", ""},
        // Gráficas
        {cmd::kShowGraph, K::Command, "&Gráficas", "&Mostrar\tCtrl+M", "Ctrl+M",
         "Muestra el gráfico de la estación seleccionada\nDibujar gráfica seleccionada", "graph",
         [](CommandSet& c) { c.graph.showGraph(); }},
        placeholder(K::AirportMenus, "&Gráficas/&Seleccionar"),
        {cmd::kManualStation, K::Command, "&Gráficas", "Ma&nual\tCtrl+N", "Ctrl+N",
         "Introduce a mano el identificador ICAO de la estación\nElección manual", "",
         [](CommandSet& c) { c.graph.manualStation(); }},
        placeholder(K::Separator, "&Gráficas"),
        {cmd::kStatistics, K::Command, "&Gráficas", "Estadísticas\tCtrl+X", "Ctrl+X",
         "Ver máximas y mínimas del día\nEstadísticas", "",
         [](CommandSet& c) { c.graph.statistics(); }, statsOn},
        {cmd::kClouds, K::Command, "&Gráficas", "Nu&bes\tCtrl+B", "Ctrl+B",
         "Muestra información sobre la nubosidad y otros fenómenos de interés.\nNubes e "
         "información complementaria.",
         "clouds", [](CommandSet& c) { c.graph.clouds(); }, cloudsOn},
        {cmd::kQnh, K::Command, "&Gráficas", "QNH\tCtrl+Q", "Ctrl+Q",
         "Intercambiar entre presión real y QNH\nIntercambiar entre presión real y QNH", "qnh",
         [](CommandSet& c) { c.graph.qnh(); }, qnhOn},
        {cmd::kTable, K::Command, "&Gráficas", "Datos horarios\tCtrl+H", "Ctrl+H",
         "Muestra los datos detallados\nDatos detallados", "table",
         [](CommandSet& c) { c.table.showTable(); }, tableOn},
        placeholder(K::FavouriteMenu, "&Gráficas"),
        {cmd::kAutomaticStation, K::Command, "&Gráficas", "Estaciones Automáticas (EMAs)\tCtrl+E",
         "Ctrl+E",
         "Muestra la gráfica de una estación automática de AEMET\nEstaciones Automáticas (EMAs)",
         "", [](CommandSet& c) { c.ema.automaticStation(); }},
        // Sondeos
        {cmd::kShowSounding, K::Command, "&Sondeos", "&Mostrar\tCtrl+S", "Ctrl+S",
         "Muestra el sondeo de la estación seleccionada\nDibujar sondeo seleccionado", "",
         [](CommandSet& c) { c.sounding.showSoundingDialog(); }},
        placeholder(K::SoundingMenus, "&Sondeos/Elegir sondeo"),
        {cmd::kManualSounding, K::Command, "&Sondeos", "Manual\tCtrl+D", "Ctrl+D",
         "Introduce a mano el número de la estación de sondeo\nSondeo manual", "",
         [](CommandSet& c) { c.sounding.manualSounding(); }},
        placeholder(K::Separator, "&Sondeos"),
        {cmd::kZoom, K::Command, "&Sondeos", "Zoom\tCtrl+Z", "Ctrl+Z",
         "Amplía/Reduce sondeo.\nAmplía/Reduce sondeo para mejor visualización", "zoom",
         [](CommandSet& c) { c.view.zoom(); }, zoomOn},
        {cmd::kCeiling, K::Command, "&Sondeos", "Simulación techo\tCtrl+T", "Ctrl+T",
         "Calcula el techo según condiciones\nSimulación de techo", "ceiling",
         [](CommandSet& c) { c.sounding.ceiling(); }, ceilingOn},
        // The same command as "Datos horarios": one identifier, one enable rule.
        {cmd::kTable, K::Command, "&Sondeos", "Datos detallados\tCtrl+H", "Ctrl+H",
         "Muestra los datos detallados\nDatos detallados", "",
         [](CommandSet& c) { c.table.showTable(); }, tableOn},
        {cmd::kCeilingHours, K::Command, "&Sondeos", "Techo por horas\tCtrl+U", "Ctrl+U",
         "Simula el techo de las térmicas en cada hora de la gráfica con el sondeo\nTecho por "
         "horas",
         "", [](CommandSet& c) { c.ceilingHours.show(); }, ceilingHoursAvailable},
        placeholder(K::Separator, "&Sondeos"),
        {cmd::kForecastSounding, K::Command, "&Sondeos", "Previsión Sondeo\tCtrl+R", "Ctrl+R",
         "Abre un sondeo previsto guardado desde el Air Resources Laboratory (NOAA)\nPrevisión "
         "Sondeo",
         "", [](CommandSet& c) { c.sounding.forecastSounding(); }},
        // Enlaces Web
        placeholder(K::LinkMenu, "Enlaces Web"),
        placeholder(K::Separator, "Enlaces Web"),
        {cmd::kLinksEditor, K::Command, "Enlaces Web", "Preferencias", "",
         "Edita los enlaces del submenú Internet\nEnlaces Web", "",
         [](CommandSet& c) { c.preferences.editLinks(); }},
        // Ayuda
        {cmd::kHelp, K::Command, "Ay&uda", "Ayuda\tF1", "F1",
         "Abre el manual de Brisalta\nAyuda", "", [](CommandSet& c) { c.help.help(); }},
        {cmd::kAbout, K::Command, "Ay&uda", "Acerca de Brisalta...", "",
         "Muestra información del programa, número de versión y copyright\nAcerca de...",
         "about", [](CommandSet& c) { c.help.about(); }},
        // Toolbar and accelerator only
        {cmd::kFavouritesEditor, K::Command, "", "", "",
         "Editar gráficas preferidas\nGráficas preferidas", "favourites",
         [](CommandSet& c) { c.preferences.editFavourites(); }},
        // Toolbar and accelerator (the swap also in "Ver")
        {cmd::kShowSoundingToolbar, K::Command, "", "", "",
         "Muestra el sondeo de la estación seleccionada\nDibujar sondeo seleccionado", "sounding",
         [](CommandSet& c) { c.sounding.showSoundingDialog(); }},
        // Also in "Ver", where a user looks for it.
        {cmd::kSwap, K::Command, "&Ver", "&Intercambiar gráfica y sondeo\tCtrl+V", "Ctrl+V",
         "Intercambia visualización entre gráfica y sondeo, si existen.\nIntercambiar imagen de "
         "gráfica y sondeo",
         "swap", [](CommandSet& c) { c.view.swap(); }, swapOn},
    };
    return rows;
}

} // namespace

const std::vector<CommandRow>& commandTable() {
    static const std::vector<CommandRow> rows = buildTable();
    return rows;
}

const CommandRow* findCommand(int id) {
    for (const CommandRow& row : commandTable()) {
        if (row.id == id && row.kind == MenuItemKind::Command) {
            return &row;
        }
    }
    return nullptr;
}

const std::vector<int>& toolbarLayout() {
    static const std::vector<int> layout = [] {
        // The full toolbar of the program; commands not in the table are left out,
        // and so is a separator that would end up doubled or at either end.
        const int full[] = {cmd::kOpen, cmd::kSaveAs, cmd::kPrint, 0, cmd::kFavouritesEditor,
                            cmd::kShowGraph, cmd::kClouds, cmd::kQnh, cmd::kTable, 0,
                            cmd::kShowSoundingToolbar, cmd::kCeiling, cmd::kZoom, cmd::kSwap, 0,
                            cmd::kAbout};
        std::vector<int> out;
        for (int id : full) {
            if (id == 0) {
                if (!out.empty() && out.back() != 0) {
                    out.push_back(0);
                }
            } else if (const CommandRow* row = findCommand(id); row && !row->icon.empty()) {
                out.push_back(id);
            }
        }
        while (!out.empty() && out.back() == 0) {
            out.pop_back();
        }
        return out;
    }();
    return layout;
}

std::vector<std::string_view> menuBarOrder() {
    std::vector<std::string_view> order;
    for (const CommandRow& row : commandTable()) {
        if (row.menu.empty()) {
            continue;
        }
        const std::string_view top = row.menu.substr(0, row.menu.find('/'));
        if (std::find(order.begin(), order.end(), top) == order.end()) {
            order.push_back(top);
        }
    }
    return order;
}

} // namespace brisalta
