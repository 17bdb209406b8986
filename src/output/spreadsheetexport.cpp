#include "output/spreadsheetexport.h"

#include "storage/ansicodec.h"
#include "storage/fieldcodec.h"

#include <QBuffer>
#include <QSaveFile>

namespace Spreadsheet {

namespace {

// The header up to the worksheet name, and from it to the table.
const char kHeadStart[] =
    "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
    "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
    "xmlns=\"http://www.w3.org/TR/REC-html40\">"
    "<head>"
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
    "<!--[if gte mso 9]><xml>"
    "<x:ExcelWorkbook><x:ExcelWorksheets><x:ExcelWorksheet>"
    "<x:Name>";

const char kHeadEnd[] =
    "</x:Name>"
    "<x:WorksheetOptions><x:Selected/><x:Panes><x:Pane><x:Number>1</x:Number><x:ActiveRow>3</x:ActiveRow>"
    "</x:Pane></x:Panes>"
    "<x:ProtectContents>False</x:ProtectContents><x:ProtectObjects>False</x:ProtectObjects>"
    "<x:ProtectScenarios>False</x:ProtectScenarios>"
    "</x:WorksheetOptions></x:ExcelWorksheet></x:ExcelWorksheets></x:ExcelWorkbook>"
    "</xml><![endif]--></head><body><table x:str>";

const char kTail[] = "</table></body></html>";

const char *cellStart(CellKind kind)
{
    switch (kind) {
    case CellKind::Right:
        return "<td style=\"text-align: right;\">";
    case CellKind::BoldRight:
        return "<td style=\"text-align: right; font-weight: bold;\">";
    case CellKind::Plain:
        break;
    }
    return "<td style=\"text-align: left;\">";
}

} // namespace

QByteArray cellText(QStringView value)
{
    const QStringView text = FieldCodec::trimmed(value);
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t cp = text.at(i).unicode();
        if (QChar::isHighSurrogate(cp) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            cp = QChar::surrogateToUcs4(text.at(i), text.at(i + 1));
            ++i;
        }
        switch (cp) {
        case U'&': out.append("&amp;"); continue;
        case U'<': out.append("&lt;"); continue;
        case U'>': out.append("&gt;"); continue;
        default: break;
        }
        const int b = AnsiCodec::byteFor(cp);
        out.append(b < 0 ? '?' : static_cast<char>(b));
    }
    return out;
}

Writer::Writer(QIODevice *device)
    : m_device(device)
{
}

bool Writer::put(const QByteArray &bytes)
{
    return m_device->write(bytes) == bytes.size();
}

bool Writer::begin(const QString &worksheetName, const QList<Column> &columns)
{
    QByteArray head(kHeadStart);
    head += cellText(worksheetName);
    head += kHeadEnd;
    head += "<tr>";
    for (const Column &column : columns) {
        head += "<td style=\"text-align: left; font-weight: bold;\" width=";
        head += QByteArray::number(column.width);
        head += '>';
        head += cellText(column.title);
        head += "</td>";
    }
    head += "</tr>";
    return put(head);
}

bool Writer::addRow(const Row &row)
{
    QByteArray line("<tr>");
    for (const Cell &cell : row) {
        line += cellStart(cell.kind);
        line += cellText(cell.value);
        line += "</td>";
    }
    line += "</tr>";
    return put(line);
}

bool Writer::finish()
{
    return put(QByteArray(kTail));
}

QByteArray document(const Sheet &sheet)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    Writer writer(&buffer);
    writer.begin(sheet.worksheetName, sheet.columns);
    for (const Row &row : sheet.rows)
        writer.addRow(row);
    writer.finish();
    return bytes;
}

WriteResult writeFile(const QString &path, const Sheet &sheet, const Progress &progress)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return WriteResult::Failed;
    Writer writer(&file);
    if (!writer.begin(sheet.worksheetName, sheet.columns))
        return WriteResult::Failed; // the unfinished file is dropped with QSaveFile
    const qint64 total = sheet.rows.size();
    qint64 done = 0;
    for (const Row &row : sheet.rows) {
        if (!writer.addRow(row))
            return WriteResult::Failed;
        ++done;
        if (progress && (done % 256 == 0 || done == total) && !progress(done, total)) {
            file.cancelWriting();
            return WriteResult::Cancelled;
        }
    }
    if (!writer.finish() || !file.commit())
        return WriteResult::Failed;
    return WriteResult::Written;
}

} // namespace Spreadsheet
