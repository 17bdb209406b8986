#include "app/screens.h"
#include "support/recordingmodal.h"
#include "tables/checkdialog.h"
#include "tables/tfrmcarta.h"
#include "tables/tfrmcodfisc.h"
#include "tables/tfrmiban.h"
#include "tables/tfrmpartitaiva.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

std::unique_ptr<CheckDialog> makeCheck(const QString &name)
{
    if (name == u"TfrmCodFisc")
        return std::make_unique<TfrmCodFisc>();
    if (name == u"TfrmPartitaIva")
        return std::make_unique<TfrmPartitaIva>();
    if (name == u"TfrmCarta")
        return std::make_unique<TfrmCarta>();
    return std::make_unique<TfrmIban>();
}

QPushButton *button(QWidget *screen, const char *name)
{
    return screen->findChild<QPushButton *>(QString::fromLatin1(name));
}

const QString kCfLength = QStringLiteral("Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici.");
const QString kCfValid = QStringLiteral("Il codice fiscale digitato è VALIDO.");
const QString kCfWrong = QStringLiteral("Attenzione: il codice fiscale digitato è ERRATO.");
const QString kVatLength = QStringLiteral("Attenzione: la partita IVA deve essere composta da 11 caratteri numerici.");
const QString kVatValid = QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.\r\n\r\n");
const QString kVatWrong = QStringLiteral("Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\n"
                                         "Non è quindi possibile fornire informazioni relative all'Ufficio IVA che lo "
                                         "ha rilasciato.");
const QString kCardEmpty = QStringLiteral(
    "Attenzione: immettere il numero di carta di credito prima di premere il pulsante di controllo.");
const QString kCardWrong = QStringLiteral("Attenzione: il numero digitato risulta ERRATO!\r\n\r\n"
                                          "Non è quindi possibile fornire informazioni relative al tipo di carta di "
                                          "credito.");
const QString kIbanLength = QStringLiteral("Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici.");
const QString kIbanValid = QStringLiteral("L'IBAN digitato è VALIDO.");
const QString kIbanWrong = QStringLiteral("Attenzione: l'IBAN digitato è ERRATO!");

QString cardValid(const QString &number, const QString &type)
{
    return QStringLiteral("Il numero di carta di credito ") + number + QStringLiteral(" risulta valido.\r\n\r\n")
        + QStringLiteral("La carta di credito è del tipo ") + type + QStringLiteral(".");
}

} // namespace

class TestCheckDialogs : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_modal = RecordingModal::install(); }
    void cleanup() { Modal::install(nullptr); }

    void designedState_data();
    void designedState();
    void verdicts_data();
    void verdicts();
    void typedTextTidied_data();
    void typedTextTidied();
    void digitsOnlyFields_data();
    void digitsOnlyFields();
    void enterMovesToControlla_data();
    void enterMovesToControlla();
    void chiudiClosesWithoutMessage();
    void longerCallerTextIsNotCut();
    void openingFromACaller_data();
    void openingFromACaller();

private:
    RecordingModal *m_modal = nullptr;
};

void TestCheckDialogs::designedState_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<QString>("instruction");

    QTest::newRow("tax code") << "TfrmCodFisc" << " Controllo codice fiscale" << "txtCodFisc" << 16
                              << "Immettere il codice fiscale e premere il pulsante di controllo.";
    QTest::newRow("VAT number") << "TfrmPartitaIva" << " Controllo partita IVA" << "txtPartitaIva" << 11
                                << "Immettere il numero di partita IVA e premere il pulsante di controllo.";
    QTest::newRow("card") << "TfrmCarta" << " Controllo carta di credito" << "txtNumero" << 30
                          << "Immettere il numero di carta di credito e premere il pulsante di controllo.";
    QTest::newRow("IBAN") << "TfrmIban" << " Controllo IBAN" << "txtIban" << 27
                          << "Immettere l'IBAN e premere il pulsante di controllo.";
}

