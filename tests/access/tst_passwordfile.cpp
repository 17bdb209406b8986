#include "access/passwordfile.h"
#include "storage/inifile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using PasswordFile::ChangeResult;
using PasswordFile::LoginResult;

namespace {

// "BERGAMOTTOLINO" enciphered, worked out by hand from the cipher's rule.
const QString kInitialStored = QStringLiteral("55869ECF99C707045E48E85B5618");

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestPasswordFile : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void initialFile();
    void initialFileNeverReplaced();
    void normalise_data();
    void normalise();
    void login_data();
    void login();
    void change_data();
    void change();
    void afterChangeOldRefused();
    void writeFailureReported();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_file;
};

void TestPasswordFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_file = m_dir->filePath(QStringLiteral("unins000.dll"));
}

void TestPasswordFile::initialFile()
{
    QVERIFY(PasswordFile::createInitial(m_file));
    QCOMPARE(IniFile::readString(m_file, QStringLiteral("Accesso"), QStringLiteral("Valore")), kInitialStored);
    const QByteArray bytes = readFile(m_file);
    QVERIFY2(bytes.contains("[Accesso]"), bytes.constData());
    QVERIFY2(bytes.contains("Valore=" + kInitialStored.toLatin1()), bytes.constData());
}

void TestPasswordFile::initialFileNeverReplaced()
{
    writeFile(m_file, "[Accesso]\r\nValore=479D97E469B0F23D\r\n");
    const QByteArray before = readFile(m_file);
    QVERIFY(PasswordFile::createInitial(m_file));
    QCOMPARE(readFile(m_file), before);
    QCOMPARE(PasswordFile::readStored(m_file).value_or(QString()), QStringLiteral("PASSWORD"));
}

void TestPasswordFile::normalise_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("normalised");

    QTest::newRow("lower case") << "bergamottolino" << "BERGAMOTTOLINO";
    QTest::newRow("blanks at both ends") << "  Bergamotto lino \t" << "BERGAMOTTO LINO";
    QTest::newRow("accented letters") << QString::fromUtf8("àéîõü") << QString::fromUtf8("ÀÉÎÕÜ");
    // Their capitals lie outside the one-byte range: kept as typed.
    QTest::newRow("y diaeresis and micro") << QString::fromUtf8("ÿµ") << QString::fromUtf8("ÿµ");
    QTest::newRow("sharp s keeps its length") << QString::fromUtf8("straße") << QString::fromUtf8("STRAßE");
}

void TestPasswordFile::normalise()
{
    QFETCH(QString, typed);
    QFETCH(QString, normalised);
    QCOMPARE(PasswordFile::normalise(typed), normalised);
}

void TestPasswordFile::login_data()
{
    QTest::addColumn<QByteArray>("file"); // empty: no Password file
    QTest::addColumn<QString>("typed");
    QTest::addColumn<LoginResult>("result");

    const QByteArray initial = "[Accesso]\r\nValore=" + kInitialStored.toLatin1() + "\r\n";
    QTest::newRow("upper case") << initial << "BERGAMOTTOLINO" << LoginResult::Accepted;
    QTest::newRow("lower case") << initial << "bergamottolino" << LoginResult::Accepted;
    QTest::newRow("blanks around") << initial << "  bergamottolino  " << LoginResult::Accepted;
    QTest::newRow("one letter less") << initial << "bergamottolin" << LoginResult::Refused;
    QTest::newRow("blank inside") << initial << "bergamotto lino" << LoginResult::Refused;
    QTest::newRow("blanks only") << initial << "   " << LoginResult::Refused;
    QTest::newRow("lower-case hex digits") << QByteArray("[Accesso]\nValore=55869ecf99c707045e48e85b5618\n")
                                           << "bergamottolino" << LoginResult::Accepted;
    QTest::newRow("odd number of hex digits") << "[Accesso]\r\nValore=" + kInitialStored.toLatin1() + "F\r\n"
                                              << "bergamottolino" << LoginResult::Accepted;
    QTest::newRow("section and key in other case") << "[ACCESSO]\r\nvalore=" + kInitialStored.toLatin1() + "\r\n"
                                                   << "bergamottolino" << LoginResult::Accepted;
    QTest::newRow("no file") << QByteArray() << "bergamottolino" << LoginResult::Refused;
    QTest::newRow("no key") << QByteArray("[Accesso]\r\n") << "bergamottolino" << LoginResult::Refused;
    QTest::newRow("stored value not hex") << QByteArray("[Accesso]\r\nValore=BERGAMOTTOLINO\r\n") << "bergamottolino"
                                          << LoginResult::ReadError;
}

void TestPasswordFile::login()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, typed);
    QFETCH(LoginResult, result);
    if (!file.isEmpty())
        writeFile(m_file, file);
    QCOMPARE(PasswordFile::checkLogin(m_file, typed), result);
}

