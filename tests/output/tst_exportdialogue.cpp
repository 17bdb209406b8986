#include "output/exportdialogue.h"

#include "support/recordingmodal.h"
#include "support/testfolder.h"

#include <QDir>
#include <QTest>
#include <QUrl>

using namespace Spreadsheet;

namespace {

Sheet smallSheet()
{
    Sheet sheet;
    sheet.worksheetName = QStringLiteral("Tariffario Prodotti e Servizi");
    sheet.columns = {{QStringLiteral("Descrizione"), 250}};
    sheet.rows.append({{QStringLiteral("Colazione")}});
    return sheet;
}

const QString kGeneral = QStringLiteral(
    "L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del numero di schede presenti in "
    "archivio.\r\n\r\nSi vuole esportare i dati adesso?");
const QString kDone = QStringLiteral(
    "Le schede in archivio sono state esportate con successo.\r\n\r\nSi vuole aprire il file di Excel?");
const QString kFailed = QStringLiteral(
    "Attenzione: il sistema non permette di esportare i dati.\n\r\n\rAccertarsi che il file di Excel non sia già aperto.");

} // namespace

class TestExportDialogue : public QObject
{
    Q_OBJECT
private slots:
    void declinedWritesNothing();
    void writtenAndOpened();
    void writtenNotOpened();
    void accountQuestion();
    void failureIsNeverReportedAsSuccess();
};

void TestExportDialogue::declinedWritesNothing()
{
    TestFolder folder;
    folder.write(QStringLiteral("Magazzino.xls"), "earlier");
    auto *modal = RecordingModal::install();
    modal->answerConfirm(false);
    QCOMPARE(ExportDialogue::run(nullptr, QStringLiteral("Magazzino.xls"), smallSheet()), ExportDialogue::Outcome::Declined);
    QCOMPARE(modal->messages(), QStringList{kGeneral});
    QCOMPARE(folder.read(QStringLiteral("Magazzino.xls")), QByteArray("earlier"));
}

void TestExportDialogue::writtenAndOpened()
{
    TestFolder folder;
    folder.write(QStringLiteral("Magazzino.xls"), "earlier");
    auto *modal = RecordingModal::install();
    modal->answerConfirm(true);
    modal->answerConfirm(true);
    QCOMPARE(ExportDialogue::run(nullptr, QStringLiteral("Magazzino.xls"), smallSheet()), ExportDialogue::Outcome::Opened);
    QCOMPARE(modal->messages(), (QStringList{kGeneral, kDone}));
    QCOMPARE(folder.read(QStringLiteral("Magazzino.xls")), document(smallSheet()));
    const auto shell = modal->ofKind(QStringLiteral("shell"));
    QCOMPARE(shell.size(), 1);
    QCOMPARE(QUrl(shell.first().text).toLocalFile(), folder.file(QStringLiteral("Magazzino.xls")));
}

void TestExportDialogue::writtenNotOpened()
{
    TestFolder folder;
    auto *modal = RecordingModal::install();
    modal->answerConfirm(true);
    modal->answerConfirm(false);
    QCOMPARE(ExportDialogue::run(nullptr, QStringLiteral("Clienti.xls"), smallSheet()), ExportDialogue::Outcome::Written);
    QVERIFY(modal->ofKind(QStringLiteral("shell")).isEmpty());
    QCOMPARE(folder.read(QStringLiteral("Clienti.xls")), document(smallSheet()));
}

void TestExportDialogue::accountQuestion()
{
    TestFolder folder;
    auto *modal = RecordingModal::install();
    modal->answerConfirm(false);
    ExportDialogue::run(nullptr, QStringLiteral("Conto.xls"), smallSheet(), ExportDialogue::Question::Account);
    QCOMPARE(modal->messages(),
             QStringList{QStringLiteral("Questa operazione esporterà in un foglio di Excel i servizi e le consumazioni "
                                        "presenti nel conto del Cliente.\r\n\r\nSi conferma l'esportazione dei dati?")});
}

void TestExportDialogue::failureIsNeverReportedAsSuccess()
{
    TestFolder folder;
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Magazzino.xls")));
    auto *modal = RecordingModal::install();
    modal->answerConfirm(true);
    modal->answerConfirm(true);
    QCOMPARE(ExportDialogue::run(nullptr, QStringLiteral("Magazzino.xls"), smallSheet()), ExportDialogue::Outcome::Failed);
    QCOMPARE(modal->messages(), (QStringList{kGeneral, kFailed}));
    QCOMPARE(modal->last().kind, QStringLiteral("plain"));
    QVERIFY(modal->ofKind(QStringLiteral("shell")).isEmpty());
}

QTEST_MAIN(TestExportDialogue)
#include "tst_exportdialogue.moc"
