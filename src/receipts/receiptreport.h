#pragma once

#include "output/report.h"
#include "output/reportrenderer.h"
#include "storage/recordlayout.h"

#include <QHash>
#include <QImage>
#include <QString>

// The receipt document: one A4 landscape page with two copies of the receipt
// side by side, the guest's copy (objects ending in "_A") and the issuer's
// copy ("_B", 529.13 units to the right, beige where the guest's is alice
// blue). Filled from the receipt's field texts by record field name
// ("NumRic", "Cliente", "Desc01", ...), whether they come from the editor's
// controls or from a stored record.
namespace ReceiptReport {

// The three outputs differ a little: the printed copy has a dotted cut line
// between the copies; the PDF writes number and date without bold tags.
enum class Variant { Print, Preview, Pdf };

// Field texts by record field name; a missing field counts as empty.
using Values = QHash<QString, QString>;

// The texts of a stored receipt.
Values valuesOf(const Record &record);

// The layout with its design texts.
Report layout(Variant variant);

// The layout filled: the logo into both copies, then every filled object of
// copy A and the same of copy B, each value trimmed and otherwise printed as
// it stands (an empty line prints as an empty row).
Report filled(Variant variant, const Values &values, const QImage &logo);

// The document information of the receipt PDF: title "Ricevuta", subject "Fattura".
PdfInfo pdfInfo();

// The receipt PDF, written whole to 'path' (an existing file is replaced).
// Throws ReportError on failure.
void writePdf(const Values &values, const QImage &logo, const QString &path);

// The logo printed on receipts: Logo.bmp of the program folder, or the
// built-in default logo (a blue euro sign, 297 x 184) when it is missing or
// cannot be read (see receipts/logo.h).
QImage logo();
QImage defaultLogo();
// The logo of a given picture file, or the default logo.
QImage logoFrom(const QString &pictureFile);

} // namespace ReceiptReport
