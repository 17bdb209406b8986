#include "access/focusframe.h"
#include "access/passwordfile.h"
#include "app/screens.h"
#include "support/recordingmodal.h"
#include "support/testfolder.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

const QString kWrong = QStringLiteral("Attenzione: password errata.");
const QString kReadError = QStringLiteral("Attenzione: si è verificato un errore durante la procedura di lettura della "
                                          "password. Si consiglia di reinstallare il software.");
const QString kOldWrong = QStringLiteral("Attenzione: vecchia password errata.");
const QString kNotConfirmed = QStringLiteral("Attenzione: la nuova password non è stata confermata correttamente. "
                                             "E' necessario reinserire entrambi i valori.");
const QString kChanged = QStringLiteral("Modifica della password completata con successo.");
const QString kChangeError = QStringLiteral("Attenzione: si è verificato un errore durante la procedura di modifica "
                                            "della password. Si consiglia di reinstallare il software.");

template<class T> T *child(QWidget *screen, const char *name)
{
    auto *w = screen->findChild<T *>(QString::fromLatin1(name));
    if (!w)
        qFatal("no control %s", name);
    return w;
}

QStringList labelTexts(QWidget *screen)
{
    QStringList out;
    for (QLabel *label : screen->findChildren<QLabel *>())
        out << label->text();
    return out;
}

} // namespace

class TestPasswordScreens : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void loginDesignedState();
    void loginOkFollowsTheField_data();
    void loginOkFollowsTheField();
    void login_data();
    void login();
    void enterActsAsOk();
    void loginReadError();
    void esciEndsTheProgram();
    void highlightFollowsFocus();

    void changeDesignedState();
    void changeOkNeedsAllThree();
    void changeEnterCycles();
    void changeRefused_data();
    void changeRefused();
    void changeWriteFailure();
    void loginChangeLogin();
    void chiudiReturnsToLogin();

private:
    QWidget *screen(const char *name) const { return m_screens->work(QString::fromLatin1(name)); }
    QWidget *loginScreen() const { return screen("TfrmPassword"); }
    QWidget *changeScreen() const { return screen("TfrmCambiaPassword"); }
    QLineEdit *loginField() const { return child<QLineEdit>(loginScreen(), "txtPassword"); }
    void typeLogin(const QString &text) { QTest::keyClicks(loginField(), text); }
    void openChange();
    void fillChange(const QString &oldPassword, const QString &newPassword, const QString &confirmation);
    QString storedPassword() const
    {
        return PasswordFile::readStored(m_folder->file(QStringLiteral("unins000.dll"))).value_or(QStringLiteral("<error>"));
    }

    std::unique_ptr<TestFolder> m_folder;
    std::unique_ptr<Screens> m_screens;
    RecordingModal *m_modal = nullptr;
};

void TestPasswordScreens::init()
{
    m_folder = std::make_unique<TestFolder>();
    QVERIFY(PasswordFile::createInitial(m_folder->file(QStringLiteral("unins000.dll"))));
    m_modal = RecordingModal::install();
    m_screens = std::make_unique<Screens>();
    m_screens->start();
}

void TestPasswordScreens::cleanup()
{
    m_screens.reset();
    Modal::install(nullptr);
    m_folder.reset();
}

void TestPasswordScreens::openChange()
{
    child<QPushButton>(loginScreen(), "btnCambiaPassword")->click();
}

void TestPasswordScreens::fillChange(const QString &oldPassword, const QString &newPassword,
                                     const QString &confirmation)
{
    QTest::keyClicks(child<QLineEdit>(changeScreen(), "txtPasswordOld"), oldPassword);
    QTest::keyClicks(child<QLineEdit>(changeScreen(), "txtPasswordNew"), newPassword);
    QTest::keyClicks(child<QLineEdit>(changeScreen(), "txtConferma"), confirmation);
}

