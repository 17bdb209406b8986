#include "pdftext.h"

#include "app/programfolder.h"
#include "output/reportrenderer.h"
#include "receipts/receiptreport.h"
#include "storage/receiptlayout.h"

#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A full receipt: every line filled, the guest without a tax code, padded
// values that must print trimmed.
ReceiptReport::Values fullReceipt()
{
    ReceiptReport::Values v{
        {"NumRic", " 12/2024 "}, {"Data", "07/03/2024"}, {"Ditta", "Albergo Bella Vista"}, {"ViaDitta", "Via Roma 1"},
        {"CapDitta", "00100"}, {"CittaDitta", "Roma"}, {"ProvDitta", "RM"}, {"IvaDitta", "01234567890"},
        {"CodFiscDitta", "BLLVST80A01H501Z"}, {"Libero01", "Tel. 06 1234567"}, {"Libero02", ""},
        {"Cliente", "  Rossi Mario"}, {"ViaCliente", "Via Verdi 3"}, {"CapCliente", "20100"},
        {"CittaCliente", "Milano"}, {"ProvCliente", "MI"}, {"IvaCliente", "09876543210"}, {"CodFiscCliente", ""},
        {"Camera", "101"}, {"Arrivo", "01/03/2024"}, {"Partenza", "07/03/2024"}, {"Note", "Pagato con carta"},
        {"TotCorrispettivi", "480,00"}, {"Acconti", "100,00"}, {"Tassa", "2,50"}, {"Giorni", "6"},
        {"TotTassa", "15,00"}, {"Totale", "395,00"}};
    for (int n = 1; n <= 30; ++n) {
        const QString nn = QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
        v.insert(QStringLiteral("Desc") + nn, QStringLiteral("Servizio riga %1").arg(nn));
        v.insert(QStringLiteral("Prezzo") + nn, QStringLiteral("%1,00").arg(n));
    }
    return v;
}

QString objectsAt(const Report &report, const QColor &fill)
{
    QStringList names;
    for (const ReportObject &o : report.bands().front().objects) {
        if (o.kind == ReportObject::Kind::Box && o.fill == fill)
            names.append(QStringLiteral("%1@%2,%3").arg(o.name).arg(o.rect.left(), 0, 'f', 2).arg(o.rect.top(), 0, 'f', 2));
    }
    return names.join(QLatin1Char(' '));
}

} // namespace

class TestReceiptReport : public QObject
{
    Q_OBJECT

private slots:
    void copyBIsCopyAMovedRight()
    {
        const Report report = ReceiptReport::layout(ReceiptReport::Variant::Preview);
        const auto &objects = report.bands().front().objects;
        QCOMPARE(objects.size() % 2, size_t(0)); // no cut line in the preview
        const size_t half = objects.size() / 2;
        for (size_t i = 0; i < half; ++i) {
            const ReportObject &a = objects[i];
            const ReportObject &b = objects[half + i];
            QVERIFY(qAbs(b.rect.left() - a.rect.left() - 529.13) < 0.001);
            QCOMPARE(b.rect.top(), a.rect.top());
            QCOMPARE(b.rect.size(), a.rect.size());
            QCOMPARE(b.fontSize, a.fontSize);
            QCOMPARE(b.align, a.align);
            if (a.name.isEmpty())
                QVERIFY(b.name.isEmpty());
            else
                QCOMPARE(b.name, QString(a.name).replace(QStringLiteral("_A"), QStringLiteral("_B")));
            if (a.name != u"titCopia_A")
                QCOMPARE(b.text, a.text);
        }
        QCOMPARE(report.object(QStringLiteral("titCopia_A")).text, QStringLiteral("COPIA PER IL CLIENTE"));
        QCOMPARE(report.object(QStringLiteral("titCopia_B")).text, QStringLiteral("COPIA PER LA DITTA EMITTENTE"));
        QCOMPARE(report.object(QStringLiteral("lineRight_B")).rect.left(), 548.03 + 529.13);
        QVERIFY(qAbs(report.object(QStringLiteral("lineLeft_B")).rect.left() - 566.93) < 0.001);
        QVERIFY(report.findObject(QStringLiteral("txtTotTassa_B2")));

        // The five coloured boxes: alice blue on the left, beige on the right.
        QCOMPARE(objectsAt(report, QColor(0xF0, 0xF8, 0xFF)),
                 QStringLiteral("shpNumRic_A@279.69,45.35 shpCopia_A@279.69,257.01 @45.35,309.92 @45.35,680.32 "
                                "shpQuietanza_A@294.80,680.32"));
        QCOMPARE(objectsAt(report, QColor(0xF5, 0xF5, 0xDC)),
                 QStringLiteral("shpNumRic_B@808.82,45.35 shpCopia_B@808.82,257.01 @574.48,309.92 @574.48,680.32 "
                                "shpQuietanza_B@823.93,680.32"));
    }

