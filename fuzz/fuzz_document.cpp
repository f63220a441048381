// Fuzz target: opening a ".brl" document.
#include "fuzzsupport.h"

#include "document/documentfile.h"
#include "session/sessionstate.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brisalta;
    SessionState session;
    openDocument(session, fuzz::writeInput("documento.brl", data, size));
    return 0;
}
