#include "receiptfixture.h"

#include "receipts/receiptlists.h"
#include "storage/receiptlayout.h"
#include "storage/recordfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace ReceiptLists;

class TestReceiptLists : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_archive;

private slots:
    void initTestCase();

    void line_data();
    void line();

    void search_data();
    void search();
    void filledCount_data();
    void filledCount();
    void searchOnlyTakesItsTenFields();
    void searchOfAnUnreachableArchiveFails();
    void damagedLengthBytesAreClamped();

    void unpaid();
    void unpaidOnAMissingArchiveCreatesItEmpty();

};

void TestReceiptLists::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_archive = m_dir.filePath(QStringLiteral("2016.ric"));
    appendReceipts(m_archive,
                   {
                       receipt({{"NumRic", "1"}, {"Data", "15/03/2016"}, {"Cliente", "Rossi Mario"},
                                {"Camera", "12"}, {"TotCorrispettivi", "10,50"}, {"Saldata", "No"}}),
                       receipt({{"NumRic", "2"}, {"Data", "20/03/2016"}, {"Cliente", "ROSSINI"},
                                {"Camera", "7"}, {"TotCorrispettivi", "2,00"}, {"Saldata", "Sì"}}),
                       receipt({{"NumRic", "3"}, {"Data", "01/04/2016"}, {"Cliente", "Bianchi Anna"},
                                {"Camera", "12"}, {"Note", "Città: Forlì"}, {"Saldata", ""}}),
                       receipt({{"NumRic", "4"}, {"Data", "02/03/2016"}, {"Cliente", "Verdi"},
                                {"Camera", "12"}, {"CittaCliente", "ÀREZZO"}, {"Saldata", "no"}}),
                       // "中" has no byte in the code page and is stored as "?".
                       receipt({{"NumRic", "5"}, {"Data", "03/05/2016"}, {"Cliente", "Ros中"},
                                {"Saldata", "No"}}),
                   });
}

void TestReceiptLists::line_data()
{
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<bool>("summary");
    QTest::addColumn<QString>("expected");

    QTest::newRow("padded columns")
        << receipt({{"NumRic", "12/2016"}, {"Data", "15/03/2016"}, {"Cliente", "Rossi Mario"},
                    {"CodFiscCliente", "RSSMRA80A01H501U"}, {"Arrivo", "10/03/2016"}, {"Partenza", "15/03/2016"},
                    {"TotCorrispettivi", "125,50"}})
        << false
        << QStringLiteral("Ric. n. 12/2016           Data: 15/03/2016  Rossi Mario                       C.F. RSSMRA80A01H501U  Da: 10/03/2016  A: 15/03/2016  Totale: € 125,50");
    QTest::newRow("long values cut to the column, empty total")
        << receipt({{"NumRic", "12345678901234567890"}, {"Data", "15/03/2016 extra"},
                    {"Cliente", "Abcdefghijklmnopqrstuvwxyz0123456789"}, {"CodFiscCliente", "RSSMRA80A01H501UXYZ"}})
        << false
        << QStringLiteral("Ric. n. 1234567890123456  Data: 15/03/2016  Abcdefghijklmnopqrstuvwxyz012345  C.F. RSSMRA80A01H501U  Da:             A:             Totale: € ");
    QTest::newRow("summary ending")
        << receipt({{"NumRic", "3"}, {"Data", "01/04/2016"}, {"Cliente", "Bianchi"}, {"TotCorrispettivi", "5,00"}})
        << true
        << QStringLiteral("Ric. n. 3                 Data: 01/04/2016  Bianchi                           C.F.                   Da:             A:             Tot. corr. € 5,00");
}

void TestReceiptLists::line()
{
    QFETCH(QByteArray, record);
    QFETCH(bool, summary);
    QFETCH(QString, expected);
    const Record r(ReceiptLayout::layout(), record);
    QCOMPARE(ReceiptLists::line(r, summary ? LineEnding::TotCorrispettivi : LineEnding::Totale), expected);
}

void TestReceiptLists::search_data()
{
    QTest::addColumn<QStringList>("criteria"); // "Field=text"
    QTest::addColumn<QList<qint64>>("positions");

    QTest::newRow("substring, A to Z folded") << QStringList{"Cliente=ross"} << QList<qint64>{1, 2};
    QTest::newRow("upper-case key") << QStringList{"Cliente=ROSSI"} << QList<qint64>{1, 2};
    QTest::newRow("month of issue") << QStringList{"Data=/03/2016"} << QList<qint64>{1, 2, 4};
    QTest::newRow("month and room") << QStringList{"Data=/03/2016", "Camera=12"} << QList<qint64>{1, 4};
    QTest::newRow("every field empty") << QStringList{} << QList<qint64>{1, 2, 3, 4, 5};
    QTest::newRow("a field of blanks is not counted") << QStringList{"Note=   "} << QList<qint64>{1, 2, 3, 4, 5};
    QTest::newRow("nothing found") << QStringList{"Cliente=Neri"} << QList<qint64>{};
    QTest::newRow("texts are not trimmed") << QStringList{"Cliente=rossi "} << QList<qint64>{1};
    QTest::newRow("accented letters match as typed") << QStringList{"Note=forlì"} << QList<qint64>{3};
    QTest::newRow("accented capitals are not folded") << QStringList{"CittaCliente=àrezzo"} << QList<qint64>{};
    QTest::newRow("accented capital as stored") << QStringList{"CittaCliente=Àrezzo"} << QList<qint64>{4};
    QTest::newRow("a character the archive cannot hold matches nothing")
        << QStringList{"Cliente=ros中"} << QList<qint64>{};
    // At least N of the texts must be found: a blank text found in a field
    // with a blank in it makes up for a filled one that is not.
    QTest::newRow("hits counted against filled fields")
        << QStringList{"Cliente=Bianchi Anna", "Camera=7", "Note= "} << QList<qint64>{3};
}

