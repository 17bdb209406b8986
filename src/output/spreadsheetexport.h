#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringView>

#include <functional>

class QIODevice;

// The spreadsheet export file: an HTML table preceded by the Office worksheet
// header, encoded in Windows-1252 and written as one line, which spreadsheet
// programs open as a named worksheet (saved with the extension ".xls").
//
// Each export gives only its worksheet name, its columns and its rows:
//
//     Spreadsheet::Sheet sheet;
//     sheet.worksheetName = QStringLiteral("Archivio Ricevute");
//     sheet.columns = {{QStringLiteral("Ricevuta n."), 180}, ...};
//     sheet.rows.append({{QStringLiteral("12")}, ...});
//     Spreadsheet::writeFile(path, sheet);
namespace Spreadsheet {

enum class CellKind {
    Plain,     // left-aligned
    Right,     // right-aligned
    BoldRight, // right-aligned, bold
};

struct Column
{
    QString title;
    int width = 0;
};

struct Cell
{
    QString value;
    CellKind kind = CellKind::Plain;
};

using Row = QList<Cell>;

struct Sheet
{
    QString worksheetName;
    QList<Column> columns;
    QList<Row> rows;
};

// A cell value as written: trimmed of blanks at both ends, the characters
// "&", "<" and ">" written as the entities "&amp;", "&lt;" and "&gt;" (which
// spreadsheet programs show as the characters themselves; written bare they
// would break the table), in Windows-1252 with "?" for a character the code
// page lacks.
QByteArray cellText(QStringView value);

// Writes the file piece by piece to a device.
class Writer
{
public:
    explicit Writer(QIODevice *device);

    // The header up to and including the table's header row.
    bool begin(const QString &worksheetName, const QList<Column> &columns);
    bool addRow(const Row &row);
    // Closes the table and the document.
    bool finish();

private:
    bool put(const QByteArray &bytes);

    QIODevice *m_device;
};

// The whole file of a sheet.
QByteArray document(const Sheet &sheet);

// Told how many rows of how many are written; returns false to stop.
using Progress = std::function<bool(qint64 done, qint64 total)>;

enum class WriteResult {
    Written,   // the file is complete at the path
    Failed,    // it could not be created or written; an earlier file is left as it was
    Cancelled, // stopped through the progress; an earlier file is left as it was
};

// Writes the file at the path, replacing an earlier one only once the new one
// is complete.
WriteResult writeFile(const QString &path, const Sheet &sheet, const Progress &progress = {});

} // namespace Spreadsheet
