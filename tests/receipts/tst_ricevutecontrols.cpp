#include "editorfixture.h"

#include "app/screenbase.h"

#include <QDialog>
#include <QPushButton>
#include <QStackedWidget>

// The controls of the receipt editor: captions, limits and alignments, the
// keys of every field, the hints, the line pages and the dialogs its
// commands open.
class TestRicevuteControls : public QObject
{
    Q_OBJECT

    EditorFixture f;

private slots:
    void init()
    {
        f.start();
        f.openYear(QStringLiteral("2024"));
    }
    void cleanup() { f.stop(); }

    void fieldsHaveTheirCaptionLimitAndAlignment_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("max");
        QTest::addColumn<int>("align");
        const int L = Qt::AlignLeft, R = Qt::AlignRight, C = Qt::AlignHCenter;
        QTest::newRow("txtDitta") << "txtDitta" << "Ditta emittente:" << 50 << L;
        QTest::newRow("txtViaDitta") << "txtViaDitta" << "Via e numero civico:" << 50 << L;
        QTest::newRow("txtCapDitta") << "txtCapDitta" << "CAP:" << 12 << C;
        QTest::newRow("txtCittaDitta") << "txtCittaDitta" << "Città:" << 50 << L;
        QTest::newRow("txtIvaDitta") << "txtIvaDitta" << "Partita IVA:" << 30 << L;
        QTest::newRow("txtCodFiscDitta") << "txtCodFiscDitta" << "Codice fiscale:" << 30 << L;
        QTest::newRow("txtLibero01") << "txtLibero01" << "Campo libero 1:" << 50 << L;
        QTest::newRow("txtLibero02") << "txtLibero02" << "Campo libero 2:" << 50 << L;
        QTest::newRow("txtCliente") << "txtCliente" << "Cognome e nome o ragione sociale Cliente:" << 50 << L;
        QTest::newRow("txtViaCliente") << "txtViaCliente" << "Via e numero civico:" << 50 << L;
        QTest::newRow("txtCapCliente") << "txtCapCliente" << "CAP:" << 12 << C;
        QTest::newRow("txtCittaCliente") << "txtCittaCliente" << "Città:" << 50 << L;
        QTest::newRow("txtIvaCliente") << "txtIvaCliente" << "Partita IVA:" << 30 << L;
        QTest::newRow("txtCodFiscCliente") << "txtCodFiscCliente" << "Codice fiscale:" << 30 << L;
        QTest::newRow("txtNote") << "txtNote" << "Note:" << 250 << L;
        QTest::newRow("txtNumRic") << "txtNumRic" << "Ricevuta n." << 30 << C;
        QTest::newRow("txtData") << "txtData" << "Data emissione:" << 20 << C;
        QTest::newRow("txtCamera") << "txtCamera" << "Camera n." << 20 << L;
        QTest::newRow("txtArrivo") << "txtArrivo" << "Data arrivo:" << 10 << C;
        QTest::newRow("txtPartenza") << "txtPartenza" << "Data partenza:" << 10 << C;
        QTest::newRow("txtAcconti") << "txtAcconti" << "Acconti:" << 10 << R;
        QTest::newRow("txtTassa") << "txtTassa" << "Tassa soggiorno:" << 10 << R;
        QTest::newRow("txtGiorni") << "txtGiorni" << "Giorni:" << 3 << C;
        for (int line : {1, 10, 11, 20, 21, 30}) {
            const QString n = QStringLiteral("%1").arg(line, 2, 10, QLatin1Char('0'));
            QTest::newRow(qPrintable("txtDesc" + n)) << "txtDesc" + n << "" << 55 << L;
            QTest::newRow(qPrintable("txtPrezzo" + n)) << "txtPrezzo" + n << "" << 10 << R;
        }
    }
    void fieldsHaveTheirCaptionLimitAndAlignment()
    {
        QFETCH(QString, field);
        QFETCH(QString, caption);
        QFETCH(int, max);
        QFETCH(int, align);
        QLineEdit *edit = f.edit(field);
        QVERIFY(edit);
        QCOMPARE(edit->maxLength(), max);
        QCOMPARE(int(edit->alignment() & Qt::AlignHorizontal_Mask), align);
        if (!caption.isEmpty())
            QCOMPARE(f.label(QStringLiteral("tit") + field.mid(3))->text(), caption);
        // Its highlight frame shows only while it has the focus.
        QWidget *frame = f.editor->findChild<QWidget *>(QStringLiteral("eff") + field.mid(3));
        QVERIFY(frame);
        QWidget *other = field == u"txtNote" ? f.edit(QStringLiteral("txtCliente")) : f.edit(QStringLiteral("txtNote"));
        QApplication::setActiveWindow(f.editor);
        other->setFocus();
        QVERIFY(frame->isHidden());
        if (field.startsWith(u"txtDesc2") || field.startsWith(u"txtPrezzo2") || field == u"txtDesc30" || field == u"txtPrezzo30")
            f.editor->showPage(3);
        else if (field.startsWith(u"txtDesc1") && field != u"txtDesc10")
            f.editor->showPage(2);
        else if (field.startsWith(u"txtPrezzo1") && field != u"txtPrezzo10")
            f.editor->showPage(2);
        edit->setFocus();
        QVERIFY(!frame->isHidden());
    }

    void otherCaptionsAndControls()
    {
        const QHash<QString, QString> captions{
            {"titProvDitta", "Prov."},           {"titProvCliente", "Prov."},
            {"titTotCorrispettivi", "Tot. corrispettivi:"}, {"titTotTassa", "Tot. tassa:"},
            {"titTotale", "TOTALE:"},            {"titDescrizione1", "Descrizione:"},
            {"titImporto2", "Importo:"},         {"titRigo01", "1."},
            {"titRigo30", "30."},                {"panInfo", "Pronto per archiviare una nuova ricevuta..."},
        };
        for (auto it = captions.begin(); it != captions.end(); ++it)
            QCOMPARE(f.label(it.key())->text(), it.value());
        QCOMPARE(f.editor->findChild<QPushButton *>(QStringLiteral("cmdCalcola"))->text(), QStringLiteral("<< CALCOLA >>"));
        QCOMPARE(f.paid()->text(), QStringLiteral("Saldata"));
        for (const char *name : {"txtTotCorrispettivi", "txtTotTassa", "txtTotale"})
            QVERIFY(f.label(QString::fromLatin1(name))->alignment() & Qt::AlignRight);
        for (const char *name : {"lblFile", "lblAnno", "lblInizio", "lblSolare"})
            QVERIFY(f.label(QString::fromLatin1(name))->isHidden());
        QVERIFY(!f.label(QStringLiteral("lblPosizione"))->isHidden());
        for (const char *name : {"txtProvDitta", "txtProvCliente"}) {
            QComboBox *combo = f.combo(QString::fromLatin1(name));
            QVERIFY(combo->isEditable());
            QCOMPARE(combo->count(), 112);
            QCOMPARE(combo->itemText(0), QStringLiteral("AG"));
            QCOMPARE(combo->itemText(111), QStringLiteral("VV"));
            QCOMPARE(combo->lineEdit()->maxLength(), 2);
        }
    }

    void enterMovesToTheSuccessor_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("successor");
        const QStringList chain = {"txtNumRic", "txtData", "txtCamera", "txtArrivo", "txtPartenza", "txtAcconti", "txtTassa",
                                   "txtGiorni", "txtDitta", "txtViaDitta", "txtCapDitta", "txtCittaDitta", "txtProvDitta",
                                   "txtIvaDitta", "txtCodFiscDitta", "txtLibero01", "txtLibero02", "txtCliente",
                                   "txtViaCliente", "txtCapCliente", "txtCittaCliente", "txtProvCliente", "txtIvaCliente",
                                   "txtCodFiscCliente", "txtNote", "txtNumRic"};
        for (int i = 0; i + 1 < chain.size(); ++i)
            QTest::newRow(qPrintable(chain.at(i))) << chain.at(i) << chain.at(i + 1);
        for (int line = 1; line <= 30; ++line) {
            const QString n = QStringLiteral("%1").arg(line, 2, 10, QLatin1Char('0'));
            const QString next = line % 10 == 0 ? QStringLiteral("txtAcconti")
                                                : QStringLiteral("txtDesc%1").arg(line + 1, 2, 10, QLatin1Char('0'));
            QTest::newRow(qPrintable("txtDesc" + n)) << "txtDesc" + n << "txtPrezzo" + n;
            QTest::newRow(qPrintable("txtPrezzo" + n)) << "txtPrezzo" + n << next;
        }
    }
    void enterMovesToTheSuccessor()
    {
        QFETCH(QString, field);
        QFETCH(QString, successor);
        QWidget *from = f.editor->findChild<QWidget *>(field);
        QWidget *to = f.editor->findChild<QWidget *>(successor);
        const int page = f.editor->findChild<QStackedWidget *>(QStringLiteral("stkPagine"))->currentIndex();
        QTest::keyClick(from, Qt::Key_Return);
        QCOMPARE(f.editor->focusWidget() == to || to->isAncestorOf(f.editor->focusWidget()), true);
        // The page shown does not change.
        QCOMPARE(f.editor->findChild<QStackedWidget *>(QStringLiteral("stkPagine"))->currentIndex(), page);
    }

    void amountAndDigitFiltersAndNormalForms()
    {
        QLineEdit *amount = f.edit(QStringLiteral("txtPrezzo05"));
        QTest::keyClicks(amount, QStringLiteral("1a2.,5-0x"));
        QCOMPARE(amount->text(), QStringLiteral("12,50"));
        QLineEdit *days = f.edit(QStringLiteral("txtGiorni"));
        days->clear();
        QTest::keyClicks(days, QStringLiteral("0,7x"));
        QCOMPARE(days->text(), QStringLiteral("07"));
        // Leaving the fields puts them in their normal forms.
        amount->setText(QStringLiteral("12"));
        QApplication::setActiveWindow(f.editor);
        amount->setFocus();
        days->setFocus();
        QCOMPARE(amount->text(), QStringLiteral("12,00"));
        f.edit(QStringLiteral("txtAcconti"))->setFocus();
        QCOMPARE(days->text(), QStringLiteral("7"));
        f.edit(QStringLiteral("txtAcconti"))->clear();
        f.edit(QStringLiteral("txtCliente"))->setFocus();
        QCOMPARE(f.text(QStringLiteral("txtAcconti")), QStringLiteral("0,00"));
    }

    void codesAndProvincesUpperCaseWhileTyping()
    {
        QTest::keyClicks(f.edit(QStringLiteral("txtCodFiscCliente")), QStringLiteral("rssmra"));
        QCOMPARE(f.text(QStringLiteral("txtCodFiscCliente")), QStringLiteral("RSSMRA"));
        QTest::keyClicks(f.edit(QStringLiteral("txtCodFiscDitta")), QStringLiteral("abc"));
        QCOMPARE(f.text(QStringLiteral("txtCodFiscDitta")), QStringLiteral("ABC"));
        for (const char *name : {"txtProvDitta", "txtProvCliente"}) {
            QComboBox *combo = f.combo(QString::fromLatin1(name));
            combo->setEditText(QString());
            QTest::keyClicks(combo, QStringLiteral("bg"));
            QCOMPARE(combo->currentText(), QStringLiteral("BG"));
        }
        // Other fields keep what is typed.
        QTest::keyClicks(f.edit(QStringLiteral("txtCliente")), QStringLiteral("rossi"));
        QCOMPARE(f.text(QStringLiteral("txtCliente")), QStringLiteral("rossi"));
    }

    void calculationAndBlankingOfTotals()
    {
        f.set(QStringLiteral("txtPrezzo01"), QStringLiteral("10,00"));
        f.set(QStringLiteral("txtPrezzo17"), QStringLiteral("5,50"));
        f.set(QStringLiteral("txtAcconti"), QStringLiteral("5,00"));
        f.set(QStringLiteral("txtTassa"), QStringLiteral("1,50"));
        f.set(QStringLiteral("txtGiorni"), QStringLiteral("3"));
        f.click(QStringLiteral("cmdCalcola"));
        QCOMPARE(f.text("txtTotCorrispettivi"), QStringLiteral("15,50"));
        QCOMPARE(f.text("txtTotTassa"), QStringLiteral("4,50"));
        QCOMPARE(f.text("txtTotale"), QStringLiteral("15,00"));

        QTest::keyClick(f.edit(QStringLiteral("txtPrezzo02")), Qt::Key_1);
        QCOMPARE(f.text("txtTotCorrispettivi"), QString());
        QCOMPARE(f.text("txtTotTassa"), QStringLiteral("4,50"));
        QCOMPARE(f.text("txtTotale"), QString());
        f.click(QStringLiteral("cmdCalcola"));
        QTest::keyClick(f.edit(QStringLiteral("txtGiorni")), Qt::Key_A); // swallowed, still blanks
        QCOMPARE(f.text("txtTotCorrispettivi"), QStringLiteral("16,50"));
        QCOMPARE(f.text("txtTotTassa"), QString());
        QCOMPARE(f.text("txtTotale"), QString());
        f.click(QStringLiteral("cmdCalcola"));
        QTest::keyClick(f.edit(QStringLiteral("txtAcconti")), Qt::Key_Return);
        QCOMPARE(f.text("txtTotTassa"), QStringLiteral("4,50"));
        QCOMPARE(f.text("txtTotale"), QString());
    }

    void clearingKeepsTheIssuerAndTheTax()
    {
        f.set(QStringLiteral("txtDitta"), QStringLiteral("Hotel Sole"));
        f.set(QStringLiteral("txtTassa"), QStringLiteral("2,00"));
        f.set(QStringLiteral("txtProvCliente"), QStringLiteral("MI"));
        f.set(QStringLiteral("txtDesc25"), QStringLiteral("Cena"));
        f.set(QStringLiteral("txtTotale"), QStringLiteral("9,00"));
        f.set(QStringLiteral("txtGiorni"), QStringLiteral("4"));
        f.paid()->setChecked(true);
        f.label(QStringLiteral("lblPosizione"))->setText(QStringLiteral("3"));
        f.editor->showPage(3);
        f.editor->clearForNew();
        QCOMPARE(f.text("txtDitta"), QStringLiteral("Hotel Sole"));
        QCOMPARE(f.text("txtTassa"), QStringLiteral("2,00"));
        QCOMPARE(f.text("txtProvCliente"), QString());
        QCOMPARE(f.text("txtDesc25"), QString());
        QCOMPARE(f.text("txtTotale"), QString());
        QCOMPARE(f.text("txtGiorni"), QStringLiteral("0"));
        QCOMPARE(f.text("lblPosizione"), QString());
        QVERIFY(!f.paid()->isChecked());
        QVERIFY(!f.editor->findChild<QWidget *>(QStringLiteral("grpPage01"))->isHidden());
        QCOMPARE(f.combo(QStringLiteral("txtProvDitta"))->currentIndex(), -1);
    }

    void issuerClearAndTodayButtons()
    {
        f.set(QStringLiteral("txtDitta"), QStringLiteral("Hotel Sole"));
        f.set(QStringLiteral("txtLibero02"), QStringLiteral("REA 123"));
        f.set(QStringLiteral("txtTassa"), QStringLiteral("2,00"));
        f.click(QStringLiteral("btnCancDitta"));
        QCOMPARE(f.text("txtDitta"), QString());
        QCOMPARE(f.text("txtLibero02"), QString());
        QCOMPARE(f.text("txtTassa"), QStringLiteral("2,00"));
        QCOMPARE(f.editor->focusWidget(), f.edit(QStringLiteral("txtDitta")));
        for (const auto &[button, field] : {std::pair{"impOggi", "txtData"}, {"impArrivo", "txtArrivo"}, {"impPartenza", "txtPartenza"}}) {
            f.click(QString::fromLatin1(button));
            QCOMPARE(f.text(QString::fromLatin1(field)), QStringLiteral("15/06/2024"));
        }
    }

    void pageArrows_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("arrow");
        QTest::addColumn<int>("to");
        QTest::addColumn<QString>("focus");
        QTest::newRow("imgAvanti_A") << 1 << "imgAvanti_A" << 2 << "txtDesc11";
        QTest::newRow("imgAvanti_B") << 2 << "imgAvanti_B" << 3 << "txtDesc21";
        QTest::newRow("imgIndietro_B") << 2 << "imgIndietro_B" << 1 << "txtDesc01";
        QTest::newRow("imgIndietro_C") << 3 << "imgIndietro_C" << 2 << "txtDesc11";
    }
    void pageArrows()
    {
        QFETCH(int, from);
        QFETCH(QString, arrow);
        QFETCH(int, to);
        QFETCH(QString, focus);
        f.editor->showPage(from);
        f.click(arrow);
        for (int page = 1; page <= 3; ++page)
            QCOMPARE(f.editor->findChild<QWidget *>(QStringLiteral("grpPage0%1").arg(page))->isHidden(), page != to);
        QCOMPARE(f.editor->focusWidget(), f.edit(focus));
    }

    void hintsInTheStatusLine_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("hint");
        QTest::newRow("cmdNuovo") << "cmdNuovo" << "Predispone la schermata per l'emissione di una nuova ricevuta.";
        QTest::newRow("cmdSalva") << "cmdSalva" << "Salva o aggiorna la ricevuta corrente.";
        QTest::newRow("cmdTrova") << "cmdTrova" << "Trova una ricevuta in archivio.";
        QTest::newRow("cmdSospese") << "cmdSospese" << "Visualizza il riepilogo delle ricevute non saldate.";
        QTest::newRow("cmdImporta") << "cmdImporta"
                                    << "Importa dall'archivio dei Clienti i dati anagrafici unitamente ai servizi e alle consumazioni del conto.";
        QTest::newRow("cmdAnteprima") << "cmdAnteprima" << "Visualizza l'anteprima di stampa della ricevuta corrente.";
        QTest::newRow("cmdStampa") << "cmdStampa" << "Stampa la ricevuta corrente.";
        QTest::newRow("cmdPDF") << "cmdPDF" << "Esporta la ricevuta corrente in formato PDF.";
        QTest::newRow("cmdPrimo") << "cmdPrimo" << "Visualizza la prima ricevuta in archivio.";
        QTest::newRow("cmdIndietro") << "cmdIndietro" << "Visualizza la ricevuta precedente in archivio.";
        QTest::newRow("cmdAvanti") << "cmdAvanti" << "Visualizza la ricevuta successiva in archivio.";
        QTest::newRow("cmdUltimo") << "cmdUltimo" << "Visualizza l'ultima ricevuta in archivio.";
        QTest::newRow("cmdNumerazione") << "cmdNumerazione" << "Imposta il numero iniziale per la numerazione delle ricevute.";
        QTest::newRow("cmdEsporta") << "cmdEsporta" << "Esporta le ricevute in archivio in un file di Microsoft Excel.";
        QTest::newRow("cmdRiepMensile") << "cmdRiepMensile" << "Visualizza il riepilogo mensile delle ricevute emesse.";
        QTest::newRow("cmdRiepTrimestrale") << "cmdRiepTrimestrale" << "Visualizza il riepilogo trimestrale delle ricevute emesse.";
        QTest::newRow("cmdRiepAnnuale") << "cmdRiepAnnuale" << "Visualizza il riepilogo annuale delle ricevute emesse.";
        QTest::newRow("cmdGuida") << "cmdGuida" << "Visualizza la guida in linea.";
        QTest::newRow("cmdEsci") << "cmdEsci" << "Esci da questa schermata di lavoro.";
        QTest::newRow("btnCancDitta") << "btnCancDitta" << "Cancella i dati della Ditta emittente.";
        QTest::newRow("btnLogo") << "btnLogo" << "Carica il logo della Ditta emittente.";
        QTest::newRow("btnIvaDitta") << "btnIvaDitta" << "Controlla il numero di partita IVA.";
        QTest::newRow("btnIvaCliente") << "btnIvaCliente" << "Controlla il numero di partita IVA.";
        QTest::newRow("btnCodFiscDitta") << "btnCodFiscDitta" << "Controlla il codice fiscale.";
        QTest::newRow("btnCodFiscCliente") << "btnCodFiscCliente" << "Controlla il codice fiscale.";
        QTest::newRow("impOggi") << "impOggi" << "Inserisci la data corrente.";
        QTest::newRow("impArrivo") << "impArrivo" << "Inserisci la data corrente.";
        QTest::newRow("impPartenza") << "impPartenza" << "Inserisci la data corrente.";
        QTest::newRow("impCliente") << "impCliente" << "Importa i dati anagrafici dall'archivio dei Clienti.";
        QTest::newRow("impMag01") << "impMag01" << "Importa i dati dal tariffario dei prodotti e servizi.";
        QTest::newRow("impMag30") << "impMag30" << "Importa i dati dal tariffario dei prodotti e servizi.";
        QTest::newRow("imgAvanti_A") << "imgAvanti_A" << "Visualizza i prodotti e servizi successivi.";
        QTest::newRow("imgAvanti_B") << "imgAvanti_B" << "Visualizza i prodotti e servizi successivi.";
        QTest::newRow("imgIndietro_B") << "imgIndietro_B" << "Visualizza i prodotti e servizi precedenti.";
        QTest::newRow("imgIndietro_C") << "imgIndietro_C" << "Visualizza i prodotti e servizi precedenti.";
        QTest::newRow("cmdCalcola") << "cmdCalcola" << "Calcola gli importi totali.";
    }
    void hintsInTheStatusLine()
    {
        QFETCH(QString, control);
        QFETCH(QString, hint);
        QWidget *w = f.editor->findChild<QWidget *>(control);
        QVERIFY(w);
        QLabel *info = f.label(QStringLiteral("panInfo"));
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(w, &enter);
        QCOMPARE(info->text(), hint);
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(w, &leave);
        QCOMPARE(info->text(), QString());
        QApplication::sendEvent(w, &enter);
        QEvent overPanel(QEvent::Enter);
        QApplication::sendEvent(f.editor->findChild<QWidget *>(QStringLiteral("panCliente")), &overPanel);
        QCOMPARE(info->text(), QString());
    }

    void commandsOpenTheirDialogs_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("token");
        QTest::newRow("cmdTrova") << "cmdTrova" << "TfrmTrovaRicevute" << "ricevute";
        QTest::newRow("cmdSospese") << "cmdSospese" << "TfrmSospese" << "";
        QTest::newRow("cmdImporta") << "cmdImporta" << "TfrmTrovaClienti" << "ric_conto";
        QTest::newRow("impCliente") << "impCliente" << "TfrmTrovaClienti" << "ric_anagrafica";
        QTest::newRow("impMag01") << "impMag01" << "TfrmTrovaServizi" << "ric_01";
        QTest::newRow("impMag17") << "impMag17" << "TfrmTrovaServizi" << "ric_17";
        QTest::newRow("impMag30") << "impMag30" << "TfrmTrovaServizi" << "ric_30";
        QTest::newRow("cmdAnteprima") << "cmdAnteprima" << "TfrmAnteprimaRicevuta" << "";
        QTest::newRow("cmdStampa") << "cmdStampa" << "TfrmStampaRicevuta" << "";
        QTest::newRow("cmdPDF") << "cmdPDF" << "TfrmPDF_Ricevuta" << "";
        QTest::newRow("cmdNumerazione") << "cmdNumerazione" << "TfrmNumerazione" << "ricevute";
        QTest::newRow("cmdEsporta") << "cmdEsporta" << "TfrmExpRicevute" << "";
        QTest::newRow("cmdRiepMensile") << "cmdRiepMensile" << "TfrmRiepMensile" << "";
        QTest::newRow("cmdRiepTrimestrale") << "cmdRiepTrimestrale" << "TfrmRiepTrimestrale" << "";
        QTest::newRow("cmdRiepAnnuale") << "cmdRiepAnnuale" << "TfrmRiepAnnuale" << "";
        QTest::newRow("cmdGuida") << "cmdGuida" << "TfrmGuida" << "";
        QTest::newRow("btnLogo") << "btnLogo" << "TfrmLogo" << "";
        QTest::newRow("btnIvaDitta") << "btnIvaDitta" << "TfrmPartitaIva" << "";
        QTest::newRow("btnCodFiscCliente") << "btnCodFiscCliente" << "TfrmCodFisc" << "";
    }
    void commandsOpenTheirDialogs()
    {
        QFETCH(QString, command);
        QFETCH(QString, dialog);
        QFETCH(QString, token);
        QString memory = QStringLiteral("<none>");
        QString title;
        f.modal->onDialog([&](QDialog *d) {
            if (auto *l = d->findChild<QLabel *>(QStringLiteral("lblMemory")))
                memory = l->text();
            if (auto *l = d->findChild<QLabel *>(QStringLiteral("lblTitolo")))
                title = l->text();
            QCOMPARE(d->parentWidget(), f.editor);
        });
        f.click(command);
        const auto dialogs = f.modal->ofKind(QStringLiteral("dialog"));
        QCOMPARE(dialogs.size(), 1);
        QCOMPARE(dialogs.at(0).detail, dialog);
        QCOMPARE(memory, token);
        if (command == u"cmdNumerazione")
            QCOMPARE(dialogs.at(0).text, QStringLiteral("Impostazione inizio numerazione ricevute"));
        if (command == u"cmdGuida")
            QCOMPARE(title, QStringLiteral("Applicazione Emissione ricevute."));
    }

    void summariesReceiveTheYear_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("dialog");
        QTest::newRow("monthly") << "cmdRiepMensile" << "TfrmRiepMensile";
        QTest::newRow("quarterly") << "cmdRiepTrimestrale" << "TfrmRiepTrimestrale";
    }
    void summariesReceiveTheYear()
    {
        QFETCH(QString, command);
        QFETCH(QString, dialog);
        // A stand-in summary screen with its year label, for this run only.
        Screens::setFactory(dialog, [dialog](QWidget *parent) {
            auto *screen = new PlaceholderDialog(dialog, parent);
            (new QLabel(screen))->setObjectName(QStringLiteral("lblAnno"));
            return screen;
        });
        f.label(QStringLiteral("lblAnno"))->setText(QStringLiteral(" 2024 "));
        QString year;
        f.modal->onDialog([&](QDialog *d) { year = d->findChild<QLabel *>(QStringLiteral("lblAnno"))->text(); });
        f.click(command);
        QCOMPARE(year, QStringLiteral("2024"));
    }

    void checksReceiveTheTrimmedText_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("dialog");
        QTest::newRow("issuer VAT") << "btnIvaDitta" << "txtIvaDitta" << " 01234567890 " << "TfrmPartitaIva";
        QTest::newRow("customer VAT") << "btnIvaCliente" << "txtIvaCliente" << "12345678901" << "TfrmPartitaIva";
        QTest::newRow("issuer tax code of digits") << "btnCodFiscDitta" << "txtCodFiscDitta" << "01234567890" << "TfrmPartitaIva";
        QTest::newRow("customer tax code") << "btnCodFiscCliente" << "txtCodFiscCliente" << "RSSMRA80A01H501U" << "TfrmCodFisc";
        QTest::newRow("empty tax code") << "btnCodFiscCliente" << "txtCodFiscCliente" << "" << "TfrmCodFisc";
    }
    void checksReceiveTheTrimmedText()
    {
        QFETCH(QString, button);
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, dialog);
        f.set(field, text);
        QString received = QStringLiteral("<none>");
        f.modal->onDialog([&](QDialog *d) {
            if (auto *e = d->findChild<QLineEdit *>(dialog == u"TfrmCodFisc" ? QStringLiteral("txtCodFisc") : QStringLiteral("txtPartitaIva")))
                received = e->text();
        });
        f.click(button);
        QCOMPARE(f.modal->ofKind(QStringLiteral("dialog")).constLast().detail, dialog);
        QCOMPARE(received, text.trimmed());
    }
};

QTEST_MAIN(TestRicevuteControls)
#include "tst_ricevutecontrols.moc"
