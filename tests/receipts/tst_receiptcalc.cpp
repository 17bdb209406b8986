#include "receipts/receiptcalc.h"

#include <QTest>

// The receipt totals from the texts of the lines, advances, tax and days.
class TstReceiptCalc : public QObject
{
    Q_OBJECT

private:
    // Thirty line texts with the given lines filled (1-based).
    static QStringList lines(const QList<QPair<int, QString>> &filled)
    {
        QStringList l(30);
        for (const auto &[i, text] : filled)
            l[i - 1] = text;
        return l;
    }

private slots:
    void calculate_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("advances");
        QTest::addColumn<QString>("tax");
        QTest::addColumn<QString>("days");
        QTest::addColumn<QString>("advancesAfter");
        QTest::addColumn<QString>("totLines");
        QTest::addColumn<QString>("totTax");
        QTest::addColumn<QString>("due");

        QTest::newRow("all empty") << lines({}) << "" << "" << "" << "0,00" << "0,00" << "0,00" << "0,00";
        QTest::newRow("blank advance is filled") << lines({}) << "  " << "" << "" << "0,00" << "0,00" << "0,00"
                                                 << "0,00";
        QTest::newRow("lines advance and tax")
            << lines({{1, "10,00"}, {2, "5,50"}}) << "5,00" << "1,50" << "3" << "5,00" << "15,50" << "4,50"
            << "15,00";
        QTest::newRow("four decimals") << lines({{1, "0,3333"}, {2, "0,3333"}, {3, "0,3333"}}) << "0,00" << ""
                                       << "" << "0,00" << "1,00" << "0,00" << "1,00";
        QTest::newRow("negative due") << lines({{1, "80,00"}}) << "100,00" << "0,00" << "0" << "100,00" << "80,00"
                                      << "0,00" << "-20,00";
        QTest::newRow("lines 3 and 17") << lines({{3, "1,25"}, {17, "2,50"}}) << "0,00" << "" << "" << "0,00"
                                        << "3,75" << "0,00" << "3,75";
        QTest::newRow("line 30 counts") << lines({{30, "7"}}) << "0,00" << "" << "" << "0,00" << "7,00" << "0,00"
                                        << "7,00";
        // Each total is rounded on its own: D is the rounding of the exact
        // C + X − A, not the sum of the shown totals.
        QTest::newRow("one cent apart") << lines({{1, "0,005"}}) << "0,00" << "0,005" << "1" << "0,00" << "0,01"
                                        << "0,01" << "0,01";
        QTest::newRow("tax without days") << lines({}) << "0,00" << "2,00" << "" << "0,00" << "0,00" << "0,00"
                                          << "0,00";
        QTest::newRow("days without tax") << lines({}) << "0,00" << "" << "4" << "0,00" << "0,00" << "0,00"
                                          << "0,00";
        QTest::newRow("binary half rounds down") << lines({{1, "0,285"}}) << "0,00" << "" << "" << "0,00"
                                                 << "0,28" << "0,00" << "0,28";
        QTest::newRow("text not yet normalised still parses")
            << lines({{1, "12"}, {2, ",5"}}) << "5," << "1" << "2" << "5," << "12,50" << "2,00" << "9,50";
        QTest::newRow("invalid line zeroes all")
            << lines({{1, "10,00"}, {2, "1.5"}}) << "" << "1,00" << "1" << "0,00" << "0,00" << "0,00" << "0,00";
        QTest::newRow("invalid advance zeroes all")
            << lines({{1, "10,00"}}) << "1,2,3" << "" << "" << "1,2,3" << "0,00" << "0,00" << "0,00";
        QTest::newRow("invalid tax zeroes all")
            << lines({{1, "10,00"}}) << "0,00" << "abc" << "1" << "0,00" << "0,00" << "0,00" << "0,00";
        QTest::newRow("invalid days zeroes all")
            << lines({{1, "10,00"}}) << "0,00" << "1,00" << "x" << "0,00" << "0,00" << "0,00" << "0,00";
        QTest::newRow("largest inputs") << QStringList(30, "9999999999") << "0,00" << "9999999999" << "999"
                                        << "0,00" << "299999999970,00" << "9989999999001,00"
                                        << "10289999998971,00";
    }
    void calculate()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, advances);
        QFETCH(QString, tax);
        QFETCH(QString, days);
        const ReceiptCalc::Totals t = ReceiptCalc::calculate({lines, advances, tax, days});
        QTEST(t.advances, "advancesAfter");
        QTEST(t.lines, "totLines");
        QTEST(t.tax, "totTax");
        QTEST(t.due, "due");
    }

    void blanking_data()
    {
        QTest::addColumn<int>("input");
        QTest::addColumn<bool>("lines");
        QTest::addColumn<bool>("tax");
        QTest::addColumn<bool>("due");
        QTest::newRow("line amount") << int(ReceiptCalc::Input::Line) << true << false << true;
        QTest::newRow("advances") << int(ReceiptCalc::Input::Advances) << false << false << true;
        QTest::newRow("tax per day") << int(ReceiptCalc::Input::TaxPerDay) << false << true << true;
        QTest::newRow("days") << int(ReceiptCalc::Input::Days) << false << true << true;
    }
    void blanking()
    {
        QFETCH(int, input);
        const auto b = ReceiptCalc::blankedBy(ReceiptCalc::Input(input));
        QTEST(b.lines, "lines");
        QTEST(b.tax, "tax");
        QTEST(b.due, "due");
    }
};

QTEST_GUILESS_MAIN(TstReceiptCalc)
#include "tst_receiptcalc.moc"
