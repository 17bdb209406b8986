#include "text/amounts.h"

#include <QTest>

#include <cmath>
#include <limits>

// Amount texts: parsing, formatting, rounding, padding and the normal forms
// a field takes when the user leaves it.
class TstAmounts : public QObject
{
    Q_OBJECT

private slots:
    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<double>("value");

        QTest::newRow("whole") << "12" << true << 12.0;
        QTest::newRow("decimals") << "12,50" << true << 12.5;
        QTest::newRow("four decimals") << "0,1234" << true << 0.1234;
        QTest::newRow("blanks around") << "  7,5\t" << true << 7.5;
        QTest::newRow("leading zeros") << "007" << true << 7.0;
        QTest::newRow("lone comma") << "," << true << 0.0;
        QTest::newRow("trailing comma") << "5," << true << 5.0;
        QTest::newRow("leading comma") << ",5" << true << 0.5;
        QTest::newRow("minus") << "-19,50" << true << -19.5;
        QTest::newRow("plus") << "+3" << true << 3.0;
        QTest::newRow("minus comma") << "-,5" << true << -0.5;
        QTest::newRow("exponent") << "1,5E3" << true << 1500.0;
        QTest::newRow("small exponent") << "2e-2" << true << 0.02;
        QTest::newRow("signed exponent") << "2E+2" << true << 200.0;
        QTest::newRow("exponent after comma") << "5,e1" << true << 50.0;
        QTest::newRow("tiny reads zero") << "1E-400" << true << 0.0;

