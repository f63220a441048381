// The wait cursor for the length of a scope, so that every way out of a reader
// turns it off again.
#pragma once

#include "ports/ui.h"

namespace brisalta {

class BusyCursor {
public:
    explicit BusyCursor(Ui& ui) : mUi(ui) { mUi.setBusy(true); }
    ~BusyCursor() { mUi.setBusy(false); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    Ui& mUi;
};

} // namespace brisalta
