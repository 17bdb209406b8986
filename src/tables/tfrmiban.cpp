#include "tables/tfrmiban.h"

#include "tables/validators.h"

#include <QLineEdit>

TfrmIban::TfrmIban(QWidget *parent)
    : CheckDialog(QStringLiteral("TfrmIban"),
                  {"txtIban", "Immettere l'IBAN e premere il pulsante di controllo.", 27, false, true}, parent)
{
}

void TfrmIban::check()
{
    // Blanks inside count for the length; the check itself skips them.
    const QString iban = field()->text().trimmed();
    if (iban.size() != 27) {
        refuse(QStringLiteral("Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici."));
        return;
    }
    if (Validators::IbanCheck(iban))
        verdict(MessageKind::Information, QStringLiteral("L'IBAN digitato è VALIDO."));
    else
        verdict(MessageKind::Warning, QStringLiteral("Attenzione: l'IBAN digitato è ERRATO!"));
}
