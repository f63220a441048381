// Commands of the user's own settings: "Preferencias", the two list editors,
// and the entries of the "Internet" and "Preferidas" submenus.
#pragma once

#include "app/commandcontext.h"
#include "settings/linklists.h"
#include "settings/preferencechoices.h"

#include <optional>
#include <string>

namespace brisalta {

class PreferencesCommands {
public:
    explicit PreferencesCommands(CommandContext& context) : mContext(context) {}

    // Reads "Brisanet.ini" and "GrafPref.ini" of the settings folder into the
    // session's link tables, once at start. A list whose file is missing gets
    // no submenu; the answer says which files were there.
    LinkFilesFound loadLinks();

    // "&Preferencias" (Ctrl+P). The lists' choices stay in the selection for
    // the run even after "&Cancelar"; "&Guardar" stores the time offset and
    // the key and writes "meteo.ini" when the airport code has 4 characters,
    // and otherwise says why nothing was saved. Nothing when cancelled.
    std::optional<PreferencesSaved> preferences();

    // "Enlaces Web" > "Preferencias" and the preferences dialog's button.
    void editLinks();

    // The toolbar's "Editar gráficas preferidas" and the preferences dialog's
    // button; "Gráfica Actual" shows the graph last drawn.
    void editFavourites();

    // "Internet" entry `index` (0..9): a web address goes to the browser;
    // anything else is refused with a message and never run.
    void openLink(int index);

    // "Preferidas" entry `index` (0..3): selects its airport and draws its graph.
    void openFavourite(int index);

private:
    CommandContext& mContext;
};

// The preference fields of a selection, and a selection's fields set from them.
PreferencesFields preferenceFieldsOf(const StationSelection& selection);
void setListFields(StationSelection& selection, const PreferencesFields& fields);

// "No se han podido guardar las preferencias..." (Windows-1252): the settings
// file could not be written; the values hold until the program closes.
std::string preferencesNotSavedMessage();

} // namespace brisalta
