#include "output/spreadsheetexport.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Spreadsheet;

class TestSpreadsheetExport : public QObject
{
    Q_OBJECT
private slots:
    void wholeFile();
    void cellText_data();
    void cellText();
    void emptySheet();
    void failsWhereAFolderStands();
    void replacesAnEarlierFile();
    void cancelledWriteKeepsTheEarlierFile();
    void failingDeviceIsReported();
};

void TestSpreadsheetExport::wholeFile()
{
    Sheet sheet;
    sheet.worksheetName = QStringLiteral("Conto del Cliente");
    sheet.columns = {{QStringLiteral("Città"), 250}, {QStringLiteral("Importo"), 120}};
    sheet.rows.append({{QStringLiteral("  Caffè & brioche <2> ")}, {QStringLiteral("12,50"), CellKind::Right}});
    sheet.rows.append({{QString()}, {QStringLiteral("Totale: 12,50"), CellKind::BoldRight}});

    const QByteArray expected(
        "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
        "xmlns=\"http://www.w3.org/TR/REC-html40\"><head>"
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
        "<!--[if gte mso 9]><xml><x:ExcelWorkbook><x:ExcelWorksheets><x:ExcelWorksheet>"
        "<x:Name>Conto del Cliente</x:Name>"
        "<x:WorksheetOptions><x:Selected/><x:Panes><x:Pane><x:Number>1</x:Number><x:ActiveRow>3</x:ActiveRow>"
        "</x:Pane></x:Panes><x:ProtectContents>False</x:ProtectContents><x:ProtectObjects>False</x:ProtectObjects>"
        "<x:ProtectScenarios>False</x:ProtectScenarios></x:WorksheetOptions></x:ExcelWorksheet>"
        "</x:ExcelWorksheets></x:ExcelWorkbook></xml><![endif]--></head><body><table x:str>"
        "<tr><td style=\"text-align: left; font-weight: bold;\" width=250>Citt\xE0</td>"
        "<td style=\"text-align: left; font-weight: bold;\" width=120>Importo</td></tr>"
        "<tr><td style=\"text-align: left;\">Caff\xE8 &amp; brioche &lt;2&gt;</td>"
        "<td style=\"text-align: right;\">12,50</td></tr>"
        "<tr><td style=\"text-align: left;\"></td>"
        "<td style=\"text-align: right; font-weight: bold;\">Totale: 12,50</td></tr>"
        "</table></body></html>");

    const QByteArray actual = document(sheet);
    QCOMPARE(actual, expected);
    QVERIFY(!actual.contains('\n'));
    QVERIFY(!actual.contains('\r'));

    // The file holds the same bytes.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Conto.xls"));
    QCOMPARE(writeFile(path, sheet), WriteResult::Written);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), expected);
}

void TestSpreadsheetExport::cellText_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("plain") << QStringLiteral("Rossi Mario") << QByteArray("Rossi Mario");
    QTest::newRow("trimmed") << QStringLiteral(" \t Rossi \r\n") << QByteArray("Rossi");
    QTest::newRow("inner blanks kept") << QStringLiteral("via  Roma") << QByteArray("via  Roma");
    QTest::newRow("empty") << QString() << QByteArray();
    QTest::newRow("accented letters") << QStringLiteral("àèéìòù ÀÈ") << QByteArray("\xE0\xE8\xE9\xEC\xF2\xF9 \xC0\xC8");
    QTest::newRow("euro and oe") << QStringLiteral("€ 5 Œ") << QByteArray("\x80 5 \x8C");
    QTest::newRow("outside the code page") << QStringLiteral("ā日😀") << QByteArray("???");
    QTest::newRow("angle brackets") << QStringLiteral("<b>x</b>") << QByteArray("&lt;b&gt;x&lt;/b&gt;");
    QTest::newRow("ampersand") << QStringLiteral("B&B & co") << QByteArray("B&amp;B &amp; co");
    QTest::newRow("entity text kept as typed") << QStringLiteral("&amp;") << QByteArray("&amp;amp;");
    QTest::newRow("quotes unchanged") << QStringLiteral("l'\"ospite\"") << QByteArray("l'\"ospite\"");
}

void TestSpreadsheetExport::cellText()
{
    QFETCH(QString, value);
    QFETCH(QByteArray, written);
    QCOMPARE(Spreadsheet::cellText(value), written);
}

void TestSpreadsheetExport::emptySheet()
{
    Sheet sheet;
    sheet.worksheetName = QStringLiteral("Vuoto");
    const QByteArray bytes = document(sheet);
    QVERIFY(bytes.contains("<x:Name>Vuoto</x:Name>"));
    QVERIFY(bytes.endsWith("<table x:str><tr></tr></table></body></html>"));
}

void TestSpreadsheetExport::failsWhereAFolderStands()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Archivio_Ricevute.xls"));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Archivio_Ricevute.xls")));
    Sheet sheet;
    sheet.worksheetName = QStringLiteral("Archivio Ricevute");
    sheet.columns = {{QStringLiteral("Note"), 350}};
    sheet.rows.append({{QStringLiteral("x")}});
    QCOMPARE(writeFile(path, sheet), WriteResult::Failed);
    QVERIFY(QFileInfo(path).isDir());
}

void TestSpreadsheetExport::replacesAnEarlierFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Magazzino.xls"));
    Sheet first;
    first.worksheetName = QStringLiteral("A");
    first.columns = {{QStringLiteral("T"), 10}};
    first.rows = QList<Row>(50, Row{{QStringLiteral("una riga piuttosto lunga")}});
    QCOMPARE(writeFile(path, first), WriteResult::Written);
    Sheet second = first;
    second.rows = {Row{{QStringLiteral("corta")}}};
    QCOMPARE(writeFile(path, second), WriteResult::Written);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), document(second));
}

void TestSpreadsheetExport::cancelledWriteKeepsTheEarlierFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Clienti.xls"));
    {
        QFile earlier(path);
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier export");
    }
    Sheet sheet;
    sheet.worksheetName = QStringLiteral("Anagrafica Clienti");
    sheet.columns = {{QStringLiteral("Cliente"), 250}};
    sheet.rows = QList<Row>(1000, Row{{QStringLiteral("Rossi")}});
    qint64 seenTotal = 0;
    const WriteResult result = writeFile(path, sheet, [&](qint64 done, qint64 total) {
        seenTotal = total;
        return done < 512;
    });
    QCOMPARE(result, WriteResult::Cancelled);
    QCOMPARE(seenTotal, 1000);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("earlier export"));
}

// A device that takes a few bytes and then refuses to write.
class FullDevice : public QIODevice
{
public:
    explicit FullDevice(qint64 room) : m_room(room) { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *, qint64 len) override
    {
        if (m_room <= 0)
            return -1;
        const qint64 n = qMin(len, m_room);
        m_room -= n;
        return n;
    }

private:
    qint64 m_room;
};

void TestSpreadsheetExport::failingDeviceIsReported()
{
    FullDevice device(2000);
    Writer writer(&device);
    QVERIFY(writer.begin(QStringLiteral("Archivio Ricevute"), {{QStringLiteral("Note"), 350}}));
    bool failed = false;
    for (int i = 0; i < 100 && !failed; ++i)
        failed = !writer.addRow({{QStringLiteral("una nota")}});
    QVERIFY(failed);
}

QTEST_GUILESS_MAIN(TestSpreadsheetExport)
#include "tst_spreadsheetexport.moc"