        QTest::newRow("dot") << "12.50" << false << 0.0;
        QTest::newRow("second comma") << "1,2,3" << false << 0.0;
        QTest::newRow("sign alone") << "-" << false << 0.0;
        QTest::newRow("plus alone") << "+" << false << 0.0;
        QTest::newRow("letter") << "12a" << false << 0.0;
        QTest::newRow("euro sign") << "€ 12" << false << 0.0;
        QTest::newRow("inner blank") << "1 000" << false << 0.0;
        QTest::newRow("thousands dot") << "1.000,00" << false << 0.0;
        QTest::newRow("exponent without digits") << "5E" << false << 0.0;
        QTest::newRow("exponent sign only") << "5E-" << false << 0.0;
        QTest::newRow("exponent alone") << "E5" << false << 0.0;
        QTest::newRow("two signs") << "--5" << false << 0.0;
        QTest::newRow("too large") << "1E400" << false << 0.0;
        QTest::newRow("infinity word") << "inf" << false << 0.0;
        QTest::newRow("empty") << "" << false << 0.0;
        QTest::newRow("blanks only") << "   " << false << 0.0;
    }
    void parse()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(double, value);
        const auto parsed = Amounts::parse(text);
        QCOMPARE(parsed.has_value(), valid);
        if (valid)
            QCOMPARE(*parsed, value);
    }

    void format_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");

        QTest::newRow("decimal") << 12.5 << "12,5";
        QTest::newRow("whole") << 3.0 << "3";
        QTest::newRow("quarter") << 0.25 << "0,25";
        QTest::newRow("negative") << -19.99 << "-19,99";
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("negative zero") << -0.0 << "0";
        QTest::newRow("sum noise cut at 15 digits") << 0.1 + 0.2 << "0,3";
        QTest::newRow("thirds") << 1.0 / 3.0 << "0,333333333333333";
        QTest::newRow("no thousands separator") << 1250000.0 << "1250000";
        QTest::newRow("largest fixed") << 999999999999999.0 << "999999999999999";
        QTest::newRow("smallest fixed") << 0.00001 << "0,00001";
        QTest::newRow("four decimals") << 12.3457 << "12,3457";
        QTest::newRow("large in exponent form") << 1e15 << "1E15";
        QTest::newRow("small in exponent form") << 0.0000015 << "1,5E-6";
        QTest::newRow("negative small exponent") << -0.000002 << "-2E-6";
    }
    void format()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(Amounts::format(value), text);
    }

    void round_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<double>("expected");

        QTest::newRow("half up 2") << 0.125 << 2 << 0.13;
        QTest::newRow("binary half below") << 0.285 << 2 << 0.28;
        QTest::newRow("binary half below 1,005") << 1.005 << 2 << 1.0;
        QTest::newRow("half up 0") << 2.5 << 0 << 3.0;
        QTest::newRow("negative half up 0") << -2.5 << 0 << -2.0;
        QTest::newRow("negative whole 0") << -20.0 << 0 << -20.0;
        QTest::newRow("negative whole 2") << -20.0 << 2 << -20.0;
        QTest::newRow("negative whole 4") << -20.0 << 4 << -20.0;
        QTest::newRow("small negative to zero") << -0.004 << 2 << 0.0;
        QTest::newRow("negative toward minus") << -19.999 << 2 << -20.0;
        QTest::newRow("four decimals half") << 0.00005 << 4 << 0.0001;
        QTest::newRow("four decimals below half") << 0.00004 << 4 << 0.0;
        QTest::newRow("four decimals") << 12.34567 << 4 << 12.3457;
        QTest::newRow("nothing to round") << 12.5 << 2 << 12.5;
        QTest::newRow("thirds summed") << 0.9999 << 2 << 1.0;
    }
    void round()
    {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(double, expected);
        QCOMPARE(Amounts::round(value, decimals), expected);
    }

    void pad_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("padded");

        QTest::newRow("whole") << "12" << "12,00";
        QTest::newRow("one decimal") << "12,5" << "12,50";
        QTest::newRow("two decimals") << "12,25" << "12,25";
        QTest::newRow("three decimals") << "12,345" << "12,345";
        QTest::newRow("four decimals") << "0,1234" << "0,1234";
        QTest::newRow("negative one decimal") << "-19,5" << "-19,50";
        QTest::newRow("zero") << "0" << "0,00";
    }
    void pad()
    {
        QFETCH(QString, text);
        QFETCH(QString, padded);
        QCOMPARE(Amounts::padTwoDecimals(text), padded);
    }

    void totals_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");

        QTest::newRow("zero") << 0.0 << "0,00";
        QTest::newRow("one decimal") << 125.5 << "125,50";
        QTest::newRow("rounds to whole negative") << -19.999 << "-20,00";
        QTest::newRow("negative whole") << -20.0 << "-20,00";
        QTest::newRow("tiny negative") << -0.004 << "0,00";
        QTest::newRow("four decimals") << 0.9999 << "1,00";
        QTest::newRow("half cent") << 0.005 << "0,01";
        QTest::newRow("binary half below") << 0.285 << "0,28";
        QTest::newRow("large") << 1234567.891 << "1234567,89";
    }
    void totals()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(Amounts::totalText(value), text);
    }

    void normaliseAmount_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("emptyGives");
        QTest::addColumn<QString>("result");

        QTest::newRow("whole") << "12" << "" << "12,00";
        QTest::newRow("one decimal") << "12,5" << "" << "12,50";
        QTest::newRow("three decimals") << "12,345" << "" << "12,345";
        QTest::newRow("five decimals") << "12,34567" << "" << "12,3457";
        QTest::newRow("leading comma") << ",5" << "" << "0,50";
        QTest::newRow("trailing comma") << "5," << "" << "5,00";
        QTest::newRow("below four decimals") << "0,00001" << "" << "0,00";
        QTest::newRow("half of the fourth decimal") << "0,00005" << "" << "0,0001";
        QTest::newRow("under half of the fourth decimal") << "0,00004" << "" << "0,00";
        QTest::newRow("two commas") << "1,2,3" << "" << "0,00";
        QTest::newRow("pasted dot") << "12.50" << "" << "0,00";
        QTest::newRow("blanks around") << " 3 " << "" << "3,00";
        QTest::newRow("leading zeros") << "0012,10" << "" << "12,10";
        QTest::newRow("lone comma") << "," << "" << "0,00";
        QTest::newRow("empty line amount stays empty") << "" << "" << "";
        QTest::newRow("blank line amount becomes empty") << "  " << "" << "";
        QTest::newRow("empty advance") << "" << "0,00" << "0,00";
        QTest::newRow("invalid advance") << "abc" << "0,00" << "0,00";
        QTest::newRow("normal form is kept") << "12,3457" << "" << "12,3457";
    }
    void normaliseAmount()
    {
        QFETCH(QString, typed);
        QFETCH(QString, emptyGives);
        QFETCH(QString, result);
        QCOMPARE(Amounts::normaliseAmount(typed, emptyGives), result);
    }

    void normaliseWhole_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("fallback");
        QTest::addColumn<QString>("result");

        QTest::newRow("leading zeros") << "007" << "0" << "7";
        QTest::newRow("zero") << "0" << "1" << "0";
        QTest::newRow("plain") << "125" << "0" << "125";
        QTest::newRow("empty days") << "" << "0" << "0";
        QTest::newRow("empty start") << "" << "1" << "1";
        QTest::newRow("blank start") << "   " << "1" << "1";
        QTest::newRow("invalid start") << "1.5" << "1" << "1";
        QTest::newRow("invalid days") << "x" << "0" << "0";
        QTest::newRow("pasted decimals round half up") << "2,5" << "0" << "3";
        QTest::newRow("pasted decimals round down") << "2,49" << "0" << "2";
    }
    void normaliseWhole()
    {
        QFETCH(QString, typed);
        QFETCH(QString, fallback);
        QFETCH(QString, result);
        QCOMPARE(Amounts::normaliseWhole(typed, fallback, fallback), result);
    }

    // Every amount of up to four decimals that a field can show survives a
    // normalisation unchanged: the normal form is a fixed point.
    void normalFormIsStable()
    {
        for (int cents = -5000; cents <= 5000; cents += 7) {
            for (int extra : {0, 1, 5, 49, 50, 99}) {
                const double v = cents / 100.0 + extra / 10000.0;
                const QString once = Amounts::normaliseAmount(Amounts::format(v), QString());
                QCOMPARE(Amounts::normaliseAmount(once, QString()), once);
                QCOMPARE(*Amounts::parse(once), Amounts::round(v, 4));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TstAmounts)
#include "tst_amounts.moc"
