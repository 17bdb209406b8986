#include "storage/receiptlayout.h"
#include "support/filebytes.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Result
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Result tool(const QStringList &arguments, const QByteArray &input = QByteArray())
{
    QProcess process;
    process.start(QStringLiteral(OSTELIO_TOOL), arguments);
    process.waitForStarted();
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
            process.readAllStandardError()};
}

} // namespace

class TstOstelioTool : public QObject
{
    Q_OBJECT
private slots:
    void appendStoresAsAScreenDoes();
    void dumpPrintsOneObjectPerRecordInLayoutOrder();
    void badInputWritesNothing_data();
    void badInputWritesNothing();
    void checkReportsDamage();
    void randomBytesNeverCrash();

private:
    QTemporaryDir m_dir;
};

void TstOstelioTool::appendStoresAsAScreenDoes()
{
    const QString path = m_dir.filePath(QStringLiteral("2024.ric"));
    const Result r = tool({QStringLiteral("append"), path},
                          QStringLiteral("{\"NumRic\": \" 12/2024 \", \"Saldata\": \"Sì\", \"Note\": \"%1\"}\n\n"
                                         "{\"position\": 7, \"Cliente\": \"Zoë 東\"}\n")
                              .arg(QString(300, QLatin1Char('n')))
                              .toUtf8());
    QCOMPARE(r.exitCode, 0);

    Record first(ReceiptLayout::layout());
    first.setText(ReceiptLayout::NumRic, u"12/2024");
    first.setText(ReceiptLayout::Saldata, QString::fromUtf8("Sì"));
    first.setText(ReceiptLayout::Note, QString(250, QLatin1Char('n')));
    Record second(ReceiptLayout::layout());
    second.setText(ReceiptLayout::Cliente, QString::fromUtf8("Zoë ?"));
    const QByteArray bytes = readFileBytes(path);
    QCOMPARE(bytes.size(), 2 * 2982);
    QCOMPARE(bytes.left(2982), first.bytes());
    QCOMPARE(bytes.mid(2982), second.bytes());
    QCOMPARE(bytes.mid(2979, 3), QByteArray("\x02S\xEC"));
}

void TstOstelioTool::dumpPrintsOneObjectPerRecordInLayoutOrder()
{
    const QString path = m_dir.filePath(QStringLiteral("2023.ric"));
    Record r(ReceiptLayout::layout());
    r.setText(ReceiptLayout::NumRic, u"5");
    r.setText(ReceiptLayout::Note, QString::fromUtf8("riga \"uno\"\\ è"));
    QVERIFY(writeFileBytes(path, r.bytes() + r.bytes()));

    const Result result = tool({QStringLiteral("dump"), path});
    QCOMPARE(result.exitCode, 0);
    const QList<QByteArray> lines = result.out.trimmed().split('\n');
    QCOMPARE(lines.size(), 2);
    QVERIFY(lines.at(0).startsWith("{\"position\": 1, \"NumRic\": \"5\", \"Data\": \"\""));
    QVERIFY(lines.at(1).startsWith("{\"position\": 2, "));
    QVERIFY(lines.at(0).endsWith("\"Totale\": \"\", \"Saldata\": \"\"}"));
    const QJsonObject object = QJsonDocument::fromJson(lines.at(0)).object();
    QCOMPARE(object.size(), 90);
    QCOMPARE(object.value(QStringLiteral("Note")).toString(), QString::fromUtf8("riga \"uno\"\\ è"));

    // What dump prints, append takes back: the same bytes.
    const QString copy = m_dir.filePath(QStringLiteral("copy.ric"));
    QCOMPARE(tool({QStringLiteral("append"), copy}, result.out).exitCode, 0);
    QCOMPARE(readFileBytes(copy), readFileBytes(path));
}

void TstOstelioTool::badInputWritesNothing_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");

    QTest::newRow("not JSON") << QStringList{"append", "x.ric"} << QByteArray("{\"NumRic\": \"1\"}\nnot json\n");
    QTest::newRow("unknown field") << QStringList{"append", "x.ric"} << QByteArray("{\"Numero\": \"1\"}\n");
    QTest::newRow("a number, not a text") << QStringList{"append", "x.ric"} << QByteArray("{\"NumRic\": 1}\n");
    QTest::newRow("unknown kind of file") << QStringList{"append", "x.dat"} << QByteArray("{}\n");
    QTest::newRow("missing file") << QStringList{"dump", "missing.ric"} << QByteArray();
    QTest::newRow("unknown verb") << QStringList{"erase", "x.ric"} << QByteArray();
    QTest::newRow("no file") << QStringList{"dump"} << QByteArray();
}

void TstOstelioTool::badInputWritesNothing()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QTemporaryDir dir;
    if (arguments.size() > 1)
        arguments[1] = dir.filePath(arguments[1]);
    const Result r = tool(arguments, input);
    QVERIFY(r.exitCode != 0);
    QVERIFY(r.exitCode != -1);
    QVERIFY(!r.err.isEmpty());
    QVERIFY(r.out.isEmpty());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());
}

void TstOstelioTool::checkReportsDamage()
{
    const QString path = m_dir.filePath(QStringLiteral("2022.ric"));
    Record r(ReceiptLayout::layout());
    r.setText(ReceiptLayout::NumRic, u"1");
    QVERIFY(writeFileBytes(path, r.bytes()));
    Result result = tool({QStringLiteral("check"), path});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out, QByteArray("records: 1\nok\n"));

    QByteArray damaged = r.bytes() + r.bytes();
    damaged[2982 + 659] = char(251); // Note, capacity 250
    damaged[2982 + 2979] = char(3); // Saldata, capacity 2
    QVERIFY(writeFileBytes(path, damaged + QByteArray(100, 'x')));
    result = tool({QStringLiteral("check"), path});
    QCOMPARE(result.exitCode, 1);
    QCOMPARE(result.out, QByteArray("records: 2\n"
                                    "partial record: 100 bytes after record 2\n"
                                    "position 2, field Note: length 251 exceeds capacity 250\n"
                                    "position 2, field Saldata: length 3 exceeds capacity 2\n"
                                    "damaged\n"));
}

void TstOstelioTool::randomBytesNeverCrash()
{
    QRandomGenerator random(20241211);
    const QString path = m_dir.filePath(QStringLiteral("1999.ric"));
    for (int round = 0; round < 12; ++round) {
        QByteArray bytes(static_cast<int>(random.bounded(3 * 2982)), Qt::Uninitialized);
        for (char &b : bytes)
            b = static_cast<char>(random.bounded(256));
        QVERIFY(writeFileBytes(path, bytes));
        const Result dump = tool({QStringLiteral("dump"), path});
        QCOMPARE(dump.exitCode, 0);
        QCOMPARE(dump.out.count('\n'), bytes.size() / 2982);
        for (const QByteArray &line : dump.out.split('\n')) {
            if (!line.isEmpty())
                QVERIFY(QJsonDocument::fromJson(line).isObject());
        }
        const Result check = tool({QStringLiteral("check"), path});
        QVERIFY(check.exitCode == 0 || check.exitCode == 1);
        QCOMPARE(readFileBytes(path), bytes);
    }
}

QTEST_GUILESS_MAIN(TstOstelioTool)
#include "tst_ostelio_tool.moc"
