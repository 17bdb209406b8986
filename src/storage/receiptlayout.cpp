#include "storage/receiptlayout.h"

namespace {

std::vector<FieldSpec> receiptFields()
{
    std::vector<FieldSpec> fields = {
        {"NumRic", 30, "txtNumRic"},
        {"Data", 20, "txtData"},
        {"Ditta", 50, "txtDitta"},
        {"ViaDitta", 50, "txtViaDitta"},
        {"CapDitta", 12, "txtCapDitta"},
        {"CittaDitta", 50, "txtCittaDitta"},
        {"ProvDitta", 2, "txtProvDitta"},
        {"IvaDitta", 30, "txtIvaDitta"},
        {"CodFiscDitta", 30, "txtCodFiscDitta"},
        {"Libero01", 50, "txtLibero01"},
        {"Libero02", 50, "txtLibero02"},
        {"Cliente", 50, "txtCliente"},
        {"ViaCliente", 50, "txtViaCliente"},
        {"CapCliente", 12, "txtCapCliente"},
        {"CittaCliente", 50, "txtCittaCliente"},
        {"ProvCliente", 2, "txtProvCliente"},
        {"IvaCliente", 30, "txtIvaCliente"},
        {"CodFiscCliente", 30, "txtCodFiscCliente"},
        {"Camera", 20, "txtCamera"},
        {"Arrivo", 10, "txtArrivo"},
        {"Partenza", 10, "txtPartenza"},
        {"Note", 250, "txtNote"},
    };
    // The thirty lines: descriptions first, then amounts.
    for (const auto &[prefix, capacity] : {std::pair{QStringLiteral("Desc"), 55}, std::pair{QStringLiteral("Prezzo"), 10}}) {
        for (int line = 1; line <= ReceiptLayout::LineCount; ++line) {
            const QString name = prefix + QStringLiteral("%1").arg(line, 2, 10, QLatin1Char('0'));
            fields.push_back({name, capacity, QStringLiteral("txt") + name});
        }
    }
    const std::vector<FieldSpec> totals = {
        {"TotCorrispettivi", 10, "txtTotCorrispettivi"},
        {"Acconti", 10, "txtAcconti"},
        {"Tassa", 10, "txtTassa"},
        {"Giorni", 3, "txtGiorni"},
        {"TotTassa", 10, "txtTotTassa"},
        {"Totale", 10, "txtTotale"},
        {"Saldata", 2, "chkSaldata"},
    };
    fields.insert(fields.end(), totals.begin(), totals.end());
    return fields;
}

} // namespace

namespace ReceiptLayout {

const RecordLayout &layout()
{
    static const RecordLayout instance(QStringLiteral("receipt"), receiptFields());
    return instance;
}

QString archiveFileName(const QString &year)
{
    return year + QStringLiteral(".ric");
}

} // namespace ReceiptLayout
