#include "app/clock.h"
#include "app/screens.h"
#include "receipts/tfrmstatistiche.h"
#include "storage/receiptlayout.h"
#include "storage/recordfile.h"
#include "support/recordingmodal.h"
#include "support/testfolder.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

namespace {

void appendReceipt(const QString &path, const QString &date, const QString &total)
{
    Record record(ReceiptLayout::layout());
    record.setText(ReceiptLayout::Data, date);
    record.setText(ReceiptLayout::TotCorrispettivi, total);
    RecordFile file(ReceiptLayout::RecordSize);
    file.openOrCreate(path);
    file.append(record.bytes());
    file.close();
}

template<class T> T *child(const QWidget &screen, const char *name)
{
    return screen.findChild<T *>(QString::fromLatin1(name));
}

QList<double> values(const IncomeChartView *chart)
{
    QList<double> out;
    for (const IncomeChartPainter::Point &point : chart->points())
        out.append(point.value);
    return out;
}

// The pages of a PDF written by the printer, and whether the first is wider
// than high.
int pdfPages(const QByteArray &pdf)
{
    return int(pdf.count("/Type /Page\n") + pdf.count("/Type /Page ") + pdf.count("/Type /Page/"));
}

bool pdfLandscape(const QByteArray &pdf)
{
    const QRegularExpression box(QStringLiteral("/MediaBox \\[\\s*0 0 ([0-9.]+) ([0-9.]+)"));
    const QRegularExpressionMatch match = box.match(QString::fromLatin1(pdf));
    return match.hasMatch() && match.captured(1).toDouble() > match.captured(2).toDouble();
}

} // namespace

class TestTfrmStatistiche : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void showingStartsOnTheYearPanel();
    void yearField();
    void buildsTheChart();
    void unreadableAmountKeepsTheYearPanel();
    void chartKindKeptForTheRun();
    void printing_data();
    void printing();
    void hints();
    void closingReturnsToTheLauncher();

private:
    TestFolder *m_folder = nullptr;
    RecordingModal *m_modal = nullptr;
};

void TestTfrmStatistiche::init()
{
    Clock::setOverride(QDateTime(QDate(2025, 6, 15), QTime(10, 0)));
    m_folder = new TestFolder;
    m_modal = RecordingModal::install();
}

void TestTfrmStatistiche::cleanup()
{
    delete m_folder;
    Clock::setOverride(QDateTime());
}

void TestTfrmStatistiche::showingStartsOnTheYearPanel()
{
    TfrmStatistiche screen;
    QCOMPARE(screen.windowTitle(), QStringLiteral(" Ostelio - Statistiche ricevute emesse"));
    screen.show();
    QCOMPARE(child<QLineEdit>(screen, "txtAnno")->text(), QStringLiteral("2025"));
    QVERIFY(child<QWidget>(screen, "panAvvio")->isVisible());
    QVERIFY(!child<QWidget>(screen, "panContainer")->isVisible());
    QVERIFY(screen.chart()->points().isEmpty());
}

