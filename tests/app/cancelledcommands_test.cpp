// A command whose transfer is cancelled (the "Cancelar" button, Escape,
// Ctrl+C) or fails stops there and leaves the picture on screen, its data and
// its title as they were; a cancel is not reported as a failure.
#include "app/commandcontext.h"
#include "app/emacommands.h"
#include "app/graphcommands.h"
#include "app/pictures.h"
#include "app/soundingcommands.h"

#include "support/scriptedui.h"
#include "support/testplaces.h"

#include <gtest/gtest.h>

#include <functional>

namespace brisalta {
namespace {

// Every transfer ends as the user's cancel (or a failure) ends it. The real
// cancel, against a loopback server, is in the window's and the tool's tests.
class EndingTransport : public Transport {
public:
    explicit EndingTransport(TransferFailure failure, std::string error)
        : mFailure(failure), mError(std::move(error)) {}
    TransferResult httpGet(const std::string&, const std::vector<std::string>&,
                           const ReadSink&) override {
        return ended();
    }
    TransferResult download(const std::string&, const std::string&) override { return ended(); }
    TransferResult ftpRetrieve(const std::string&, const std::string&, const std::string&,
                               const std::string&) override {
        return ended();
    }
    int transfers = 0;

private:
    TransferResult ended() {
        ++transfers;
        TransferResult r;
        r.failure = mFailure;
        r.error = mError;
        return r;
    }
    TransferFailure mFailure;
    std::string mError;
};

class StatusUi : public test::ScriptedUi {
public:
    void showStatus(const std::string& text) override { statuses.push_back(text); }
    std::optional<AutomaticStationAnswer>
    askAutomaticStation(const std::string&, const std::vector<std::string>&) override {
        return AutomaticStationAnswer{true, -1, "3195"};
    }
    std::vector<std::string> statuses;
};

void putGraphOnScreen(SessionState& s) {
    s.view.graphShown = true;
    s.view.graphAvailable = true;
    s.selection.icao = "LEMD";
    s.selection.apiKey = "clave";
    for (int i = 0; i < kSlots; ++i) {
        s.graph.hour[i] = i;
        s.graph.temperature[i] = 20 + i % 5;
        s.graph.dewPoint[i] = 8;
        s.graph.pressure[i] = 1015;
        s.graph.windSpeed[i] = 10;
        s.graph.windDirection[i] = "SW";
    }
    s.selection.soundingStationId = "72357";
    s.selection.soundingDay = "17";
    s.selection.soundingMonth = "7";
    s.selection.soundingYear = "2024";
    s.selection.soundingHour = "12";
}

struct Picture {
    bool graphShown, soundingShown, emaGraphShown;
    std::string title, header;
    int temperature;
    bool operator==(const Picture&) const = default;
};

Picture pictureOf(const SessionState& s) {
    return {s.view.graphShown, s.view.soundingShown, s.view.emaGraphShown,
            s.graph.title,     s.view.headerLine1,   s.graph.temperature[3]};
}

TEST(CancelledCommands, ThePictureOnScreenStaysAsItWas) {
    struct Case {
        const char* command;
        std::function<void(CommandContext&)> run;
    };
    const Case commands[] = {
        {"show graph", [](CommandContext& c) { GraphCommands(c).showGraph(); }},
        {"Banyeres graph",
         [](CommandContext& c) {
             c.session.selection.icao = "BANY";
             GraphCommands(c).showGraph();
         }},
        {"show sounding", [](CommandContext& c) { SoundingCommands(c).showSounding(); }},
        {"automatic station", [](CommandContext& c) { EmaCommands(c).automaticStation(); }},
    };
    for (const Case& command : commands) {
        for (const bool cancel : {true, false}) {
            SCOPED_TRACE(std::string(command.command) + (cancel ? ", cancelled" : ", failed"));
            test::ScratchPlaces places;
            StatusUi ui;
            SessionState session;
            ServiceTable services;
            test::FixedClock clock{0};
            EndingTransport transport(
                cancel ? TransferFailure::Cancelled : TransferFailure::TimedOut,
                cancel ? "Se ha cancelado la descarga." : "El servidor x no contesta.");
            CommandContext context{session, ui, transport, places, clock, services};
            putGraphOnScreen(session);
            redrawPictures(context);
            const std::string icao = session.selection.icao.str();
            const Picture before = pictureOf(session);

            command.run(context);
            session.selection.icao = icao;

            // A cancel stops the whole chain of sources; a source that does not
            // answer only hands over to the next one.
            if (cancel) {
                EXPECT_EQ(transport.transfers, 1) << "nothing more is asked after it";
            } else {
                EXPECT_GE(transport.transfers, 1);
            }
            EXPECT_TRUE(pictureOf(session) == before);
            if (cancel) {
                EXPECT_TRUE(ui.messages.empty()) << ui.messageTexts()[0];
                EXPECT_EQ(ui.statuses.size(), 1u);
            } else {
                ASSERT_FALSE(ui.messages.empty());
                EXPECT_NE(ui.messageTexts()[0].find("contest"), std::string::npos)
                    << ui.messageTexts()[0];
            }
        }
    }
}

} // namespace
} // namespace brisalta
