#include "app/screens.h"
#include "output/spreadsheetexport.h"
#include "receipts/receiptexport.h"
#include "receipts/tfrmexpricevute.h"
#include "storage/receiptlayout.h"
#include "storage/recordfile.h"
#include "support/recordingmodal.h"
#include "support/testfolder.h"

#include <QAbstractItemModel>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QTest>

namespace {

void appendReceipt(const QString &path, const QString &number, const QString &province)
{
    Record record(ReceiptLayout::layout());
    record.setText(ReceiptLayout::NumRic, number);
    record.setText(ReceiptLayout::ProvCliente, province);
    record.setText(ReceiptLayout::Note, QStringLiteral("  <nota> & altro  "));
    RecordFile file(ReceiptLayout::RecordSize);
    file.openOrCreate(path);
    file.append(record.bytes());
    file.close();
}

QString cell(const QTableView *grid, int row, int column)
{
    return grid->model()->index(row, column).data().toString();
}

} // namespace

class TestTfrmExpRicevute : public QObject
{
    Q_OBJECT
private slots:
    void gridColumns();
    void emptyArchiveShowsAndExportsTenEmptyRows();
    void archiveOfThreeReceipts();
    void exportFailureWhereAFolderStands();
    void archiveOfTheEditorAndGuide();
    void hints();
};

void TestTfrmExpRicevute::gridColumns()
{
    TfrmExpRicevute screen;
    QCOMPARE(screen.windowTitle(), QStringLiteral(" Esporta archivio ricevute in Microsoft Excel"));
    QCOMPARE(screen.size(), QSize(862, 560));
    const QTableView *grid = screen.findChild<QTableView *>(QStringLiteral("grdRecords"));
    QVERIFY(grid);
    const QStringList names = TfrmExpRicevute::gridColumnNames();
    QCOMPARE(names.size(), 20);
    QCOMPARE(names.first(), QStringLiteral("colNum"));
    QCOMPARE(names.at(9), QStringLiteral("colProvCliente"));
    QCOMPARE(names.last(), QStringLiteral("colSaldata"));
    const QList<QPair<QString, int>> expected = {
        {"N.", 60}, {"Ricevuta n.", 150}, {"Data emissione", 120}, {"Camera n.", 200}, {"Data arrivo", 120},
        {"Data partenza", 120}, {"Cognome e nome Cliente", 250}, {"Via e numero civico", 250},
        {"Città di residenza", 250}, {"Prov.", 80}, {"Partita IVA", 200}, {"Codice fiscale", 200}, {"Note", 350},
        {"Tot. corrispettivi", 180}, {"Acconti", 180}, {"Tassa soggiorno", 180}, {"Giorni permanenza", 120},
        {"Tot. tassa soggiorno", 180}, {"Totale saldato", 180}, {"Saldata", 80}};
    QCOMPARE(grid->model()->columnCount(), expected.size());
    for (int c = 0; c < expected.size(); ++c) {
        QCOMPARE(grid->model()->headerData(c, Qt::Horizontal).toString(), expected.at(c).first);
        QCOMPARE(grid->horizontalHeader()->sectionSize(c), expected.at(c).second);
    }
}

void TestTfrmExpRicevute::emptyArchiveShowsAndExportsTenEmptyRows()
{
    TestFolder folder;
    auto *modal = RecordingModal::install();
    TfrmExpRicevute screen;
    screen.setArchivePath(folder.file(QStringLiteral("2025.ric")));
    screen.show();
    QVERIFY(QFile::exists(folder.file(QStringLiteral("2025.ric")))); // opened or created
    QCOMPARE(screen.grid()->model()->rowCount(), 10);
    QCOMPARE(cell(screen.grid(), 0, 0), QString());
    QCOMPARE(cell(screen.grid(), 9, 1), QString());

    modal->answerConfirm(true);
    modal->answerConfirm(false);
    QCOMPARE(screen.exportGrid(), ExportDialogue::Outcome::Written);
    const QByteArray bytes = folder.read(QStringLiteral("Archivio_Ricevute.xls"));
    QCOMPARE(bytes, Spreadsheet::document(ReceiptExport::sheet({})));
    QCOMPARE(bytes.count("<tr>"), 11);
    QCOMPARE(bytes.count("<td style=\"text-align: left;\"></td>"), 190);
}

