#include "receiptfixture.h"

#include "receipts/periodsummary.h"
#include "storage/receiptlayout.h"

#include <QTemporaryDir>
#include <QTest>

using namespace PeriodSummary;

Q_DECLARE_METATYPE(PeriodSummary::Period)

namespace {

QByteArray issued(const char *number, const QString &date, const QString &corrispettivi, const QString &acconti,
                  const QString &tassa, const QString &totale, const QString &saldata = QStringLiteral("Sì"))
{
    return receipt({{"NumRic", QString::fromLatin1(number)}, {"Data", date}, {"Cliente", "Cliente"},
                    {"TotCorrispettivi", corrispettivi}, {"Acconti", acconti}, {"TotTassa", tassa},
                    {"Totale", totale}, {"Saldata", saldata}});
}

Request request(Period period, int index, const QString &year)
{
    Request r;
    r.period = period;
    r.index = index;
    r.year = year;
    return r;
}

} // namespace

class TestPeriodSummary : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private slots:
    void inPeriod_data();
    void inPeriod();
    void heading_data();
    void heading();
    void totalText_data();
    void totalText();

    void monthlyTotals();
    void periodWithoutReceipts();
    void missingArchiveIsCreatedEmpty();
    void stopsAtAnAmountThatCannotBeRead();
    void printedLines();
};

void TestPeriodSummary::inPeriod_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<Period>("period");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("year");
    QTest::addColumn<bool>("in");

    const QString march = QStringLiteral("15/03/2016");
    QTest::newRow("March") << march << Period::Month << 3 << "2016" << true;
    QTest::newRow("first quarter") << march << Period::Quarter << 1 << "2016" << true;
    QTest::newRow("year") << march << Period::Year << 1 << "2016" << true;
    QTest::newRow("April") << march << Period::Month << 4 << "2016" << false;
    QTest::newRow("second quarter") << march << Period::Quarter << 2 << "2016" << false;
    QTest::newRow("other year, March") << march << Period::Month << 3 << "2017" << false;
    QTest::newRow("other year, quarter") << march << Period::Quarter << 1 << "2017" << false;
    QTest::newRow("other year, annual") << march << Period::Year << 1 << "2017" << false;
    QTest::newRow("year label with blanks") << march << Period::Month << 3 << " 2016 " << true;
    QTest::newRow("December, fourth quarter") << "31/12/2016" << Period::Quarter << 4 << "2016" << true;
    QTest::newRow("empty date, annual") << "" << Period::Year << 1 << "" << false;
    // Fixed character positions: a date without leading zeros has no month
    // at characters 4-5 and no four-digit year at 7-10.
    QTest::newRow("one-digit month") << "15/3/2016" << Period::Month << 3 << "2016" << false;
    QTest::newRow("short date, year read from 7-10") << "5/3/2016" << Period::Year << 1 << "16" << true;
    QTest::newRow("month 13") << "15/13/2016" << Period::Quarter << 4 << "2016" << false;
    QTest::newRow("month 00") << "15/00/2016" << Period::Month << 1 << "2016" << false;
    QTest::newRow("year only compared in the annual") << "15/13/2016" << Period::Year << 1 << "2016" << true;
}

void TestPeriodSummary::inPeriod()
{
    QFETCH(QString, date);
    QFETCH(Period, period);
    QFETCH(int, index);
    QFETCH(QString, year);
    QFETCH(bool, in);
    QCOMPARE(PeriodSummary::inPeriod(date, request(period, index, year)), in);
}

void TestPeriodSummary::heading_data()
{
    QTest::addColumn<Period>("period");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("expected");
    QTest::newRow("month") << Period::Month << 3 << "Ricevute emesse nel mese di marzo 2016";
    QTest::newRow("quarter") << Period::Quarter << 4 << "Ricevute emesse nel trimestre di ottobre, novembre, dicembre 2016";
    QTest::newRow("year") << Period::Year << 1 << "Ricevute emesse nell'anno 2016";
}

void TestPeriodSummary::heading()
{
    QFETCH(Period, period);
    QFETCH(int, index);
    QFETCH(QString, expected);
    QCOMPARE(PeriodSummary::heading(request(period, index, QStringLiteral(" 2016 "))), expected);
}

void TestPeriodSummary::totalText_data()
{
    QTest::addColumn<double>("sum");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0.0 << "€ 0,00";
    QTest::newRow("one decimal") << 1250.5 << "€ 1250,50";
    QTest::newRow("whole") << 12.0 << "€ 12,00";
    QTest::newRow("binary noise") << 0.1 + 0.2 << "€ 0,30";
    QTest::newRow("more decimals kept") << 12.345 << "€ 12,345";
    QTest::newRow("four decimals at most") << 1.23456 << "€ 1,2346";
    QTest::newRow("negative") << -20.0 << "€ -20,00";
    QTest::newRow("below the fourth decimal") << 0.00004 << "€ 0,00";
}

void TestPeriodSummary::totalText()
{
    QFETCH(double, sum);
    QFETCH(QString, text);
    QCOMPARE(PeriodSummary::totalText(sum), text);
}

