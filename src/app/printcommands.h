// Printing: "Imprimir..." (also the table dialogs' "Imprimir") and "Vista
// preliminar". Both put the same page on paper or on screen.
#pragma once

#include "app/commandcontext.h"

namespace brisalta {

class PrintCommands {
public:
    explicit PrintCommands(CommandContext& context) : mContext(context) {}

    // The print dialog, then the page; a cancelled dialog prints nothing.
    void print();

    // The page in a print preview, from where it can be printed.
    void preview();

private:
    void tellFailure(PrintOutcome outcome);

    CommandContext& mContext;
};

// The job of the page as things are on screen: its orientation, its name in
// the print queue and the page itself (see paintPrintedPage). The job reads
// the session when it paints.
PrintJob printJob(const SessionState& session);

// "No se ha podido imprimir: no hay ninguna impresora disponible o no responde.",
// Windows-1252.
std::string printFailedMessage();

} // namespace brisalta
