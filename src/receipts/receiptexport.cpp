#include "receipts/receiptexport.h"

#include "storage/receiptlayout.h"
#include "storage/recordscanner.h"

namespace ReceiptExport {

QString Column::gridName() const
{
    return QStringLiteral("col") + ReceiptLayout::layout().field(field).name;
}

const QList<Column> &columns()
{
    using namespace ReceiptLayout;
    static const QList<Column> value = {
        {NumRic, QStringLiteral("Ricevuta n."), 150, 180},
        {Data, QStringLiteral("Data emissione"), 120, 180},
        {Camera, QStringLiteral("Camera n."), 200, 200},
        {Arrivo, QStringLiteral("Data arrivo"), 120, 180},
        {Partenza, QStringLiteral("Data partenza"), 120, 180},
        {Cliente, QStringLiteral("Cognome e nome Cliente"), 250, 250},
        {ViaCliente, QStringLiteral("Via e numero civico"), 250, 250},
        {CittaCliente, QStringLiteral("Città di residenza"), 250, 250},
        {ProvCliente, QStringLiteral("Prov."), 80, 120},
        {IvaCliente, QStringLiteral("Partita IVA"), 200, 200},
        {CodFiscCliente, QStringLiteral("Codice fiscale"), 200, 200},
        {Note, QStringLiteral("Note"), 350, 350},
        {TotCorrispettivi, QStringLiteral("Tot. corrispettivi"), 180, 180},
        {Acconti, QStringLiteral("Acconti"), 180, 180},
        {Tassa, QStringLiteral("Tassa soggiorno"), 180, 180},
        {Giorni, QStringLiteral("Giorni permanenza"), 120, 150},
        {TotTassa, QStringLiteral("Tot. tassa soggiorno"), 180, 180},
        {Totale, QStringLiteral("Totale saldato"), 180, 180},
        {Saldata, QStringLiteral("Saldata"), 80, 80},
    };
    return value;
}

QString fileName()
{
    return QStringLiteral("Archivio_Ricevute.xls");
}

QString worksheetName()
{
    return QStringLiteral("Archivio Ricevute");
}

QStringList rowTexts(const RecordScanner &scan)
{
    QStringList texts;
    texts.reserve(columns().size());
    for (const Column &column : columns())
        texts.append(scan.text(column.field));
    return texts;
}

void readArchive(const QString &path, QList<QStringList> &rows, bool createIfMissing, const Progress &progress)
{
    rows.clear();
    RecordScanner scan(ReceiptLayout::layout());
    scan.open(path, createIfMissing);
    const qint64 total = scan.count();
    rows.resize(total);
    while (scan.next()) {
        rows[scan.index()] = rowTexts(scan);
        const qint64 done = scan.index() + 1;
        if (progress && (done % 256 == 0 || done == total) && !progress(done, total))
            break;
    }
}

Spreadsheet::Sheet sheet(const QList<QStringList> &rows)
{
    Spreadsheet::Sheet out;
    out.worksheetName = worksheetName();
    for (const Column &column : columns())
        out.columns.append({column.title, column.fileWidth});
    const qsizetype count = rows.isEmpty() ? EmptyRows : rows.size();
    out.rows.reserve(count);
    for (qsizetype r = 0; r < count; ++r) {
        Spreadsheet::Row row;
        row.reserve(columns().size());
        for (qsizetype c = 0; c < columns().size(); ++c) {
            const QStringList *texts = r < rows.size() ? &rows.at(r) : nullptr;
            row.append({texts && c < texts->size() ? texts->at(c) : QString()});
        }
        out.rows.append(row);
    }
    return out;
}

} // namespace ReceiptExport
