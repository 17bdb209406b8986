#pragma once

#include <QString>

class Record;
class QWidget;

// What the receipt lists read from the receipt editor and write into it. The
// editor is reached by name among the work screens and its controls by their
// object names, the controls of the receipt layout table.
namespace ReceiptEditorLink {

QWidget *editor();

// The path of the open yearly archive (the editor's hidden lblFile).
QString archivePath();
// The year of the open archive (the editor's hidden lblAnno), as it stands.
QString year();

// Copies every field of a receipt into the editor control that shows it, as
// the editor does when it reads a record: the paid flag ticks chkSaldata for
// "Sì", clears it for "No" and leaves it alone otherwise; lblPosizione gets
// the position. False when there is no editor.
bool load(const Record &receipt, qint64 position);

} // namespace ReceiptEditorLink
