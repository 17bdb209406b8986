#include "access/guidetopics.h"
#include "access/linklabel.h"
#include "access/tfrmguida.h"
#include "app/maker.h"
#include "app/programfolder.h"
#include "app/screens.h"
#include "support/recordingmodal.h"
#include "support/testfolder.h"

#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

// The guide, information and presentation screens and their links.
class TestGuide : public QObject
{
    Q_OBJECT

    RecordingModal *m_modal = nullptr;
    std::unique_ptr<Screens> m_screens;
    std::unique_ptr<TestFolder> m_folder;

    QWidget *launcher() const { return Screens::instance().work(QStringLiteral("TfrmAvvio")); }

    // Clicks a picture of the launcher and runs the handler on the dialog it
    // opens; returns the dialog's class.
    QString clickAndInspect(const char *picture, std::function<void(QDialog *)> handler)
    {
        m_modal->onDialog(std::move(handler));
        auto *target = launcher()->findChild<QWidget *>(QString::fromLatin1(picture));
        if (!target)
            return QString();
        QTest::mouseClick(target, Qt::LeftButton);
        const auto dialogs = m_modal->ofKind(QStringLiteral("dialog"));
        return dialogs.isEmpty() ? QString() : dialogs.constLast().detail;
    }

private slots:
    void init()
    {
        m_folder = std::make_unique<TestFolder>();
        m_modal = RecordingModal::install();
        m_screens = std::make_unique<Screens>();
        Screens::instance().showWork(QStringLiteral("TfrmAvvio"));
    }
    void cleanup()
    {
        m_screens.reset();
        Modal::install(nullptr);
        m_folder.reset();
    }

    void launcherOpensTheOverview()
    {
        QString title, text;
        QSize size;
        const QString opened = clickAndInspect("imgGuida", [&](QDialog *dialog) {
            title = dialog->findChild<QLabel *>(QStringLiteral("lblTitolo"))->text();
            text = dialog->findChild<QPlainTextEdit *>(QStringLiteral("txtGuida"))->toPlainText();
            size = dialog->size();
            QVERIFY(dialog->findChild<QPlainTextEdit *>(QStringLiteral("txtGuida"))->isReadOnly());
        });
        QCOMPARE(opened, QStringLiteral("TfrmGuida"));
        QCOMPARE(title, QStringLiteral("Uno sguardo a Ostelio."));
        QCOMPARE(size, QSize(676, 598));
        // Many paragraphs, each separated from the next by one empty line.
        const QStringList paragraphs = text.split(QStringLiteral("\n\n"));
        QCOMPARE(paragraphs, GuideTopics::overview().paragraphs());
        QVERIFY(text.contains(QStringLiteral("bergamottolino")));
    }

    void freshGuideEachTime()
    {
        QString title;
        TfrmGuida::open(launcher(), GuideTopics::priceList());
        m_modal->onDialog([&](QDialog *dialog) { title = dialog->findChild<QLabel *>(QStringLiteral("lblTitolo"))->text(); });
        Screens::instance().openDialog(QStringLiteral("TfrmGuida"), launcher());
        QCOMPARE(title, QStringLiteral("Argomento della guida."));
    }

    void manualLinkOpensTheManualEvenInAFolderWithBlanks()
    {
        QTemporaryDir dir;
        const QString folder = dir.path() + QStringLiteral("/Programmi \"Ostelio\" & co");
        QVERIFY(QDir().mkpath(folder));
        ProgramFolder::setOverride(folder);
        m_modal->onDialog([](QDialog *dialog) {
            QTest::mouseClick(dialog->findChild<QWidget *>(QStringLiteral("lnkWeb")), Qt::LeftButton);
            QTest::mouseClick(dialog->findChild<QWidget *>(QStringLiteral("imgPDF")), Qt::LeftButton);
        });
        TfrmGuida::open(launcher(), GuideTopics::receipts());
        const auto shells = m_modal->ofKind(QStringLiteral("shell"));
        QCOMPARE(shells.size(), 2);
        for (const auto &shell : shells) {
            QVERIFY2(!shell.text.contains(QLatin1Char(' ')) && !shell.text.contains(QLatin1Char('"')), qPrintable(shell.text));
            QCOMPARE(QUrl::fromEncoded(shell.text.toUtf8()).toLocalFile(), folder + QStringLiteral("/Guida.pdf"));
        }
        QVERIFY(m_modal->messages().isEmpty());
    }

    void informationStartsAMailToSupport()
    {
        const QString opened = clickAndInspect("imgInfo", [](QDialog *dialog) {
            auto *link = dialog->findChild<QLabel *>(QStringLiteral("lnkWeb"));
            QCOMPARE(link->text(), Maker::supportMail());
            QTest::mouseClick(link, Qt::LeftButton);
            QTest::mouseClick(dialog->findChild<QWidget *>(QStringLiteral("imgEmail")), Qt::LeftButton);
        });
        QCOMPARE(opened, QStringLiteral("TfrmInfo"));
        const auto shells = m_modal->ofKind(QStringLiteral("shell"));
        QCOMPARE(shells.size(), 2);
        const QString expected = QStringLiteral("mailto:") + Maker::supportMail()
                                 + QStringLiteral("?subject=Software%20Ostelio&body=Salve%2C%20desidererei%20avere%20le%20"
                                                  "seguenti%20informazioni%20sul%20software%20in%20oggetto%3A");
        QCOMPARE(shells.at(0).text, expected);
        QCOMPARE(shells.at(1).text, expected);
    }

    void presentationOpensTheWebSite()
    {
        const QString opened = clickAndInspect("imgSplash", [](QDialog *dialog) {
            QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("lnkWeb"))->text(), Maker::webSite());
            QTest::mouseClick(dialog->findChild<QWidget *>(QStringLiteral("imgWeb")), Qt::LeftButton);
        });
        QCOMPARE(opened, QStringLiteral("TfrmSplash"));
        QCOMPARE(m_modal->last().kind, QStringLiteral("shell"));
        QCOMPARE(m_modal->last().text, Maker::webSite());
    }

    void linkIsOrangeWhileHeldDown()
    {
        m_modal->onDialog([](QDialog *dialog) {
            auto *link = dialog->findChild<LinkLabel *>(QStringLiteral("lnkWeb"));
            auto *picture = dialog->findChild<QWidget *>(QStringLiteral("imgWeb"));
            QCOMPARE(link->currentColor(), QColor::fromRgba(0xFF00008B));
            for (QWidget *target : {static_cast<QWidget *>(link), picture}) {
                QTest::mousePress(target, Qt::LeftButton);
                QCOMPARE(link->currentColor(), QColor::fromRgba(0xFFFFA500));
                QTest::mouseRelease(target, Qt::LeftButton);
                QCOMPARE(link->currentColor(), QColor::fromRgba(0xFF00008B));
            }
        });
        Screens::instance().openDialog(QStringLiteral("TfrmSplash"), launcher());
    }

    void launcherSiteStripOpensTheWebSite()
    {
        QTest::mouseClick(launcher()->findChild<QWidget *>(QStringLiteral("imgSito")), Qt::LeftButton);
        QCOMPARE(m_modal->last().kind, QStringLiteral("shell"));
        QCOMPARE(m_modal->last().text, Maker::webSite());
    }
};

QTEST_MAIN(TestGuide)
#include "tst_guide.moc"