void TestCheckDialogs::designedState()
{
    QFETCH(QString, screen);
    QFETCH(QString, caption);
    QFETCH(QString, field);
    QFETCH(int, maxLength);
    QFETCH(QString, instruction);

    auto dlg = makeCheck(screen);
    QCOMPARE(dlg->objectName(), screen);
    QCOMPARE(dlg->windowTitle(), caption);
    auto *edit = dlg->findChild<QLineEdit *>(field);
    QVERIFY(edit);
    QCOMPARE(edit->maxLength(), maxLength);
    QCOMPARE(button(dlg.get(), "btnControlla")->text(), QStringLiteral("Controlla"));
    QCOMPARE(button(dlg.get(), "btnChiudi")->text(), QStringLiteral("Chiudi"));
    bool found = false;
    for (QLabel *label : dlg->findChildren<QLabel *>())
        found = found || label->text() == instruction;
    QVERIFY(found);
    QVERIFY(!(dlg->windowFlags() & Qt::WindowCloseButtonHint));
    QVERIFY(!(dlg->windowFlags() & Qt::WindowMinMaxButtonsHint));

    dlg->show();
    QCOMPARE(dlg->focusWidget(), edit);
    QCOMPARE(dlg->size(), dlg->minimumSize());
    QCOMPARE(dlg->size(), dlg->maximumSize());
}

void TestCheckDialogs::verdicts_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("closes");

    QTest::newRow("cf valid") << "TfrmCodFisc" << "RSSMRA85T10A562S" << "information" << kCfValid << true;
    QTest::newRow("cf valid in lower case") << "TfrmCodFisc" << "rssmra85t10a562s" << "information" << kCfValid << true;
    QTest::newRow("cf check letter A") << "TfrmCodFisc" << "BNCLRA70A01H006A" << "information" << kCfValid << true;
    QTest::newRow("cf check letter Z") << "TfrmCodFisc" << "BNCLRA70A01H015Z" << "information" << kCfValid << true;
    QTest::newRow("cf last letter changed") << "TfrmCodFisc" << "RSSMRA85T10A562T" << "warning" << kCfWrong << true;
    QTest::newRow("cf 15 characters") << "TfrmCodFisc" << "RSSMRA85T10A562" << "warning" << kCfLength << false;
    QTest::newRow("cf empty") << "TfrmCodFisc" << "" << "warning" << kCfLength << false;

    QTest::newRow("vat office 015") << "TfrmPartitaIva" << "00743110157" << "information"
                                    << kVatValid + "E' stato rilasciato dall'Ufficio IVA del Comune di Milano 1." << true;
    QTest::newRow("vat office 096") << "TfrmPartitaIva" << "12345670967" << "information"
                                    << kVatValid + "E' stato rilasciato dall'Ufficio IVA del Comune di Monza (Milano 2)."
                                    << true;
    QTest::newRow("vat office 120") << "TfrmPartitaIva" << "01234561205" << "information"
                                    << kVatValid + "E' stato rilasciato dall'Ufficio IVA del Comune di Bologna 2." << true;
    QTest::newRow("vat office not in the table")
        << "TfrmPartitaIva" << "12345671031" << "information"
        << kVatValid + "Il codice dell'Ufficio IVA che lo ha rilasciato (103) non è presente nella tabella degli uffici."
        << true;
    QTest::newRow("vat digit changed") << "TfrmPartitaIva" << "00743110167" << "warning" << kVatWrong << true;
    QTest::newRow("vat letters pasted") << "TfrmPartitaIva" << "0074311O157" << "warning" << kVatWrong << true;
    QTest::newRow("vat 10 digits") << "TfrmPartitaIva" << "0074311015" << "warning" << kVatLength << false;

    QTest::newRow("card Visa") << "TfrmCarta" << "4111111111111111" << "information"
                               << cardValid("4111111111111111", "Visa") << true;
    QTest::newRow("card Visa with blanks") << "TfrmCarta" << "4111 1111 1111 1111" << "information"
                                           << cardValid("4111 1111 1111 1111", "Visa") << true;
    QTest::newRow("card 25 digits on 20") << "TfrmCarta" << "4111111111111111111512345" << "information"
                                          << cardValid("4111111111111111111512345", "Visa") << true;
    QTest::newRow("card American Express") << "TfrmCarta" << "378282246310005" << "information"
                                           << cardValid("378282246310005", "American Express") << true;
    QTest::newRow("card JCB") << "TfrmCarta" << "3530111333300000" << "information"
                              << cardValid("3530111333300000", "JCB") << true;
    QTest::newRow("card Diners") << "TfrmCarta" << "30569309025904" << "information"
                                 << cardValid("30569309025904", "Diner's Club / Carte Blanche") << true;
    QTest::newRow("card MasterCard") << "TfrmCarta" << "5555555555554444" << "information"
                                     << cardValid("5555555555554444", "MasterCard") << true;
    QTest::newRow("card Discover") << "TfrmCarta" << "6011111111111117" << "information"
                                   << cardValid("6011111111111117", "Discover") << true;
    QTest::newRow("card 32, no known type")
        << "TfrmCarta" << "3200000000000002" << "information"
        << "Il numero di carta di credito 3200000000000002 risulta valido.\r\n\r\n"
           "Il tipo di carta di credito non è tra quelli riconosciuti."
        << true;
    QTest::newRow("card digit changed") << "TfrmCarta" << "4111111111111121" << "warning" << kCardWrong << true;
    QTest::newRow("card right digit, starts with 2") << "TfrmCarta" << "2000000000000006" << "warning" << kCardWrong
                                                     << true;
    QTest::newRow("card right digit, starts with 7") << "TfrmCarta" << "7000000000000005" << "warning" << kCardWrong
                                                     << true;
    QTest::newRow("card empty") << "TfrmCarta" << "" << "warning" << kCardEmpty << false;

    QTest::newRow("iban valid") << "TfrmIban" << "IT60X0542811101000000123456" << "information" << kIbanValid << true;
    QTest::newRow("iban lower case") << "TfrmIban" << "it60x0542811101000000123456" << "information" << kIbanValid
                                     << true;
    QTest::newRow("iban digit changed") << "TfrmIban" << "IT60X0542811101000000123466" << "warning" << kIbanWrong
                                        << true;
    QTest::newRow("iban 27 with a blank, checked on 26") << "TfrmIban" << "IT90 X054281110100000012345" << "information"
                                                         << kIbanValid << true;
    QTest::newRow("iban 27 with a blank, 26 wrong") << "TfrmIban" << "IT60 X054281110100000012345" << "warning"
                                                    << kIbanWrong << true;
    QTest::newRow("iban symbol") << "TfrmIban" << "IT60X05428111010000001234-6" << "warning" << kIbanWrong << true;
    QTest::newRow("iban 26 characters") << "TfrmIban" << "IT60X054281110100000012345" << "warning" << kIbanLength
                                        << false;
}

