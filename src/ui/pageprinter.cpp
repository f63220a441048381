// Print dialog and print preview.
#include "ui/pageprinter.h"

#include "render/pagepainter.h"
#include "ui/qtext.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace brisalta::ui {
namespace {

bool paintJob(QPrinter& printer, const PrintJob& job) {
    preparePrinter(printer, job);
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    if (job.paint) {
        paintPage(painter, job.paint);
    }
    return painter.end();
}

} // namespace

void preparePrinter(QPrinter& printer, const PrintJob& job) {
    printer.setPageOrientation(job.portrait ? QPageLayout::Portrait : QPageLayout::Landscape);
    printer.setDocName(toQt(job.documentName));
    printer.setCreator(tr8("Brisalta"));
}

PrintOutcome printWithDialog(QWidget* parent, const PrintJob& job) {
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer, job);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(tr8("Imprimir"));
    // One page: nothing is ever split over several.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialog.exec() != QDialog::Accepted) {
        return PrintOutcome::Cancelled;
    }
    return paintJob(printer, job) ? PrintOutcome::Printed : PrintOutcome::Failed;
}

PrintOutcome previewWithDialog(QWidget* parent, const PrintJob& job) {
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer, job);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(tr8("Vista preliminar"));
    bool failed = false;
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&job, &failed](QPrinter* target) {
                         // The preview paints on a printer already begun by it.
                         QPainter painter;
                         if (!painter.begin(target)) {
                             failed = true;
                             return;
                         }
                         if (job.paint) {
                             paintPage(painter, job.paint);
                         }
                         painter.end();
                     });
    const int answer = preview.exec();
    if (failed) {
        return PrintOutcome::Failed;
    }
    return answer == QDialog::Accepted ? PrintOutcome::Printed : PrintOutcome::Cancelled;
}

} // namespace brisalta::ui