void TestPasswordScreens::loginDesignedState()
{
    QWidget *login = loginScreen();
    QVERIFY(login->isVisible());
    QCOMPARE(login->windowTitle(), QStringLiteral(" Ostelio - Accesso al programma"));
    const QStringList texts = labelTexts(login);
    for (const char *line : {"E' possibile proteggere l'accesso al programma", "con una password di propria scelta.",
                             "Per il primo accesso dopo ogni installazione del software,",
                             "usare la password \"bergamottolino\" (senza le virgolette).",
                             "Immettere la password e premere OK."})
        QVERIFY2(texts.contains(QString::fromUtf8(line)), line);
    QCOMPARE(loginField()->echoMode(), QLineEdit::Password);
    QCOMPARE(loginField()->font().family(), QStringLiteral("Verdana"));
    QCOMPARE(login->focusWidget(), loginField());
    QCOMPARE(child<QPushButton>(login, "cmdOK")->text(), QStringLiteral("OK"));
    QVERIFY(!child<QPushButton>(login, "cmdOK")->isEnabled());
    QCOMPARE(child<QPushButton>(login, "cmdEsci")->text(), QStringLiteral("Esci"));
    QCOMPARE(child<QPushButton>(login, "btnCambiaPassword")->text(), QStringLiteral("Cambia Password"));
    QVERIFY(child<QLabel>(login, "lblMemory")->isHidden());
    QVERIFY(!(login->windowFlags() & Qt::WindowCloseButtonHint));
    QCOMPARE(login->minimumSize(), login->maximumSize());
}

void TestPasswordScreens::loginOkFollowsTheField_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("blanks") << "   " << false;
    QTest::newRow("a letter") << "a" << true;
    QTest::newRow("a letter between blanks") << " a " << true;
}

void TestPasswordScreens::loginOkFollowsTheField()
{
    QFETCH(QString, typed);
    QFETCH(bool, enabled);
    typeLogin(typed);
    QCOMPARE(child<QPushButton>(loginScreen(), "cmdOK")->isEnabled(), enabled);
    loginField()->clear();
    QVERIFY(!child<QPushButton>(loginScreen(), "cmdOK")->isEnabled());
}

void TestPasswordScreens::login_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("as announced") << "bergamottolino" << true;
    QTest::newRow("upper case") << "BERGAMOTTOLINO" << true;
    QTest::newRow("mixed case with blanks") << "  BergamottoLino  " << true;
    QTest::newRow("wrong") << "bergamotto" << false;
}

void TestPasswordScreens::login()
{
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    typeLogin(typed);
    child<QPushButton>(loginScreen(), "cmdOK")->click();
    QCOMPARE(screen("TfrmAvvio")->isVisible(), accepted);
    QCOMPARE(loginScreen()->isVisible(), !accepted);
    if (accepted) {
        QVERIFY(m_modal->events().isEmpty());
    } else {
        QCOMPARE(m_modal->events().size(), 1);
        QCOMPARE(m_modal->last().kind, QStringLiteral("warning"));
        QCOMPARE(m_modal->last().text, kWrong);
        QCOMPARE(loginField()->text(), QString());
        QCOMPARE(loginScreen()->focusWidget(), loginField());
    }
}

void TestPasswordScreens::enterActsAsOk()
{
    typeLogin(QStringLiteral("  "));
    QTest::keyClick(loginField(), Qt::Key_Return);
    QVERIFY(loginScreen()->isVisible());
    QVERIFY(m_modal->events().isEmpty());

    typeLogin(QStringLiteral("bergamottolino"));
    QTest::keyClick(loginField(), Qt::Key_Return);
    QVERIFY(screen("TfrmAvvio")->isVisible());
    QVERIFY(!loginScreen()->isVisible());
}

void TestPasswordScreens::loginReadError()
{
    m_folder->write(QStringLiteral("unins000.dll"), "[Accesso]\r\nValore=bergamottolino\r\n");
    typeLogin(QStringLiteral("bergamottolino"));
    child<QPushButton>(loginScreen(), "cmdOK")->click();
    QCOMPARE(m_modal->last().kind, QStringLiteral("plain"));
    QCOMPARE(m_modal->last().text, kReadError);
    QVERIFY(loginScreen()->isVisible());
    QVERIFY(!screen("TfrmAvvio")->isVisible());
}

void TestPasswordScreens::esciEndsTheProgram()
{
    child<QPushButton>(loginScreen(), "cmdEsci")->click();
    QVERIFY(m_screens->ended());
    QVERIFY(!loginScreen()->isVisible());
}

