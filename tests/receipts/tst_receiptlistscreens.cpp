#include "receiptfixture.h"

#include "app/screens.h"
#include "receipts/tfrmriepiloghi.h"
#include "receipts/tfrmsospese.h"
#include "receipts/tfrmtrovaricevute.h"
#include "storage/recordlayout.h"
#include "support/recordingmodal.h"
#include "support/testfolder.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

template<class T> T *child(QWidget *screen, const QString &name)
{
    return screen->findChild<T *>(name);
}

QStringList listLines(QWidget *screen)
{
    QStringList out;
    auto *list = child<QListView>(screen, QStringLiteral("lstRecords"));
    for (int r = 0; r < list->model()->rowCount(); ++r)
        out << list->model()->index(r, 0).data().toString();
    return out;
}

void doubleClickRow(QWidget *screen, int row)
{
    auto *list = child<QListView>(screen, QStringLiteral("lstRecords"));
    const QModelIndex index = list->model()->index(row, 0);
    list->scrollTo(index);
    const QPoint at = list->visualRect(index).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

void click(QWidget *screen, const char *name)
{
    auto *button = child<QPushButton>(screen, QString::fromLatin1(name));
    QVERIFY2(button, name);
    button->click();
}

// The summary screens with their printed title and extra lines in reach.
struct Mensile : TfrmRiepMensile
{
    using PeriodSummaryScreen::extraPrintLines;
    using PeriodSummaryScreen::printTitle;
};

} // namespace

class TestReceiptListScreens : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestFolder> m_folder;
    std::unique_ptr<Screens> m_screens;
    RecordingModal *m_modal = nullptr;
    QWidget *m_editor = nullptr;
    QString m_archive;

    void setEditorArchive(const QString &path, const QString &year)
    {
        child<QLabel>(m_editor, QStringLiteral("lblFile"))->setText(path);
        child<QLabel>(m_editor, QStringLiteral("lblAnno"))->setText(year);
    }
    QString editorText(const QString &control)
    {
        QWidget *w = child<QWidget>(m_editor, control);
        if (auto *edit = qobject_cast<QLineEdit *>(w))
            return edit->text();
        if (auto *label = qobject_cast<QLabel *>(w))
            return label->text();
        return QStringLiteral("<none>");
    }
    QCheckBox *paidBox() { return child<QCheckBox>(m_editor, QStringLiteral("chkSaldata")); }

private slots:
    void init();
    void cleanup();

    void searchPanelFieldsAndEnterOrder();
    void searchListsAndCounts();
    void searchOfAnUnreachableArchive();
    void loadingTheLaterOfTwoEqualLines_data();
    void loadingTheLaterOfTwoEqualLines();
    void unpaidList();
    void monthlySummary();
    void quarterlySummaryOfAnotherYear();
    void annualSummaryStopsAtABadAmount();
    void findOnAnEmptySummary();
};

void TestReceiptListScreens::init()
{
    m_folder = std::make_unique<TestFolder>();
    m_modal = RecordingModal::install();
    m_screens = std::make_unique<Screens>();
    m_editor = m_screens->work(QStringLiteral("TfrmRicevute"));
    QVERIFY(m_editor);
    // The editor's controls as the receipt layout names them; added here when
    // the editor in the build does not have them.
    const RecordLayout &layout = ReceiptLayout::layout();
    for (int i = 0; i < layout.fieldCount(); ++i) {
        const QString control = layout.field(i).control;
        if (child<QWidget>(m_editor, control))
            continue;
        QWidget *w = nullptr;
        if (control == u"chkSaldata")
            w = new QCheckBox(m_editor);
        else if (control == u"txtTotCorrispettivi" || control == u"txtTotTassa" || control == u"txtTotale")
            w = new QLabel(m_editor);
        else
            w = new QLineEdit(m_editor);
        w->setObjectName(control);
    }
    for (const char *name : {"lblPosizione", "lblFile", "lblAnno"}) {
        if (!child<QLabel>(m_editor, QString::fromLatin1(name)))
            (new QLabel(m_editor))->setObjectName(QString::fromLatin1(name));
    }
    m_archive = m_folder->file(QStringLiteral("2016.ric"));
    setEditorArchive(m_archive, QStringLiteral("2016"));
    appendReceipts(m_archive,
                   {
                       receipt({{"NumRic", "1"}, {"Data", "15/03/2016"}, {"Cliente", "Rossi Mario"}, {"Camera", "12"},
                                {"TotCorrispettivi", "10,50"}, {"Acconti", "0,00"}, {"TotTassa", "0,00"},
                                {"Totale", "10,50"}, {"Saldata", "No"}}),
                       receipt({{"NumRic", "2"}, {"Data", "20/03/2016"}, {"Cliente", "ROSSINI"}, {"Camera", "7"},
                                {"TotCorrispettivi", "2"}, {"Acconti", "0,50"}, {"TotTassa", "1,00"},
                                {"Totale", "2,50"}, {"Saldata", "Sì"}}),
                       receipt({{"NumRic", "3"}, {"Data", "01/04/2016"}, {"Cliente", "Bianchi"}, {"Camera", "12"},
                                {"TotCorrispettivi", "5,00"}, {"Acconti", "0,00"}, {"TotTassa", "0,00"},
                                {"Totale", "5,00"}}),
                   });
}

