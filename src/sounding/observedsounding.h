// Observed soundings: the page of the text-list service or of the second
// service read into the levels of a sounding, checked against the limits of a
// real atmosphere. Nothing here shows a message or touches the session.
#pragma once

#include "session/sessionstate.h"
#include "text/streamreader.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace brisalta {

struct ObservedSounding {
    enum class Problem {
        None,
        NoValidData,   // no table header, or a second-service table without levels
        NotEnoughData, // a text-list header without a single row
    };
    Problem problem = Problem::None;

    std::vector<SoundingRow> rows; // lowest level first; knots (text list) or km/h (second service)
    // Every checked row lies within the observed limits. The text list leaves
    // its top row unchecked; the second service checks all 102.
    bool withinLimits = false;

    // Text list only, once its header was found: the station text of the
    // header ("72357 OUN Norman ") and whether the first row was padded.
    std::optional<std::string> stationText;
    bool partialFirstRow = false;
    bool truncated = false;       // more rows than kMirrorRows: only the first were kept
    std::int64_t tableRows = 0;   // rows the page's table had

    // Second service only: lines saying "Invalid arguments passed" (a date the
    // service does not have), each of which the user hears about.
    int invalidArgumentLines = 0;
};

// A text-list page (read in text mode).
ObservedSounding readTextListSounding(text::StreamReader& page);

// A second-service page (read in text mode): the table is cut out of the page
// and resampled into exactly 102 levels.
ObservedSounding readSecondServiceSounding(text::StreamReader& page);

} // namespace brisalta
