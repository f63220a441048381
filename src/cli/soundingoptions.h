// What "sondeo" and "prevision" share: the options --zoom and --techo, the
// dialogs of the sounding commands answered from the command line, and the
// zoom and ceiling simulation run after the sounding has been read.
#pragma once

#include "app/commandcontext.h"
#include "ports/ui.h"
#include "cli/arguments.h"

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace brisalta::cli {

struct SoundingOptions {
    bool zoom = false;                    // --zoom: the lowest 6000 m
    std::optional<CeilingInputs> ceiling; // --techo T TD
};

// Appends the specs of --zoom and --techo.
void addSoundingOptionSpecs(std::vector<OptionSpec>& specs);

// Reads the options. False, with a Spanish error text (UTF-8), for a --techo
// whose values are not whole degrees within the dialog's limits.
bool readSoundingOptions(const Arguments& args, SoundingOptions& options, std::string& error);

// The help lines of the two options.
extern const char* const kSoundingOptionsHelp;

// A Ui that answers the sounding dialogs with the values of the command line
// and hands everything else (messages, repaints) to the run's own Ui. A dialog
// without a value is cancelled.
class AnsweringUi : public Ui {
public:
    explicit AnsweringUi(Ui& inner) : mInner(inner) {}

    std::optional<SoundingDateAnswer> dateAnswer;
    std::optional<std::string> stationNumber;
    std::optional<CeilingInputs> ceilingInputs;
    std::optional<std::filesystem::path> forecastFile;

    void showMessage(const std::string& text, MessageIcon icon, const std::string& caption) override {
        mInner.showMessage(text, icon, caption);
    }
    void setBusy(bool busy) override { mInner.setBusy(busy); }
    void showDownloadPicture(int variant) override { mInner.showDownloadPicture(variant); }
    void redraw() override { mInner.redraw(); }
    void showStatus(const std::string& text) override { mInner.showStatus(text); }
    void documentUsed(const std::filesystem::path& path) override { mInner.documentUsed(path); }

    std::optional<SoundingDateAnswer> askSoundingDate(const std::string&, std::int64_t) override {
        return dateAnswer;
    }
    std::optional<std::string> askSoundingStationNumber() override { return stationNumber; }
    std::optional<CeilingInputs> askCeilingInputs() override { return ceilingInputs; }
    std::optional<std::filesystem::path> chooseForecastFile() override { return forecastFile; }

private:
    Ui& mInner;
};

// After the command has read the sounding: "Zoom" and "Simulación techo" as
// the window runs them (the context's Ui must be an AnsweringUi).
void applySoundingOptions(CommandContext& context, AnsweringUi& ui, const SoundingOptions& options);

// Text mode: the simulation's sentence on `stream`, or a line saying that it
// found neither a thermal top nor a cumulus base. Nothing without --techo or
// when no sounding is shown.
void printCeilingResult(std::FILE* stream, const SessionState& session,
                        const SoundingOptions& options);

} // namespace brisalta::cli
