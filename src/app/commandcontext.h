// What every command needs to reach: the session, the four ports and the
// service addresses. The window and the command-line tool each build one.
#pragma once

#include "ports/clock.h"
#include "ports/places.h"
#include "ports/transport.h"
#include "ports/ui.h"
#include "session/sessionstate.h"
#include "settings/services.h"

namespace brisalta {

struct CommandContext {
    SessionState& session;
    Ui& ui;
    Transport& transport;
    Places& places;
    Clock& clock;
    const ServiceTable& services;
};

} // namespace brisalta
