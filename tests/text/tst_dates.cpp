#include "app/clock.h"
#include "text/dates.h"

#include <QTest>

// The date check and today's texts, with the clock fixed.
class TstDates : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        Clock::setOverride(QDateTime(QDate(2026, 3, 5), QTime(10, 0)));
    }
    void cleanup()
    {
        Clock::setOverride(QDateTime());
    }

    void check_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("date"); // invalid when the text is no date

        QTest::newRow("full form") << "05/03/2024" << QDate(2024, 3, 5);
        QTest::newRow("one-digit day and month") << "5/3/2024" << QDate(2024, 3, 5);
        QTest::newRow("blanks around") << " 1/2/2024 " << QDate(2024, 2, 1);
        QTest::newRow("leap day in leap year") << "29/02/2024" << QDate(2024, 2, 29);
        QTest::newRow("leap day in common year") << "29/02/2023" << QDate();
        QTest::newRow("leap day in 2000") << "29/02/2000" << QDate(2000, 2, 29);
        QTest::newRow("leap day in 1900") << "29/02/1900" << QDate();
        QTest::newRow("31 April") << "31/04/2024" << QDate();
        QTest::newRow("31 November") << "31/11/2024" << QDate();
        QTest::newRow("day zero") << "0/3/2024" << QDate();
        QTest::newRow("month 13") << "1/13/2024" << QDate();
        QTest::newRow("month zero") << "1/00/2024" << QDate();
        QTest::newRow("last day of year") << "31/12/2024" << QDate(2024, 12, 31);
        // Two-digit years: 1976 to 2075 while the clock is in 2026.
        QTest::newRow("two-digit year now") << "5/3/26" << QDate(2026, 3, 5);
        QTest::newRow("two-digit year end of window") << "1/1/75" << QDate(2075, 1, 1);
        QTest::newRow("two-digit year start of window") << "1/1/76" << QDate(1976, 1, 1);
        QTest::newRow("two-digit year 00") << "29/02/00" << QDate(2000, 2, 29);
        QTest::newRow("one-digit year") << "1/1/7" << QDate(2007, 1, 1);
        QTest::newRow("day and month only") << "5/3" << QDate(2026, 3, 5);
        QTest::newRow("leap day without year in common year") << "29/2" << QDate();
        QTest::newRow("three-digit year") << "1/1/999" << QDate(999, 1, 1);
        QTest::newRow("year zero") << "1/1/0000" << QDate();
        QTest::newRow("five-digit year") << "1/1/20245" << QDate();
        QTest::newRow("three-digit day") << "005/03/2024" << QDate();
        QTest::newRow("dots") << "05.03.2024" << QDate();
        QTest::newRow("dashes") << "05-03-2024" << QDate();
        QTest::newRow("letters") << "5/mar/2024" << QDate();
        QTest::newRow("inner blank") << "5 /3/2024" << QDate();
        QTest::newRow("missing year after slash") << "5/3/" << QDate();
        QTest::newRow("missing day") << "/3/2024" << QDate();
        QTest::newRow("day only") << "5" << QDate();
        QTest::newRow("year first") << "2024/03/05" << QDate();
        QTest::newRow("four parts") << "1/1/2024/1" << QDate();
        QTest::newRow("sign") << "+5/3/2024" << QDate();
        QTest::newRow("empty") << "" << QDate();
    }
    void check()
    {
        QFETCH(QString, text);
        QFETCH(QDate, date);
        const QString before = text;
        QCOMPARE(Dates::isValidDate(text), date.isValid());
        QCOMPARE(Dates::parse(text).value_or(QDate()), date);
        QCOMPARE(text, before);
    }

    // The window follows the clock.
    void windowMovesWithTheYear()
    {
        Clock::setOverride(QDateTime(QDate(2024, 1, 1), QTime(0, 0)));
        QCOMPARE(Dates::parse("1/1/73").value_or(QDate()), QDate(2073, 1, 1));
        QCOMPARE(Dates::parse("1/1/74").value_or(QDate()), QDate(1974, 1, 1));
        QVERIFY(Dates::isValidDate("29/2")); // 2024 is a leap year
    }

    void todayTexts()
    {
        QCOMPARE(Dates::todayText(), QStringLiteral("05/03/2026"));
        QCOMPARE(Dates::yearText(), QStringLiteral("2026"));
        Clock::setOverride(QDateTime(QDate(2024, 12, 31), QTime(23, 59)));
        QCOMPARE(Dates::todayText(), QStringLiteral("31/12/2024"));
        QCOMPARE(Dates::format(QDate(987, 1, 2)), QStringLiteral("02/01/0987"));
    }
};

QTEST_GUILESS_MAIN(TstDates)
#include "tst_dates.moc"
