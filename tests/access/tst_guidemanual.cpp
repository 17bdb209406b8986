#include "access/guidemanual.h"
#include "access/guidetopics.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(GuideTopic)

// The guide topics and the manual written from them.
class TestGuideManual : public QObject
{
    Q_OBJECT
private slots:
    void topicsHaveTheirTitlesAndParagraphs_data()
    {
        QTest::addColumn<GuideTopic>("topic");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("minParagraphs");
        QTest::addColumn<int>("maxParagraphs");
        QTest::newRow("launcher") << GuideTopics::overview() << QStringLiteral("Uno sguardo a Ostelio.") << 15 << 40;
        QTest::newRow("customers") << GuideTopics::customers() << QStringLiteral("Applicazione Anagrafica Clienti.") << 5 << 20;
        QTest::newRow("price list") << GuideTopics::priceList()
                                    << QStringLiteral("Applicazione Tariffario prodotti e servizi.") << 5 << 5;
        QTest::newRow("receipts") << GuideTopics::receipts() << QStringLiteral("Applicazione Emissione ricevute.") << 5 << 20;
        QTest::newRow("charts") << GuideTopics::charts() << QStringLiteral("Grafici statistici incassi mensili.") << 2 << 6;
        QTest::newRow("summaries") << GuideTopics::summaries() << QStringLiteral("Riepiloghi ricevute emesse.") << 2 << 6;
        QTest::newRow("receipts export") << GuideTopics::receiptsExport()
                                         << QStringLiteral("Esportazione archivio ricevute in Microsoft Excel.") << 3 << 3;
        QTest::newRow("customers export") << GuideTopics::customersExport()
                                          << QStringLiteral("Esportazione archivio Clienti in Microsoft Excel.") << 3 << 3;
        QTest::newRow("price list export")
            << GuideTopics::priceListExport()
            << QStringLiteral("Esportazione tariffario prodotti e servizi in Microsoft Excel.") << 3 << 3;
    }
    void topicsHaveTheirTitlesAndParagraphs()
    {
        QFETCH(GuideTopic, topic);
        QFETCH(QString, title);
        QFETCH(int, minParagraphs);
        QFETCH(int, maxParagraphs);
        QCOMPARE(topic.title, title);
        // Paragraphs are separated by one empty line, CR LF CR LF, and by
        // nothing else.
        const QStringList parts = topic.text.split(QStringLiteral("\r\n\r\n"));
        QVERIFY(parts.size() >= minParagraphs && parts.size() <= maxParagraphs);
        for (const QString &part : parts) {
            QVERIFY(!part.trimmed().isEmpty());
            QVERIFY(!part.contains(QLatin1Char('\n')) && !part.contains(QLatin1Char('\r')));
        }
        QCOMPARE(topic.paragraphs(), parts);
    }

    void launcherTopicNamesTheInitialPassword()
    {
        const QString text = GuideTopics::overview().text;
        QVERIFY(text.contains(QStringLiteral("bergamottolino")));
        QVERIFY(text.contains(QStringLiteral("chiavetta USB")));
    }

    void manualIsAPdfWithEveryTopic()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Guida.pdf"));
        QString error;
        QVERIFY2(GuideManual::writeFile(path, &error), qPrintable(error));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("%PDF-"));
        QVERIFY(bytes.trimmed().endsWith("%%EOF"));
        // One chapter per topic, each starting on its own page.
        const qsizetype pages = bytes.count("/Type /Page\n") + bytes.count("/Type /Page ") + bytes.count("/Type/Page\n");
        QVERIFY2(pages >= GuideTopics::all().size() + 1, QByteArray::number(pages).constData());

        // Where the PDF tools are installed, the text reads back.
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty())
            return;
        QProcess process;
        process.start(pdftotext, {path, QStringLiteral("-")});
        QVERIFY(process.waitForFinished(30000));
        const QString text = QString::fromUtf8(process.readAllStandardOutput()).simplified();
        for (const GuideTopic &topic : GuideTopics::all())
            QVERIFY2(text.contains(topic.title), qPrintable(topic.title));
        QVERIFY(text.contains(QStringLiteral("bergamottolino")));
    }

    void manualInAnUnwritablePlaceIsReported()
    {
        QTemporaryDir dir;
        // A folder standing where the file should be.
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Guida.pdf")));
        QString error;
        QVERIFY(!GuideManual::writeFile(dir.filePath(QStringLiteral("Guida.pdf")), &error));
        QVERIFY(!error.isEmpty());
    }
};


QTEST_MAIN(TestGuideManual)
#include "tst_guidemanual.moc"
