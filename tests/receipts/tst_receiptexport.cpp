#include "output/spreadsheetexport.h"
#include "receipts/receiptexport.h"
#include "storage/receiptlayout.h"
#include "storage/recordfile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Fields = QList<QPair<int, QString>>;

void appendReceipt(const QString &path, const Fields &fields)
{
    Record record(ReceiptLayout::layout());
    for (const auto &[field, text] : fields)
        record.setText(field, text);
    RecordFile file(ReceiptLayout::RecordSize);
    file.openOrCreate(path);
    file.append(record.bytes());
    file.close();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The header row of the receipts export as the file must hold it.
const QByteArray kHeaderRow(
    "<tr>"
    "<td style=\"text-align: left; font-weight: bold;\" width=180>Ricevuta n.</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=180>Data emissione</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=200>Camera n.</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=180>Data arrivo</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=180>Data partenza</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>Cognome e nome Cliente</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>Via e numero civico</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>Citt\xE0 di residenza</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=120>Prov.</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=200>Partita IVA</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=200>Codice fiscale</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=350>Note</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=180>Tot. corrispettivi</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=180>Acconti</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=180>Tassa soggiorno</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=150>Giorni permanenza</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=180>Tot. tassa soggiorno</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=180>Totale saldato</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=80>Saldata</td>"
    "</tr>");

QByteArray emptyRow()
{
    QByteArray row("<tr>");
    for (int i = 0; i < 19; ++i)
        row += "<td style=\"text-align: left;\"></td>";
    return row + "</tr>";
}

const QByteArray kTail("</table></body></html>");

} // namespace

class TestReceiptExport : public QObject
{
    Q_OBJECT
private slots:
    void columnsFollowTheLayout();
    void archiveOfThreeReceipts();
    void emptyArchiveGivesTenEmptyRows();
    void missingArchiveIsCreatedForTheScreen();
    void toolWritesTheSameFile();
    void toolFailures_data();
    void toolFailures();

private:
    QString makeArchive(const QTemporaryDir &dir);
};

void TestReceiptExport::columnsFollowTheLayout()
{
    QStringList gridNames;
    for (const ReceiptExport::Column &column : ReceiptExport::columns())
        gridNames.append(column.gridName());
    QCOMPARE(gridNames, (QStringList{"colNumRic", "colData", "colCamera", "colArrivo", "colPartenza", "colCliente",
                                     "colViaCliente", "colCittaCliente", "colProvCliente", "colIvaCliente",
                                     "colCodFiscCliente", "colNote", "colTotCorrispettivi", "colAcconti", "colTassa",
                                     "colGiorni", "colTotTassa", "colTotale", "colSaldata"}));
    const QByteArray bytes = Spreadsheet::document(ReceiptExport::sheet({}));
    QVERIFY(bytes.contains("<x:Name>Archivio Ricevute</x:Name>"));
    QVERIFY(bytes.contains("<table x:str>" + kHeaderRow + "<tr>"));
    QCOMPARE(ReceiptExport::fileName(), QStringLiteral("Archivio_Ricevute.xls"));
}

QString TestReceiptExport::makeArchive(const QTemporaryDir &dir)
{
    using namespace ReceiptLayout;
    const QString path = dir.filePath(QStringLiteral("2024.ric"));
    appendReceipt(path, {{NumRic, "1/2024"}, {Data, "05/03/2024"}, {Camera, "12"}, {Arrivo, "01/03/2024"},
                         {Partenza, "05/03/2024"}, {Cliente, "Rossi Mario"}, {ViaCliente, "Via Roma 1"},
                         {CapCliente, "24100"}, {CittaCliente, "Forlì"}, {ProvCliente, "FC"},
                         {IvaCliente, "01234567890"}, {CodFiscCliente, "RSSMRA80A01D704X"},
                         {Note, "Arrivo <sera> & colazione"}, {Desc01, "Pernottamento"}, {Prezzo01, "100,40"},
                         {TotCorrispettivi, "100,40"}, {Acconti, "0,00"}, {Tassa, "1,50"}, {Giorni, "4"},
                         {TotTassa, "6,00"}, {Totale, "106,40"}, {Saldata, "Sì"}});
    appendReceipt(path, {{NumRic, "2/2024"}, {Cliente, "Bianchi"}, {Saldata, "No"}});
    appendReceipt(path, {{NumRic, "3/2024"}, {Cliente, "Verdi"}, {Saldata, "No"}});
    return path;
}

