// The printed page on a real printer: the print dialog, and the print preview
// with its own button to print.
#pragma once

#include "ports/ui.h"

class QPrinter;
class QWidget;

namespace brisalta::ui {

// Sets the job's orientation and name on the printer. The orientation is set
// again after the dialog, as every page is prepared, so the page always comes
// out the way it was laid out.
void preparePrinter(QPrinter& printer, const PrintJob& job);

// The print dialog, then the page on the printer chosen.
PrintOutcome printWithDialog(QWidget* parent, const PrintJob& job);

// The print preview of the page; printing from it prints the same page.
PrintOutcome previewWithDialog(QWidget* parent, const PrintJob& job);

} // namespace brisalta::ui