void TestReceiptLists::search()
{
    QFETCH(QStringList, criteria);
    QFETCH(QList<qint64>, positions);
    SearchCriteria c;
    for (const QString &criterion : criteria) {
        const qsizetype eq = criterion.indexOf(u'=');
        QVERIFY(c.set(ReceiptLayout::layout().indexOf(criterion.left(eq)), criterion.mid(eq + 1)));
    }
    const Listing listing = ReceiptLists::search(m_archive, c);
    QCOMPARE(listing.positions, positions);
    QCOMPARE(listing.lines.size(), positions.size());
    QVERIFY(listing.complete);
    for (qsizetype i = 0; i < positions.size(); ++i)
        QVERIFY(listing.lines.at(i).startsWith(QStringLiteral("Ric. n. %1 ").arg(positions.at(i))));
}

void TestReceiptLists::filledCount_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<int>("count");
    QTest::newRow("none") << QStringList{} << 0;
    QTest::newRow("blanks and control characters") << QStringList{"Cliente=   ", "Note=\t"} << 0;
    QTest::newRow("text with blanks around") << QStringList{"Cliente= ross ", "Camera=12"} << 2;
}

void TestReceiptLists::filledCount()
{
    QFETCH(QStringList, texts);
    QFETCH(int, count);
    SearchCriteria c;
    for (const QString &t : texts) {
        const qsizetype eq = t.indexOf(u'=');
        c.set(ReceiptLayout::layout().indexOf(t.left(eq)), t.mid(eq + 1));
    }
    QCOMPARE(c.filledCount(), count);
}

void TestReceiptLists::searchOnlyTakesItsTenFields()
{
    SearchCriteria c;
    QVERIFY(!c.set(ReceiptLayout::Ditta, QStringLiteral("x")));
    QVERIFY(!c.set(ReceiptLayout::Saldata, QStringLiteral("x")));
    QCOMPARE(c.filledCount(), 0);
    QCOMPARE(searchFields().size(), size_t(10));
}

void TestReceiptLists::searchOfAnUnreachableArchiveFails()
{
    // A directory where the archive should be cannot be opened, even by root.
    const QString path = m_dir.filePath(QStringLiteral("blocked.ric"));
    QVERIFY(QDir().mkpath(path));
    QVERIFY_THROWS_EXCEPTION(StorageError, ReceiptLists::search(path, SearchCriteria()));
    const Listing listing = ReceiptLists::unpaid(path);
    QVERIFY(!listing.complete);
    QVERIFY(listing.lines.isEmpty());
}

void TestReceiptLists::damagedLengthBytesAreClamped()
{
    const QString path = m_dir.filePath(QStringLiteral("damaged.ric"));
    QByteArray bad = receipt({{"NumRic", "9"}, {"Cliente", "Rossi"}, {"Saldata", "No"}});
    const Field &cliente = ReceiptLayout::layout().field(ReceiptLayout::Cliente);
    bad[cliente.offset] = char(200); // beyond the capacity of 50
    const Field &saldata = ReceiptLayout::layout().field(ReceiptLayout::Saldata);
    bad[saldata.offset] = char(255);
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bad);
    f.write("partial record");
    f.close();

    SearchCriteria c;
    c.set(ReceiptLayout::Cliente, QStringLiteral("ross"));
    const Listing found = ReceiptLists::search(path, c);
    QCOMPARE(found.positions, QList<qint64>{1});
    QCOMPARE(ReceiptLists::unpaid(path).positions, QList<qint64>{1}); // the flag reads as its two bytes
}

void TestReceiptLists::unpaid()
{
    const Listing listing = ReceiptLists::unpaid(m_archive);
    QVERIFY(listing.complete);
    // "Sì", an empty flag and "no" are not listed.
    QCOMPARE(listing.positions, (QList<qint64>{1, 5}));
    QCOMPARE(listing.lines.at(0), QStringLiteral("Ric. n. 1                 Data: 15/03/2016  Rossi Mario                       C.F.                   Da:             A:             Totale: € 10,50"));
    QVERIFY(listing.lines.at(1).endsWith(QStringLiteral("  Totale: € ")));
}

void TestReceiptLists::unpaidOnAMissingArchiveCreatesItEmpty()
{
    const QString path = m_dir.filePath(QStringLiteral("2030.ric"));
    const Listing listing = ReceiptLists::unpaid(path);
    QVERIFY(listing.complete);
    QVERIFY(listing.lines.isEmpty());
    QVERIFY(QFileInfo::exists(path));
    QCOMPARE(QFileInfo(path).size(), 0);
}

QTEST_GUILESS_MAIN(TestReceiptLists)
#include "tst_receiptlists.moc"
