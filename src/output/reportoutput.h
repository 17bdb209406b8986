#pragma once

#include "output/report.h"

class QWidget;

// Printing and preview of a report: the print dialog and the preview window
// of the modal seam, drawing with the same renderer as the PDF.
namespace ReportOutput {

// Prepares the report afresh and prints it after the print dialog (printer,
// page range, copies; the default printer preselected). False when the
// dialog was cancelled and nothing was printed. Throws ReportError when the
// printer fails.
bool print(QWidget *parent, const Report &report);

// Prepares the report and shows it in the modal preview window (print,
// zoom, full screen, thumbnails, page navigation, close).
void preview(QWidget *parent, const Report &report);

} // namespace ReportOutput