void TestReceiptListScreens::cleanup()
{
    m_screens.reset();
    Modal::install(nullptr);
    m_folder.reset();
}

void TestReceiptListScreens::searchPanelFieldsAndEnterOrder()
{
    QDialog *dlg = m_screens->createDialog(QStringLiteral("TfrmTrovaRicevute"), m_editor, QStringLiteral("ricevute"));
    std::unique_ptr<QDialog> guard(dlg);
    dlg->show();
    QApplication::setActiveWindow(dlg);
    QVERIFY(QTest::qWaitForWindowActive(dlg));
    QCOMPARE(dlg->size(), QSize(862, 560));
    QVERIFY(child<QWidget>(dlg, QStringLiteral("panAvvio"))->isVisible());
    QVERIFY(!child<QWidget>(dlg, QStringLiteral("panContainer"))->isVisible());
    const QStringList order = {"txtNumRic", "txtData", "txtCliente", "txtCittaCliente", "txtIvaCliente",
                               "txtCodFiscCliente", "txtArrivo", "txtPartenza", "txtCamera", "txtNote", "txtNumRic"};
    QTRY_COMPARE(QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(), order.at(0));
    for (int i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget()->objectName(), order.at(i));
    }
}

void TestReceiptListScreens::searchListsAndCounts()
{
    QDialog *dlg = m_screens->createDialog(QStringLiteral("TfrmTrovaRicevute"), m_editor, QStringLiteral("ricevute"));
    std::unique_ptr<QDialog> guard(dlg);
    dlg->show();
    child<QLineEdit>(dlg, QStringLiteral("txtCliente"))->setText(QStringLiteral("ross"));
    child<QLineEdit>(dlg, QStringLiteral("txtNote"))->setText(QStringLiteral("   "));
    click(dlg, "btnCerca");
    QCOMPARE(child<QLabel>(dlg, QStringLiteral("lblConta"))->text(), QStringLiteral("1"));
    QVERIFY(!child<QWidget>(dlg, QStringLiteral("panAvvio"))->isVisible());
    QVERIFY(child<QWidget>(dlg, QStringLiteral("panContainer"))->isVisible());
    const QStringList lines = listLines(dlg);
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines.at(0), QStringLiteral("Ric. n. 1                 Data: 15/03/2016  Rossi Mario                       C.F.                   Da:             A:             Totale: € 10,50"));
    QCOMPARE(child<QLabel>(dlg, QStringLiteral("lblTrovate"))->text(),
             QStringLiteral("Il presente riepilogo contiene 2 schede."));
    QVERIFY(m_modal->events().isEmpty());
}

void TestReceiptListScreens::searchOfAnUnreachableArchive()
{
    const QString blocked = m_folder->file(QStringLiteral("2017.ric"));
    QVERIFY(QDir().mkpath(blocked));
    setEditorArchive(blocked, QStringLiteral("2017"));
    QDialog *dlg = m_screens->createDialog(QStringLiteral("TfrmTrovaRicevute"), m_editor, QStringLiteral("ricevute"));
    std::unique_ptr<QDialog> guard(dlg);
    dlg->show();
    click(dlg, "btnCerca");
    QCOMPARE(m_modal->ofKind(QStringLiteral("plain")).size(), 1);
    QCOMPARE(m_modal->last().text, archiveAccessMessage());
    QVERIFY(child<QWidget>(dlg, QStringLiteral("panAvvio"))->isVisible());
}

void TestReceiptListScreens::loadingTheLaterOfTwoEqualLines_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("token");
    QTest::addColumn<bool>("loads");
    QTest::addColumn<int>("row"); // of the first of the two equal lines
    QTest::newRow("search from the editor") << "TfrmTrovaRicevute" << "ricevute" << true << 0;
    QTest::newRow("search with another token") << "TfrmTrovaRicevute" << "altro" << false << 0;
    QTest::newRow("unpaid list") << "TfrmSospese" << "" << true << 1;
}

