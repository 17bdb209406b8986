#include "receipts/incomechart.h"
#include "receipts/incomechartpainter.h"
#include "storage/receiptlayout.h"
#include "storage/recordfile.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Receipts = QList<QPair<QString, QString>>; // date of issue, line total

QString writeArchive(const QTemporaryDir &dir, const Receipts &receipts)
{
    const QString path = dir.filePath(QStringLiteral("2024.ric"));
    RecordFile file(ReceiptLayout::RecordSize);
    file.openOrCreate(path);
    for (const auto &[date, total] : receipts) {
        Record record(ReceiptLayout::layout());
        record.setText(ReceiptLayout::Data, date);
        record.setText(ReceiptLayout::TotCorrispettivi, total);
        record.setText(ReceiptLayout::Acconti, QStringLiteral("999,00")); // plays no part
        record.setText(ReceiptLayout::TotTassa, QStringLiteral("50,00"));
        record.setText(ReceiptLayout::Totale, QStringLiteral("1,00"));
        file.append(record.bytes());
    }
    file.close();
    return path;
}

QStringList totals(const IncomeChart::Result &result)
{
    return QStringList(result.totals.begin(), result.totals.end());
}

QStringList zeros()
{
    return QStringList(IncomeChart::MonthCount, QStringLiteral("0"));
}

QList<IncomeChartPainter::Point> points(const QList<double> &values)
{
    QList<IncomeChartPainter::Point> out;
    for (int m = 0; m < IncomeChart::MonthCount; ++m) {
        const IncomeChart::Month &month = IncomeChart::months()[size_t(m)];
        out.append({month.label, month.colour, values.value(m)});
    }
    return out;
}

} // namespace

class TestIncomeChart : public QObject
{
    Q_OBJECT
private slots:
    void monthTotals_data();
    void monthTotals();
    void unreadableAmountStops();
    void missingArchiveGivesZeros();
    void twelveColoursDrawn_data();
    void twelveColoursDrawn();
    void emptyChartsDraw();
};

void TestIncomeChart::monthTotals_data()
{
    QTest::addColumn<Receipts>("receipts");
    QTest::addColumn<QStringList>("expected");

    QStringList march = zeros();
    march[2] = QStringLiteral("151");
    QTest::newRow("two March receipts, 150,70 rounds to 151")
        << Receipts{{"05/03/2024", "100,40"}, {"28/03/2024", "50,30"}} << march;

    QStringList halves = zeros();
    halves[0] = QStringLiteral("11");
    halves[1] = QStringLiteral("10");
    QTest::newRow("10,50 gives 11 and 10,49 gives 10")
        << Receipts{{"10/01/2024", "10,50"}, {"10/02/2024", "10,49"}} << halves;

    QStringList otherYear = zeros();
    otherYear[2] = QStringLiteral("20");
    QTest::newRow("another year's receipt is not counted")
        << Receipts{{"05/03/2023", "500,00"}, {"05/03/2024", "20,00"}, {"05/03/2025", "7,00"}} << otherYear;

    QTest::newRow("dates without a month of the year are passed over")
        << Receipts{{"", "5,00"}, {"5/3/2024", "6,00"}, {"01/13/2024", "7,00"}, {"01/00/2024", "8,00"},
                    {"01/ab/2024", "9,00"}, {"01/03/24", "10,00"}}
        << zeros();

    QStringList all = zeros();
    all[0] = QStringLiteral("100");
    all[11] = QStringLiteral("1251");
    all[7] = QStringLiteral("0");
    QTest::newRow("every month apart, empty total counts as nothing")
        << Receipts{{"31/12/2024", "1250,25"}, {"02/01/2024", "99,9999"}, {" 15/12/2024 ", "0,50"},
                    {"15/08/2024", ""}}
        << all;
}

void TestIncomeChart::monthTotals()
{
    QFETCH(Receipts, receipts);
    QFETCH(QStringList, expected);
    QTemporaryDir dir;
    const IncomeChart::Result result = IncomeChart::build(writeArchive(dir, receipts), QStringLiteral(" 2024 "));
    QVERIFY(result.complete);
    QCOMPARE(totals(result), expected);
}