    void linesFollowTheirFormula()
    {
        const Report report = ReceiptReport::layout(ReceiptReport::Variant::Print);
        for (int n = 1; n <= 30; ++n) {
            const QString nn = QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
            const ReportObject &desc = report.object(QStringLiteral("txtDesc%1_A").arg(nn));
            const ReportObject &price = report.object(QStringLiteral("txtPrezzo%1_B").arg(nn));
            QVERIFY(qAbs(desc.rect.top() - (332.60 + (n - 1) * 11.34)) < 0.001);
            QCOMPARE(desc.rect, QRectF(49.13, desc.rect.top(), 377.95, 12.09));
            QCOMPARE(price.rect.top(), desc.rect.top());
            QVERIFY(qAbs(price.rect.left() - (438.43 + 529.13)) < 0.001);
            QCOMPARE(price.align, Qt::AlignRight);
            QCOMPARE(desc.text, QStringLiteral("Descrizione immobile:"));
            QCOMPARE(price.text, QStringLiteral("0,00"));
        }
    }

    void variantsDiffer()
    {
        auto cutLines = [](const Report &report) {
            int found = 0;
            for (const ReportObject &o : report.bands().front().objects) {
                if (o.kind == ReportObject::Kind::VerticalLine && o.dotted) {
                    ++found;
                    [&] { QCOMPARE(o.rect, QRectF(557.48, 7.56, 0, 778.58)); }();
                }
            }
            return found;
        };
        QCOMPARE(cutLines(ReceiptReport::layout(ReceiptReport::Variant::Print)), 1);
        QCOMPARE(cutLines(ReceiptReport::layout(ReceiptReport::Variant::Preview)), 0);
        QCOMPARE(cutLines(ReceiptReport::layout(ReceiptReport::Variant::Pdf)), 0);

        const Report pdf = ReceiptReport::layout(ReceiptReport::Variant::Pdf);
        QVERIFY(!pdf.object(QStringLiteral("txtNumRic_A")).allowTags);
        QVERIFY(!pdf.object(QStringLiteral("txtData_A")).allowTags);
        QVERIFY(!pdf.object(QStringLiteral("txtNumRic_B")).allowTags);
        QVERIFY(pdf.object(QStringLiteral("txtNote_B")).allowTags);
        QVERIFY(ReceiptReport::layout(ReceiptReport::Variant::Print).object(QStringLiteral("txtNumRic_A")).allowTags);
    }

    void fill_data()
    {
        QTest::addColumn<int>("variant");
        QTest::addColumn<QString>("object");
        QTest::addColumn<QString>("text");
        const int print = int(ReceiptReport::Variant::Print);
        const int pdf = int(ReceiptReport::Variant::Pdf);
        QTest::newRow("number, tags") << print << "txtNumRic_A" << "<b>Ricevuta n. 12/2024</b>";
        QTest::newRow("date, tags") << print << "txtData_B" << "<b>Data emissione:  07/03/2024</b>";
        QTest::newRow("number, pdf") << pdf << "txtNumRic_B" << "Ricevuta n. 12/2024";
        QTest::newRow("date, pdf") << pdf << "txtData_A" << "Data emissione:  07/03/2024";
        QTest::newRow("guest trimmed") << print << "txtCliente_B" << "Rossi Mario";
        QTest::newRow("guest town") << print << "txtCittaCliente_A" << "20100 Milano MI";
        QTest::newRow("empty tax code kept") << print << "txtCodFiscCliente_A" << "C.F.    P.Iva: 09876543210";
        QTest::newRow("issuer codes") << print << "txtCodFiscDitta_B" << "C.F. BLLVST80A01H501Z   P.Iva: 01234567890";
        QTest::newRow("room") << print << "txtCamera_A" << "Camera n. 101";
        QTest::newRow("stay") << print << "txtArrivo_B" << "Data arrivo: 01/03/2024     Data partenza: 07/03/2024";
        QTest::newRow("empty free line") << print << "txtLibero02_A" << "";
        QTest::newRow("line 30") << print << "txtPrezzo30_B" << "30,00";
        QTest::newRow("tax again in the tax box") << print << "txtTotTassa_A2" << "15,00";
        QTest::newRow("tax again, copy B") << print << "txtTotTassa_B2" << "15,00";
        QTest::newRow("settled") << print << "txtTotale_B" << "395,00";
        QTest::newRow("caption keeps its design") << print << "titTotale_A" << "TOTALE SALDATO:";
        QTest::newRow("privacy note") << print << "txtBollo_B"
                                      << "I dati personali del Cliente saranno trattati in base al D.Lgs. 196/2003 "
                                         "esclusivamente per l'erogazione del servizio e non saranno";
    }