void TestCheckDialogs::verdicts()
{
    QFETCH(QString, screen);
    QFETCH(QString, text);
    QFETCH(QString, kind);
    QFETCH(QString, message);
    QFETCH(bool, closes);

    auto dlg = makeCheck(screen);
    dlg->setCheckText(text);
    dlg->show();
    button(dlg.get(), "btnControlla")->click();

    QCOMPARE(m_modal->events().size(), 1);
    QCOMPARE(m_modal->last().kind, kind);
    QCOMPARE(m_modal->last().text, message);
    QCOMPARE(dlg->isVisible(), !closes);
    if (!closes)
        QCOMPARE(dlg->focusWidget(), dlg->field());
}

void TestCheckDialogs::typedTextTidied_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");

    QTest::newRow("tax code upper-cased") << "TfrmCodFisc" << "rssmra85t10a562s" << "RSSMRA85T10A562S";
    QTest::newRow("tax code trimmed") << "TfrmCodFisc" << " rss " << "RSS";
    QTest::newRow("IBAN upper-cased") << "TfrmIban" << "it60x05" << "IT60X05";
    QTest::newRow("card trimmed") << "TfrmCarta" << " 4111 " << "4111";
}

void TestCheckDialogs::typedTextTidied()
{
    QFETCH(QString, screen);
    QFETCH(QString, typed);
    QFETCH(QString, shown);

    auto dlg = makeCheck(screen);
    dlg->show();
    QTest::keyClicks(dlg->field(), typed);
    QCOMPARE(dlg->field()->text(), shown);
}

void TestCheckDialogs::digitsOnlyFields_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");

    QTest::newRow("VAT letters refused") << "TfrmPartitaIva" << "0a0b7c4-3.1 1" << "0074311";
    QTest::newRow("card letters and blanks refused") << "TfrmCarta" << "41x11 1111" << "41111111";
    QTest::newRow("IBAN takes anything") << "TfrmIban" << "it-60" << "IT-60";
}

