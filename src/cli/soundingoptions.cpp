// Options and dialogs shared by the sounding subcommands.
#include "cli/soundingoptions.h"

#include "app/soundingcommands.h"
#include "app/viewcommands.h"
#include "cli/output.h"
#include "diagram/ceilingsimulation.h"

namespace brisalta::cli {

const char* const kSoundingOptionsHelp =
    "  --zoom                 dibuja solo los 6000 m más bajos (como «Zoom»)\n"
    "  --techo T TD           simula el techo de las térmicas para una temperatura T\n"
    "                         (de -30 a 60 ºC) y un punto de rocío TD (de -30 a\n"
    "                         50 ºC) en superficie, como «Simulación techo», y\n"
    "                         escribe su frase\n";

void addSoundingOptionSpecs(std::vector<OptionSpec>& specs) {
    specs.push_back({"--zoom", 0});
    specs.push_back({"--techo", 2});
}

bool readSoundingOptions(const Arguments& args, SoundingOptions& options, std::string& error) {
    options.zoom = args.has("--zoom");
    if (args.has("--techo")) {
        const std::vector<std::string>& values = args.values("--techo");
        CeilingInputs inputs;
        if (values.size() != 2 || !parseInt(values[0], inputs.temperature) ||
            !parseInt(values[1], inputs.dewPoint) || !ceilingInputsInRange(inputs)) {
            error = "--techo necesita dos números enteros: la temperatura, de -30 a 60 ºC, y el "
                    "punto de rocío, de -30 a 50 ºC";
            return false;
        }
        options.ceiling = inputs;
    }
    return true;
}

void applySoundingOptions(CommandContext& context, AnsweringUi& ui, const SoundingOptions& options) {
    SessionState& s = context.session;
    if (options.zoom && s.view.soundingShown) {
        ViewCommands(context).zoom();
    }
    if (options.ceiling) {
        ui.ceilingInputs = options.ceiling;
        SoundingCommands(context).ceiling();
    }
}

void printCeilingResult(std::FILE* stream, const SessionState& session,
                        const SoundingOptions& options) {
    if (!options.ceiling || !session.view.soundingShown) {
        return;
    }
    const std::string sentence = ceilingResultSentence(session);
    if (sentence.empty()) {
        writeLine(stream, "La simulación no encuentra ni el techo de las térmicas ni la base de "
                          "los cúmulos.");
    } else {
        writeText(stream, sentence + "\n");
    }
}

} // namespace brisalta::cli
