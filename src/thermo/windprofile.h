// Wind at a height of the sounding and the Spanish name of a direction: what
// the ceiling simulation quotes in its result sentence.
#pragma once

#include "session/sessionstate.h"

#include <span>
#include <string_view>

namespace brisalta {

// True when the profile's wind speeds are knots: soundings of the text-list
// service (neither a forecast nor from the second service). Others are km/h.
bool speedsInKnots(const SoundingProfile& profile);

struct WindAtHeight {
    int speed = 0;     // km/h
    int direction = 0; // degrees, not reduced modulo 360
};

// Interpolates wind at height H (m) between the levels that bracket it
// (h_i ≤ H ≤ h_{i+1}); when several pairs do, the last one wins. Speeds in
// knots are converted with 1.852 first. With f = (H − h_i) · 100 / (h_{i+1} − h_i):
// speed = trunc(f · (s_{i+1} − s_i) / 100 + s_i), and the direction turns from
// d_i towards d_{i+1} the short way round: direction = trunc(f · Δ / 100 + d_i)
// in 0…359, Δ being d_{i+1} − d_i brought into −180…180. So 10° → 350° gives
// 0° halfway and 170° → 190° gives 180°. Levels at equal heights give the lower
// level's wind. When no pair brackets H, `previous` comes back unchanged.
WindAtHeight windAtHeight(double heightMetres, std::span<const SoundingRow> rows, bool knots,
                          WindAtHeight previous);

// One of 16 Spanish names of a direction in whole degrees: "Norte" from 349
// (and below 12), "NorNoroeste" from 327, … "NorNoreste" from 12.
std::string_view directionName(int degrees);

} // namespace brisalta