void TestPasswordScreens::highlightFollowsFocus()
{
    QVERIFY(QTest::qWaitForWindowActive(loginScreen()));
    auto *frame = child<FocusFrame>(loginScreen(), "effPassword");
    loginField()->setFocus();
    QVERIFY(frame->isHighlighted());
    child<QPushButton>(loginScreen(), "cmdEsci")->setFocus();
    QVERIFY(!frame->isHighlighted());
}

void TestPasswordScreens::changeDesignedState()
{
    openChange();
    QWidget *change = changeScreen();
    QVERIFY(change->isVisible());
    QVERIFY(!loginScreen()->isVisible());
    QCOMPARE(change->windowTitle(), QStringLiteral(" Modifica Password"));
    const QStringList texts = labelTexts(change);
    for (const char *line : {"Per cambiare la password, compilare i campi", "sottostanti e premere il pulsante OK.",
                             "Vecchia PW:", "Nuova PW:", "Conferma nuova PW:"})
        QVERIFY2(texts.contains(QString::fromUtf8(line)), line);
    for (const char *name : {"txtPasswordOld", "txtPasswordNew", "txtConferma"}) {
        QCOMPARE(child<QLineEdit>(change, name)->echoMode(), QLineEdit::Password);
        QCOMPARE(child<QLineEdit>(change, name)->text(), QString());
    }
    for (const char *name : {"effPasswordOld", "effPasswordNew", "effConferma"})
        child<FocusFrame>(change, name);
    QCOMPARE(change->focusWidget(), child<QLineEdit>(change, "txtPasswordOld"));
    QCOMPARE(child<QPushButton>(change, "cmdOK")->text(), QStringLiteral("OK"));
    QCOMPARE(child<QPushButton>(change, "cmdEsci")->text(), QStringLiteral("Chiudi"));
    QVERIFY(!(change->windowFlags() & Qt::WindowCloseButtonHint));
    QCOMPARE(change->minimumSize(), change->maximumSize());
}

void TestPasswordScreens::changeOkNeedsAllThree()
{
    openChange();
    auto *ok = child<QPushButton>(changeScreen(), "cmdOK");
    QVERIFY(!ok->isEnabled());
    QTest::keyClicks(child<QLineEdit>(changeScreen(), "txtPasswordOld"), QStringLiteral("a"));
    QTest::keyClicks(child<QLineEdit>(changeScreen(), "txtPasswordNew"), QStringLiteral("b"));
    QVERIFY(!ok->isEnabled());
    QTest::keyClicks(child<QLineEdit>(changeScreen(), "txtConferma"), QStringLiteral("  "));
    QVERIFY(!ok->isEnabled());
    QTest::keyClicks(child<QLineEdit>(changeScreen(), "txtConferma"), QStringLiteral("b"));
    QVERIFY(ok->isEnabled());
    child<QLineEdit>(changeScreen(), "txtPasswordOld")->clear();
    QVERIFY(!ok->isEnabled());
}

void TestPasswordScreens::changeEnterCycles()
{
    openChange();
    QWidget *change = changeScreen();
    const char *order[] = {"txtPasswordOld", "txtPasswordNew", "txtConferma", "txtPasswordOld"};
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(change->focusWidget()->objectName(), QString::fromLatin1(order[i]));
        QTest::keyClick(change->focusWidget(), Qt::Key_Return);
        QCOMPARE(change->focusWidget()->objectName(), QString::fromLatin1(order[i + 1]));
    }
    QVERIFY(m_modal->events().isEmpty());
}

void TestPasswordScreens::changeRefused_data()
{
    QTest::addColumn<QString>("oldPassword");
    QTest::addColumn<QString>("newPassword");
    QTest::addColumn<QString>("confirmation");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QStringList>("emptied");

    QTest::newRow("old wrong") << "bergamotto" << "nuova" << "nuova" << kOldWrong << "txtPasswordOld"
                               << QStringList{"txtPasswordOld"};
    QTest::newRow("confirmation in other case") << "bergamottolino" << "nuova" << "NUOVA" << kNotConfirmed
                                                << "txtPasswordNew" << QStringList{"txtPasswordNew", "txtConferma"};
    QTest::newRow("euro sign") << "bergamottolino" << QString::fromUtf8("caffè€") << QString::fromUtf8("caffè€")
                               << "" << "txtPasswordNew" << QStringList{"txtPasswordNew", "txtConferma"};
}