void TestTfrmStatistiche::yearField()
{
    TfrmStatistiche screen;
    screen.show();
    auto *year = child<QLineEdit>(screen, "txtAnno");
    year->clear();
    QTest::keyClicks(year, QStringLiteral("2a0b2-4.5"));
    QCOMPARE(year->text(), QStringLiteral("2024")); // letters have no effect, at most four characters
    year->setText(QStringLiteral("202"));
    QTest::mouseClick(child<QPushButton>(screen, "btnApri"), Qt::LeftButton);
    QCOMPARE(m_modal->messages(), QStringList{QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre.")});
    QCOMPARE(m_modal->last().kind, QStringLiteral("warning"));
    QVERIFY(child<QWidget>(screen, "panAvvio")->isVisible());
    QVERIFY(!QFile::exists(m_folder->file(QStringLiteral("202.ric"))));
}

void TestTfrmStatistiche::buildsTheChart()
{
    const QString path = m_folder->file(QStringLiteral("2024.ric"));
    appendReceipt(path, QStringLiteral("05/03/2024"), QStringLiteral("100,40"));
    appendReceipt(path, QStringLiteral("17/03/2024"), QStringLiteral("50,30"));
    appendReceipt(path, QStringLiteral("01/07/2024"), QStringLiteral("10,50"));
    appendReceipt(path, QStringLiteral("01/12/2023"), QStringLiteral("70,00"));
    TfrmStatistiche screen;
    screen.show();
    child<QLineEdit>(screen, "txtAnno")->setText(QStringLiteral("2024"));
    QTest::mouseClick(child<QPushButton>(screen, "btnApri"), Qt::LeftButton);

    QVERIFY(m_modal->events().isEmpty());
    QCOMPARE(child<QLabel>(screen, "lblFile")->text(), path);
    QCOMPARE(child<QLabel>(screen, "lblTitolo")->text(),
             QStringLiteral("Rappresentazione grafica delle ricevute emesse nell'anno 2024."));
    QCOMPARE(child<QLabel>(screen, "memMarzo")->text(), QStringLiteral("151"));
    QCOMPARE(child<QLabel>(screen, "memLuglio")->text(), QStringLiteral("11"));
    QCOMPARE(child<QLabel>(screen, "memDicembre")->text(), QStringLiteral("0"));
    QCOMPARE(values(screen.chart()), (QList<double>{0, 0, 151, 0, 0, 0, 11, 0, 0, 0, 0, 0}));
    QCOMPARE(screen.chart()->points().at(2).label, QStringLiteral("Marzo"));
    QCOMPARE(screen.chart()->points().at(2).colour.rgba(), 0xFFFFE4C4);
    QVERIFY(!child<QWidget>(screen, "panAvvio")->isVisible());
    QVERIFY(child<QWidget>(screen, "panContainer")->isVisible());
    QCOMPARE(screen.chart()->kind(), IncomeChartPainter::Kind::Bars);

    // A year without an archive gets an empty one and twelve zeros.
    screen.hide();
    screen.show();
    child<QLineEdit>(screen, "txtAnno")->setText(QStringLiteral("2019"));
    screen.buildChart();
    QCOMPARE(values(screen.chart()), QList<double>(12, 0));
    QVERIFY(QFile::exists(m_folder->file(QStringLiteral("2019.ric"))));
}

void TestTfrmStatistiche::unreadableAmountKeepsTheYearPanel()
{
    const QString path = m_folder->file(QStringLiteral("2024.ric"));
    appendReceipt(path, QStringLiteral("05/03/2024"), QStringLiteral("12.50"));
    TfrmStatistiche screen;
    screen.show();
    child<QLineEdit>(screen, "txtAnno")->setText(QStringLiteral("2024"));
    screen.buildChart();
    QVERIFY(m_modal->events().isEmpty());
    QVERIFY(child<QWidget>(screen, "panAvvio")->isVisible());
    QVERIFY(!child<QWidget>(screen, "panContainer")->isVisible());
}

void TestTfrmStatistiche::chartKindKeptForTheRun()
{
    appendReceipt(m_folder->file(QStringLiteral("2025.ric")), QStringLiteral("05/01/2025"), QStringLiteral("40,00"));
    TfrmStatistiche screen;
    screen.show();
    screen.buildChart();
    const auto before = screen.chart()->points();
    QTest::mouseClick(child<QPushButton>(screen, "btnTorta"), Qt::LeftButton);
    QCOMPARE(screen.chart()->kind(), IncomeChartPainter::Kind::Pie);
    QTest::mouseClick(child<QPushButton>(screen, "btnBarre"), Qt::LeftButton);
    QCOMPARE(screen.chart()->kind(), IncomeChartPainter::Kind::Bars);
    QCOMPARE(screen.chart()->points().size(), before.size());
    for (int m = 0; m < before.size(); ++m) {
        QCOMPARE(screen.chart()->points().at(m).label, before.at(m).label);
        QCOMPARE(screen.chart()->points().at(m).colour, before.at(m).colour);
        QCOMPARE(screen.chart()->points().at(m).value, before.at(m).value);
    }

    // Shown again, the screen empties its series but keeps the pie.
    QTest::mouseClick(child<QPushButton>(screen, "btnTorta"), Qt::LeftButton);
    screen.hide();
    screen.show();
    QVERIFY(screen.chart()->points().isEmpty());
    screen.buildChart();
    QCOMPARE(screen.chart()->kind(), IncomeChartPainter::Kind::Pie);
    QCOMPARE(values(screen.chart()).at(0), 40.0);
}

void TestTfrmStatistiche::printing_data()
{
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<QVariant>("copiesAnswer"); // a text, or nothing for Cancel
    QTest::addColumn<bool>("print");
    QTest::addColumn<int>("pages"); // 0: nothing printed
    QTest::addColumn<QStringList>("steps");

    const QStringList all = {"confirm", "input", "print"};
    QTest::newRow("three copies") << true << QVariant(QStringLiteral(" 3 ")) << true << 3 << all;
    QTest::newRow("a letter counts as one") << true << QVariant(QStringLiteral("2a")) << true << 1 << all;
    QTest::newRow("empty counts as one") << true << QVariant(QString()) << true << 1 << all;
    QTest::newRow("no to the question") << false << QVariant() << false << 0 << QStringList{"confirm"};
    QTest::newRow("copies box cancelled") << true << QVariant() << false << 0 << QStringList{"confirm", "input"};
    QTest::newRow("print dialog cancelled") << true << QVariant(QStringLiteral("2")) << false << 0 << all;
}

void TestTfrmStatistiche::printing()
{
    QFETCH(bool, confirm);
    QFETCH(QVariant, copiesAnswer);
    QFETCH(bool, print);
    QFETCH(int, pages);
    QFETCH(QStringList, steps);

    TfrmStatistiche screen;
    screen.show();
    screen.buildChart();
    const QString pdf = m_folder->file(QStringLiteral("grafico.pdf"));
    screen.setPrintOutputFile(pdf);
    m_modal->answerConfirm(confirm);
    if (copiesAnswer.isValid())
        m_modal->answerInput(copiesAnswer.toString());
    else
        m_modal->answerInput(std::nullopt);
    m_modal->answerPrint(print);
    QTest::mouseClick(child<QPushButton>(screen, "btnStampa"), Qt::LeftButton);

    QStringList seen;
    for (const RecordingModal::Event &event : m_modal->events())
        seen.append(event.kind);
    QCOMPARE(seen, steps);
    QCOMPARE(m_modal->events().first().text, QStringLiteral("Si vuole stampare il presente grafico statistico?"));
    if (steps.size() > 1) {
        QCOMPARE(m_modal->events().at(1).text, QStringLiteral("Copie:"));
        QCOMPARE(m_modal->events().at(1).detail, QStringLiteral("Numero copie da stampare|1"));
    }
    const QByteArray written = m_folder->read(QStringLiteral("grafico.pdf"));
    if (pages == 0) {
        QVERIFY(written.isEmpty());
        return;
    }
    QCOMPARE(pdfPages(written), pages);
    QVERIFY(pdfLandscape(written));
}

void TestTfrmStatistiche::hints()
{
    TfrmStatistiche screen;
    auto *info = child<QLabel>(screen, "panInfo");
    QCOMPARE(info->text(), QStringLiteral("Grafico statistico degli incassi annuali."));
    const QList<QPair<QString, QString>> hints = {
        {"btnBarre", "Visualizza le statistiche degli incassi sotto forma di grafico a barre tridimensionali."},
        {"btnTorta", "Visualizza le statistiche degli incassi sotto forma di grafico a torta tridimensionale."},
        {"btnStampa", "Stampa il grafico corrente."},
        {"btnEsci", "Esci da questo ambiente di lavoro."},
        {"cmdGuida", "Visualizza la pagina della guida sensibile al contesto."}};
    for (const auto &[name, hint] : hints) {
        QWidget *command = screen.findChild<QWidget *>(name);
        QVERIFY2(command, qPrintable(name));
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(command, &enter);
        QCOMPARE(info->text(), hint);
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(command, &leave);
        QCOMPARE(info->text(), QString());
    }
}

void TestTfrmStatistiche::closingReturnsToTheLauncher()
{
    Screens screens;
    auto *charts = screens.work<TfrmStatistiche>();
    QVERIFY(charts);
    screens.showWork(QStringLiteral("TfrmStatistiche"));
    QVERIFY(charts->isVisible());
    // The guide opens over the charts with its topic.
    QTest::mouseClick(child<QWidget>(*charts, "imgGuida"), Qt::LeftButton);
    QCOMPARE(m_modal->last().kind, QStringLiteral("dialog"));
    QCOMPARE(m_modal->last().detail, QStringLiteral("TfrmGuida"));
    QTest::mouseClick(child<QWidget>(*charts, "imgEsci"), Qt::LeftButton);
    QVERIFY(!charts->isVisible());
    QVERIFY(screens.work(QStringLiteral("TfrmAvvio"))->isVisible());
}

QTEST_MAIN(TestTfrmStatistiche)
#include "tst_tfrmstatistiche.moc"