void TestReceiptListScreens::loadingTheLaterOfTwoEqualLines()
{
    QFETCH(QString, screen);
    QFETCH(QString, token);
    QFETCH(bool, loads);
    QFETCH(int, row);
    // Two unpaid receipts with the same list line, then one whose flag is
    // neither "Sì" nor "No" (which leaves the paid box alone).
    appendReceipts(m_archive, {
                                  receipt({{"NumRic", "9"}, {"Data", "01/05/2016"}, {"Cliente", "Neri"},
                                           {"Note", "prima"}, {"Saldata", "No"}}),
                                  receipt({{"NumRic", "9"}, {"Data", "01/05/2016"}, {"Cliente", "Neri"},
                                           {"Note", "seconda"}, {"Ditta", "Hotel Sole"}, {"Desc30", "Cena"},
                                           {"Prezzo30", "30,00"}, {"Totale", "30,00"}, {"Saldata", "No"}}),
                              });
    paidBox()->setChecked(true);
    QDialog *dlg = m_screens->createDialog(screen, m_editor, token);
    QPointer<QDialog> guard(dlg);
    dlg->show();
    if (screen == u"TfrmTrovaRicevute") {
        child<QLineEdit>(dlg, QStringLiteral("txtCliente"))->setText(QStringLiteral("neri"));
        click(dlg, "btnCerca");
    }
    QCOMPARE(listLines(dlg).size(), row + 2);
    QCOMPARE(listLines(dlg).at(row), listLines(dlg).at(row + 1));
    doubleClickRow(dlg, row);
    QVERIFY(!dlg->isVisible());
    if (!loads) {
        QCOMPARE(editorText(QStringLiteral("txtNote")), QString());
        QVERIFY(paidBox()->isChecked());
    } else {
        QCOMPARE(editorText(QStringLiteral("lblPosizione")), QStringLiteral("5"));
        QCOMPARE(editorText(QStringLiteral("txtNote")), QStringLiteral("seconda"));
        QCOMPARE(editorText(QStringLiteral("txtDitta")), QStringLiteral("Hotel Sole"));
        QCOMPARE(editorText(QStringLiteral("txtDesc30")), QStringLiteral("Cena"));
        QCOMPARE(editorText(QStringLiteral("txtPrezzo30")), QStringLiteral("30,00"));
        QCOMPARE(editorText(QStringLiteral("txtTotale")), QStringLiteral("30,00"));
        QCOMPARE(editorText(QStringLiteral("txtCliente")), QStringLiteral("Neri"));
        QVERIFY(!paidBox()->isChecked());
    }
    delete guard.data();
}

void TestReceiptListScreens::unpaidList()
{
    QDialog *dlg = m_screens->createDialog(QStringLiteral("TfrmSospese"), m_editor);
    std::unique_ptr<QDialog> guard(dlg);
    dlg->show();
    const QStringList lines = listLines(dlg);
    QCOMPARE(lines.size(), 1); // "Sì" and the empty flag are not listed
    QVERIFY(lines.at(0).startsWith(QStringLiteral("Ric. n. 1 ")));
    QCOMPARE(dlg->size(), QSize(862, 560));
    // Loading the receipt ticks the box back off from "No".
    paidBox()->setChecked(true);
    doubleClickRow(dlg, 0);
    QCOMPARE(editorText(QStringLiteral("lblPosizione")), QStringLiteral("1"));
    QVERIFY(!paidBox()->isChecked());
}

void TestReceiptListScreens::monthlySummary()
{
    Mensile screen;
    QCOMPARE(child<QLabel>(&screen, QStringLiteral("lblAnno"))->text(), QStringLiteral("2016"));
    screen.show();
    auto *choice = child<QComboBox>(&screen, QStringLiteral("cboSelezione"));
    QCOMPARE(choice->count(), 12);
    QCOMPARE(choice->currentText(), QStringLiteral("GENNAIO"));
    choice->setCurrentIndex(2);
    click(&screen, "btnVisualizza");
    QVERIFY(!child<QWidget>(&screen, QStringLiteral("panSelezione"))->isVisible());
    QVERIFY(child<QWidget>(&screen, QStringLiteral("panContainer"))->isVisible());
    QCOMPARE(screen.heading()->text(), QStringLiteral("Ricevute emesse nel mese di marzo 2016"));
    QCOMPARE(listLines(&screen).size(), 2); // the unpaid one included
    QVERIFY(listLines(&screen).at(1).endsWith(QStringLiteral("  Tot. corr. € 2")));
    QCOMPARE(screen.countLine()->text(), QStringLiteral("Il presente riepilogo contiene 2 ricevute."));
    QCOMPARE(child<QLabel>(&screen, QStringLiteral("lblTotImponibile"))->text(), QStringLiteral("€ 12,50"));
    QCOMPARE(child<QLabel>(&screen, QStringLiteral("lblTotImposta"))->text(), QStringLiteral("€ 0,50"));
    QCOMPARE(child<QLabel>(&screen, QStringLiteral("lblTotEsente"))->text(), QStringLiteral("€ 1,00"));
    QCOMPARE(child<QLabel>(&screen, QStringLiteral("lblTotale"))->text(), QStringLiteral("€ 13,00"));
    QCOMPARE(screen.printTitle(), QStringLiteral("Tipologia riepilogo: Ricevute emesse nel mese di marzo 2016"));
    QCOMPARE(screen.extraPrintLines(), (QStringList{"--------------------------",
                                                    "TOT. CORRISPETTIVI:     € 12,50",
                                                    "Acconti:                € 0,50",
                                                    "Tot. tassa soggiorno:   € 1,00",
                                                    "Totale saldato:         € 13,00"}));
    QVERIFY(child<QPushButton>(&screen, QStringLiteral("btnEsci")));
    QCOMPARE(child<QPushButton>(&screen, QStringLiteral("btnStampa"))->text(), QStringLiteral("Stampa riepilogo"));
}

