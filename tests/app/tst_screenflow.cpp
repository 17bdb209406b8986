#include "app/screenbase.h"
#include "app/screenregistry.h"
#include "app/screens.h"
#include "receipts/tfrmmenuricevute.h"
#include "support/recordingmodal.h"
#include "support/testfolder.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

QStringList visibleWorkScreens(const Screens &screens)
{
    QStringList out;
    for (const ScreenEntry &entry : screenRegistry()) {
        const QString name = QString::fromLatin1(entry.name);
        if (QWidget *w = screens.work(name); w && w->isVisible())
            out << name;
    }
    return out;
}

template<class T> T *child(QWidget *screen, const char *name)
{
    T *found = screen->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qWarning("missing control %s in %s", name, qPrintable(screen->objectName()));
    return found;
}

void click(QWidget *screen, const char *name)
{
    QWidget *w = child<QWidget>(screen, name);
    QVERIFY(w);
    QTest::mouseClick(w, Qt::LeftButton);
}

} // namespace

class TstScreenFlow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void registryHoldsTheFortyThreeScreensInOrder();
    void workScreensExistOnceWithTheirCaptions();
    void loginIsShownFirst();
    void transitions_data();
    void transitions();
    void menuReturnTokens_data();
    void menuReturnTokens();
    void receiptEditorReturnsToTheLauncherNotTheMenu();
    void closingTheLauncherEndsTheProgram_data();
    void closingTheLauncherEndsTheProgram();
    void dialogsStartFreshEachTime();
    void programFormatsAreItalianWhateverTheMachine();

private:
    std::unique_ptr<TestFolder> m_folder;
    std::unique_ptr<Screens> m_screens;
    RecordingModal *m_modal = nullptr;
};

void TstScreenFlow::init()
{
    m_folder = std::make_unique<TestFolder>();
    m_modal = RecordingModal::install();
    m_screens = std::make_unique<Screens>();
    m_screens->start();
}

void TstScreenFlow::cleanup()
{
    m_screens.reset();
    m_folder.reset();
}

void TstScreenFlow::registryHoldsTheFortyThreeScreensInOrder()
{
    const auto registry = screenRegistry();
    QCOMPARE(registry.size(), size_t(43));
    QCOMPARE(QLatin1StringView(registry.front().name), QLatin1StringView("TfrmPassword"));
    QCOMPARE(QLatin1StringView(registry[1].name), QLatin1StringView("TfrmAvvio"));
    QCOMPARE(QLatin1StringView(registry.back().name), QLatin1StringView("TfrmTrovaServizi"));
    QSet<QString> names;
    QStringList work;
    for (const ScreenEntry &entry : registry) {
        names.insert(QString::fromLatin1(entry.name));
        if (entry.kind == ScreenKind::Work)
            work << QString::fromLatin1(entry.name);
    }
    QCOMPARE(names.size(), 43);
    QCOMPARE(work, QStringList({"TfrmPassword", "TfrmAvvio", "TfrmCambiaPassword", "TfrmClienti", "TfrmMenuRicevute",
                                "TfrmRicevute", "TfrmServizi", "TfrmStatistiche"}));
    QCOMPARE(screenCaption(u"TfrmCodici_Comuni"), QStringLiteral(" Tabella Codici per Comuni d'Italia"));
    QCOMPARE(screenCaption(u"TfrmCodici_Stati"), QStringLiteral("Tabella Codici per Stato"));
}

void TstScreenFlow::workScreensExistOnceWithTheirCaptions()
{
    for (const ScreenEntry &entry : screenRegistry()) {
        QWidget *screen = m_screens->work(QString::fromLatin1(entry.name));
        QCOMPARE(screen != nullptr, entry.kind == ScreenKind::Work);
        if (screen) {
            QCOMPARE(screen->objectName(), QString::fromLatin1(entry.name));
            QCOMPARE(screen->windowTitle(), QString::fromUtf8(entry.caption));
        }
    }
    QCOMPARE(m_screens->work(QStringLiteral("TfrmAvvio"))->windowTitle(), QStringLiteral(" Ostelio"));
}

void TstScreenFlow::loginIsShownFirst()
{
    QCOMPARE(visibleWorkScreens(*m_screens), QStringList({"TfrmPassword"}));
}

void TstScreenFlow::transitions_data()
{
    // From the launcher: the command clicked, the screen shown, and the
    // command that closes it again.
    QTest::addColumn<QString>("tile");
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("closer");

    QTest::newRow("customers picture") << "imgClienti" << "TfrmClienti" << "cmdEsci";
    QTest::newRow("customers button") << "btnClienti" << "TfrmClienti" << "window";
    QTest::newRow("price list caption") << "infServizi" << "TfrmServizi" << "cmdEsci";
    QTest::newRow("receipts button") << "btnRicevute" << "TfrmMenuRicevute" << "imgEsci";
    QTest::newRow("receipts picture") << "imgRicevute" << "TfrmMenuRicevute" << "window";
}

