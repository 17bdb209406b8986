#pragma once

#include "output/spreadsheetexport.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class RecordScanner;

// The receipt archive as a worksheet: the receipt fields shown in the export
// grid and written to the file, with their titles and widths. The export
// screen and ostelio-tool both build their rows and file from here.
namespace ReceiptExport {

struct Column
{
    int field;        // a ReceiptLayout field index
    QString title;    // the header on screen and in the file
    int screenWidth;  // on screen
    int fileWidth;    // in the file
    // The grid column: "col" followed by the field's name in the record.
    QString gridName() const;
};

// The exported columns in order (the grid shows the running number before
// them, which is not exported).
const QList<Column> &columns();

QString fileName();      // Archivio_Ricevute.xls
QString worksheetName(); // Archivio Ricevute

// An empty archive still shows and exports this many empty rows.
constexpr int EmptyRows = 10;

// The cells of the current record of a scan, one text per column.
QStringList rowTexts(const RecordScanner &scan);

// Told how many records of how many are read; returns false to stop.
using Progress = std::function<bool(qint64 done, qint64 total)>;

// Reads every record of an archive in file order. The list is sized to the
// record count first and filled as the records are read, so a read failure
// (StorageError, thrown) leaves the rows read so far and empty rows after
// them. With createIfMissing a missing archive is created empty, as the
// screens do.
void readArchive(const QString &path, QList<QStringList> &rows, bool createIfMissing = true,
                 const Progress &progress = {});

// The worksheet of the rows, or of EmptyRows empty rows when there are none.
Spreadsheet::Sheet sheet(const QList<QStringList> &rows);

} // namespace ReceiptExport
