#include "editorfixture.h"
#include "pdftext.h"

#include "receipts/tfrmstamparicevuta.h"
#include "storage/receiptlayout.h"
#include "support/recordingmodal.h"
#include "support/testfolder.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QUrl>

#include <memory>

namespace {

// A stand-in for the receipt editor: its controls by their names, edit
// fields, the three total labels and the province drop-downs.
std::unique_ptr<QWidget> makeEditor()
{
    auto editor = std::make_unique<QWidget>();
    editor->setObjectName(QStringLiteral("TfrmRicevute"));
    for (const Field &field : ReceiptLayout::layout().fields()) {
        QWidget *control = nullptr;
        if (field.control.startsWith(u"chk"))
            continue;
        if (field.name == u"TotCorrispettivi" || field.name == u"TotTassa" || field.name == u"Totale")
            control = new QLabel(editor.get());
        else if (field.name == u"ProvDitta" || field.name == u"ProvCliente") {
            auto *combo = new QComboBox(editor.get());
            combo->setEditable(true);
            control = combo;
        } else
            control = new QLineEdit(editor.get());
        control->setObjectName(field.control);
    }
    auto set = [&](const char *name, const QString &text) {
        QWidget *w = editor->findChild<QWidget *>(QString::fromLatin1(name));
        if (auto *e = qobject_cast<QLineEdit *>(w))
            e->setText(text);
        else if (auto *l = qobject_cast<QLabel *>(w))
            l->setText(text);
        else if (auto *c = qobject_cast<QComboBox *>(w))
            c->setEditText(text);
    };
    set("txtNumRic", QStringLiteral("7"));
    set("txtData", QStringLiteral("02/01/2025"));
    set("txtCliente", QStringLiteral("Bianchi Anna "));
    set("txtProvCliente", QStringLiteral("TO"));
    set("txtCittaCliente", QStringLiteral("Torino"));
    set("txtIvaCliente", QStringLiteral("11111111111"));
    set("txtDesc01", QStringLiteral("Pernottamento"));
    set("txtPrezzo01", QStringLiteral("80,00"));
    set("txtDesc03", QStringLiteral("Colazione"));
    set("txtPrezzo03", QStringLiteral("8,00"));
    set("txtTotCorrispettivi", QStringLiteral("88,00"));
    set("txtTotTassa", QStringLiteral("2,00"));
    set("txtTotale", QStringLiteral("90,00"));
    return editor;
}

void click(QWidget *dialog, const char *button)
{
    dialog->findChild<QPushButton *>(QString::fromLatin1(button))->click();
}

} // namespace

