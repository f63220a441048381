// The Clock port on the system clock and the C library's local-time rules
// (the TZ environment variable and the system time-zone database).
#pragma once

#include "ports/clock.h"

namespace brisalta {

class SystemClock : public Clock {
public:
    std::int64_t now() const override;
    std::int64_t localTime(const std::tm& fields) const override;
    std::tm toLocal(std::int64_t seconds) const override;
};

} // namespace brisalta
