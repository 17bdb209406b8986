#include "storage/receiptlayout.h"
#include "support/filebytes.h"
#include "storage/recordfile.h"
#include "storage/recordscanner.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray receipt(const QString &number, const QString &customer = QStringLiteral("Rossi Mario"))
{
    Record r(ReceiptLayout::layout());
    r.setText(ReceiptLayout::NumRic, number);
    r.setText(ReceiptLayout::Cliente, customer);
    return r.bytes();
}

} // namespace

class TstRecordFile : public QObject
{
    Q_OBJECT
private slots:
    void init();

    void firstActionCreatesAnEmptyFile();
    void appendGivesTheNextPosition();
    void updateInPlaceTouchesOnlyThatRecord();
    void partialTrailingRecordIsOverwrittenByTheNextAppend();
    void existingFileIsNeverEmptied();
    void failures_data();
    void failures();
    void scannerReadsEveryWholeRecordAcrossBlocks();
    void scannerOnDamagedLengthBytes();
    void concurrentAppendsLoseNothing();

private:
    QTemporaryDir m_dir;
    QString m_path;
};

void TstRecordFile::init()
{
    m_path = m_dir.filePath(QStringLiteral("%1.ric").arg(QTest::currentTestFunction()));
    QFile::remove(m_path);
}

void TstRecordFile::firstActionCreatesAnEmptyFile()
{
    RecordFile file(ReceiptLayout::RecordSize);
    file.openOrCreate(m_path);
    QCOMPARE(file.count(), 0);
    file.close();
    QVERIFY(QFile::exists(m_path));
    QCOMPARE(QFile(m_path).size(), 0);
}

void TstRecordFile::appendGivesTheNextPosition()
{
    RecordFile file(ReceiptLayout::RecordSize);
    file.openOrCreate(m_path);
    QCOMPARE(file.append(receipt(QStringLiteral("1"))), 0);
    QCOMPARE(file.currentIndex(), 1); // the position shown for the new record
    file.seek(file.count());
    file.write(receipt(QStringLiteral("2")));
    QCOMPARE(file.currentIndex(), 2);
    file.close();

    QCOMPARE(QFile(m_path).size(), 2 * 2982);
    file.openOrCreate(m_path);
    file.seek(1);
    const Record second(ReceiptLayout::layout(), file.read());
    QCOMPARE(second.text(ReceiptLayout::NumRic), QStringLiteral("2"));
    QCOMPARE(file.currentIndex(), 2);
}

void TstRecordFile::updateInPlaceTouchesOnlyThatRecord()
{
    RecordFile file(ReceiptLayout::RecordSize);
    file.openOrCreate(m_path);
    for (int i = 1; i <= 3; ++i)
        file.append(receipt(QString::number(i)));
    file.close();
    const QByteArray before = readFileBytes(m_path);

    file.openOrCreate(m_path);
    file.seek(1);
    file.write(receipt(QStringLiteral("2"), QStringLiteral("Bianchi")));
    QCOMPARE(file.currentIndex(), 2);
    file.close();

    const QByteArray after = readFileBytes(m_path);
    QCOMPARE(after.size(), before.size());
    QCOMPARE(after.left(2982), before.left(2982));
    QCOMPARE(after.mid(2 * 2982), before.mid(2 * 2982));
    QCOMPARE(after.mid(2982, 2982), receipt(QStringLiteral("2"), QStringLiteral("Bianchi")));
}

void TstRecordFile::partialTrailingRecordIsOverwrittenByTheNextAppend()
{
    QVERIFY(writeFileBytes(m_path, receipt(QStringLiteral("1")) + QByteArray(1000, 'x')));
    RecordFile file(ReceiptLayout::RecordSize);
    file.openOrCreate(m_path);
    QCOMPARE(file.count(), 1);
    QVERIFY(file.hasPartialRecord());
    QCOMPARE(file.append(receipt(QStringLiteral("2"))), 1);
    file.close();
    QCOMPARE(readFileBytes(m_path), receipt(QStringLiteral("1")) + receipt(QStringLiteral("2")));
}

void TstRecordFile::existingFileIsNeverEmptied()
{
    QVERIFY(writeFileBytes(m_path, receipt(QStringLiteral("1"))));
    RecordFile file(ReceiptLayout::RecordSize);
    file.openOrCreate(m_path);
    file.close();
    QCOMPARE(readFileBytes(m_path), receipt(QStringLiteral("1")));
}

void TstRecordFile::failures_data()
{
    QTest::addColumn<QString>("what");
    QTest::newRow("a folder stands where the archive should be") << "folder";
    QTest::newRow("the program folder is missing") << "nofolder";
    QTest::newRow("read at the end") << "readEnd";
    QTest::newRow("negative seek") << "negativeSeek";
}