class TestReceiptOutput : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_modal = RecordingModal::install(); }

    void screensCarryTheirTexts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("firstLine");
        QTest::newRow("print") << "TfrmStampaRicevuta" << "Stampa" << "Questa operazione provvederà a";
        QTest::newRow("preview") << "TfrmAnteprimaRicevuta" << "Mostra anteprima" << "Questa operazione consente di";
        QTest::newRow("pdf") << "TfrmPDF_Ricevuta" << "Crea PDF" << "Questa operazione provvederà a";
    }

    void screensCarryTheirTexts()
    {
        QFETCH(QString, name);
        QFETCH(QString, action);
        QFETCH(QString, firstLine);
        std::unique_ptr<QDialog> dialog;
        if (name == u"TfrmStampaRicevuta")
            dialog = std::make_unique<TfrmStampaRicevuta>();
        else if (name == u"TfrmAnteprimaRicevuta")
            dialog = std::make_unique<TfrmAnteprimaRicevuta>();
        else
            dialog = std::make_unique<TfrmPDF_Ricevuta>();
        QCOMPARE(dialog->objectName(), name);
        QCOMPARE(dialog->findChild<QPushButton *>(QStringLiteral("btnStampa"))->text(), action);
        QCOMPARE(dialog->findChild<QPushButton *>(QStringLiteral("btnAnnulla"))->text(), QStringLiteral("Annulla"));
        QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("lblRigo01"))->text(), firstLine);
        QVERIFY(dialog->findChild<QLabel *>(QStringLiteral("imgLogo")));
        QVERIFY(dialog->findChild<QLabel *>(QStringLiteral("imgTemp")));
    }

    void editorValuesReadEveryKindOfControl()
    {
        const auto editor = makeEditor();
        const ReceiptReport::Values v = ReceiptOutputDialog::editorValues(editor.get());
        QCOMPARE(v.value(QStringLiteral("Cliente")), QStringLiteral("Bianchi Anna "));
        QCOMPARE(v.value(QStringLiteral("ProvCliente")), QStringLiteral("TO"));
        QCOMPARE(v.value(QStringLiteral("Totale")), QStringLiteral("90,00"));
        QVERIFY(!v.contains(QStringLiteral("Saldata")));
    }

    void pdfAnsweredNoStaysOpen()
    {
        TestFolder folder;
        const auto editor = makeEditor();
        TfrmPDF_Ricevuta dialog(editor.get());
        dialog.show();
        click(&dialog, "btnStampa");
        QCOMPARE(m_modal->events().size(), 1);
        QCOMPARE(m_modal->last().kind, QStringLiteral("confirm"));
        QCOMPARE(m_modal->last().text,
                 QStringLiteral("L'esportazione della scheda in PDF è terminata con successo.\r\n\r\nSi vuole aprire il file?"));
        QVERIFY(dialog.isVisible());
        const QString path = folder.file(QStringLiteral("Ricevuta.pdf"));
        QVERIFY(QFile::exists(path));
        const QString text = pdfText(path);
        QCOMPARE(text.count(QStringLiteral("Ricevuta n. 7")), 2);
        QCOMPARE(text.count(QRegularExpression(QStringLiteral("C\\.F\\.\\s+P\\.Iva: 11111111111"))), 2);
        QCOMPARE(text.count(QStringLiteral("Torino TO")), 2);
        QVERIFY(pdfInfo(path).contains(QRegularExpression(QStringLiteral("Subject:\\s+Fattura"))));

        // Unsaved changes print; exporting again replaces the file without asking.
        editor->findChild<QLineEdit *>(QStringLiteral("txtCliente"))->setText(QStringLiteral("Verdi Carlo"));
        click(&dialog, "btnStampa");
        QCOMPARE(m_modal->ofKind(QStringLiteral("confirm")).size(), 2);
        const QString again = pdfText(path);
        QCOMPARE(again.count(QStringLiteral("Verdi Carlo")), 2);
        QVERIFY(!again.contains(QStringLiteral("Bianchi")));
    }

    void pdfAnsweredYesOpensTheFileAndCloses()
    {
        TestFolder folder;
        const auto editor = makeEditor();
        TfrmPDF_Ricevuta dialog(editor.get());
        dialog.show();
        m_modal->answerConfirm(true);
        click(&dialog, "btnStampa");
        const auto shell = m_modal->ofKind(QStringLiteral("shell"));
        QCOMPARE(shell.size(), 1);
        QCOMPARE(QUrl(shell.first().text).toLocalFile(), folder.file(QStringLiteral("Ricevuta.pdf")));
        QVERIFY(!dialog.isVisible());
    }

    void pdfThatCannotBeWrittenIsReported()
    {
        TestFolder folder;
        QVERIFY(QDir().mkpath(folder.file(QStringLiteral("Ricevuta.pdf")))); // a folder in the file's place
        const auto editor = makeEditor();
        TfrmPDF_Ricevuta dialog(editor.get());
        dialog.show();
        click(&dialog, "btnStampa");
        QCOMPARE(m_modal->events().size(), 1);
        QCOMPARE(m_modal->last().kind, QStringLiteral("error"));
        QVERIFY(m_modal->last().text.contains(QStringLiteral("Ricevuta.pdf")));
        QVERIFY(dialog.isVisible());
    }

    void printCancelledStillCloses()
    {
        TestFolder folder;
        const auto editor = makeEditor();
        TfrmStampaRicevuta dialog(editor.get());
        dialog.show();
        click(&dialog, "btnStampa");
        QCOMPARE(m_modal->ofKind(QStringLiteral("print")).size(), 1);
        QVERIFY(m_modal->ofKind(QStringLiteral("error")).isEmpty());
        QVERIFY(!dialog.isVisible());
        const Report &report = dialog.report();
        QCOMPARE(report.object(QStringLiteral("txtNumRic_B")).text, QStringLiteral("<b>Ricevuta n. 7</b>"));
        QCOMPARE(report.object(QStringLiteral("txtDesc02_A")).text, QString());
        QCOMPARE(report.object(QStringLiteral("txtDesc03_B")).text, QStringLiteral("Colazione"));
    }

    void previewShowsThePreviewAndCloses()
    {
        TestFolder folder;
        const auto editor = makeEditor();
        TfrmAnteprimaRicevuta dialog(editor.get());
        dialog.show();
        click(&dialog, "btnStampa");
        QCOMPARE(m_modal->ofKind(QStringLiteral("dialog")).size(), 1);
        QVERIFY(!dialog.isVisible());
    }

    void annullaClosesWithoutOutput()
    {
        TestFolder folder;
        const auto editor = makeEditor();
        TfrmPDF_Ricevuta dialog(editor.get());
        dialog.show();
        click(&dialog, "btnAnnulla");
        QVERIFY(!dialog.isVisible());
        QVERIFY(m_modal->events().isEmpty());
        QVERIFY(!QFile::exists(folder.file(QStringLiteral("Ricevuta.pdf"))));
    }

    void editorPdfCommandExportsWhatTheEditorShows()
    {
        EditorFixture run;
        run.start();
        run.openYear(QStringLiteral("2024"));
        run.click(QStringLiteral("cmdNuovo"));
        run.set(QStringLiteral("txtCliente"), QStringLiteral("Esposito Gennaro"));
        run.set(QStringLiteral("txtProvCliente"), QStringLiteral("NA"));
        run.set(QStringLiteral("txtCittaCliente"), QStringLiteral("Napoli"));
        run.set(QStringLiteral("txtDesc01"), QStringLiteral("Pernottamento"));
        run.set(QStringLiteral("txtPrezzo01"), QStringLiteral("70,00"));
        run.click(QStringLiteral("cmdCalcola"));
        run.modal->onDialog([](QDialog *dialog) { click(dialog, "btnStampa"); });
        run.click(QStringLiteral("cmdPDF"));
        const QString text = pdfText(run.folder->file(QStringLiteral("Ricevuta.pdf")));
        QCOMPARE(text.count(QStringLiteral("Esposito Gennaro")), 2);
        QCOMPARE(text.count(QStringLiteral("Napoli NA")), 2);
        QCOMPARE(text.count(QStringLiteral("Ricevuta n. 1")), 2);
        QCOMPARE(text.count(QStringLiteral("15/06/2024")), 2);
        QCOMPARE(text.count(QRegularExpression(QStringLiteral("TOTALE CORRISPETTIVI:\\s+70,00"))), 2);
        QCOMPARE(text.count(QRegularExpression(QStringLiteral("TOTALE SALDATO:\\s+70,00"))), 2);
        run.stop();
    }

private:
    RecordingModal *m_modal = nullptr;
};

QTEST_MAIN(TestReceiptOutput)
#include "tst_receiptoutput.moc"
