// Where things go on "Techo por horas": one panel of the graph's family, the
// 24 hours of the graph across and the height in metres up, with rows of the
// hour's values under the hour axis. Design units of the 800 × 600 space;
// pure functions, nothing here draws.
#pragma once

#include "graph/graphgeometry.h"
#include "session/ceilinghours.h"

#include <string_view>

namespace brisalta {

inline constexpr int kHoursLeft = 84;                                // X of the left edge of slot 0
inline constexpr int kHourWidth = 27;                                // design units per hour
inline constexpr int kHoursRight = kHoursLeft + kSlots * kHourWidth; // 732
inline constexpr int kHoursTop = 66;     // Y of the top of the height scale
inline constexpr int kHoursBottom = 366; // Y of the bottom of the height scale, the hour axis

// Left edge and centre of slot i.
inline constexpr int slotLeft(int slot) {
    return kHoursLeft + slot * kHourWidth;
}
inline constexpr int slotCentre(int slot) {
    return slotLeft(slot) + kHourWidth / 2;
}

// A scale from `lowest` to `highest` metres in round steps (100, 200, 250,
// 500, 1000, 2000 or 2500 m, the smallest that needs at most 8 of them), its
// ends on whole steps, at least one step tall.
HeightScale heightScaleFor(double lowest, double highest);

// Design Y (a real, the caller truncates after converting) of a height on the
// scale: kHoursBottom at the bottom, kHoursTop at the top.
double heightY(const HeightScale& scale, double metres);

// The short Spanish name of a direction in degrees ("N", "NNE", … "SO", "O",
// "NNO"), on the same sectors as the simulation's long names.
std::string_view directionAbbreviation(int degrees);

} // namespace brisalta
