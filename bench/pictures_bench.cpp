// The pictures: prepareGraph + paintGraph and the sounding diagram with the
// ceiling simulation (prepareSounding + paintSounding), on a canvas that draws
// nothing and on a 1920 x 1080 QImage; and the .brl round trip.
#include "benchdata.h"
#include "nullcanvas.h"

#include "diagram/ceilingsimulation.h"
#include "diagram/soundingdiagram.h"
#include "document/brisaltadocument.h"
#include "document/documentfile.h"
#include "graph/graphrenderer.h"
#include "render/qtcanvas.h"
#include "session/sessionstate.h"

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace brisalta::bench {
namespace {

// The documents the golden runs saved: the demo graph of Alicante-Elche and
// the Murcia sounding of 17 July 2024, 12 h.
std::unique_ptr<SessionState> openGolden(const char* path) {
    auto session = std::make_unique<SessionState>();
    if (openDocument(*session, testData() / "golden" / path).error) {
        std::fprintf(stderr, "brisalta_bench: no se puede abrir %s\n", path);
        std::exit(1);
    }
    return session;
}

std::unique_ptr<SessionState> graphSession() {
    auto session = openGolden("grafica-LEAL-json/g.brl");
    session->view.graphShown = true;
    session->view.graphAvailable = true;
    return session;
}

// The sounding with the simulation for 36 ºC and 18 ºC, which finds the cumulus base.
std::unique_ptr<SessionState> soundingSession() {
    auto session = openGolden("sondeo-murcia-36-18/s.brl");
    session->view.graphShown = false;
    session->view.soundingShown = true;
    session->view.soundingAvailable = true;
    startCeilingSimulation(*session, 36, 18);
    return session;
}

const VirtualScreen kScreen{1920, 1080, 96};

void prepareAndPaintGraph(DrawingCanvas& canvas, const SessionState& session) {
    const GraphModel model = prepareGraph(session);
    paintGraph(canvas, model, PageMapping::screen(session.view.drawScale));
}

void prepareAndPaintSounding(DrawingCanvas& canvas, const SessionState& session) {
    CeilingSimulation ceiling = session.ceiling;
    const SoundingModel model = prepareSounding(session, ceiling);
    paintSounding(canvas, model, PageMapping::screen(session.view.drawScale));
}

void Graph_NullCanvas(benchmark::State& state) {
    const auto session = graphSession();
    for (auto _ : state) {
        NullCanvas canvas;
        prepareAndPaintGraph(canvas, *session);
        benchmark::DoNotOptimize(canvas.operations());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(Graph_NullCanvas);

void Graph_Image1920(benchmark::State& state) {
    const auto session = graphSession();
    QImage image(1920, 1080, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        QtCanvas canvas(painter, kScreen);
        prepareAndPaintGraph(canvas, *session);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(Graph_Image1920)->Unit(benchmark::kMillisecond);

void Sounding_NullCanvas(benchmark::State& state) {
    const auto session = soundingSession();
    for (auto _ : state) {
        NullCanvas canvas;
        prepareAndPaintSounding(canvas, *session);
        benchmark::DoNotOptimize(canvas.operations());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(Sounding_NullCanvas);

void Sounding_Image1920(benchmark::State& state) {
    const auto session = soundingSession();
    QImage image(1920, 1080, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        QtCanvas canvas(painter, kScreen);
        prepareAndPaintSounding(canvas, *session);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(Sounding_Image1920)->Unit(benchmark::kMillisecond);

// Writes the session as a document and reads it back into a fresh one.
void roundTrip(benchmark::State& state, SessionState& session) {
    std::size_t bytes = 0;
    for (auto _ : state) {
        ArchiveWriter writer;
        serialize(writer, session);
        ArchiveReader reader(writer.bytes());
        SessionState read;
        benchmark::DoNotOptimize(serialize(reader, read));
        bytes += writer.bytes().size();
    }
    state.SetItemsProcessed(state.iterations());
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}

void Document_GraphRoundTrip(benchmark::State& state) {
    const auto session = graphSession();
    roundTrip(state, *session);
}
BENCHMARK(Document_GraphRoundTrip);

void Document_SoundingRoundTrip(benchmark::State& state) {
    const auto session = soundingSession();
    roundTrip(state, *session);
}
BENCHMARK(Document_SoundingRoundTrip);

} // namespace
} // namespace brisalta::bench