void TestReceiptExport::archiveOfThreeReceipts()
{
    QTemporaryDir dir;
    const QString path = makeArchive(dir);
    QList<QStringList> rows;
    ReceiptExport::readArchive(path, rows);
    QCOMPARE(rows.size(), 3);
    QCOMPARE(rows.at(0).first(), QStringLiteral("1/2024"));
    QCOMPARE(rows.at(2).first(), QStringLiteral("3/2024"));

    const QByteArray bytes = Spreadsheet::document(ReceiptExport::sheet(rows));
    QCOMPARE(bytes.count("<tr>"), 4); // the header and three receipts
    const QByteArray first =
        "<tr><td style=\"text-align: left;\">1/2024</td><td style=\"text-align: left;\">05/03/2024</td>"
        "<td style=\"text-align: left;\">12</td><td style=\"text-align: left;\">01/03/2024</td>"
        "<td style=\"text-align: left;\">05/03/2024</td><td style=\"text-align: left;\">Rossi Mario</td>"
        "<td style=\"text-align: left;\">Via Roma 1</td><td style=\"text-align: left;\">Forl\xEC</td>"
        "<td style=\"text-align: left;\">FC</td><td style=\"text-align: left;\">01234567890</td>"
        "<td style=\"text-align: left;\">RSSMRA80A01D704X</td>"
        "<td style=\"text-align: left;\">Arrivo &lt;sera&gt; &amp; colazione</td>"
        "<td style=\"text-align: left;\">100,40</td><td style=\"text-align: left;\">0,00</td>"
        "<td style=\"text-align: left;\">1,50</td><td style=\"text-align: left;\">4</td>"
        "<td style=\"text-align: left;\">6,00</td><td style=\"text-align: left;\">106,40</td>"
        "<td style=\"text-align: left;\">S\xEC</td></tr>";
    QVERIFY(bytes.contains(kHeaderRow + first + "<tr><td style=\"text-align: left;\">2/2024</td>"));
    // The postcode and the receipt lines are not exported.
    QVERIFY(!bytes.contains("24100"));
    QVERIFY(!bytes.contains("Pernottamento"));
    QVERIFY(bytes.endsWith("<td style=\"text-align: left;\">No</td></tr>" + kTail));
}

void TestReceiptExport::emptyArchiveGivesTenEmptyRows()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("2025.ric"));
    QFile(path).open(QIODevice::WriteOnly);
    QList<QStringList> rows;
    ReceiptExport::readArchive(path, rows);
    QVERIFY(rows.isEmpty());
    const QByteArray bytes = Spreadsheet::document(ReceiptExport::sheet(rows));
    QVERIFY(bytes.endsWith(kHeaderRow + emptyRow().repeated(10) + kTail));
}

void TestReceiptExport::missingArchiveIsCreatedForTheScreen()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("2026.ric"));
    QList<QStringList> rows;
    QVERIFY_THROWS_EXCEPTION(StorageError, ReceiptExport::readArchive(path, rows, false));
    QVERIFY(!QFile::exists(path));
    ReceiptExport::readArchive(path, rows, true);
    QVERIFY(QFile::exists(path));
    QVERIFY(rows.isEmpty());
}

void TestReceiptExport::toolWritesTheSameFile()
{
    QTemporaryDir dir;
    const QString path = makeArchive(dir);
    QList<QStringList> rows;
    ReceiptExport::readArchive(path, rows);
    const QByteArray expected = Spreadsheet::document(ReceiptExport::sheet(rows));

    // Without -o the file goes next to the archive, under the screen's name.
    QCOMPARE(QProcess::execute(QStringLiteral(OSTELIO_TOOL), {QStringLiteral("export"), path}), 0);
    QCOMPARE(readFile(dir.filePath(QStringLiteral("Archivio_Ricevute.xls"))), expected);

    const QString out = dir.filePath(QStringLiteral("altro.xls"));
    QCOMPARE(QProcess::execute(QStringLiteral(OSTELIO_TOOL), {QStringLiteral("export"), path, QStringLiteral("-o"), out}), 0);
    QCOMPARE(readFile(out), expected);

    // An empty archive: the header and ten empty rows, as on screen.
    const QString empty = dir.filePath(QStringLiteral("2023.ric"));
    QFile(empty).open(QIODevice::WriteOnly);
    QCOMPARE(QProcess::execute(QStringLiteral(OSTELIO_TOOL), {QStringLiteral("export"), empty, QStringLiteral("-o"), out}), 0);
    QVERIFY(readFile(out).endsWith(emptyRow().repeated(10) + kTail));
}

void TestReceiptExport::toolFailures_data()
{
    QTest::addColumn<QString>("archive"); // in the temporary folder
    QTest::addColumn<QString>("target");  // likewise; a folder of that name is made first
    QTest::addColumn<bool>("targetIsFolder");

    QTest::newRow("missing archive") << "1999.ric" << "out.xls" << false;
    QTest::newRow("not a receipt archive") << "Clienti.pro" << "out.xls" << false;
    QTest::newRow("folder where the file should be") << "2024.ric" << "out.xls" << true;
}

void TestReceiptExport::toolFailures()
{
    QFETCH(QString, archive);
    QFETCH(QString, target);
    QFETCH(bool, targetIsFolder);
    QTemporaryDir dir;
    makeArchive(dir);
    QFile(dir.filePath(QStringLiteral("Clienti.pro"))).open(QIODevice::WriteOnly);
    if (targetIsFolder)
        QVERIFY(QDir(dir.path()).mkdir(target));
    QProcess tool;
    tool.start(QStringLiteral(OSTELIO_TOOL), {QStringLiteral("export"), dir.filePath(archive), QStringLiteral("-o"),
                                              dir.filePath(target)});
    QVERIFY(tool.waitForFinished());
    QCOMPARE(tool.exitCode(), 2);
    QVERIFY(tool.readAllStandardError().startsWith("ostelio-tool: "));
    QCOMPARE(QFileInfo(dir.filePath(target)).isFile(), false);
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("1999.ric"))));
}

QTEST_GUILESS_MAIN(TestReceiptExport)
#include "tst_receiptexport.moc"
