#include "tables/validators.h"

#include <QTest>

using namespace Validators;

// Reference values worked out by hand from the published rules of each
// identifier, not by these functions.
class TestValidators : public QObject
{
    Q_OBJECT

private slots:
    void taxCode_data();
    void taxCode();
    void taxCodeCheckLetterBounds();
    void vatNumber_data();
    void vatNumber();
    void vatOffices_data();
    void vatOffices();
    void taxCodeButtonRouting_data();
    void taxCodeButtonRouting();
    void cardCheck_data();
    void cardCheck();
    void cardType_data();
    void cardType();
    void iban_data();
    void iban();
    void remainderPiecewise_data();
    void remainderPiecewise();
};

void TestValidators::taxCode_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("valid");

    QTest::newRow("known good") << "RSSMRA85T10A562S" << true;
    QTest::newRow("sum multiple of 26: A") << "BNCLRA70A01H006A" << true;
    QTest::newRow("remainder 25: Z") << "BNCLRA70A01H015Z" << true;
    QTest::newRow("digits replaced by letters, right letter") << "MRTMTT25D09F205Z" << true;
    QTest::newRow("last letter changed") << "RSSMRA85T10A562T" << false;
    QTest::newRow("A changed to B") << "BNCLRA70A01H006B" << false;
    QTest::newRow("Z changed to Y") << "BNCLRA70A01H015Y" << false;
    QTest::newRow("one body character changed") << "RSSMRA85T11A562S" << false;
    QTest::newRow("two characters swapped") << "RSSMRA58T10A562S" << false;
    QTest::newRow("lower case is not upper-cased here") << "rssmra85t10a562s" << false;
    QTest::newRow("character outside 0-9 A-Z") << "RSSMRA85T10A5-2S" << false;
    QTest::newRow("15 characters") << "RSSMRA85T10A562" << false;
    QTest::newRow("17 characters") << "RSSMRA85T10A562SX" << false;
    QTest::newRow("empty") << "" << false;
}

void TestValidators::taxCode()
{
    QFETCH(QString, code);
    QFETCH(bool, valid);
    QCOMPARE(isValidTaxCode(code), valid);
}

void TestValidators::taxCodeCheckLetterBounds()
{
    QCOMPARE(taxCodeCheckLetter(u"BNCLRA70A01H006"), QChar(u'A'));
    QCOMPARE(taxCodeCheckLetter(u"BNCLRA70A01H015"), QChar(u'Z'));
    QVERIFY(taxCodeCheckLetter(u"BNCLRA70A01H00").isNull());
    QVERIFY(taxCodeCheckLetter(u"BNCLRA70A01H00\u00c8").isNull());
}

void TestValidators::vatNumber_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<bool>("valid");

    QTest::newRow("known good") << "00743110157" << true;
    QTest::newRow("all zeros") << "00000000000" << true;
    QTest::newRow("office 096") << "12345670967" << true;
    QTest::newRow("office 120") << "01234561205" << true;
    QTest::newRow("check digit changed") << "00743110158" << false;
    QTest::newRow("odd position changed") << "10743110157" << false;
    QTest::newRow("even position changed") << "01743110157" << false;
    QTest::newRow("adjacent digits swapped") << "00734110157" << false;
    QTest::newRow("10 digits") << "0074311015" << false;
    QTest::newRow("12 digits") << "007431101570" << false;
    QTest::newRow("a letter among 11") << "0074311O157" << false;
    QTest::newRow("a blank among 11") << "0074311 157" << false;
}

void TestValidators::vatNumber()
{
    QFETCH(QString, number);
    QFETCH(bool, valid);
    QCOMPARE(isValidVatNumber(number), valid);
}

void TestValidators::vatOffices_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("office");

    QTest::newRow("001") << "001" << "Torino";
    QTest::newRow("015") << "015" << "Milano 1";
    QTest::newRow("040") << "040" << QString::fromUtf8("Forlì");
    QTest::newRow("096") << "096" << "Monza (Milano 2)";
    QTest::newRow("102") << "102" << "Napoli 2";
    QTest::newRow("120") << "120" << "Bologna 2";
    QTest::newRow("121") << "121" << "Napoli 2";
    QTest::newRow("000 not in the table") << "000" << QString();
    QTest::newRow("103 not in the table") << "103" << QString();
    QTest::newRow("119 not in the table") << "119" << QString();
    QTest::newRow("122 not in the table") << "122" << QString();
    QTest::newRow("999 not in the table") << "999" << QString();
}

void TestValidators::vatOffices()
{
    QFETCH(QString, code);
    QFETCH(QString, office);
    QCOMPARE(vatOfficeName(code), office);
}

void TestValidators::taxCodeButtonRouting_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("vat");

    QTest::newRow("digits only") << "00743110157" << true;
    QTest::newRow("a few digits") << "123" << true;
    QTest::newRow("tax code") << "RSSMRA85T10A562S" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("digits with a blank") << "0074 3110157" << false;
}

void TestValidators::taxCodeButtonRouting()
{
    QFETCH(QString, text);
    QFETCH(bool, vat);
    QCOMPARE(belongsToVatCheck(text), vat);
}

