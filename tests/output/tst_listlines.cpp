#include "output/listlines.h"
#include "storage/receiptlayout.h"
#include "storage/recordfile.h"

#include <QTemporaryDir>
#include <QTest>

namespace {
QStringList sampleLines()
{
    return {QStringLiteral("Ric. n. 1    Cliente: Rossi Mario"),
            QStringLiteral("Ric. n. 2    Cliente: Bianchi Anna"),
            QStringLiteral("Ric. n. 3    Cliente: ROSSI LUCA"),
            QStringLiteral("Ric. n. 4    Cliente: Àlvarez José"),
            QStringLiteral("Ric. n. 5    Cliente: àlvarez Pia")};
}
} // namespace

class TestListLines : public QObject
{
    Q_OBJECT

private slots:
    void paddedColumn_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("expected");
        QTest::newRow("shorter is padded") << "12" << 5 << "12   ";
        QTest::newRow("longer is cut") << "Rossi Mario" << 5 << "Rossi";
        QTest::newRow("trimmed first") << "  ab  " << 4 << "ab  ";
        QTest::newRow("trimmed then cut") << "  abcdef" << 3 << "abc";
        QTest::newRow("empty") << "" << 3 << "   ";
        QTest::newRow("exact") << "abc" << 3 << "abc";
    }

    void paddedColumn()
    {
        QFETCH(QString, value);
        QFETCH(int, width);
        QFETCH(QString, expected);
        QCOMPARE(::paddedColumn(value, width), expected);
    }

    // Each row runs a sequence of finds on the sample lines: "key@selected"
    // pairs, and the rows selected after each.
    void findWalk_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QList<int>>("rows");
        QTest::newRow("upper key finds mixed case") << QStringList{"ROSSI@-1"} << QList<int>{0};
        QTest::newRow("repeat moves on") << QStringList{"rossi@-1", "rossi@0"} << QList<int>{0, 2};
        QTest::newRow("repeat wraps to the first") << QStringList{"rossi@-1", "rossi@0", "rossi@2"} << QList<int>{0, 2, 0};
        QTest::newRow("single match stays") << QStringList{"bianchi@-1", "bianchi@1", "bianchi@1"} << QList<int>{1, 1, 1};
        QTest::newRow("changed key restarts at row 0, tested")
            << QStringList{"rossi@-1", "rossi@0", "ric. n. 1@2"} << QList<int>{0, 2, 0};
        QTest::newRow("no match keeps the selection") << QStringList{"verdi@3"} << QList<int>{3};
        QTest::newRow("no match, none selected: first row") << QStringList{"verdi@-1"} << QList<int>{0};
        QTest::newRow("empty key selects nothing new") << QStringList{"@2", "@2"} << QList<int>{2, 2};
        QTest::newRow("only A-Z fold: À is not à") << QStringList{"àlvarez@-1", "àlvarez@4"} << QList<int>{4, 4};
        QTest::newRow("accented key as typed") << QStringList{"Àlvarez@-1"} << QList<int>{3};
        QTest::newRow("key is not trimmed") << QStringList{" rossi@-1", " rossi@0"} << QList<int>{0, 2};
        QTest::newRow("blank key padded is not empty") << QStringList{"n. 4 @-1"} << QList<int>{3};
    }

    void findWalk()
    {
        QFETCH(QStringList, steps);
        QFETCH(QList<int>, rows);
        ListFinder finder;
        const QStringList lines = sampleLines();
        for (int i = 0; i < steps.size(); ++i) {
            const qsizetype at = steps[i].lastIndexOf(QLatin1Char('@'));
            const QString key = steps[i].left(at);
            const int selected = steps[i].mid(at + 1).toInt();
            QCOMPARE(finder.find(lines, selected, key), rows[i]);
            QCOMPARE(finder.lastKey(), ListFinder::fold(key));
        }
    }

    void findOnEmptyListKeepsTheKey()
    {
        ListFinder finder;
        finder.find(sampleLines(), -1, QStringLiteral("Rossi"));
        QCOMPARE(finder.find({}, -1, QStringLiteral("bianchi")), -1);
        QCOMPARE(finder.lastKey(), QStringLiteral("rossi"));
    }

    void foldOnlyLatinCapitals()
    {
        QCOMPARE(ListFinder::fold(QStringLiteral("ÀBC È zZ 1")), QStringLiteral("Àbc È zz 1"));
    }

    void refindPicksTheLaterOfEqualRecords()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("2024.ric"));
        RecordFile file(ReceiptLayout::RecordSize);
        file.openOrCreate(path);
        const char *rows[][2] = {{"1", "Rossi"}, {"2", "Bianchi"}, {"2", "Bianchi"}, {"3", "Verdi"}};
        int marker = 0;
        for (const auto &row : rows) {
            Record record(ReceiptLayout::layout());
            record.setText(ReceiptLayout::NumRic, QString::fromLatin1(row[0]));
            record.setText(ReceiptLayout::Cliente, QString::fromLatin1(row[1]));
            record.setText(ReceiptLayout::Note, QString::number(++marker));
            file.append(record.bytes());
        }
        file.close();
        const std::function<QString(const Record &)> line = [](const Record &r) {
            return QStringLiteral("Ric. n. ") + ::paddedColumn(r.text(ReceiptLayout::NumRic), 16) + QStringLiteral("  ")
                   + r.text(ReceiptLayout::Cliente);
        };
        const RefoundRecord found =
            refindByLine(ReceiptLayout::layout(), path, QStringLiteral("  Ric. n. 2                 Bianchi  "), line);
        QVERIFY(!found.failed);
        QVERIFY(found.record.has_value());
        QCOMPARE(found.position, 3);
        QCOMPARE(found.record->text(ReceiptLayout::Note), QStringLiteral("3"));

        // Case and inner spaces count.
        QVERIFY(!refindByLine(ReceiptLayout::layout(), path, QStringLiteral("Ric. n. 2  Bianchi"), line).record);
        QVERIFY(!refindByLine(ReceiptLayout::layout(), path, QStringLiteral("ric. n. 2                 Bianchi"), line).record);
    }

    void refindOnAnUnreadableFileReportsFailure()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("2024.ric"));
        QVERIFY(QDir().mkpath(path)); // a folder where the archive should be
        const RefoundRecord found =
            refindByLine(ReceiptLayout::layout(), path, QStringLiteral("x"), [](const Record &) { return QString(); });
        QVERIFY(found.failed);
        QVERIFY(!found.record);
    }
};

QTEST_MAIN(TestListLines)
#include "tst_listlines.moc"
