#include "app/clock.h"
#include "output/listreport.h"
#include "output/report.h"
#include "output/reportrenderer.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TestReport : public QObject
{
    Q_OBJECT

private slots:
    void init() { Clock::setOverride(QDateTime(QDate(2024, 3, 7), QTime(9, 30))); }
    void cleanup() { Clock::setOverride({}); }

    void fillReplacesWholeTextsAndLeavesOthersAsDesigned()
    {
        Report report;
        report.setPage(Report::Orientation::Portrait, 0);
        report.addBand(QStringLiteral("Page"), ReportBand::Kind::Title, 400);
        ReportObject a;
        a.name = QStringLiteral("txtA");
        a.rect = QRectF(10, 10, 100, 20);
        a.text = QStringLiteral("Ricevuta n.");
        report.add(a);
        ReportObject b = a;
        b.name = QStringLiteral("txtB");
        b.rect.translate(0, 30);
        b.text = QStringLiteral("Data emissione:");
        report.add(b);
        ReportObject caption = a;
        caption.name.clear();
        caption.rect.translate(0, 60);
        caption.text = QStringLiteral("Spettabile");
        report.add(caption);

        report.fillText(QStringLiteral("txtA"), QStringLiteral("12"));
        const PreparedReport prepared = ReportRenderer::prepare(report);
        QCOMPARE(prepared.pages.size(), size_t(1));
        QCOMPARE(prepared.pages[0].texts(),
                 QStringList({QStringLiteral("12"), QStringLiteral("Data emissione:"), QStringLiteral("Spettabile")}));
        report.fillText(QStringLiteral("txtA"), QString());
        QCOMPARE(report.object(QStringLiteral("txtA")).text, QString());
    }

    void fillingAMissingObjectFails()
    {
        Report report = ListReport::layout();
        QVERIFY_THROWS_EXCEPTION(ReportError, report.fillText(QStringLiteral("txtNessuno"), QStringLiteral("x")));
        QVERIFY_THROWS_EXCEPTION(ReportError, report.fillPicture(QStringLiteral("txtTitolo"), QImage()));
    }

    void tagRuns_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("runs"); // "b:" marks a bold run
        QTest::newRow("whole bold") << "<b>Ricevuta n. 12</b>" << QStringList{"b:Ricevuta n. 12"};
        QTest::newRow("mixed") << "Nota <b>importante</b> qui" << QStringList{"Nota ", "b:importante", " qui"};
        QTest::newRow("no tags") << "Ricevuta n. 12" << QStringList{"Ricevuta n. 12"};
        QTest::newRow("unclosed") << "a <b>b" << QStringList{"a <b>b"};
        QTest::newRow("other tags stay") << "<i>x</i>" << QStringList{"<i>x</i>"};
    }

    void tagRuns()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, runs);
        QStringList got;
        for (const auto &[run, bold] : ReportRenderer::tagRuns(text))
            got.append(bold ? QStringLiteral("b:") + run : run);
        QCOMPARE(got, runs);
    }

    void longListSplitsWithTitleOnceAndFooterOnce()
    {
        QStringList lines;
        for (int i = 1; i <= 100; ++i)
            lines.append(QStringLiteral("Ric. n. %1").arg(i, 3, 10, QLatin1Char('0')));
        const Report report = ListReport::filled(QStringLiteral("Riepilogo ricevute in archivio"), lines);
        QCOMPARE(report.findObject(QStringLiteral("txtRiepilogo"))->rect.height(), 100 * 12.822);
        QCOMPARE(const_cast<Report &>(report).band(QStringLiteral("MasterData")).height, 100 * 12.822 + 10);

        const PreparedReport prepared = ReportRenderer::prepare(report);
        QVERIFY(prepared.pages.size() >= 2);
        const double margin = 10 * ReportUnits::perMm;
        const double bottom = prepared.pageHeight - margin;
        QStringList printed;
        int titles = 0;
        int footers = 0;
        for (size_t p = 0; p < prepared.pages.size(); ++p) {
            double lastLineTop = -1;
            for (const ReportObject &object : prepared.pages[p].objects) {
                QVERIFY2(object.rect.bottom() <= bottom + 0.01, qPrintable(object.name + " below the margin"));
                if (object.name == u"txtTitolo") {
                    ++titles;
                    QCOMPARE(p, size_t(0));
                    QCOMPARE(object.text, QStringLiteral("Riepilogo ricevute in archivio"));
                    QVERIFY(qAbs(object.rect.top() - (margin + 3.78)) < 0.01);
                } else if (object.name == u"txtPagina") {
                    ++footers;
                    QCOMPARE(p, prepared.pages.size() - 1);
                    QCOMPARE(object.text, QStringLiteral("Stampa eseguita in data 07/03/2024"));
                    QVERIFY(object.rect.top() > lastLineTop);
                } else if (object.name == u"txtRiepilogo") {
                    printed.append(object.text);
                    QVERIFY(object.rect.top() > lastLineTop);
                    if (lastLineTop >= 0)
                        QVERIFY(qAbs(object.rect.top() - lastLineTop - 12.822) < 0.01);
                    lastLineTop = object.rect.top();
                    if (p > 0 && printed.size() > 1 && lastLineTop < margin + 1)
                        QVERIFY(qAbs(object.rect.top() - margin) < 0.01); // continues at the top of a page
                }
            }
        }
        QCOMPARE(titles, 1);
        QCOMPARE(footers, 1);
        QCOMPARE(printed, lines);
        // The first page holds the lines that fit under the title band.
        const int firstPage = static_cast<int>((prepared.pageHeight - 2 * margin - 30.24) / 12.822);
        QCOMPARE(prepared.pages[1].objects.front().text, lines.at(firstPage));
    }

    void emptyListPrintsTitleAndFooter()
    {
        const Report report = ListReport::filled(QStringLiteral("Materiali in esaurimento"), {});
        QCOMPARE(const_cast<Report &>(report).band(QStringLiteral("MasterData")).height, 10.0);
        const PreparedReport prepared = ReportRenderer::prepare(report);
        QCOMPARE(prepared.pages.size(), size_t(1));
        const ReportObject *footer = prepared.pages[0].find(QStringLiteral("txtPagina"));
        QVERIFY(footer);
        QVERIFY(qAbs(footer->rect.top() - (10 * ReportUnits::perMm + 30.24 + 10 + 7.56)) < 0.01);
    }

    void extraLinesFollowTheList()
    {
        const Report report =
            ListReport::filled(QStringLiteral("t"), {QStringLiteral("a"), QStringLiteral("b")}, {QString(), QStringLiteral("Totale")});
        QCOMPARE(report.lines(QStringLiteral("txtRiepilogo")),
                 QStringList({QStringLiteral("a"), QStringLiteral("b"), QString(), QStringLiteral("Totale")}));
        QCOMPARE(report.findObject(QStringLiteral("txtRiepilogo"))->rect.height(), 4 * 12.822);
    }

    void pdfCarriesTheTextAndTheInformation()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
            QSKIP("poppler-utils is not installed");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("lista.pdf"));
        QStringList lines;
        for (int i = 1; i <= 100; ++i)
            lines.append(QStringLiteral("Riga %1 Verdi àèé").arg(i));
        ReportRenderer::writePdf(ReportRenderer::prepare(ListReport::filled(QStringLiteral("Riepilogo Clienti in archivio"), lines)),
                                 path, {QStringLiteral("Ricevuta"), QStringLiteral("Fattura")});
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {path});
        QVERIFY(info.waitForFinished());
        const QString out = QString::fromUtf8(info.readAllStandardOutput());
        QVERIFY2(out.contains(QRegularExpression(QStringLiteral("Title:\\s+Ricevuta\\n"))), qPrintable(out));
        QVERIFY2(out.contains(QRegularExpression(QStringLiteral("Subject:\\s+Fattura\\n"))), qPrintable(out));
        QVERIFY2(out.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n"))), qPrintable(out));
        QVERIFY2(out.contains(QStringLiteral("(A4)")) && out.contains(QStringLiteral("842 x 595")), qPrintable(out));

        QProcess text;
        text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
        QVERIFY(text.waitForFinished());
        const QString body = QString::fromUtf8(text.readAllStandardOutput());
        QCOMPARE(body.count(QStringLiteral("Riepilogo Clienti in archivio")), 1);
        QCOMPARE(body.count(QStringLiteral("Stampa eseguita in data 07/03/2024")), 1);
        QVERIFY(body.contains(QStringLiteral("Riga 1 Verdi àèé")));
        QVERIFY(body.contains(QStringLiteral("Riga 100 Verdi àèé")));
        QVERIFY(body.indexOf(QStringLiteral("Riga 100 ")) < body.indexOf(QStringLiteral("Stampa eseguita")));
    }

    void writingOverADirectoryFailsCleanly()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Ricevuta.pdf"));
        QVERIFY(QDir().mkpath(path)); // a folder stands where the file should go
        QVERIFY_THROWS_EXCEPTION(ReportError,
                                 ReportRenderer::writePdf(ReportRenderer::prepare(ListReport::layout()), path, {}));
        QVERIFY(QFileInfo(path).isDir());
    }
};

QTEST_MAIN(TestReport)
#include "tst_report.moc"
