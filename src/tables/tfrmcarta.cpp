#include "tables/tfrmcarta.h"

#include "tables/validators.h"

#include <QLineEdit>

TfrmCarta::TfrmCarta(QWidget *parent)
    : CheckDialog(QStringLiteral("TfrmCarta"),
                  {"txtNumero", "Immettere il numero di carta di credito e premere il pulsante di controllo.", 30, true,
                   true},
                  parent)
{
}

void TfrmCarta::check()
{
    const QString number = field()->text().trimmed();
    if (number.isEmpty()) {
        refuse(QStringLiteral(
            "Attenzione: immettere il numero di carta di credito prima di premere il pulsante di controllo."));
        return;
    }
    const int code = Validators::CardCheck(field()->text());
    if (code < 1 || code > 4) {
        verdict(MessageKind::Warning,
                QStringLiteral("Attenzione: il numero digitato risulta ERRATO!\r\n\r\n"
                               "Non è quindi possibile fornire informazioni relative al tipo di carta di credito."));
        return;
    }
    // The type follows the leading digits of the checked number; a number
    // starting with 32 or 39 passes the check but is of no known type.
    const QString type = Validators::cardTypeName(Validators::cardCheckedDigits(number));
    const QString kind = type.isEmpty()
        ? QStringLiteral("Il tipo di carta di credito non è tra quelli riconosciuti.")
        : QStringLiteral("La carta di credito è del tipo ") + type + QStringLiteral(".");
    verdict(MessageKind::Information, QStringLiteral("Il numero di carta di credito ") + number
                                          + QStringLiteral(" risulta valido.\r\n\r\n") + kind);
}
