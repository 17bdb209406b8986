#include "output/reportoutput.h"

#include "app/modal.h"
#include "output/reportrenderer.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace {

void setUp(QPrinter &printer, const PreparedReport &prepared)
{
    printer.setFullPage(true); // the painter's origin is the paper's corner, as the layout measures
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                      prepared.orientation == Report::Orientation::Landscape ? QPageLayout::Landscape
                                                                                             : QPageLayout::Portrait,
                                      QMarginsF(0, 0, 0, 0)));
}

// Draws the pages of the printer's page range.
bool paint(QPrinter &printer, const PreparedReport &prepared)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const int count = static_cast<int>(prepared.pages.size());
    int from = 1;
    int to = count;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        from = std::max(1, printer.fromPage());
        to = std::min(count, printer.toPage() > 0 ? printer.toPage() : count);
    }
    bool first = true;
    for (int page = from; page <= to; ++page) {
        if (!first)
            printer.newPage();
        first = false;
        ReportRenderer::paintPage(painter, prepared.pages[static_cast<size_t>(page - 1)]);
    }
    return painter.end();
}

} // namespace

namespace ReportOutput {

bool print(QWidget *parent, const Report &report)
{
    const PreparedReport prepared = ReportRenderer::prepare(report);
    QPrinter printer(QPrinter::HighResolution);
    setUp(printer, prepared);
    printer.setFromTo(0, 0);
    if (!Modal::instance().printDialog(parent, &printer))
        return false;
    if (!paint(printer, prepared))
        throw ReportError(QStringLiteral("Impossibile stampare sulla stampante %1.").arg(printer.printerName()));
    return true;
}

void preview(QWidget *parent, const Report &report)
{
    const PreparedReport prepared = ReportRenderer::prepare(report);
    QPrinter printer(QPrinter::HighResolution);
    setUp(printer, prepared);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Anteprima di stampa"));
    dialog.resize(1100, 800);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&prepared](QPrinter *target) { paint(*target, prepared); });
    Modal::instance().runDialog(&dialog);
}

} // namespace ReportOutput
