#include "storage/inifile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The preferences file: finding keys as the Windows facility does, writing
// one key without disturbing the rest of the file, encodings, and failures.
class TstIniFile : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_path;

    void put(const QByteArray &bytes)
    {
        QFile f(m_path);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    QByteArray bytes() const
    {
        QFile f(m_path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void init()
    {
        m_path = m_dir.filePath(QStringLiteral("Ostelio.ini"));
        QFile::remove(m_path);
    }

    void read_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");

        const QByteArray sample = "; comment\r\n"
                                  "[Ditta Emittente]\r\n"
                                  "Nome=Hotel Sole\r\n"
                                  "  CAP  =  24100  \r\n"
                                  "Tassa=1,50\r\n"
                                  "\r\n"
                                  "[Numerazione Ricevute]\r\n"
                                  "Inizio=7\r\n"
                                  "Vuoto=\r\n";
        QTest::newRow("plain key") << sample << "Ditta Emittente" << "Nome" << "Hotel Sole";
        QTest::newRow("blanks around key and value") << sample << "Ditta Emittente" << "CAP" << "24100";
        QTest::newRow("section in other case") << sample << "DITTA EMITTENTE" << "tassa" << "1,50";
        QTest::newRow("second section") << sample << "numerazione ricevute" << "INIZIO" << "7";
        QTest::newRow("empty value is not missing") << sample << "Numerazione Ricevute" << "Vuoto" << "";
        QTest::newRow("key of another section") << sample << "Numerazione Ricevute" << "Nome" << "fb";
        QTest::newRow("missing section") << sample << "Accesso" << "Valore" << "fb";
        QTest::newRow("missing key") << sample << "Ditta Emittente" << "Comune" << "fb";
        QTest::newRow("comment is no key") << QByteArray("[A]\n;k=1\nk=2\n") << "A" << ";k" << "fb";
        QTest::newRow("first of repeated keys") << QByteArray("[A]\nk=1\nK=2\n") << "A" << "k" << "1";
        QTest::newRow("first of repeated sections")
            << QByteArray("[A]\nx=1\n[B]\nk=b\n[a]\nk=2\n") << "A" << "k" << "fb";
        QTest::newRow("value keeps its equals signs") << QByteArray("[A]\nk=a=b\n") << "A" << "k" << "a=b";
        QTest::newRow("last line without break") << QByteArray("[A]\nk=1") << "A" << "k" << "1";
        QTest::newRow("lone LF breaks") << QByteArray("[A]\nk=v\n") << "A" << "k" << "v";
        QTest::newRow("ANSI file") << QByteArray("[Numerazione Ricevute]\r\nIndicazione Anno Solare=S\xEC\r\n")
                                   << "Numerazione Ricevute" << "Indicazione Anno Solare" << "Sì";
        QTest::newRow("UTF-8 file") << QByteArray("[A]\r\nk=S\xC3\xAC\r\n") << "A" << "k" << "Sì";
        QTest::newRow("UTF-8 file with BOM") << QByteArray("\xEF\xBB\xBF[A]\r\nk=Citt\xC3\xA0\r\n") << "A" << "k"
                                             << "Città";
        QTest::newRow("accented section name in ANSI") << QByteArray("[Citt\xE0]\nk=1\n") << "CITTÀ" << "k" << "1";
        QTest::newRow("garbage file") << QByteArray("\x00\xFF\x01[[[==]\n\x80\x81", 13) << "A" << "k" << "fb";
    }
    void read()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        put(file);
        QCOMPARE(IniFile::readString(m_path, section, key, QStringLiteral("fb")), expected);
    }

    void readMissingFileGivesFallback()
    {
        QCOMPARE(IniFile::readString(m_path, "A", "k"), QString());
        QCOMPARE(IniFile::readString(m_path, "A", "k", "1"), QStringLiteral("1"));
        // A folder standing where the file should be reads as missing.
        QVERIFY(QDir(m_dir.path()).mkdir("Cartella.ini"));
        QCOMPARE(IniFile::readString(m_dir.filePath("Cartella.ini"), "A", "k", "x"), QStringLiteral("x"));
    }

    void write_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("after");

        QTest::newRow("new file in ANSI")
            << QByteArray() << "Numerazione Ricevute" << "Indicazione Anno Solare" << "Sì"
            << QByteArray("[Numerazione Ricevute]\r\nIndicazione Anno Solare=S\xEC\r\n");
        QTest::newRow("replace keeps the key's spelling and the other lines")
            << QByteArray("; intestazione\r\n[ditta emittente]\r\n  NOME = vecchio\r\nCAP=1\r\n")
            << "Ditta Emittente" << "Nome" << "Nuovo"
            << QByteArray("; intestazione\r\n[ditta emittente]\r\n  NOME =Nuovo\r\nCAP=1\r\n");
        QTest::newRow("new key goes after the section's last line")
            << QByteArray("[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n") << "a" << "k" << "v"
            << QByteArray("[A]\r\nx=1\r\nk=v\r\n\r\n[B]\r\ny=2\r\n");
        QTest::newRow("new key in the last section without final break")
            << QByteArray("[A]\r\nx=1") << "A" << "k" << "v" << QByteArray("[A]\r\nx=1\r\nk=v\r\n");
        QTest::newRow("new section at the end")
            << QByteArray("[Altro]\r\nz=9") << "Nuova" << "k" << "v"
            << QByteArray("[Altro]\r\nz=9\r\n[Nuova]\r\nk=v\r\n");
        QTest::newRow("LF file keeps LF")
            << QByteArray("[A]\nx=1\n") << "B" << "k" << "v" << QByteArray("[A]\nx=1\n[B]\nk=v\n");
        QTest::newRow("replace in last line without break")
            << QByteArray("[A]\r\nk=1") << "A" << "k" << "2" << QByteArray("[A]\r\nk=2");
        QTest::newRow("UTF-8 file stays UTF-8")
            << QByteArray("[A]\r\nc=Citt\xC3\xA0\r\n") << "A" << "k" << "Sì"
            << QByteArray("[A]\r\nc=Citt\xC3\xA0\r\nk=S\xC3\xAC\r\n");
        QTest::newRow("UTF-8 BOM is kept")
            << QByteArray("\xEF\xBB\xBF[A]\r\nk=1\r\n") << "A" << "k" << "Sì"
            << QByteArray("\xEF\xBB\xBF[A]\r\nk=S\xC3\xAC\r\n");
        QTest::newRow("ANSI file keeps undefined bytes of other lines")
            << QByteArray("[A]\r\nz=\x81\x8D\xE0\r\nk=1\r\n") << "A" << "k" << "Sì"
            << QByteArray("[A]\r\nz=\x81\x8D\xE0\r\nk=S\xEC\r\n");
        QTest::newRow("line breaks in a value stay on one line")
            << QByteArray() << "A" << "k" << "uno\r\n[B]\nx=1"
            << QByteArray("[A]\r\nk=uno [B] x=1\r\n");
        QTest::newRow("only the first of repeated keys changes")
            << QByteArray("[A]\r\nk=1\r\nk=2\r\n") << "A" << "K" << "3" << QByteArray("[A]\r\nk=3\r\nk=2\r\n");
    }
    void write()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QByteArray, after);
        if (!before.isEmpty())
            put(before);
        QString error;
        QVERIFY(IniFile::writeString(m_path, section, key, value, &error));
        QVERIFY(error.isEmpty());
        QCOMPARE(bytes(), after);
    }

    // Foreign sections, comments and unknown keys survive a series of
    // writes, and every key reads back as written.
    void roundTripKeepsForeignContent()
    {
        const QByteArray foreign = "; file di prova\r\n"
                                   "[Finestra]\r\n"
                                   "Larghezza=800\r\n"
                                   "# nota libera senza uguale\r\n"
                                   "\r\n"
                                   "[Ditta Emittente]\r\n"
                                   "Sconosciuta=resta\r\n"
                                   "Nome=Vecchio\r\n"
                                   "\r\n"
                                   "[Coda]\r\n"
                                   "Ultima=1\r\n";
        put(foreign);
        const QStringList keys = {"Nome", "Indirizzo", "CAP", "Comune", "Provincia", "Tassa"};
        for (const QString &k : keys)
            QVERIFY(IniFile::writeString(m_path, "Ditta Emittente", k, k + QStringLiteral(" è")));
        QVERIFY(IniFile::writeString(m_path, "Numerazione Ricevute", "Inizio", "5"));

        for (const QString &k : keys)
            QCOMPARE(IniFile::readString(m_path, "ditta emittente", k), k + QStringLiteral(" è"));
        QCOMPARE(IniFile::readString(m_path, "Numerazione Ricevute", "Inizio"), QStringLiteral("5"));
        QCOMPARE(IniFile::readString(m_path, "Ditta Emittente", "Sconosciuta"), QStringLiteral("resta"));
        QCOMPARE(IniFile::readString(m_path, "Finestra", "Larghezza"), QStringLiteral("800"));
        QCOMPARE(IniFile::readString(m_path, "Coda", "Ultima"), QStringLiteral("1"));

        const QByteArray expected = "; file di prova\r\n"
                                    "[Finestra]\r\n"
                                    "Larghezza=800\r\n"
                                    "# nota libera senza uguale\r\n"
                                    "\r\n"
                                    "[Ditta Emittente]\r\n"
                                    "Sconosciuta=resta\r\n"
                                    "Nome=Nome \xE8\r\n"
                                    "Indirizzo=Indirizzo \xE8\r\n"
                                    "CAP=CAP \xE8\r\n"
                                    "Comune=Comune \xE8\r\n"
                                    "Provincia=Provincia \xE8\r\n"
                                    "Tassa=Tassa \xE8\r\n"
                                    "\r\n"
                                    "[Coda]\r\n"
                                    "Ultima=1\r\n"
                                    "[Numerazione Ricevute]\r\n"
                                    "Inizio=5\r\n";
        QCOMPARE(bytes(), expected);
    }

    // A write that cannot be done says so, names the file, and leaves what
    // stands there untouched (these fail for root too).
    void writeFailures()
    {
        QString error;
        const QString folderInTheWay = m_dir.filePath("Cartella.ini");
        QVERIFY(QDir(m_dir.path()).mkpath("Cartella.ini"));
        QVERIFY(!IniFile::writeString(folderInTheWay, "A", "k", "v", &error));
        QVERIFY(error.contains(QDir::toNativeSeparators(folderInTheWay)));
        QVERIFY(QFileInfo(folderInTheWay).isDir());

        error.clear();
        const QString missingFolder = m_dir.filePath("manca/Ostelio.ini");
        QVERIFY(!IniFile::writeString(missingFolder, "A", "k", "v", &error));
        QVERIFY(error.contains(QDir::toNativeSeparators(missingFolder)));

        // A file standing where the folder should be.
        put("[A]\r\nk=1\r\n");
        const QString underFile = m_path + "/Ostelio.ini";
        QVERIFY(!IniFile::writeString(underFile, "A", "k", "v", &error));
        QCOMPARE(bytes(), QByteArray("[A]\r\nk=1\r\n"));
    }

    // The old file is replaced in one step: no scratch file is left beside
    // it after a write.
    void writeLeavesNoScratchFiles()
    {
        put("[A]\r\nk=1\r\n");
        QVERIFY(IniFile::writeString(m_path, "A", "k", "2"));
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), QStringList{"Ostelio.ini"});
    }
};

QTEST_GUILESS_MAIN(TstIniFile)
#include "tst_inifile.moc"