void TestReceiptListScreens::quarterlySummaryOfAnotherYear()
{
    setEditorArchive(m_archive, QStringLiteral("2017"));
    QDialog *dlg = m_screens->createDialog(QStringLiteral("TfrmRiepTrimestrale"), m_editor);
    std::unique_ptr<QDialog> guard(dlg);
    dlg->show();
    QCOMPARE(child<QComboBox>(dlg, QStringLiteral("cboSelezione"))->count(), 4);
    click(dlg, "btnVisualizza");
    auto *screen = static_cast<PeriodSummaryScreen *>(dlg);
    QCOMPARE(screen->heading()->text(),
             QStringLiteral("Ricevute emesse nel trimestre di gennaio, febbraio, marzo 2017"));
    QVERIFY(listLines(dlg).isEmpty());
    QCOMPARE(screen->countLine()->text(), QStringLiteral("Il presente riepilogo contiene 0 ricevute."));
    for (QLabel *total : screen->totalLabels())
        QCOMPARE(total->text(), QStringLiteral("€ 0,00"));
}

void TestReceiptListScreens::annualSummaryStopsAtABadAmount()
{
    appendReceipts(m_archive, {receipt({{"NumRic", "4"}, {"Data", "02/06/2016"}, {"Cliente", "Verdi"},
                                        {"TotCorrispettivi", "3,00"}, {"Acconti", "0,00"}, {"TotTassa", "rotto"}}),
                               receipt({{"NumRic", "5"}, {"Data", "03/06/2016"}, {"Cliente", "Gialli"},
                                        {"TotCorrispettivi", "1,00"}, {"Acconti", "0,00"}, {"TotTassa", "0,00"},
                                        {"Totale", "1,00"}})});
    QDialog *dlg = m_screens->createDialog(QStringLiteral("TfrmRiepAnnuale"), m_editor);
    std::unique_ptr<QDialog> guard(dlg);
    dlg->show();
    auto *screen = static_cast<PeriodSummaryScreen *>(dlg);
    QVERIFY(child<QWidget>(dlg, QStringLiteral("panContainer"))->isVisible());
    QVERIFY(!child<QWidget>(dlg, QStringLiteral("panSelezione")));
    QCOMPARE(screen->heading()->text(), QStringLiteral("Ricevute emesse nell'anno 2016"));
    QCOMPARE(listLines(dlg).size(), 4); // up to the receipt with the damaged tax total
    QCOMPARE(screen->totalLabels()[0]->text(), QStringLiteral("20,5"));
    QCOMPARE(screen->totalLabels()[1]->text(), QStringLiteral("0,5"));
    QCOMPARE(screen->totalLabels()[2]->text(), QStringLiteral("1"));
    QCOMPARE(screen->totalLabels()[3]->text(), QStringLiteral("18"));
    QCOMPARE(screen->countLine()->text(), QStringLiteral("Il presente riepilogo contiene 0 ricevute."));
    QVERIFY(m_modal->events().isEmpty());
}

void TestReceiptListScreens::findOnAnEmptySummary()
{
    setEditorArchive(m_archive, QStringLiteral("2020"));
    QDialog *dlg = m_screens->createDialog(QStringLiteral("TfrmRiepAnnuale"), m_editor);
    std::unique_ptr<QDialog> guard(dlg);
    dlg->show();
    click(dlg, "btnTrova");
    QCOMPARE(m_modal->ofKind(QStringLiteral("information")).size(), 1);
    QCOMPARE(m_modal->last().text, QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."));
}

QTEST_MAIN(TestReceiptListScreens)
#include "tst_receiptlistscreens.moc"
