#include "../receipts/receiptfixture.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The search and summary verbs of ostelio-tool, run as a separate program.
class TestListVerbs : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_archive;

    struct Run
    {
        int code = -1;
        QString out;
        QString err;
    };

    Run tool(const QStringList &arguments)
    {
        QProcess p;
        p.start(QStringLiteral(OSTELIO_TOOL), arguments);
        p.waitForFinished(30000);
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
    }

private slots:
    void initTestCase();
    void search();
    void summary();
    void refused_data();
    void refused();
    void summaryStoppedAtADamagedAmount();
};

void TestListVerbs::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_archive = m_dir.filePath(QStringLiteral("2016.ric"));
    appendReceipts(m_archive, {
                                  receipt({{"NumRic", "1"}, {"Data", "15/03/2016"}, {"Cliente", "Rossi Mario"},
                                           {"Camera", "12"}, {"TotCorrispettivi", "10,50"}, {"Acconti", "0,00"},
                                           {"TotTassa", "0,00"}, {"Totale", "10,50"}, {"Saldata", "No"}}),
                                  receipt({{"NumRic", "2"}, {"Data", "20/03/2016"}, {"Cliente", "ROSSINI Società"},
                                           {"Camera", "7"}, {"TotCorrispettivi", "2,00"}, {"Acconti", "0,00"},
                                           {"TotTassa", "0,00"}, {"Totale", "2,00"}, {"Saldata", "Sì"}}),
                                  receipt({{"NumRic", "3"}, {"Data", "01/04/2016"}, {"Cliente", "Bianchi"},
                                           {"Camera", "12"}, {"TotCorrispettivi", "5,00"}, {"Acconti", "1,00"},
                                           {"TotTassa", "2,00"}, {"Totale", "6,00"}}),
                              });
}

void TestListVerbs::search()
{
    Run r = tool({"search", m_archive, "Cliente=ross"});
    QCOMPARE(r.code, 0);
    QCOMPARE(r.out, QStringLiteral(
        "Ric. n. 1                 Data: 15/03/2016  Rossi Mario                       C.F.                   Da:             A:             Totale: € 10,50\n"
        "Ric. n. 2                 Data: 20/03/2016  ROSSINI Società                   C.F.                   Da:             A:             Totale: € 2,00\n"
        "Il presente riepilogo contiene 2 schede.\n"));

    r = tool({"search", m_archive, "Data=/03/2016", "Camera=12"});
    QCOMPARE(r.out.count(u'\n'), 2);
    QVERIFY(r.out.endsWith(QStringLiteral("Il presente riepilogo contiene 1 schede.\n")));

    r = tool({"search", m_archive, "Cliente=società"});
    QVERIFY(r.out.endsWith(QStringLiteral("contiene 1 schede.\n")));

    r = tool({"search", m_archive});
    QVERIFY(r.out.endsWith(QStringLiteral("contiene 3 schede.\n")));
    r = tool({"search", m_archive, "Note=  "});
    QVERIFY(r.out.endsWith(QStringLiteral("contiene 3 schede.\n")));
}