    void fill()
    {
        QFETCH(int, variant);
        QFETCH(QString, object);
        QFETCH(QString, text);
        const Report report =
            ReceiptReport::filled(static_cast<ReceiptReport::Variant>(variant), fullReceipt(), ReceiptReport::defaultLogo());
        QCOMPARE(report.object(object).text, text);
    }

    void emptyLinesPrintEmptyAndAmountsAsTheyStand()
    {
        ReceiptReport::Values v;
        v.insert(QStringLiteral("Desc01"), QStringLiteral("Pernottamento"));
        v.insert(QStringLiteral("Prezzo01"), QStringLiteral("12,5"));
        const Report report = ReceiptReport::filled(ReceiptReport::Variant::Print, v, QImage());
        QCOMPARE(report.object(QStringLiteral("txtPrezzo01_A")).text, QStringLiteral("12,5"));
        QCOMPARE(report.object(QStringLiteral("txtDesc02_A")).text, QString());
        QCOMPARE(report.object(QStringLiteral("txtPrezzo02_B")).text, QString());
        QCOMPARE(report.object(QStringLiteral("txtCodFiscCliente_A")).text, QStringLiteral("C.F.    P.Iva: "));
        QCOMPARE(report.object(QStringLiteral("txtCittaDitta_A")).text, QStringLiteral("  "));
    }

    void pdfHoldsBothCopies()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("poppler-utils is not installed");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Ricevuta.pdf"));
        ReceiptReport::writePdf(fullReceipt(), ReceiptReport::defaultLogo(), path);
        const QString info = pdfInfo(path);
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Title:\\s+Ricevuta\\n"))), qPrintable(info));
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Subject:\\s+Fattura\\n"))), qPrintable(info));
        QVERIFY(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))));

        const QString text = pdfText(path);
        QCOMPARE(text.count(QStringLiteral("COPIA PER IL CLIENTE")), 1);
        QCOMPARE(text.count(QStringLiteral("COPIA PER LA DITTA EMITTENTE")), 1);
        QCOMPARE(text.count(QStringLiteral("Ricevuta n. 12/2024")), 2);
        QCOMPARE(text.count(QRegularExpression(QStringLiteral("Data emissione:\\s+07/03/2024"))), 2);
        QVERIFY(!text.contains(QStringLiteral("<b>")));
        QCOMPARE(text.count(QRegularExpression(QStringLiteral("C\\.F\\.\\s+P\\.Iva: 09876543210"))), 2);
        QCOMPARE(text.count(QRegularExpression(QStringLiteral("C\\.F\\. BLLVST80A01H501Z\\s+P\\.Iva: 01234567890"))), 2);
        for (int n = 1; n <= 30; ++n) {
            const QString nn = QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
            // Each row holds the line of both copies, description then amount.
            const QRegularExpression row(QStringLiteral("Servizio riga %1\\s+%2,00\\s+Servizio riga %1\\s+%2,00\\n")
                                             .arg(nn)
                                             .arg(n));
            QVERIFY2(text.contains(row), qPrintable(QStringLiteral("row %1 missing").arg(nn)));
        }
    }

    void logoFallsBackToTheDefault()
    {
        QTemporaryDir dir;
        ProgramFolder::setOverride(dir.path());
        const QImage fallback = ReceiptReport::defaultLogo();
        QCOMPARE(fallback.size(), QSize(297, 184));
        QCOMPARE(ReceiptReport::logo(), fallback); // missing

        QFile garbage(dir.filePath(QStringLiteral("Logo.bmp")));
        QVERIFY(garbage.open(QIODevice::WriteOnly));
        garbage.write("not a bitmap at all");
        garbage.close();
        QCOMPARE(ReceiptReport::logo(), fallback); // not a bitmap

        QImage red(40, 20, QImage::Format_RGB32);
        red.fill(Qt::red);
        QVERIFY(red.save(dir.filePath(QStringLiteral("Logo.bmp")), "BMP"));
        QCOMPARE(ReceiptReport::logo().size(), QSize(40, 20));
        ProgramFolder::setOverride(QString());
    }
};

QTEST_MAIN(TestReceiptReport)
#include "tst_receiptreport.moc"
