// Turns the records of an automatic-station answer into the 24-hour series the
// graph draws: dew points, alignment on the newest hour, missing values.
#pragma once

namespace brisalta {

struct SessionState;

// Runs after ReadOpenDataRecords(), on session.graph, with n = emaSlotCount
// records in slots 0..n-1 and s = 24 - n:
// 1. dew point of every slot: the delivered one ("tpr") when the answer had
//    any, else from humidity H and raw temperature T,
//    nearest((H/100)^0.125 · (0.9·T + 112) + 0.1·T − 112) (missing when H or T is);
// 2. the n records move to slots s..23; the first s slots become missing, their
//    hours counting back from the hour of slot s (they may go below 0);
// 3. wind speeds and pressures of 0 become missing; noWindSpeed / noPressure
//    when the whole series is missing;
// 4. directions move likewise; leading and empty ones become "Calma"; allCalm
//    when every slot is calm.
void finishOpenDataSeries(SessionState& session);

} // namespace brisalta
