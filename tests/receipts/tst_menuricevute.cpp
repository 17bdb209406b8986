#include "app/clock.h"
#include "app/screens.h"
#include "receipts/tfrmmenuricevute.h"
#include "support/recordingmodal.h"
#include "support/testfolder.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

// The receipts menu: the year of the archive handed to the receipt editor,
// the charts, the return token and the guide.
class TestMenuRicevute : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestFolder> m_folder;
    std::unique_ptr<Screens> m_screens;
    RecordingModal *m_modal = nullptr;
    TfrmMenuRicevute *m_menu = nullptr;
    QLineEdit *m_year = nullptr;

    QStringList visible() const
    {
        QStringList out;
        for (const char *name : {"TfrmAvvio", "TfrmMenuRicevute", "TfrmRicevute", "TfrmStatistiche"}) {
            if (m_screens->work(QString::fromLatin1(name))->isVisible())
                out << QString::fromLatin1(name);
        }
        return out;
    }
    QWidget *editor() const { return m_screens->work(QStringLiteral("TfrmRicevute")); }
    QString editorLabel(const char *name) const
    {
        auto *label = editor()->findChild<QLabel *>(QString::fromLatin1(name));
        return label ? label->text() : QStringLiteral("<missing %1>").arg(QLatin1String(name));
    }
    void click(const char *name) { QTest::mouseClick(m_menu->findChild<QWidget *>(QString::fromLatin1(name)), Qt::LeftButton); }

