// Print and print preview.
#include "app/printcommands.h"

#include "printing/printedpage.h"
#include "text/codepage.h"

namespace brisalta {

PrintJob printJob(const SessionState& session) {
    PrintJob job;
    job.portrait = printOrientation(session) == PageOrientation::Portrait;
    std::string title = printTitle(session);
    const auto first = title.find_first_not_of(' ');
    job.documentName = first == std::string::npos ? std::string("Brisalta") : title.substr(first);
    job.paint = [&session](DrawingCanvas& canvas, int pageWidth) {
        paintPrintedPage(canvas, session, pageWidth);
    };
    return job;
}

std::string printFailedMessage() {
    return text::cp1252(
        "No se ha podido imprimir: no hay ninguna impresora disponible o no responde.");
}

void PrintCommands::print() { tellFailure(mContext.ui.printPage(printJob(mContext.session))); }

void PrintCommands::preview() { tellFailure(mContext.ui.previewPage(printJob(mContext.session))); }

void PrintCommands::tellFailure(PrintOutcome outcome) {
    if (outcome == PrintOutcome::Failed) {
        mContext.ui.showMessage(printFailedMessage(), MessageIcon::Exclamation);
    }
}

} // namespace brisalta
