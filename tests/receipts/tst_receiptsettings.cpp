#include "app/programfolder.h"
#include "receipts/logo.h"
#include "receipts/receiptsettings.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>

// The receipts' preferences in the Settings file, the number proposed for a
// new receipt, and the logo file.
class TstReceiptSettings : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir *m_dir = nullptr;

    QByteArray settingsBytes() const
    {
        QFile f(ReceiptSettings::path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void putSettings(const QByteArray &bytes)
    {
        QFile f(ReceiptSettings::path());
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }

private slots:
    void init()
    {
        m_dir = new QTemporaryDir;
        ProgramFolder::setOverride(m_dir->path());
    }
    void cleanup()
    {
        ProgramFolder::setOverride(QString());
        delete m_dir;
    }

    void issuerRoundTrip()
    {
        QCOMPARE(ReceiptSettings::path(), m_dir->path() + "/Ostelio.ini");
        // Nothing stored: every field empty.
        const auto empty = ReceiptSettings::readIssuer();
        QCOMPARE(empty.size(), 10);
        for (const auto &e : ReceiptSettings::issuerEntries())
            QCOMPARE(empty.value(e.control), QString());

        QHash<QString, QString> values{{"txtDitta", "  Albergo Città  "}, {"txtViaDitta", "Via Roma 1"},
                                       {"txtCapDitta", "24100"},          {"txtCittaDitta", "Bergamo"},
                                       {"txtProvDitta", "BG"},            {"txtIvaDitta", "01234567890"},
                                       {"txtCodFiscDitta", "RSSMRA80A01H501U"}, {"txtLibero01", "Tel. 035"},
                                       {"txtTassa", "1,50"}};
        QVERIFY(ReceiptSettings::writeIssuer(values));
        QCOMPARE(settingsBytes(), QByteArray("[Ditta Emittente]\r\n"
                                             "Nome=Albergo Citt\xE0\r\n"
                                             "Indirizzo=Via Roma 1\r\n"
                                             "CAP=24100\r\n"
                                             "Comune=Bergamo\r\n"
                                             "Provincia=BG\r\n"
                                             "Partita IVA=01234567890\r\n"
                                             "Codice Fiscale=RSSMRA80A01H501U\r\n"
                                             "Campo Libero 1=Tel. 035\r\n"
                                             "Campo Libero 2=\r\n"
                                             "Tassa=1,50\r\n"));
        const auto back = ReceiptSettings::readIssuer();
        QCOMPARE(back.value("txtDitta"), QStringLiteral("Albergo Città"));
        QCOMPARE(back.value("txtTassa"), QStringLiteral("1,50"));
        QCOMPARE(back.value("txtLibero02"), QString());
    }

    void issuerWriteFailureNamesTheFile()
    {
        QVERIFY(QDir(m_dir->path()).mkdir("Ostelio.ini"));
        QString error;
        QVERIFY(!ReceiptSettings::writeIssuer({{"txtDitta", "x"}}, &error));
        QVERIFY(error.contains(QDir::toNativeSeparators(ReceiptSettings::path())));
    }

    void numberingKeys_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("start");
        QTest::addColumn<bool>("withYear");
        QTest::newRow("no file") << QByteArray() << "" << false;
        QTest::newRow("both set") << QByteArray("[Numerazione Ricevute]\r\nInizio= 100 \r\n"
                                                "Indicazione Anno Solare=S\xEC\r\n")
                                  << "100" << true;
        QTest::newRow("no means no") << QByteArray("[numerazione ricevute]\r\nindicazione anno solare=No\r\n")
                                     << "" << false;
        QTest::newRow("other text means no") << QByteArray("[Numerazione Ricevute]\r\nIndicazione Anno Solare=Si\r\n")
                                             << "" << false;
        QTest::newRow("UTF-8 yes") << QByteArray("[Numerazione Ricevute]\r\nIndicazione Anno Solare=S\xC3\xAC\r\n")
                                   << "" << true;
    }
    void numberingKeys()
    {
        QFETCH(QByteArray, file);
        if (!file.isEmpty())
            putSettings(file);
        QTEST(ReceiptSettings::startNumber(), "start");
        QTEST(ReceiptSettings::yearInNumber(), "withYear");
    }

    void writeNumberingCreatesTwoKeys()
    {
        QVERIFY(ReceiptSettings::writeNumbering(" 12 ", true));
        QCOMPARE(settingsBytes(),
                 QByteArray("[Numerazione Ricevute]\r\nInizio=12\r\nIndicazione Anno Solare=S\xEC\r\n"));
        QVERIFY(ReceiptSettings::writeNumbering("3", false));
        QCOMPARE(settingsBytes(), QByteArray("[Numerazione Ricevute]\r\nInizio=3\r\nIndicazione Anno Solare=No\r\n"));
    }

    void proposedNumber_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("year");
        QTest::addColumn<qint64>("count");
        QTest::addColumn<QString>("number"); // empty when refused

        QTest::newRow("defaults, empty archive") << "" << "" << qint64(0) << "1";
        QTest::newRow("twelve receipts") << "1" << "No" << qint64(12) << "13";
        QTest::newRow("with the year") << "1" << "Sì" << qint64(12) << "13/2024";
        QTest::newRow("year option trimmed") << "1" << " Sì " << qint64(0) << "1/2024";
        QTest::newRow("starting at 100") << "100" << "" << qint64(12) << "112";
        QTest::newRow("starting at 0") << "0" << "" << qint64(0) << "0";
        QTest::newRow("leading zeros") << "007" << "" << qint64(1) << "8";
        QTest::newRow("blanks") << "  5 " << "" << qint64(0) << "5";
        QTest::newRow("not a number") << "abc" << "" << qint64(0) << "";
        QTest::newRow("decimals") << "1,5" << "" << qint64(0) << "";
        QTest::newRow("too large") << "99999999999999999999" << "" << qint64(0) << "";
    }
    void proposedNumber()
    {
        QFETCH(QString, start);
        QFETCH(QString, year);
        QFETCH(qint64, count);
        QFETCH(QString, number);
        const auto proposed = ReceiptSettings::proposedNumber(start, year, count, QStringLiteral("2024"));
        QCOMPARE(proposed.value_or(QString()), number);
    }

    // The logo file: the default logo when missing or unreadable, saved in
    // the bitmap format at the picture's own size.
    void logoFile()
    {
        const QImage fallback = Logo::defaultLogo();
        QCOMPARE(fallback.size(), QSize(297, 184));
        // Blue dominates the drawing: the sign is there.
        int blue = 0;
        for (int y = 0; y < fallback.height(); ++y)
            for (int x = 0; x < fallback.width(); ++x) {
                const QColor c = fallback.pixelColor(x, y);
                if (c.blue() > 150 && c.red() < 100)
                    ++blue;
            }
        QVERIFY(blue > 2000);

        QCOMPARE(Logo::load(), fallback);
        QFile text(Logo::path());
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("questo non è un bitmap\r\n");
        text.close();
        QCOMPARE(Logo::load(), fallback);

        QVERIFY(Logo::save(Logo::blank()));
        QImageReader reader(Logo::path());
        reader.setDecideFormatFromContent(true);
        QCOMPARE(reader.format(), QByteArray("bmp"));
        QCOMPARE(reader.size(), QSize(2, 2));
        QCOMPARE(Logo::load().pixelColor(1, 1), QColor(Qt::white));

        QVERIFY(QFile::remove(Logo::path()));
        QVERIFY(QDir(m_dir->path()).mkdir("Logo.bmp"));
        QVERIFY(!Logo::save(Logo::blank()));
        QCOMPARE(Logo::load(), fallback);
    }
};

QTEST_GUILESS_MAIN(TstReceiptSettings)
#include "tst_receiptsettings.moc"