void TestCheckDialogs::digitsOnlyFields()
{
    QFETCH(QString, screen);
    QFETCH(QString, typed);
    QFETCH(QString, shown);

    auto dlg = makeCheck(screen);
    dlg->show();
    QTest::keyClicks(dlg->field(), typed);
    QCOMPARE(dlg->field()->text(), shown);
    // The editing keys still work.
    QTest::keyClick(dlg->field(), Qt::Key_Left);
    QTest::keyClick(dlg->field(), Qt::Key_Backspace);
    QTest::keyClick(dlg->field(), Qt::Key_Delete);
    QCOMPARE(dlg->field()->text(), shown.chopped(2));
}

void TestCheckDialogs::enterMovesToControlla_data()
{
    QTest::addColumn<QString>("screen");
    QTest::newRow("tax code") << "TfrmCodFisc";
    QTest::newRow("VAT number") << "TfrmPartitaIva";
    QTest::newRow("card") << "TfrmCarta";
    QTest::newRow("IBAN") << "TfrmIban";
}

void TestCheckDialogs::enterMovesToControlla()
{
    QFETCH(QString, screen);
    auto dlg = makeCheck(screen);
    dlg->setCheckText(QStringLiteral("4111111111111111"));
    dlg->show();
    QTest::keyClick(dlg->field(), Qt::Key_Return);
    QCOMPARE(dlg->focusWidget(), button(dlg.get(), "btnControlla"));
    // Enter only moves the focus: nothing is checked yet.
    QVERIFY(m_modal->events().isEmpty());
    QVERIFY(dlg->isVisible());
}

void TestCheckDialogs::chiudiClosesWithoutMessage()
{
    TfrmCodFisc dlg;
    dlg.setCheckText(QStringLiteral("RSSMRA85T10A562S"));
    dlg.show();
    button(&dlg, "btnChiudi")->click();
    QVERIFY(!dlg.isVisible());
    QVERIFY(m_modal->events().isEmpty());
}

void TestCheckDialogs::longerCallerTextIsNotCut()
{
    // A 17-character field text must not be cut to a valid 16-character code.
    TfrmCodFisc dlg;
    dlg.setCheckText(QStringLiteral("  RSSMRA85T10A562SX "));
    QCOMPARE(dlg.checkText(), QStringLiteral("RSSMRA85T10A562SX"));
    dlg.show();
    button(&dlg, "btnControlla")->click();
    QCOMPARE(m_modal->last().text, kCfLength);
    QVERIFY(dlg.isVisible());
    // Once shortened, the typing limit holds again.
    QTest::keyClick(dlg.field(), Qt::Key_End);
    QTest::keyClick(dlg.field(), Qt::Key_Backspace);
    QTest::keyClicks(dlg.field(), QStringLiteral("QQ"));
    QCOMPARE(dlg.checkText(), QStringLiteral("RSSMRA85T10A562S"));
}

void TestCheckDialogs::openingFromACaller_data()
{
    QTest::addColumn<QString>("fieldText");
    QTest::addColumn<QString>("screen");

    QTest::newRow("tax code") << " RSSMRA85T10A562S " << "TfrmCodFisc";
    QTest::newRow("digits only") << "00743110157" << "TfrmPartitaIva";
    QTest::newRow("empty") << "" << "TfrmCodFisc";
}

void TestCheckDialogs::openingFromACaller()
{
    QFETCH(QString, fieldText);
    QFETCH(QString, screen);

    Screens screens;
    QWidget caller;
    QString seen;
    QString token;
    m_modal->onDialog([&](QDialog *dlg) {
        auto *check = qobject_cast<CheckDialog *>(dlg);
        QVERIFY(check);
        seen = check->checkText();
        token = check->callerToken();
        button(check, "btnControlla")->click();
    });
    CheckDialogs::openTaxCode(&caller, fieldText, QStringLiteral("clienti"));

    QCOMPARE(m_modal->ofKind(QStringLiteral("dialog")).size(), 1);
    QCOMPARE(m_modal->ofKind(QStringLiteral("dialog")).first().detail, screen);
    QCOMPARE(seen, fieldText.trimmed());
    QCOMPARE(token, QStringLiteral("clienti"));
    // The verdict is the only thing that happens: the caller's field is untouched.
    QCOMPARE(m_modal->messages().size(), 1);
}

QTEST_MAIN(TestCheckDialogs)
#include "tst_checkdialogs.moc"