void TestListVerbs::summary()
{
    Run r = tool({"summary", m_archive, "2016", "--month", "3"});
    QCOMPARE(r.code, 0);
    QCOMPARE(r.out, QStringLiteral(
        "Tipologia riepilogo: Ricevute emesse nel mese di marzo 2016\n"
        "Ric. n. 1                 Data: 15/03/2016  Rossi Mario                       C.F.                   Da:             A:             Tot. corr. € 10,50\n"
        "Ric. n. 2                 Data: 20/03/2016  ROSSINI Società                   C.F.                   Da:             A:             Tot. corr. € 2,00\n"
        "Il presente riepilogo contiene 2 ricevute.\n"
        "TOTALE CORRISPETTIVI: € 12,50\n"
        "Acconti: € 0,00\n"
        "Totale tassa soggiorno: € 0,00\n"
        "Totale saldato: € 12,50\n"));

    r = tool({"summary", m_archive, "2016", "--quarter", "1"});
    QVERIFY(r.out.startsWith(QStringLiteral("Tipologia riepilogo: Ricevute emesse nel trimestre di gennaio, febbraio, marzo 2016\n")));
    QVERIFY(r.out.contains(QStringLiteral("contiene 2 ricevute.\n")));

    r = tool({"summary", m_archive, "2016", "--annual"});
    QVERIFY(r.out.contains(QStringLiteral("contiene 3 ricevute.\nTOTALE CORRISPETTIVI: € 17,50\nAcconti: € 1,00\n"
                                          "Totale tassa soggiorno: € 2,00\nTotale saldato: € 18,50\n")));

    r = tool({"summary", m_archive, "2017", "--annual"});
    QCOMPARE(r.code, 0);
    QVERIFY(r.out.contains(QStringLiteral("contiene 0 ricevute.\nTOTALE CORRISPETTIVI: € 0,00\n")));
}

void TestListVerbs::refused_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("createsNothing");
    QTest::newRow("field not searched") << QStringList{"search", "@", "Ditta=x"} << false;
    QTest::newRow("unknown field") << QStringList{"search", "@", "Nome=x"} << false;
    QTest::newRow("no equals sign") << QStringList{"search", "@", "Cliente"} << false;
    QTest::newRow("field twice") << QStringList{"search", "@", "Cliente=a", "Cliente=b"} << false;
    QTest::newRow("month out of range") << QStringList{"summary", "@", "2016", "--month", "13"} << false;
    QTest::newRow("quarter not a number") << QStringList{"summary", "@", "2016", "--quarter", "x"} << false;
    QTest::newRow("no period") << QStringList{"summary", "@", "2016"} << false;
    QTest::newRow("annual with a number") << QStringList{"summary", "@", "2016", "--annual", "1"} << false;
    QTest::newRow("not an archive") << QStringList{"search", "Clienti.txt"} << false;
    QTest::newRow("missing archive, search") << QStringList{"search", "2099.ric"} << true;
    QTest::newRow("missing archive, summary") << QStringList{"summary", "2098.ric", "2098", "--annual"} << true;
}

void TestListVerbs::refused()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, createsNothing);
    if (arguments.at(1) == u"@")
        arguments[1] = m_archive;
    else
        arguments[1] = m_dir.filePath(arguments.at(1));
    const Run r = tool(arguments);
    QCOMPARE(r.code, 2);
    QVERIFY(r.out.isEmpty());
    QVERIFY(!r.err.isEmpty());
    if (createsNothing)
        QVERIFY(!QFile::exists(arguments.at(1)));
}

void TestListVerbs::summaryStoppedAtADamagedAmount()
{
    const QString path = m_dir.filePath(QStringLiteral("2020.ric"));
    appendReceipts(path, {receipt({{"NumRic", "1"}, {"Data", "15/03/2020"}, {"Cliente", "A"},
                                   {"TotCorrispettivi", "4,00"}, {"Acconti", "0,00"}, {"TotTassa", "0,00"},
                                   {"Totale", "4,00"}}),
                          receipt({{"NumRic", "2"}, {"Data", "16/03/2020"}, {"Cliente", "B"},
                                   {"TotCorrispettivi", "x"}})});
    const Run r = tool({"summary", path, "2020", "--annual"});
    QCOMPARE(r.code, 1);
    QVERIFY(r.err.contains(QStringLiteral("position 2")));
    QVERIFY(r.err.contains(QStringLiteral("TotCorrispettivi")));
    QVERIFY(!r.out.contains(QStringLiteral("contiene")));
    QVERIFY(r.out.contains(QStringLiteral("TOTALE CORRISPETTIVI: 4\n")));
}

QTEST_GUILESS_MAIN(TestListVerbs)
#include "tst_listverbs.moc"
