// Preparing the pictures on screen.
#include "app/pictures.h"

#include "catalogues/airportcatalogue.h"
#include "ceilinghours/ceilinghourspicture.h"
#include "diagram/soundingdiagram.h"
#include "graph/graphrenderer.h"

#include <utility>

namespace brisalta {

void preparePictures(SessionState& session) {
    // Showing the graph or the sounding again takes "Techo por horas" off.
    if (session.view.graphShown || session.view.emaGraphShown || session.view.soundingShown) {
        session.view.ceilingHoursShown = false;
    }
    if (session.view.graphShown || session.view.emaGraphShown) {
        // A live airport graph is titled with the catalogue's name of the
        // airport its data came from, never with the one selected since.
        const std::optional<std::string> airportName =
            session.view.graphStation.empty()
                ? std::nullopt
                : airports::displayNameOf(session.view.graphStation);
        GraphModel model = prepareGraph(session, airportName);
        applyGraphModel(session, model);
        // The first preparation validates the series; the picture, its header
        // lines and the extremes are then those of the validated series, the
        // graph every later look at it shows.
        if (model.drawable) {
            model = prepareGraph(session, airportName);
            applyGraphModel(session, model);
        }
        session.view.pictures.graph = model;
    }
    // Drawing the graph takes the sounding off the screen.
    if (session.view.soundingShown) {
        CeilingSimulation ceiling = session.ceiling;
        const SoundingModel model = prepareSounding(session, ceiling);
        applySoundingModel(session, model, ceiling);
        session.view.pictures.sounding = model;
    }
    // Worked out again from the graph and the sounding as they are now.
    if (session.view.ceilingHoursShown) {
        CeilingHoursModel model = prepareCeilingHours(session);
        session.view.commands = model.commands;
        session.view.pictures.ceilingHours = std::move(model);
    }
}

void redrawPictures(CommandContext& context) {
    preparePictures(context.session);
    context.ui.redraw();
}

} // namespace brisalta