void TestTfrmExpRicevute::archiveOfThreeReceipts()
{
    TestFolder folder;
    auto *modal = RecordingModal::install();
    const QString path = folder.file(QStringLiteral("2024.ric"));
    appendReceipt(path, QStringLiteral("1"), QStringLiteral("BG"));
    appendReceipt(path, QStringLiteral("2"), QStringLiteral("MI"));
    appendReceipt(path, QStringLiteral("3"), QStringLiteral("FC"));
    TfrmExpRicevute screen;
    screen.setArchivePath(path);
    screen.show();
    const QTableView *grid = screen.grid();
    QCOMPARE(grid->model()->rowCount(), 3);
    for (int r = 0; r < 3; ++r) {
        QCOMPARE(cell(grid, r, 0), QString::number(r + 1));
        QCOMPARE(cell(grid, r, 1), QString::number(r + 1));
    }
    QCOMPARE(cell(grid, 2, 9), QStringLiteral("FC"));
    QCOMPARE(cell(grid, 0, 12), QStringLiteral("<nota> & altro"));

    modal->answerConfirm(true);
    modal->answerConfirm(true);
    QCOMPARE(screen.exportGrid(), ExportDialogue::Outcome::Opened);
    const QByteArray bytes = folder.read(QStringLiteral("Archivio_Ricevute.xls"));
    QCOMPARE(bytes.count("<tr>"), 4);
    // The running number is not exported: each row starts with the receipt number.
    QVERIFY(bytes.contains("</tr><tr><td style=\"text-align: left;\">1</td><td style=\"text-align: left;\"></td>"));
    QVERIFY(bytes.contains("&lt;nota&gt; &amp; altro"));
    QCOMPARE(modal->ofKind(QStringLiteral("shell")).size(), 1);
    QVERIFY(screen.isVisible()); // the screen stays open
}

void TestTfrmExpRicevute::exportFailureWhereAFolderStands()
{
    TestFolder folder;
    auto *modal = RecordingModal::install();
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Archivio_Ricevute.xls")));
    TfrmExpRicevute screen;
    screen.setArchivePath(folder.file(QStringLiteral("2024.ric")));
    screen.show();
    modal->answerConfirm(true);
    modal->answerConfirm(true);
    QCOMPARE(screen.exportGrid(), ExportDialogue::Outcome::Failed);
    QCOMPARE(modal->last().kind, QStringLiteral("plain"));
    QVERIFY(modal->last().text.startsWith(QStringLiteral("Attenzione: il sistema non permette di esportare i dati.")));
}

void TestTfrmExpRicevute::archiveOfTheEditorAndGuide()
{
    TestFolder folder;
    auto *modal = RecordingModal::install();
    Screens screens;
    // The archive open in the receipt editor is the one in its hidden lblFile.
    QWidget *editor = screens.work(QStringLiteral("TfrmRicevute"));
    QVERIFY(editor);
    QLabel *lblFile = editor->findChild<QLabel *>(QStringLiteral("lblFile"));
    if (!lblFile) {
        lblFile = new QLabel(editor);
        lblFile->setObjectName(QStringLiteral("lblFile"));
    }
    const QString path = folder.file(QStringLiteral("2024.ric"));
    lblFile->setText(path);
    appendReceipt(path, QStringLiteral("7"), QStringLiteral("BG"));

    QDialog *dialog = screens.createDialog(QStringLiteral("TfrmExpRicevute"), editor);
    auto *screen = qobject_cast<TfrmExpRicevute *>(dialog);
    QVERIFY(screen);
    QCOMPARE(screen->archivePath(), path);
    bool checked = false;
    modal->onDialog([&checked](QDialog *shown) {
        auto *exp = qobject_cast<TfrmExpRicevute *>(shown);
        QVERIFY(exp);
        QCOMPARE(exp->grid()->model()->rowCount(), 1);
        QCOMPARE(cell(exp->grid(), 0, 1), QStringLiteral("7"));
        // The guide opens over the export screen.
        auto *guide = exp->findChild<QWidget *>(QStringLiteral("cmdGuida"));
        QTest::mouseClick(guide, Qt::LeftButton);
        checked = true;
    });
    Screens::runDialog(dialog);
    QVERIFY(checked);
    const auto dialogs = modal->ofKind(QStringLiteral("dialog"));
    QCOMPARE(dialogs.size(), 2);
    QCOMPARE(dialogs.at(1).detail, QStringLiteral("TfrmGuida"));
}

void TestTfrmExpRicevute::hints()
{
    TfrmExpRicevute screen;
    auto *info = screen.findChild<QLabel *>(QStringLiteral("panInfo"));
    QVERIFY(info);
    QCOMPARE(info->text(), QStringLiteral("Esportazione archivio in Microsoft Excel."));
    const QList<QPair<QString, QString>> hints = {
        {"cmdEsporta", "Esporta l'archivio in formato Microsoft Excel."},
        {"cmdGuida", "Visualizza la pagina della guida sensibile al contesto."},
        {"cmdEsci", "Esci da questo ambiente di lavoro."}};
    for (const auto &[name, hint] : hints) {
        QWidget *command = screen.findChild<QWidget *>(name);
        QVERIFY2(command, qPrintable(name));
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(command, &enter);
        QCOMPARE(info->text(), hint);
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(command, &leave);
        QCOMPARE(info->text(), QString());
    }
}

QTEST_MAIN(TestTfrmExpRicevute)
#include "tst_tfrmexpricevute.moc"
