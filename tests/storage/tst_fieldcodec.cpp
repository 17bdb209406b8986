#include "storage/ansicodec.h"
#include "storage/fieldcodec.h"

#include <QTest>

class TstFieldCodec : public QObject
{
    Q_OBJECT
private slots:
    void store_data();
    void store();
    void read_data();
    void read();
    void everyByteSurvivesReadAndWrite();
};

void TstFieldCodec::store_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("capacity");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("plain") << "Rossi" << 10 << QByteArray("Rossi");
    QTest::newRow("blanks at both ends go, inner blanks stay") << "  Via  Roma 1 \t" << 20 << QByteArray("Via  Roma 1");
    QTest::newRow("control characters at the ends go") << "\r\nNote\x01" << 10 << QByteArray("Note");
    QTest::newRow("cut to capacity") << "abcdefghij" << 4 << QByteArray("abcd");
    QTest::newRow("cut after trimming") << "   abcdef" << 3 << QByteArray("abc");
    QTest::newRow("yes flag in one byte") << QString::fromUtf8("Sì") << 2 << QByteArray("S\xEC");
    QTest::newRow("euro and quotes") << QString::fromUtf8("€ “x”") << 10 << QByteArray("\x80 \x93x\x94");
    QTest::newRow("accented letters of the code page") << QString::fromUtf8("àèéìòù ÀÉ") << 20 << QByteArray("\xE0\xE8\xE9\xEC\xF2\xF9 \xC0\xC9");
    QTest::newRow("similar letter by removing the accent") << QString::fromUtf8("Āčō") << 10 << QByteArray("Aco");
    QTest::newRow("similar letter from the table") << QString::fromUtf8("Łódź") << 10 << QByteArray("L\xF3" "dz");
    QTest::newRow("ideograph becomes ?") << QString::fromUtf8("東京") << 10 << QByteArray("??");
    QTest::newRow("a character beyond 16 bits is one ?") << QString::fromUtf8("a😀b") << 10 << QByteArray("a?b");
    QTest::newRow("empty") << QString() << 5 << QByteArray();
    QTest::newRow("only blanks") << "     " << 5 << QByteArray();
}

void TstFieldCodec::store()
{
    QFETCH(QString, text);
    QFETCH(int, capacity);
    QFETCH(QByteArray, bytes);
    QCOMPARE(FieldCodec::storedBytes(text, capacity), bytes);

    // The field on disk: length byte, text, zeros to the capacity.
    QByteArray field(capacity + 1, '\x55');
    FieldCodec::write(field.data(), capacity, text);
    QCOMPARE(static_cast<unsigned char>(field.at(0)), bytes.size());
    QCOMPARE(field.mid(1, bytes.size()), bytes);
    QCOMPARE(field.mid(1 + bytes.size()), QByteArray(capacity - bytes.size(), '\0'));
}

void TstFieldCodec::read_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<int>("capacity");
    QTest::addColumn<QString>("text");

    QTest::newRow("length byte bounds the text") << QByteArray("\x03" "abcdef") << 6 << "abc";
    QTest::newRow("stored blanks are trimmed") << QByteArray("\x06  ab  ") << 6 << "ab";
    QTest::newRow("yes flag") << QByteArray("\x02S\xEC") << 2 << QString::fromUtf8("Sì");
    QTest::newRow("length beyond capacity reads the capacity") << QByteArray("\xFF" "abcd") << 4 << "abcd";
    QTest::newRow("empty") << QByteArray("\x00xyz", 4) << 3 << "";
    QTest::newRow("euro sign") << QByteArray("\x04\x80 10") << 4 << QString::fromUtf8("€ 10");
}

void TstFieldCodec::read()
{
    QFETCH(QByteArray, field);
    QFETCH(int, capacity);
    QFETCH(QString, text);
    QCOMPARE(FieldCodec::read(field.constData(), capacity), text);
}

void TstFieldCodec::everyByteSurvivesReadAndWrite()
{
    // Any byte another program stored reads as a character that is stored
    // back as the same byte, the five bytes the code page leaves undefined
    // included.
    for (int b = 0x21; b <= 0xFF; ++b) {
        const QByteArray one(1, static_cast<char>(b));
        QCOMPARE(AnsiCodec::encode(AnsiCodec::decode(one)), one);
    }
}

QTEST_GUILESS_MAIN(TstFieldCodec)
#include "tst_fieldcodec.moc"