void TestPasswordFile::change_data()
{
    QTest::addColumn<QString>("oldPassword");
    QTest::addColumn<QString>("newPassword");
    QTest::addColumn<QString>("confirmation");
    QTest::addColumn<ChangeResult>("result");
    QTest::addColumn<QString>("stored"); // the password the file holds afterwards

    QTest::newRow("changed") << "bergamottolino" << "Nuova" << "Nuova" << ChangeResult::Changed << "NUOVA";
    QTest::newRow("old typed in upper case with blanks") << " BERGAMOTTOLINO " << " nuova" << "nuova  "
                                                         << ChangeResult::Changed << "NUOVA";
    QTest::newRow("old wrong") << "bergamotto" << "nuova" << "nuova" << ChangeResult::OldPasswordWrong
                               << "BERGAMOTTOLINO";
    QTest::newRow("confirmation differs in case only") << "bergamottolino" << "nuova" << "NUOVA"
                                                       << ChangeResult::NotConfirmed << "BERGAMOTTOLINO";
    QTest::newRow("confirmation differs") << "bergamottolino" << "nuova" << "nuovo" << ChangeResult::NotConfirmed
                                          << "BERGAMOTTOLINO";
    QTest::newRow("Latin-1 letters") << "bergamottolino" << QString::fromUtf8("città ÿ") << QString::fromUtf8("città ÿ")
                                     << ChangeResult::Changed << QString::fromUtf8("CITTÀ ÿ");
    QTest::newRow("255 characters") << "bergamottolino" << QString(255, u'x') << QString(255, u'x')
                                    << ChangeResult::Changed << QString(255, u'X');
    QTest::newRow("256 characters") << "bergamottolino" << QString(256, u'x') << QString(256, u'x')
                                    << ChangeResult::NotStorable << "BERGAMOTTOLINO";
    QTest::newRow("euro sign") << "bergamottolino" << QString::fromUtf8("€uro") << QString::fromUtf8("€uro")
                               << ChangeResult::NotStorable << "BERGAMOTTOLINO";
}

void TestPasswordFile::change()
{
    QFETCH(QString, oldPassword);
    QFETCH(QString, newPassword);
    QFETCH(QString, confirmation);
    QFETCH(ChangeResult, result);
    QFETCH(QString, stored);

    QVERIFY(PasswordFile::createInitial(m_file));
    QCOMPARE(PasswordFile::change(m_file, oldPassword, newPassword, confirmation), result);
    QCOMPARE(PasswordFile::readStored(m_file).value_or(QStringLiteral("<error>")), stored);
    // Every password stored can be typed back, in any letter case.
    QCOMPARE(PasswordFile::checkLogin(m_file, stored.toLower()), LoginResult::Accepted);
}

void TestPasswordFile::afterChangeOldRefused()
{
    QVERIFY(PasswordFile::createInitial(m_file));
    QCOMPARE(PasswordFile::change(m_file, QStringLiteral("bergamottolino"), QStringLiteral("Mirtillo"),
                                  QStringLiteral("Mirtillo")),
             ChangeResult::Changed);
    QCOMPARE(PasswordFile::checkLogin(m_file, QStringLiteral("bergamottolino")), LoginResult::Refused);
    QCOMPARE(PasswordFile::checkLogin(m_file, QStringLiteral("mirtillo")), LoginResult::Accepted);
    QCOMPARE(PasswordFile::checkLogin(m_file, QStringLiteral("MIRTILLO")), LoginResult::Accepted);
    // Stored as the cipher of the upper-case text.
    QCOMPARE(IniFile::readString(m_file, QStringLiteral("Accesso"), QStringLiteral("Valore")),
             QStringLiteral("5A169D9DACEC233B"));
}

void TestPasswordFile::writeFailureReported()
{
    // A stored value that cannot be deciphered stops the change.
    writeFile(m_file, "[Accesso]\r\nValore=XYZ1\r\n");
    QCOMPARE(PasswordFile::change(m_file, QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("b")),
             ChangeResult::Failed);
    QCOMPARE(readFile(m_file), QByteArray("[Accesso]\r\nValore=XYZ1\r\n"));

    // A file standing where the program folder should be: the empty stored
    // password matches an empty old one, and the write fails.
    writeFile(m_dir->filePath(QStringLiteral("folder")), "not a folder");
    const QString inside = m_dir->filePath(QStringLiteral("folder/unins000.dll"));
    QCOMPARE(PasswordFile::change(inside, QString(), QStringLiteral("b"), QStringLiteral("b")), ChangeResult::Failed);
    QString error;
    QVERIFY(!PasswordFile::createInitial(inside, &error));
    QVERIFY(!error.isEmpty());
}

QTEST_GUILESS_MAIN(TestPasswordFile)
#include "tst_passwordfile.moc"