private slots:
    void init()
    {
        Clock::setOverride(QDateTime(QDate(2025, 3, 14), QTime(10, 0)));
        m_folder = std::make_unique<TestFolder>();
        m_modal = RecordingModal::install();
        m_screens = std::make_unique<Screens>();
        m_menu = m_screens->work<TfrmMenuRicevute>();
        m_year = m_menu->findChild<QLineEdit *>(QStringLiteral("txtAnnoFatture"));
        m_screens->showWork(QStringLiteral("TfrmAvvio"));
        QTest::mouseClick(m_screens->work(QStringLiteral("TfrmAvvio"))->findChild<QWidget *>(QStringLiteral("btnRicevute")),
                          Qt::LeftButton);
    }
    void cleanup()
    {
        m_screens.reset();
        m_folder.reset();
        Clock::setOverride(QDateTime());
    }

    void controlsAndTexts()
    {
        QCOMPARE(m_menu->windowTitle(), QStringLiteral(" Ostelio - Emissione ricevute"));
        const QHash<QString, QString> texts{
            {"lblInformazioni", "In questo ambiente è possibile emettere ricevute per i propri Clienti e visualizzare "
                                "grafici statistici degli incassi mensili."},
            {"intAnnoFatture", "Archivio ricevute:"},
            {"titAnnoFatture", "Anno:"},
            {"intAnnoRiepStats", "Grafici statistici incassi mensili:"},
        };
        for (auto it = texts.begin(); it != texts.end(); ++it)
            QCOMPARE(m_menu->findChild<QLabel *>(it.key())->text(), it.value());
        QCOMPARE(m_menu->findChild<QPushButton *>(QStringLiteral("btnApriFatture"))->text(), QStringLiteral("Apri"));
        QCOMPARE(m_menu->findChild<QPushButton *>(QStringLiteral("btnApriRiepStats"))->text(), QStringLiteral("Apri"));
        QCOMPARE(m_year->maxLength(), 4);
        QVERIFY(!m_menu->findChild<QLabel *>(QStringLiteral("lblMemory"))->isVisible());
    }

    void showingPutsTheYearAndTheToken()
    {
        QCOMPARE(visible(), QStringList({"TfrmMenuRicevute"}));
        QCOMPARE(m_year->text(), QStringLiteral("2025"));
        QCOMPARE(m_menu->returnToken(), QStringLiteral("avvio"));
    }

    void yearFieldTakesDigitsOnlyAndEnterMovesToApri()
    {
        m_year->clear();
        m_year->setFocus();
        QTest::keyClicks(m_year, QStringLiteral("2a0-2. 4"));
        QCOMPARE(m_year->text(), QStringLiteral("2024"));
        QTest::keyClick(m_year, Qt::Key_Backspace);
        QTest::keyClicks(m_year, QStringLiteral("39"));
        QCOMPARE(m_year->text(), QStringLiteral("2023")); // at most four characters
        m_menu->activateWindow();
        QTest::keyClick(m_year, Qt::Key_Return);
        QCOMPARE(m_menu->focusWidget(), m_menu->findChild<QWidget *>(QStringLiteral("btnApriFatture")));
    }

    void openingTheArchiveHandsTheYearToTheEditor()
    {
        click("btnApriFatture");
        QCOMPARE(visible(), QStringList({"TfrmRicevute"}));
        QCOMPARE(editor()->windowTitle(), QStringLiteral(" Ostelio - Archivio ricevute anno 2025"));
        QCOMPARE(editorLabel("lblFile"), m_folder->file(QStringLiteral("2025.ric")));
        QCOMPARE(editorLabel("lblAnno"), QStringLiteral("2025"));
        QVERIFY(m_modal->messages().isEmpty());

        // Closing the editor goes back to the launcher, not to the menu; the
        // menu shown again starts over with the current year and "avvio".
        editor()->close();
        QCOMPARE(visible(), QStringList({"TfrmAvvio"}));
        m_year->setText(QStringLiteral("19"));
        QTest::mouseClick(m_screens->work(QStringLiteral("TfrmAvvio"))->findChild<QWidget *>(QStringLiteral("imgRicevute")),
                          Qt::LeftButton);
        QCOMPARE(visible(), QStringList({"TfrmMenuRicevute"}));
        QCOMPARE(m_year->text(), QStringLiteral("2025"));
        QCOMPARE(m_menu->returnToken(), QStringLiteral("avvio"));
    }

    void yearOfOtherThanFourCharactersIsRefused_data()
    {
        QTest::addColumn<QString>("year");
        QTest::newRow("three digits") << "202";
        QTest::newRow("empty") << "";
        QTest::newRow("blank and two digits") << " 20";
    }
    void yearOfOtherThanFourCharactersIsRefused()
    {
        QFETCH(QString, year);
        m_year->setText(year);
        click("btnApriFatture");
        QCOMPARE(m_modal->last().kind, QStringLiteral("warning"));
        QCOMPARE(m_modal->last().text, QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre."));
        QCOMPARE(visible(), QStringList({"TfrmMenuRicevute"}));
        QCOMPARE(m_menu->returnToken(), QStringLiteral("avvio"));
        QCOMPARE(m_menu->focusWidget(), m_year);
        QCOMPARE(editorLabel("lblFile"), QString());
    }

    void chartsOpenWhateverTheYear()
    {
        m_year->clear();
        click("btnApriRiepStats");
        QCOMPARE(visible(), QStringList({"TfrmStatistiche"}));
        QVERIFY(m_modal->messages().isEmpty());
    }

    void exitAndWindowCloseReturnToTheLauncher_data()
    {
        QTest::addColumn<bool>("byWindow");
        QTest::newRow("imgEsci") << false;
        QTest::newRow("window close button") << true;
    }
    void exitAndWindowCloseReturnToTheLauncher()
    {
        QFETCH(bool, byWindow);
        if (byWindow)
            m_menu->close();
        else
            click("imgEsci");
        QCOMPARE(visible(), QStringList({"TfrmAvvio"}));
    }

    void guideShowsTheReceiptsTopic()
    {
        QString title;
        m_modal->onDialog([&](QDialog *dialog) { title = dialog->findChild<QLabel *>(QStringLiteral("lblTitolo"))->text(); });
        click("imgGuida");
        QCOMPARE(title, QStringLiteral("Applicazione Emissione ricevute."));
    }
};

QTEST_MAIN(TestMenuRicevute)
#include "tst_menuricevute.moc"