void TestValidators::cardCheck_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("code");

    QTest::newRow("Visa") << "4111111111111111" << 2;
    QTest::newRow("Visa with blanks between groups") << "4111 1111 1111 1111" << 2;
    QTest::newRow("Visa with dashes") << "4111-1111-1111-1111" << 2;
    QTest::newRow("MasterCard") << "5555555555554444" << 3;
    QTest::newRow("Discover") << "6011111111111117" << 4;
    QTest::newRow("American Express") << "378282246310005" << 1;
    QTest::newRow("JCB") << "3530111333300000" << 1;
    QTest::newRow("Diners") << "30569309025904" << 1;
    QTest::newRow("25 digits, first 20 right") << "4111111111111111111512345" << 2;
    QTest::newRow("25 digits, right only as a whole") << "4111111111111111111122225" << 0;
    QTest::newRow("last digit changed") << "4111111111111112" << 0;
    QTest::newRow("middle digit changed") << "4111111121111111" << 0;
    QTest::newRow("starts with 2") << "2000000000000006" << 0;
    QTest::newRow("starts with 7") << "7000000000000005" << 5;
    QTest::newRow("starts with 0") << "0000000000000000" << -2;
    QTest::newRow("no digits") << "abcd" << 0;
    QTest::newRow("empty") << "" << 0;
}

void TestValidators::cardCheck()
{
    QFETCH(QString, text);
    QFETCH(int, code);
    QCOMPARE(CardCheck(text), code);
}

void TestValidators::cardType_data()
{
    QTest::addColumn<QString>("digits");
    QTest::addColumn<QString>("type");

    QTest::newRow("30") << "30569309025904" << "Diner's Club / Carte Blanche";
    QTest::newRow("36") << "3600000000000008" << "Diner's Club / Carte Blanche";
    QTest::newRow("38") << "3800000000000006" << "Diner's Club / Carte Blanche";
    QTest::newRow("34") << "3400000000000000" << "American Express";
    QTest::newRow("37") << "378282246310005" << "American Express";
    QTest::newRow("31") << "3100000000000003" << "JCB";
    QTest::newRow("33") << "3300000000000001" << "JCB";
    QTest::newRow("35") << "3530111333300000" << "JCB";
    QTest::newRow("32") << "3200000000000002" << QString();
    QTest::newRow("39") << "3900000000000005" << QString();
    QTest::newRow("4") << "4111111111111111" << "Visa";
    QTest::newRow("5") << "5555555555554444" << "MasterCard";
    QTest::newRow("6") << "6011111111111117" << "Discover";
    QTest::newRow("7") << "7000000000000005" << QString();
}

void TestValidators::cardType()
{
    QFETCH(QString, digits);
    QFETCH(QString, type);
    QCOMPARE(cardTypeName(digits), type);
}

void TestValidators::iban_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");

    QTest::newRow("known good") << "IT60X0542811101000000123456" << true;
    QTest::newRow("lower case") << "it60x0542811101000000123456" << true;
    QTest::newRow("with blanks") << "IT60 X054 2811 1010 0000 0123 456" << true;
    QTest::newRow("27 characters with a blank") << "IT60X054281110 000000123456" << false;
    QTest::newRow("with the word IBAN") << "IBAN IT60X0542811101000000123456" << true;
    QTest::newRow("last digit changed") << "IT60X0542811101000000123457" << false;
    QTest::newRow("check digits changed") << "IT61X0542811101000000123456" << false;
    QTest::newRow("CIN letter changed") << "IT60Y0542811101000000123456" << false;
    QTest::newRow("a character neither digit nor letter") << "IT60X054281110100000012345-" << false;
    QTest::newRow("an accented letter") << QString::fromUtf8("IT60X054281110100000012345È") << false;
    QTest::newRow("German") << "DE89370400440532013000" << true;
    QTest::newRow("empty") << "" << false;
}

void TestValidators::iban()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QCOMPARE(IbanCheck(text), valid);
}

void TestValidators::remainderPiecewise_data()
{
    QTest::addColumn<QString>("digits");
    QTest::addColumn<int>("remainder");

    // Remainders of the whole numbers, worked out with arbitrary precision.
    QTest::newRow("one digit") << "7" << 7;
    QTest::newRow("nine digits") << "999999999" << 999999999 % 97;
    QTest::newRow("ten digits") << "1000000000" << 1000000000LL % 97;
    QTest::newRow("carry of one digit") << "97000000001" << 1;
    QTest::newRow("leading zeros") << "000000000000000000097" << 0;
    QTest::newRow("Italian IBAN rearranged") << "330542811101000000123456182960" << 1;
    QTest::newRow("40 digits") << "1234567890123456789012345678901234567890" << 28;
    QTest::newRow("not digits") << "12a4" << -1;
}

void TestValidators::remainderPiecewise()
{
    QFETCH(QString, digits);
    QFETCH(int, remainder);
    QCOMPARE(remainder97(digits), remainder);
}

QTEST_GUILESS_MAIN(TestValidators)
#include "tst_validators.moc"
