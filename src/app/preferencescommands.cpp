// Preferences, list editors, links and favourites.
#include "app/preferencescommands.h"

#include "app/graphcommands.h"
#include "settings/listfile.h"
#include "settings/meteoini.h"
#include "text/codepage.h"

namespace brisalta {

PreferencesFields preferenceFieldsOf(const StationSelection& selection) {
    PreferencesFields fields;
    fields.country = selection.country.str();
    fields.icao = selection.icao.str();
    fields.soundingStationId = selection.soundingStationId;
    fields.soundingStationName = selection.soundingStationName;
    fields.timeOffsetHours = selection.timeOffsetHours;
    fields.apiKey = selection.apiKey;
    return fields;
}

void setListFields(StationSelection& selection, const PreferencesFields& fields) {
    StationSelection chosen;
    chosen.country = fields.country;
    chosen.icao = fields.icao;
    chosen.soundingStationId = fields.soundingStationId;
    chosen.soundingStationName = fields.soundingStationName;
    adoptListChoices(selection, chosen);
}

std::string preferencesNotSavedMessage() {
    return text::cp1252("No se han podido guardar las preferencias en el fichero meteo.ini. "
                        "Los valores elegidos valen hasta que se cierre el programa.");
}

LinkFilesFound PreferencesCommands::loadLinks() {
    return loadLinkLists(mContext.session.links, mContext.places.settingsFolder());
}

std::optional<PreferencesSaved> PreferencesCommands::preferences() {
    SessionState& session = mContext.session;
    const std::filesystem::path folder = mContext.places.settingsFolder();
    const ListEditorFiles files{folder / kLinksFileName, folder / kFavouritesFileName,
                                session.view.headerTitle};
    const PreferencesAnswer answer =
        mContext.ui.askPreferences(preferenceFieldsOf(session.selection), files);
    // What the lists chose stays for the run, whether saved or not.
    setListFields(session.selection, answer.fields);
    if (!answer.confirmed) {
        return std::nullopt;
    }
    const PreferencesSaved saved =
        confirmPreferences(session, {answer.fields.timeOffsetHours, answer.fields.apiKey},
                           folder / kSettingsFileName);
    switch (saved) {
    case PreferencesSaved::InvalidIcao:
        mContext.ui.showMessage(invalidIcaoMessage());
        break;
    case PreferencesSaved::NotWritten:
        // The user pressed "Guardar": keeping quiet would let them believe
        // the next start will remember these values.
        mContext.ui.showMessage(preferencesNotSavedMessage(), MessageIcon::Exclamation);
        break;
    case PreferencesSaved::Saved:
        break;
    }
    return saved;
}

void PreferencesCommands::editLinks() {
    mContext.ui.editLinks(mContext.places.settingsFolder() / kLinksFileName);
}

void PreferencesCommands::editFavourites() {
    const SessionState& session = mContext.session;
    mContext.ui.editFavourites(mContext.places.settingsFolder() / kFavouritesFileName,
                               session.view.headerTitle, session.selection.icao.str());
}

void PreferencesCommands::openLink(int index) {
    const LinkLists& lists = mContext.session.links;
    if (index < 0 || index >= lists.linkCount ||
        index >= static_cast<int>(lists.linkAddresses.size())) {
        return;
    }
    const std::string& stored = lists.linkAddresses[static_cast<std::size_t>(index)];
    const std::optional<std::string> address = webAddressOf(stored);
    if (!address) {
        mContext.ui.showMessage(refusedLinkMessage(stored), MessageIcon::Exclamation);
        return;
    }
    if (!mContext.ui.openWebAddress(*address)) {
        mContext.ui.showMessage(text::cp1252("No se ha podido abrir la dirección «") + *address +
                                    text::cp1252("» en el navegador web."),
                                MessageIcon::Exclamation);
    }
}

void PreferencesCommands::openFavourite(int index) {
    if (pickFavourite(mContext.session, index)) {
        GraphCommands(mContext).showGraph();
    }
}

} // namespace brisalta
