// Every hour of the graph through the ceiling simulation.
#include "ceilinghours/ceilingbyhour.h"

#include "diagram/ceilingsimulation.h"
#include "diagram/soundingdiagram.h"
#include "diagram/soundinggeometry.h"
#include "graph/graphrenderer.h"

#include <algorithm>

namespace brisalta {
namespace {

struct Ceiling {
    std::optional<double> top;
    std::optional<double> cloudBase;
    std::optional<int> windSpeed;
    std::optional<int> windDirection;
};

bool accepted(int temperature, int dewPoint) {
    return temperature >= kLowestCeilingTemperature && temperature <= kHighestCeilingTemperature &&
           dewPoint >= kLowestCeilingDewPoint && dewPoint <= kHighestCeilingDewPoint;
}

// Runs the simulation on a copy of the session that shows the sounding on the
// full diagram; every run starts from a fresh request, so nothing one hour
// found (the kind of result already shown, the wind worked out once per
// request) reaches the next.
class CeilingRunner {
public:
    explicit CeilingRunner(const SessionState& session) : mScratch(session) {
        mScratch.view.soundingShown = true;
        mScratch.view.soundingZoom = false;
        const SoundingProfile& s = mScratch.sounding;
        const std::size_t count =
            std::min(static_cast<std::size_t>(std::max(0, s.count)), s.levels.size());
        if (count == 0) {
            return;
        }
        const SoundingRow& lowest = s.levels.front();
        const SoundingGeometry g = soundingGeometry(lowest[kHeight], false);
        mValid = g.valid();
        mGround = g.h0;
    }

    bool valid() const { return mValid; }
    int ground() const { return mGround; }

    Ceiling run(int temperature, int dewPoint) {
        dewPoint = std::min(dewPoint, temperature);
        if (!mValid || !accepted(temperature, dewPoint)) {
            return {};
        }
        mScratch.ceiling = CeilingSimulation{};
        startCeilingSimulation(mScratch, temperature, dewPoint);
        CeilingSimulation state = mScratch.ceiling;
        const SoundingModel model = prepareSounding(mScratch, state);
        Ceiling c;
        switch (model.ceiling.mark) {
        case CeilingPicture::Mark::ThermalTop:
            c.top = state.thermalTopHeight;
            break;
        case CeilingPicture::Mark::CloudBase:
            c.top = state.cloudBaseHeight;
            c.cloudBase = state.cloudBaseHeight;
            break;
        case CeilingPicture::Mark::None:
            // A parcel colder than the lowest level's air stays on the ground.
            if (state.parcelTooCold) {
                c.top = static_cast<double>(mGround);
            }
            return c;
        }
        c.windSpeed = state.ceilingWindSpeed;
        c.windDirection = state.ceilingWindDirection;
        return c;
    }

private:
    SessionState mScratch;
    bool mValid = false;
    int mGround = 0; // m, the lowest level truncated
};

std::optional<int> present(int value) {
    return value == kMissing ? std::nullopt : std::optional<int>(value);
}

} // namespace

CeilingHours simulateCeilingHours(const SessionState& session) {
    CeilingHours result;
    const GraphModel graph = prepareGraph(session);
    result.axisStartHour = graph.axisStartHour;
    if (session.graph.altitudeKnown) {
        result.airportElevation = session.graph.altitudeMetres;
    }
    for (int i = 0; i < kSlots; ++i) {
        CeilingHour& h = result.hours[static_cast<std::size_t>(i)];
        h.hour = ((graph.axisStartHour + i) % 24 + 24) % 24;
        if (graph.drawable) {
            h.temperature = present(graph.series.temperature[static_cast<std::size_t>(i)]);
            h.dewPoint = present(graph.series.dewPoint[static_cast<std::size_t>(i)]);
        }
    }
    if (!session.view.graphAvailable || !session.view.soundingAvailable || !graph.drawable) {
        return result;
    }
    CeilingRunner runner(session);
    if (!runner.valid()) {
        return result;
    }
    result.simulated = true;
    result.soundingGround = runner.ground();
    for (CeilingHour& h : result.hours) {
        if (!h.temperature || !h.dewPoint) {
            continue;
        }
        const int t = *h.temperature;
        const Ceiling at = runner.run(t, *h.dewPoint);
        h.thermalTop = at.top;
        h.cloudBase = at.cloudBase;
        h.topWindSpeed = at.windSpeed;
        h.topWindDirection = at.windDirection;
        h.lowerBand = runner.run(t - 1, *h.dewPoint).top;
        h.upperBand = runner.run(t + 1, *h.dewPoint).top;
    }
    return result;
}

} // namespace brisalta
