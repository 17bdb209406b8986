#pragma once

#include "storage/recordlayout.h"

// The receipt record of the yearly archives: 89 fields, 2982 bytes.
namespace ReceiptLayout {

const RecordLayout &layout();

// Field indexes used by code that works on receipts.
enum FieldIndex {
    NumRic = 0, Data, Ditta, ViaDitta, CapDitta, CittaDitta, ProvDitta, IvaDitta, CodFiscDitta,
    Libero01, Libero02, Cliente, ViaCliente, CapCliente, CittaCliente, ProvCliente, IvaCliente,
    CodFiscCliente, Camera, Arrivo, Partenza, Note,
    Desc01, // Desc01 + i for line i + 1, up to Desc30
    Prezzo01 = Desc01 + 30, // Prezzo01 + i for line i + 1, up to Prezzo30
    TotCorrispettivi = Prezzo01 + 30, Acconti, Tassa, Giorni, TotTassa, Totale, Saldata,
    FieldCount
};

constexpr int LineCount = 30;
constexpr int RecordSize = 2982;

// The archive of a year: the year's text followed by ".ric".
QString archiveFileName(const QString &year);

} // namespace ReceiptLayout
