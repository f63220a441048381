// Shifting an observation time from UTC to the user's local time.
#pragma once

namespace brisalta {

// Adds `offset` whole hours to an observation given as a day of the month and
// a time hhmm (hours x 100 + minutes, UTC), changing both in place.
//
// A positive offset adds one hour at a time and moves to the next day each
// time the clock passes 2359. A negative offset first steps back one day when
// the time is earlier than the offset, then adds 24 + offset hours wrapping at
// midnight. The day is never carried into the month, so day 0 and day 32 are
// possible; the caller's month and year are never touched.
void applyTimeOffset(int& day, int& hhmm, int offset);

} // namespace brisalta