void TestIncomeChart::unreadableAmountStops()
{
    QTemporaryDir dir;
    const QString path =
        writeArchive(dir, {{"01/01/2024", "5,25"}, {"01/02/2024", "1.50"}, {"01/03/2024", "7,00"}});
    const IncomeChart::Result result = IncomeChart::build(path, QStringLiteral("2024"));
    QVERIFY(!result.complete);
    QCOMPARE(result.stoppedAt, 2);
    QCOMPARE(result.totals[0], QStringLiteral("5,25")); // the running sum so far
    QCOMPARE(result.totals[2], QStringLiteral("0"));
}

void TestIncomeChart::missingArchiveGivesZeros()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("2031.ric"));
    const IncomeChart::Result result = IncomeChart::build(path, QStringLiteral("2031"));
    QVERIFY(result.complete);
    QCOMPARE(totals(result), zeros());
    QVERIFY(QFile::exists(path));
}

void TestIncomeChart::twelveColoursDrawn_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("bars") << int(IncomeChartPainter::Kind::Bars);
    QTest::newRow("pie") << int(IncomeChartPainter::Kind::Pie);
}

void TestIncomeChart::twelveColoursDrawn()
{
    QFETCH(int, kind);
    const QList<QRgb> expected = {0xFFFF0000, 0xFF0000FF, 0xFFFFE4C4, 0xFFFF00FF, 0xFFC0DCC0, 0xFFFFFF00,
                                  0xFF00FF00, 0xFFC0C0C0, 0xFFF0FBFF, 0xFF87CEEB, 0xFF800000, 0xFF008000};
    const QStringList labels = {"Gennaio", "Febbraio", "Marzo", "Aprile", "Maggio", "Giugno",
                                "Luglio", "Agosto", "Settembre", "Ottobre", "Novembre", "Dicembre"};
    const IncomeChartPainter painter(points({120, 300, 450, 80, 260, 610, 900, 1020, 400, 150, 90, 330}),
                                     IncomeChartPainter::Kind(kind));
    for (int area = 0; area < 2; ++area) {
        // The screen's size and the printed page's.
        const QSize size = area == 0 ? QSize(1300, 620) : QSize(1100, 760);
        QImage image(size, QImage::Format_ARGB32);
        image.fill(Qt::black);
        QPainter p(&image);
        painter.paint(p, QRectF(QPointF(0, 0), size));
        p.end();
        for (int m = 0; m < 12; ++m) {
            QCOMPARE(IncomeChart::months()[size_t(m)].label, labels.at(m));
            const std::optional<QPointF> spot = painter.spot(m, QRectF(QPointF(0, 0), size));
            QVERIFY2(spot, qPrintable(labels.at(m)));
            QCOMPARE(QString::number(image.pixel(spot->toPoint()), 16), QString::number(expected.at(m), 16));
        }
        // The title in its colour.
        bool titleColour = false;
        for (int y = 0; y < 60 && !titleColour; ++y)
            for (int x = 0; x < size.width() && !titleColour; ++x)
                titleColour = image.pixel(x, y) == 0xFFD04498;
        QVERIFY(titleColour);
    }
}

void TestIncomeChart::emptyChartsDraw()
{
    // A year without receipts: twelve zeros draw without a slice or a bar.
    for (auto kind : {IncomeChartPainter::Kind::Bars, IncomeChartPainter::Kind::Pie}) {
        const IncomeChartPainter painter(points({}), kind);
        QImage image(800, 600, QImage::Format_ARGB32);
        QPainter p(&image);
        painter.paint(p, QRectF(0, 0, 800, 600));
        p.end();
        for (int m = 0; m < 12; ++m)
            QVERIFY(!painter.spot(m, QRectF(0, 0, 800, 600)));
    }
}

QTEST_MAIN(TestIncomeChart)
#include "tst_incomechart.moc"
