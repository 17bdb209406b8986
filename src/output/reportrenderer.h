#pragma once

#include "output/report.h"

#include <QByteArray>
#include <QImage>
#include <QString>

#include <vector>

class QPainter;

// A report prepared for output: its pages, each with the objects to draw at
// their place on the paper (units from the paper's top left corner, margins
// included). Multi-line texts are split into one object per line, "[DATE]"
// is replaced by today's date, and every other text is as filled.
struct PreparedPage
{
    std::vector<ReportObject> objects;

    // The texts of the page's text objects, in drawing order (tests and tools).
    QStringList texts() const;
    // The first object of a name; nullptr when the page has none.
    const ReportObject *find(const QString &name) const;
};

struct PreparedReport
{
    Report::Orientation orientation = Report::Orientation::Portrait;
    double pageWidth = 0;
    double pageHeight = 0;
    std::vector<PreparedPage> pages;
};

// The PDF document information written with a report.
struct PdfInfo
{
    QString title;
    QString subject;
    // False writes every stream uncompressed (larger, readable as text).
    bool compressStreams = true;
};

// The one renderer behind printing, preview and PDF: the same painting code
// draws on a printer, a PDF writer or an image.
namespace ReportRenderer {

// Lays the bands out on pages: the title band once at the top, the data band
// split between lines where it does not fit, the footer once after it.
PreparedReport prepare(const Report &report);

// Draws one page. The painter's device origin must be the paper's top left
// corner; its resolution (logical DPI) gives the scale, so the same call
// serves printers, PDF writers and images.
void paintPage(QPainter &painter, const PreparedPage &page);

// One page as an image at a resolution in dots per inch, on white.
QImage renderPage(const PreparedReport &prepared, int pageIndex, double dpi);

// The prepared report as a PDF document with the given information.
QByteArray pdf(const PreparedReport &prepared, const PdfInfo &info);

// Writes the PDF to a file as a whole (a failed write leaves an earlier file
// as it was); throws ReportError on failure.
void writePdf(const PreparedReport &prepared, const QString &path, const PdfInfo &info);

// The bold runs of a text with "<b>" ... "</b>" tags: pairs of (text, bold).
// Any other text, unmatched tags included, prints as it stands.
std::vector<std::pair<QString, bool>> tagRuns(const QString &text);

} // namespace ReportRenderer
