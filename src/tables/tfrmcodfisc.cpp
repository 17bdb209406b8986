#include "tables/tfrmcodfisc.h"

#include "tables/validators.h"

#include <QLineEdit>

TfrmCodFisc::TfrmCodFisc(QWidget *parent)
    : CheckDialog(QStringLiteral("TfrmCodFisc"),
                  {"txtCodFisc", "Immettere il codice fiscale e premere il pulsante di controllo.", 16, false, true},
                  parent)
{
}

void TfrmCodFisc::check()
{
    const QString code = field()->text().toUpper();
    if (code.size() != 16) {
        refuse(QStringLiteral("Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici."));
        return;
    }
    if (Validators::isValidTaxCode(code))
        verdict(MessageKind::Information, QStringLiteral("Il codice fiscale digitato è VALIDO."));
    else
        verdict(MessageKind::Warning, QStringLiteral("Attenzione: il codice fiscale digitato è ERRATO."));
}
