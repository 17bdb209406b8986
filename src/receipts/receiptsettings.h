#pragma once

#include <QHash>
#include <QList>
#include <QString>

#include <optional>

// The receipts' preferences in the Settings file "Ostelio.ini" of the program
// folder: the issuer block with the tourist tax per day (section "Ditta
// Emittente") and the numbering options (section "Numerazione Ricevute").
// Missing file, section or key read as the empty text; values are stored
// trimmed; a write that fails names the file in *error.
namespace ReceiptSettings {

QString fileName(); // "Ostelio.ini"
QString path();     // the Settings file of the program folder

// One key of the issuer block and the receipt editor's field it belongs to.
struct IssuerEntry
{
    QString key;     // "Nome"
    QString control; // "txtDitta"
};
// The ten keys of "Ditta Emittente" in the order they are read and written:
// Nome, Indirizzo, CAP, Comune, Provincia, Partita IVA, Codice Fiscale,
// Campo Libero 1, Campo Libero 2, Tassa.
const QList<IssuerEntry> &issuerEntries();

// The issuer block by control name ("txtDitta" → value); missing keys give "".
QHash<QString, QString> readIssuer();
// Writes the ten keys, trimmed, in order, whether they changed or not; a
// control missing from 'values' writes "". Stops at the first key that
// cannot be written (the later keys are skipped) and returns false.
bool writeIssuer(const QHash<QString, QString> &values, QString *error = nullptr);

// "Inizio": the starting number as stored (trimmed; "" when missing).
QString startNumber();
// "Indicazione Anno Solare": true only when it is "Sì".
bool yearInNumber();
// Writes "Inizio" (trimmed) and then "Indicazione Anno Solare" ("Sì" or
// "No"); stops at the first failure.
bool writeNumbering(const QString &start, bool withYear, QString *error = nullptr);

// The number proposed for a new receipt: the starting number (empty means 1)
// plus the receipts already in the archive, followed by "/" and 'year' when
// the year option (trimmed) is "Sì" (13, or 13/2024). Nothing when the
// starting number is not a whole number.
std::optional<QString> proposedNumber(const QString &start, const QString &yearOption, qint64 count,
                                      const QString &year);

} // namespace ReceiptSettings
