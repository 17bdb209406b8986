#include "../receipts/pdftext.h"
#include "../receipts/receiptfixture.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

// ostelio-tool pdf: a stored receipt written as the receipt PDF.
class TestPdfVerb : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_archive;

    int tool(const QStringList &arguments, QString *err = nullptr)
    {
        QProcess p;
        p.setWorkingDirectory(m_dir.path());
        p.start(QStringLiteral(OSTELIO_TOOL), arguments);
        p.waitForFinished(60000);
        if (err)
            *err = QString::fromUtf8(p.readAllStandardError());
        return p.exitCode();
    }

private slots:
    void initTestCase()
    {
        m_archive = m_dir.filePath(QStringLiteral("2024.ric"));
        appendReceipts(m_archive, {receipt({{"NumRic", "1"}, {"Data", "05/01/2024"}, {"Cliente", "Rossi Mario"}}),
                                   receipt({{"NumRic", "2/2024"}, {"Data", "06/01/2024"}, {"Cliente", "Bianchi Anna"},
                                            {"CodFiscDitta", "BLLVST80A01H501Z"}, {"IvaDitta", "01234567890"},
                                            {"Desc01", "Pernottamento"}, {"Prezzo01", "80,00"},
                                            {"Desc30", "Ultima riga"}, {"Prezzo30", "1,00"},
                                            {"Totale", "81,00"}, {"Saldata", "Sì"}})});
    }

    void writesTheStoredReceipt()
    {
        const QString out = m_dir.filePath(QStringLiteral("copia.pdf"));
        QCOMPARE(tool({"pdf", m_archive, "2", "-o", out}), 0);
        const QString text = pdfText(out);
        QCOMPARE(text.count(QStringLiteral("Ricevuta n. 2/2024")), 2);
        QCOMPARE(text.count(QRegularExpression(QStringLiteral("Data emissione:\\s+06/01/2024"))), 2);
        QCOMPARE(text.count(QStringLiteral("Bianchi Anna")), 2);
        QCOMPARE(text.count(QRegularExpression(QStringLiteral("Pernottamento\\s+80,00"))), 2);
        QCOMPARE(text.count(QRegularExpression(QStringLiteral("Ultima riga\\s+1,00"))), 2);
        QCOMPARE(text.count(QRegularExpression(QStringLiteral("C\\.F\\. BLLVST80A01H501Z\\s+P\\.Iva: 01234567890"))), 2);
        QVERIFY(!text.contains(QStringLiteral("Rossi")));
        const QString info = pdfInfo(out);
        QVERIFY(info.contains(QRegularExpression(QStringLiteral("Title:\\s+Ricevuta\\n"))));
        QVERIFY(info.contains(QRegularExpression(QStringLiteral("Subject:\\s+Fattura\\n"))));
    }

    void defaultsToRicevutaPdfHere()
    {
        QCOMPARE(tool({"pdf", m_archive, "1"}), 0);
        QCOMPARE(pdfText(m_dir.filePath(QStringLiteral("Ricevuta.pdf"))).count(QStringLiteral("Rossi Mario")), 2);
    }

    void refused_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("past the end") << QStringList{"pdf", "ARCHIVE", "3", "-o", "x.pdf"} << "holds 2 receipts";
        QTest::newRow("zero") << QStringList{"pdf", "ARCHIVE", "0", "-o", "x.pdf"} << "whole number from 1";
        QTest::newRow("not a number") << QStringList{"pdf", "ARCHIVE", "due", "-o", "x.pdf"} << "whole number from 1";
        QTest::newRow("missing position") << QStringList{"pdf", "ARCHIVE"} << "usage";
        QTest::newRow("bad option") << QStringList{"pdf", "ARCHIVE", "1", "-x", "x.pdf"} << "usage";
        QTest::newRow("not an archive") << QStringList{"pdf", "Clienti.txt", "1", "-o", "x.pdf"} << "";
    }

    void refused()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        arguments.replaceInStrings(QStringLiteral("ARCHIVE"), m_archive);
        QString err;
        QCOMPARE(tool(arguments, &err), 2);
        QVERIFY2(err.contains(message), qPrintable(err));
        QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("x.pdf"))));
    }
};

QTEST_MAIN(TestPdfVerb)
#include "tst_pdfverb.moc"
