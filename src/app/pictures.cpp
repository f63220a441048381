// Preparing the pictures on screen.
#include "app/pictures.h"

#include "catalogues/airportcatalogue.h"
#include "diagram/soundingdiagram.h"
#include "graph/graphrenderer.h"

namespace brisalta {

void preparePictures(SessionState& session) {
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
}

void redrawPictures(CommandContext& context) {
    preparePictures(context.session);
    context.ui.redraw();
}

} // namespace brisalta
