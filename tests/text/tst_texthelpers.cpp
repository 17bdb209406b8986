#include "text/texthelpers.h"

#include <QTest>

// The small text helpers.
class TstTextHelpers : public QObject
{
    Q_OBJECT

private slots:
    void caseAndTrim_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("upper");
        QTest::addColumn<QString>("lower");
        QTest::addColumn<QString>("trimmed");

        QTest::newRow("accented letter keeps its case") << "rmù" << "RMù" << "rmù" << "rmù";
        QTest::newRow("accented capital") << "CITTÀ e" << "CITTÀ E" << "cittÀ e" << "CITTÀ e";
        QTest::newRow("digits and signs") << "ab-12_z" << "AB-12_Z" << "ab-12_z" << "ab-12_z";
        QTest::newRow("control characters at ends") << "\t\r\n x \x01" << "\t\r\n X \x01"
                                                    << "\t\r\n x \x01" << "x";
        QTest::newRow("non-breaking space is not trimmed") << "\u00A0a\u00A0" << "\u00A0A\u00A0"
                                                           << "\u00A0a\u00A0" << "\u00A0a\u00A0";
        QTest::newRow("sharp s and ÿ stay") << "ßÿ" << "ßÿ" << "ßÿ" << "ßÿ";
        QTest::newRow("empty") << "" << "" << "" << "";
    }
    void caseAndTrim()
    {
        QFETCH(QString, text);
        QFETCH(QString, upper);
        QFETCH(QString, lower);
        QFETCH(QString, trimmed);
        QCOMPARE(Text::upperAZ(text), upper);
        QCOMPARE(Text::lowerAZ(text), lower);
        QCOMPARE(Text::trim(text), trimmed);
    }

    void parts()
    {
        QCOMPARE(Text::leftPart(u"Ostelio", 3), QStringLiteral("Ost"));
        QCOMPARE(Text::rightPart(u"Ostelio", 3), QStringLiteral("lio"));
        QCOMPARE(Text::leftPart(u"ab", 5), QStringLiteral("ab"));
        QCOMPARE(Text::rightPart(u"ab", 5), QStringLiteral("ab"));
        QCOMPARE(Text::leftPart(u"ab", 0), QString());
        QCOMPARE(Text::rightPart(u"ab", -1), QString());
    }

    void allDigits_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("digits");
        QTest::newRow("digits") << "0123456789" << true;
        QTest::newRow("empty") << "" << true;
        QTest::newRow("blank") << "12 3" << false;
        QTest::newRow("letter") << "12a" << false;
        QTest::newRow("sign") << "-1" << false;
        QTest::newRow("arabic-indic digit") << "\u0661" << false;
    }
    void allDigits()
    {
        QFETCH(QString, text);
        QFETCH(bool, digits);
        QCOMPARE(Text::allDigits(text), digits);
    }
};

QTEST_GUILESS_MAIN(TstTextHelpers)
#include "tst_texthelpers.moc"
