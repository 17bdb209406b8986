#include "access/shelllinks.h"

#include <QTest>
#include <QUrlQuery>

// The addresses handed to the desktop: a path reaches it whole, whatever
// characters it holds, and a mail link carries its subject and body intact.
class TestShellLinks : public QObject
{
    Q_OBJECT
private slots:
    void filePathsSurviveAnyCharacter_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("blanks") << QStringLiteral("/home/ufficio/Programmi Ostelio/Guida.pdf");
        QTest::newRow("quotes and shell characters")
            << QStringLiteral("/dati/l'\"archivio\" & co; $(rm -rf ~) `x`/Conto #1 100%.xls");
        QTest::newRow("accents") << QStringLiteral("/dati/Città di Forlì/Cliente_12/carta d'identità.jpg");
    }
    void filePathsSurviveAnyCharacter()
    {
        QFETCH(QString, path);
        const QUrl url = ShellLinks::fileUrl(path);
        QVERIFY(url.isValid());
        QCOMPARE(url.scheme(), QStringLiteral("file"));
        QCOMPARE(url.toLocalFile(), path);
        // What reaches the desktop is a well-formed address: no raw blank,
        // quote or shell character is left in it.
        const QByteArray encoded = url.toEncoded();
        for (char c : {' ', '"', '`', '#'}) {
            QVERIFY2(!encoded.contains(c), encoded.constData());
        }
        QCOMPARE(QUrl::fromEncoded(encoded).toLocalFile(), path);
    }

    void quotedPathIsTakenWithoutTheQuotes()
    {
        const QString path = QStringLiteral("/home/ufficio/Programmi Ostelio/Guida.pdf");
        QCOMPARE(ShellLinks::fileUrl(QLatin1Char('"') + path + QLatin1Char('"')).toLocalFile(), path);
    }

    void mailLinkEncodesSubjectAndBody()
    {
        const QString subject = QStringLiteral("Software Ostelio");
        const QString body = QStringLiteral("Salve, desidererei avere le seguenti informazioni sul software in oggetto:");
        const QUrl url = ShellLinks::mailUrl(QStringLiteral("assistenza@example.org"), subject, body);
        QCOMPARE(url.toString(QUrl::FullyEncoded),
                 QStringLiteral("mailto:assistenza@example.org?subject=Software%20Ostelio"
                                "&body=Salve%2C%20desidererei%20avere%20le%20seguenti%20informazioni%20sul%20software"
                                "%20in%20oggetto%3A"));
        QCOMPARE(url.path(), QStringLiteral("assistenza@example.org"));
        const QUrlQuery query(url);
        QCOMPARE(query.queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded), subject);
        QCOMPARE(query.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded), body);
    }

    void mailLinkKeepsSeparatorsInsideTheTexts()
    {
        // An ampersand or equals sign in the body must not start a new field.
        const QString body = QStringLiteral("Camere & servizi: prezzo=50 € à la carte?");
        const QUrl url = ShellLinks::mailUrl(QStringLiteral("a@example.org"), QStringLiteral("x&y"), body);
        const QUrlQuery query(url);
        QCOMPARE(query.queryItems().size(), 2);
        QCOMPARE(query.queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded), QStringLiteral("x&y"));
        QCOMPARE(query.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded), body);
    }

    void webAddressIsKeptAsWritten()
    {
        QCOMPARE(ShellLinks::webUrl(QStringLiteral("https://www.example.org/ostelio")).toString(),
                 QStringLiteral("https://www.example.org/ostelio"));
    }
};

QTEST_GUILESS_MAIN(TestShellLinks)
#include "tst_shelllinks.moc"