void TestPasswordScreens::changeRefused()
{
    QFETCH(QString, oldPassword);
    QFETCH(QString, newPassword);
    QFETCH(QString, confirmation);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    QFETCH(QStringList, emptied);

    openChange();
    const QByteArray before = m_folder->read(QStringLiteral("unins000.dll"));
    child<QLineEdit>(changeScreen(), "txtPasswordOld")->setText(oldPassword);
    child<QLineEdit>(changeScreen(), "txtPasswordNew")->setText(newPassword);
    child<QLineEdit>(changeScreen(), "txtConferma")->setText(confirmation);
    child<QPushButton>(changeScreen(), "cmdOK")->click();

    QCOMPARE(m_modal->events().size(), 1);
    QCOMPARE(m_modal->last().kind, QStringLiteral("plain"));
    if (!message.isEmpty())
        QCOMPARE(m_modal->last().text, message);
    QVERIFY(changeScreen()->isVisible());
    QCOMPARE(changeScreen()->focusWidget()->objectName(), focus);
    for (const char *name : {"txtPasswordOld", "txtPasswordNew", "txtConferma"}) {
        const bool empty = child<QLineEdit>(changeScreen(), name)->text().isEmpty();
        QCOMPARE(empty, emptied.contains(QString::fromLatin1(name)));
    }
    QCOMPARE(m_folder->read(QStringLiteral("unins000.dll")), before);
}

void TestPasswordScreens::changeWriteFailure()
{
    m_folder->write(QStringLiteral("unins000.dll"), "[Accesso]\r\nValore=not hex\r\n");
    openChange();
    fillChange(QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("b"));
    child<QPushButton>(changeScreen(), "cmdOK")->click();
    QCOMPARE(m_modal->last().kind, QStringLiteral("plain"));
    QCOMPARE(m_modal->last().text, kChangeError);
    QVERIFY(changeScreen()->isVisible());
}

void TestPasswordScreens::loginChangeLogin()
{
    typeLogin(QStringLiteral("something typed"));
    openChange();
    QVERIFY(changeScreen()->isVisible());
    QVERIFY(!loginScreen()->isVisible());

    fillChange(QStringLiteral("bergamottolino"), QStringLiteral("Mirtillo"), QStringLiteral("Mirtillo"));
    child<QPushButton>(changeScreen(), "cmdOK")->click();
    QCOMPARE(m_modal->messages(), QStringList{kChanged});
    QCOMPARE(m_modal->last().kind, QStringLiteral("plain"));
    QVERIFY(!changeScreen()->isVisible());
    QVERIFY(loginScreen()->isVisible());
    QCOMPARE(loginField()->text(), QString());
    QCOMPARE(loginScreen()->focusWidget(), loginField());
    QCOMPARE(storedPassword(), QStringLiteral("MIRTILLO"));

    // The old password is refused now, the new one accepted in any case.
    typeLogin(QStringLiteral("bergamottolino"));
    child<QPushButton>(loginScreen(), "cmdOK")->click();
    QCOMPARE(m_modal->last().text, kWrong);
    QVERIFY(loginScreen()->isVisible());
    typeLogin(QStringLiteral("mIRTILLO"));
    child<QPushButton>(loginScreen(), "cmdOK")->click();
    QVERIFY(screen("TfrmAvvio")->isVisible());
    QVERIFY(!loginScreen()->isVisible());
}

void TestPasswordScreens::chiudiReturnsToLogin()
{
    typeLogin(QStringLiteral("half typed"));
    openChange();
    fillChange(QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("y"));
    child<QPushButton>(changeScreen(), "cmdEsci")->click();
    QVERIFY(!changeScreen()->isVisible());
    QVERIFY(loginScreen()->isVisible());
    QCOMPARE(loginField()->text(), QString());
    QVERIFY(m_modal->events().isEmpty());
    QCOMPARE(storedPassword(), QStringLiteral("BERGAMOTTOLINO"));

    // Shown again, the change screen starts empty.
    openChange();
    for (const char *name : {"txtPasswordOld", "txtPasswordNew", "txtConferma"})
        QCOMPARE(child<QLineEdit>(changeScreen(), name)->text(), QString());
}

QTEST_MAIN(TestPasswordScreens)
#include "tst_passwordscreens.moc"
