#include "access/crypt.h"

#include <QTest>

// Cipher texts worked out by hand from the cipher's rule (start key 5890,
// multiplier 60394, addend 37158, key moved on by the enciphered byte), so
// that Password files written by earlier installations keep their meaning.
class TestCrypt : public QObject
{
    Q_OBJECT

private slots:
    void knownCipherTexts_data();
    void knownCipherTexts();
    void roundTrip_data();
    void roundTrip();
    void lowerCaseDigitsAccepted();
    void oddDigitIgnored();
    void nonHexIsAnError_data();
    void nonHexIsAnError();
    void onlyTheLowByteCounts();
};

namespace {

QString allLatin1()
{
    QString s;
    for (int c = 1; c <= 255; ++c)
        s.append(QChar(c));
    return s;
}

} // namespace

void TestCrypt::knownCipherTexts_data()
{
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("hex");

    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("one letter") << "A" << "56";
    QTest::newRow("initial password") << "BERGAMOTTOLINO" << "55869ECF99C707045E48E85B5618";
    QTest::newRow("PASSWORD") << "PASSWORD" << "479D97E469B0F23D";
    QTest::newRow("accents and a blank") << QString::fromUtf8("CAFÉ ÀÈÌÒÙ ÿ") << "54965FFB915F4328714B4204";
    QTest::newRow("top byte") << QString::fromUtf8("ÿÿÿ") << "E8C4AA";
    QTest::newRow("every byte 1 to 255")
        << allLatin1()
        << "16B7EEDF12DDD756D3F1E6103A34D09834A4041AB244A169606563F9FD130CC4BCA8F854E2EFF9F8DDDF984FC30ABF8AC31E8E4A5E"
           "B731E8C3BC7CE5A17AC24215EF23EA003C850A692C74407F34371E5C5FD9B0C381380897CF5970409564522CA79511A62638DDD673"
           "219EBC0E549CC48544FE4B4AED9B15DDE275B40837935926CC57A4C9644A04139FB025C272A0A7444436C6FECF434585FC103D132D"
           "DF35521BB48FC4B9B69F717D386E9CC989214B090F9DFD0ADEFE7323CC24B1241ACA809F402248BD19AB1274294ED8E727D767C6CE"
           "01ACC019151617D4E31F17BB5C845407EDDB94D760767481E4AB96D4EA5D2394CEAC4DC1F45D063F71E38B";
}

void TestCrypt::knownCipherTexts()
{
    QFETCH(QString, plain);
    QFETCH(QString, hex);
    QCOMPARE(Crypt::Encipher(plain), hex);
    const auto back = Crypt::Decipher(hex);
    QVERIFY(back.has_value());
    QCOMPARE(*back, plain);
}

void TestCrypt::roundTrip_data()
{
    QTest::addColumn<QString>("plain");

    QTest::newRow("empty") << QString();
    QTest::newRow("blank") << " ";
    QTest::newRow("NUL byte") << QString(QChar(0));
    QTest::newRow("lower case") << "bergamottolino";
    QTest::newRow("Latin-1 letters") << QString::fromUtf8("àéîõüßñçÆØÞð¿¡«»µ");
    QTest::newRow("all bytes") << allLatin1();
    QString maxLength;
    for (int i = 0; i < 255; ++i)
        maxLength.append(QChar(255 - i));
    QTest::newRow("255 characters descending") << maxLength;
    QTest::newRow("255 same characters") << QString(255, QChar(u'Z'));
    QTest::newRow("254 and a half") << QString(254, QChar(0xA0)) + QChar(u'~');
}

void TestCrypt::roundTrip()
{
    QFETCH(QString, plain);
    const QString hex = Crypt::Encipher(plain);
    QCOMPARE(hex.size(), plain.size() * 2);
    for (QChar c : hex)
        QVERIFY2((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F'), qPrintable(hex));
    QCOMPARE(Crypt::Decipher(hex).value_or(QStringLiteral("<error>")), plain);
}

void TestCrypt::lowerCaseDigitsAccepted()
{
    QCOMPARE(Crypt::Decipher(u"55869ecf99c707045e48e85b5618").value_or(QString()), QStringLiteral("BERGAMOTTOLINO"));
}

void TestCrypt::oddDigitIgnored()
{
    QCOMPARE(Crypt::Decipher(u"55869ECF99C707045E48E85B56187").value_or(QString()), QStringLiteral("BERGAMOTTOLINO"));
    QCOMPARE(Crypt::Decipher(u"5").value_or(QStringLiteral("<error>")), QString());
    // Even a non-hexadecimal odd last digit is never read.
    QCOMPARE(Crypt::Decipher(u"56Z").value_or(QString()), QStringLiteral("A"));
}

void TestCrypt::nonHexIsAnError_data()
{
    QTest::addColumn<QString>("stored");

    QTest::newRow("plain word") << "bergamottolino";
    QTest::newRow("bad pair at the end") << "55869ECF99C707045E48E85B56G8";
    QTest::newRow("blank inside") << "5586 ECF";
    QTest::newRow("sign") << "-1";
    QTest::newRow("full-width digit") << QString::fromUtf8("5５");
}

void TestCrypt::nonHexIsAnError()
{
    QFETCH(QString, stored);
    QVERIFY(!Crypt::Decipher(stored).has_value());
}

void TestCrypt::onlyTheLowByteCounts()
{
    // A character beyond Latin-1 is enciphered as its low byte.
    QCOMPARE(Crypt::Encipher(QString(QChar(0x20AC))), Crypt::Encipher(QString(QChar(0xAC))));
}

QTEST_GUILESS_MAIN(TestCrypt)
#include "tst_crypt.moc"