void TstScreenFlow::transitions()
{
    QFETCH(QString, tile);
    QFETCH(QString, screen);
    QFETCH(QString, closer);

    m_screens->showWork(QStringLiteral("TfrmAvvio"), m_screens->work(QStringLiteral("TfrmPassword")));
    QCOMPARE(visibleWorkScreens(*m_screens), QStringList({"TfrmAvvio"}));

    QWidget *launcher = m_screens->work(QStringLiteral("TfrmAvvio"));
    click(launcher, qPrintable(tile));
    QCOMPARE(visibleWorkScreens(*m_screens), QStringList({screen}));
    QWidget *target = m_screens->work(screen);
    QVERIFY(target->isMaximized() || target->windowState() & Qt::WindowMaximized);

    if (closer == u"window")
        target->close();
    else
        click(target, qPrintable(closer));
    QCOMPARE(visibleWorkScreens(*m_screens), QStringList({"TfrmAvvio"}));
    QVERIFY(!m_screens->ended());
}

void TstScreenFlow::menuReturnTokens_data()
{
    QTest::addColumn<QString>("token");
    QTest::addColumn<QStringList>("visible");
    QTest::newRow("avvio") << "avvio" << QStringList({"TfrmAvvio"});
    QTest::newRow("ricevute") << "ricevute" << QStringList({"TfrmRicevute"});
    QTest::newRow("statistiche_ric") << "statistiche_ric" << QStringList({"TfrmStatistiche"});
    QTest::newRow("unknown token shows nothing") << "altro" << QStringList();
}

void TstScreenFlow::menuReturnTokens()
{
    QFETCH(QString, token);
    QFETCH(QStringList, visible);
    auto *menu = m_screens->work<TfrmMenuRicevute>();
    QVERIFY(menu);
    m_screens->showWork(QStringLiteral("TfrmMenuRicevute"), m_screens->work(QStringLiteral("TfrmPassword")));
    QCOMPARE(menu->returnToken(), QStringLiteral("avvio"));
    menu->setReturnToken(token);
    menu->close();
    QCOMPARE(visibleWorkScreens(*m_screens), visible);
}

void TstScreenFlow::receiptEditorReturnsToTheLauncherNotTheMenu()
{
    auto *menu = m_screens->work<TfrmMenuRicevute>();
    m_screens->showWork(QStringLiteral("TfrmMenuRicevute"), m_screens->work(QStringLiteral("TfrmPassword")));
    menu->setReturnToken(QStringLiteral("ricevute"));
    menu->close();
    m_screens->work(QStringLiteral("TfrmRicevute"))->close();
    QCOMPARE(visibleWorkScreens(*m_screens), QStringList({"TfrmAvvio"}));

    // Opening receipts again shows the menu with its token reset.
    click(m_screens->work(QStringLiteral("TfrmAvvio")), "btnRicevute");
    QCOMPARE(visibleWorkScreens(*m_screens), QStringList({"TfrmMenuRicevute"}));
    QCOMPARE(menu->returnToken(), QStringLiteral("avvio"));
}

void TstScreenFlow::closingTheLauncherEndsTheProgram_data()
{
    QTest::addColumn<bool>("byWindowButton");
    QTest::newRow("window close button") << true;
    QTest::newRow("exit picture") << false;
}

void TstScreenFlow::closingTheLauncherEndsTheProgram()
{
    QFETCH(bool, byWindowButton);
    QWidget *launcher = m_screens->work(QStringLiteral("TfrmAvvio"));
    m_screens->showWork(QStringLiteral("TfrmAvvio"), m_screens->work(QStringLiteral("TfrmPassword")));
    if (byWindowButton)
        launcher->close();
    else
        click(launcher, "imgEsci");
    QVERIFY(m_screens->ended());
    QCOMPARE(visibleWorkScreens(*m_screens), QStringList());
    QVERIFY(m_modal->messages().isEmpty()); // no question asked
}

void TstScreenFlow::dialogsStartFreshEachTime()
{
    QWidget *launcher = m_screens->work(QStringLiteral("TfrmAvvio"));
    QPointer<QDialog> first;
    QString firstToken;
    m_modal->onDialog([&](QDialog *dialog) {
        first = dialog;
        firstToken = dialog->findChild<QLabel *>(QStringLiteral("lblMemory"))->text();
        dialog->setProperty("typed", true);
    });
    m_screens->openDialog(QStringLiteral("TfrmTrovaRicevute"), launcher, QStringLiteral("ricevute"));
    QCOMPARE(firstToken, QStringLiteral("ricevute"));
    QVERIFY(first.isNull()); // destroyed on closing

    bool typed = true;
    QString secondToken = QStringLiteral("x");
    m_modal->onDialog([&](QDialog *dialog) {
        typed = dialog->property("typed").toBool();
        secondToken = dialog->findChild<QLabel *>(QStringLiteral("lblMemory"))->text();
        QCOMPARE(dialog->parentWidget(), launcher);
    });
    m_screens->openDialog(QStringLiteral("TfrmTrovaRicevute"), launcher);
    QVERIFY(!typed);
    QCOMPARE(secondToken, QString());
    const auto dialogs = m_modal->ofKind(QStringLiteral("dialog"));
    QCOMPARE(dialogs.size(), 2);
    QCOMPARE(dialogs.at(0).text, QStringLiteral(" Trova ricevute in archivio"));
}

void TstScreenFlow::programFormatsAreItalianWhateverTheMachine()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    m_screens.reset();
    m_screens = std::make_unique<Screens>();
    const QLocale locale;
    QCOMPARE(locale.decimalPoint(), QStringLiteral(","));
    QCOMPARE(locale.toString(1234.5, 'f', 2), QStringLiteral("1234,50"));
}

QTEST_MAIN(TstScreenFlow)
#include "tst_screenflow.moc"