void TstRecordFile::failures()
{
    QFETCH(QString, what);
    RecordFile file(ReceiptLayout::RecordSize);
    bool failed = false;
    try {
        if (what == u"folder") {
            QVERIFY(QDir().mkpath(m_path));
            file.openOrCreate(m_path);
        } else if (what == u"nofolder") {
            file.openOrCreate(m_dir.filePath(QStringLiteral("missing/2024.ric")));
        } else {
            file.openOrCreate(m_path);
            file.append(receipt(QStringLiteral("1")));
            if (what == u"readEnd") {
                file.seek(1);
                file.read();
            } else {
                file.seek(-1);
            }
        }
    } catch (const StorageError &) {
        failed = true;
    }
    QVERIFY(failed);
    if (what == u"folder")
        QVERIFY(QFileInfo(m_path).isDir());
    QCOMPARE(archiveAccessMessage(),
             QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                            "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del programma."));
}

void TstRecordFile::scannerReadsEveryWholeRecordAcrossBlocks()
{
    QByteArray bytes;
    for (int i = 1; i <= 10; ++i)
        bytes += receipt(QString::number(i), i % 2 ? QStringLiteral("Rossi") : QStringLiteral("Verdi"));
    QVERIFY(writeFileBytes(m_path, bytes + QByteArray(7, 'x')));

    RecordScanner scan(ReceiptLayout::layout(), 3); // blocks of three records
    scan.open(m_path, false);
    QCOMPARE(scan.count(), 10);
    QStringList numbers;
    QList<qint64> indexes;
    while (scan.next()) {
        if (scan.raw(ReceiptLayout::Cliente) == QByteArrayView("Verdi")) {
            numbers << scan.text(ReceiptLayout::NumRic);
            indexes << scan.index();
            QCOMPARE(scan.record().bytes(), receipt(numbers.constLast(), QStringLiteral("Verdi")));
        }
    }
    QCOMPARE(numbers, QStringList({"2", "4", "6", "8", "10"}));
    QCOMPARE(indexes, QList<qint64>({1, 3, 5, 7, 9}));
}

void TstRecordFile::scannerOnDamagedLengthBytes()
{
    // Every length byte at its largest value: each field reads as its whole
    // capacity and nothing reads outside the record.
    QVERIFY(writeFileBytes(m_path, QByteArray(2982, '\xFF')));
    RecordScanner scan(ReceiptLayout::layout());
    scan.open(m_path);
    QVERIFY(scan.next());
    QCOMPARE(scan.raw(ReceiptLayout::Saldata).size(), 2);
    QCOMPARE(scan.text(ReceiptLayout::Note).size(), 250);
    QVERIFY(!scan.next());
}

void TstRecordFile::concurrentAppendsLoseNothing()
{
    // Two copies of the tool append 500 receipts each at the same time.
    QByteArray input[2];
    for (int p = 0; p < 2; ++p) {
        for (int i = 0; i < 500; ++i)
            input[p] += QStringLiteral("{\"NumRic\": \"%1-%2\", \"Cliente\": \"Cliente %1\"}\n").arg(p).arg(i).toUtf8();
    }
    QProcess first, second;
    QProcess *processes[2] = {&first, &second};
    for (int p = 0; p < 2; ++p) {
        processes[p]->start(QStringLiteral(OSTELIO_TOOL), {QStringLiteral("append"), m_path});
        QVERIFY(processes[p]->waitForStarted());
    }
    for (int p = 0; p < 2; ++p) {
        processes[p]->write(input[p]);
        processes[p]->closeWriteChannel();
    }
    for (QProcess *process : processes) {
        QVERIFY(process->waitForFinished(120000));
        QCOMPARE(process->exitCode(), 0);
    }

    QCOMPARE(QFile(m_path).size(), 1000 * 2982);
    RecordScanner scan(ReceiptLayout::layout());
    scan.open(m_path, false);
    QSet<QString> seen;
    QList<int> next = {0, 0};
    while (scan.next()) {
        const QString number = scan.text(ReceiptLayout::NumRic);
        const int p = number.section(QLatin1Char('-'), 0, 0).toInt();
        const int i = number.section(QLatin1Char('-'), 1).toInt();
        QCOMPARE(scan.text(ReceiptLayout::Cliente), QStringLiteral("Cliente %1").arg(p));
        QCOMPARE(i, next[p]++); // each copy's receipts stay in its own order
        seen.insert(number);
    }
    QCOMPARE(seen.size(), 1000);
}

QTEST_GUILESS_MAIN(TstRecordFile)
#include "tst_recordfile.moc"
