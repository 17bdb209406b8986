#include "tables/tfrmpartitaiva.h"

#include "tables/validators.h"

#include <QLineEdit>

TfrmPartitaIva::TfrmPartitaIva(QWidget *parent)
    : CheckDialog(QStringLiteral("TfrmPartitaIva"),
                  {"txtPartitaIva", "Immettere il numero di partita IVA e premere il pulsante di controllo.", 11, true,
                   false},
                  parent)
{
}

void TfrmPartitaIva::check()
{
    const QString number = field()->text().toUpper();
    if (number.size() != 11) {
        refuse(QStringLiteral("Attenzione: la partita IVA deve essere composta da 11 caratteri numerici."));
        return;
    }
    if (!Validators::isValidVatNumber(number)) {
        verdict(MessageKind::Warning,
                QStringLiteral("Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\n"
                               "Non è quindi possibile fornire informazioni relative all'Ufficio IVA che lo ha "
                               "rilasciato."));
        return;
    }
    // The 8th to 10th digits are the code of the issuing office. Codes the
    // table does not hold (000, 103 to 119, 122 and above) are named as such
    // rather than left blank.
    const QString officeCode = number.mid(7, 3);
    const QString office = Validators::vatOfficeName(officeCode);
    const QString issuer = office.isEmpty()
        ? QStringLiteral("Il codice dell'Ufficio IVA che lo ha rilasciato (") + officeCode
            + QStringLiteral(") non è presente nella tabella degli uffici.")
        : QStringLiteral("E' stato rilasciato dall'Ufficio IVA del Comune di ") + office + QStringLiteral(".");
    verdict(MessageKind::Information,
            QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.\r\n\r\n") + issuer);
}