void TestPeriodSummary::monthlyTotals()
{
    const QString path = m_dir.filePath(QStringLiteral("2016.ric"));
    appendReceipts(path, {
                             issued("1", "15/03/2016", "10,5", "1,00", "2,00", "11,50", "No"),
                             issued("2", "01/04/2016", "99,00", "0,00", "0,00", "99,00"),
                             receipt({{"NumRic", "3"}, {"Cliente", "Senza data"}, {"TotCorrispettivi", "7,00"}}),
                             issued("4", "31/03/2016", "2", "0,50", "1,25", "2,75"),
                             issued("5", "10/03/2017", "50,00", "0,00", "0,00", "50,00"),
                         });
    const Result march = build(path, request(Period::Month, 3, QStringLiteral("2016")));
    QVERIFY(march.complete);
    QCOMPARE(march.positions, (QList<qint64>{1, 4})); // unpaid included, other month and year not
    QCOMPARE(march.totals, (std::array<QString, TotalCount>{"€ 12,50", "€ 1,50", "€ 3,25", "€ 14,25"}));
    QCOMPARE(march.countLine(), QStringLiteral("Il presente riepilogo contiene 2 ricevute."));
    QVERIFY(march.lines.at(0).endsWith(QStringLiteral("  Tot. corr. € 10,5")));

    const Result year = build(path, request(Period::Year, 1, QStringLiteral("2016")));
    QCOMPARE(year.positions, (QList<qint64>{1, 2, 4})); // the receipt without a date is in no summary
    QCOMPARE(year.totals[Corrispettivi], QStringLiteral("€ 111,50"));
    const Result one = build(path, request(Period::Quarter, 2, QStringLiteral("2016")));
    QCOMPARE(one.countLine(), QStringLiteral("Il presente riepilogo contiene 1 ricevute."));
}

void TestPeriodSummary::periodWithoutReceipts()
{
    const QString path = m_dir.filePath(QStringLiteral("2016.ric"));
    const Result none = build(path, request(Period::Month, 5, QStringLiteral("2016")));
    QVERIFY(none.complete);
    QVERIFY(none.lines.isEmpty());
    QCOMPARE(none.totals, (std::array<QString, TotalCount>{"€ 0,00", "€ 0,00", "€ 0,00", "€ 0,00"}));
    QCOMPARE(none.countLine(), QStringLiteral("Il presente riepilogo contiene 0 ricevute."));
}

void TestPeriodSummary::missingArchiveIsCreatedEmpty()
{
    const QString path = m_dir.filePath(QStringLiteral("2040.ric"));
    QVERIFY(build(path, request(Period::Month, 1, QStringLiteral("2040"))).lines.isEmpty());
    QVERIFY(QFile::exists(path));
    QVERIFY_THROWS_EXCEPTION(StorageError,
                             build(m_dir.filePath(QStringLiteral("2041.ric")), request(Period::Year, 1, "2041"), false));
}

void TestPeriodSummary::stopsAtAnAmountThatCannotBeRead()
{
    const QString path = m_dir.filePath(QStringLiteral("2018.ric"));
    appendReceipts(path, {
                             issued("1", "15/03/2018", "10,5", "1,00", "2,00", "11,50"),
                             issued("2", "16/03/2018", "20,00", "", "0,00", "20,00"), // advances missing
                             issued("3", "17/03/2018", "5,00", "0,00", "0,00", "5,00"),
                         });
    const Result r = build(path, request(Period::Year, 1, QStringLiteral("2018")));
    QVERIFY(!r.complete);
    QCOMPARE(r.stoppedAt, 2);
    QCOMPARE(r.badField, int(ReceiptLayout::Acconti));
    // The line of the stopping receipt is in, its first amount added; the
    // sums stay as last shown, not formatted as totals.
    QCOMPARE(r.positions, (QList<qint64>{1, 2}));
    QCOMPARE(r.totals, (std::array<QString, TotalCount>{"30,5", "1", "2", "11,5"}));

    const QString damaged = m_dir.filePath(QStringLiteral("2019.ric"));
    appendReceipts(damaged, {issued("1", "15/03/2019", "1.50", "0,00", "0,00", "1,50")});
    const Result d = build(damaged, request(Period::Month, 3, QStringLiteral("2019")));
    QVERIFY(!d.complete);
    QCOMPARE(d.totals, (std::array<QString, TotalCount>{"0,00", "0,00", "0,00", "0,00"}));
}

void TestPeriodSummary::printedLines()
{
    QCOMPARE(printTitle(QStringLiteral(" Ricevute emesse nel mese di marzo 2016 ")),
             QStringLiteral("Tipologia riepilogo: Ricevute emesse nel mese di marzo 2016"));
    const QStringList lines = printExtraLines({"€ 12,50", " € 1,00 ", "€ 0,00", "€ 11,50"});
    QCOMPARE(lines, (QStringList{
                        "--------------------------",
                        "TOT. CORRISPETTIVI:     € 12,50",
                        "Acconti:                € 1,00",
                        "Tot. tassa soggiorno:   € 0,00",
                        "Totale saldato:         € 11,50",
                    }));
}

QTEST_GUILESS_MAIN(TestPeriodSummary)
#include "tst_periodsummary.moc"
