#include "output/listscreen.h"
#include "support/recordingmodal.h"

#include <QApplication>
#include <QLabel>
#include <QScrollBar>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>

class TestListScreen : public QObject
{
    Q_OBJECT

private:
    static ListScreenOptions options()
    {
        ListScreenOptions o;
        o.printTitle = QStringLiteral("Riepilogo ricevute in archivio");
        o.helpLines = ListScreen::recordHelpLines();
        return o;
    }

private slots:
    void init() { m_modal = RecordingModal::install(); }

    void controlsCarryTheirNames()
    {
        ListScreen screen(QStringLiteral("TfrmTrovaRicevute"), options());
        for (const char *name : {"lstRecords", "txtTrova", "btnTrova", "btnStampa", "btnChiudi", "lblRigo01", "lblRigo02",
                                 "lblRigo03", "lblMemory"})
            QVERIFY2(screen.findChild<QWidget *>(QString::fromLatin1(name)), name);
        QCOMPARE(screen.findChild<QPushButton *>(QStringLiteral("btnTrova"))->text(), QStringLiteral("Trova"));
        QCOMPARE(screen.findChild<QLabel *>(QStringLiteral("lblRigo03"))->text(),
                 QStringLiteral("Per richiamare i dati di una scheda, selezionarla con un doppio clic."));
    }

    void findOnEmptyListShowsTheMessage_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("expected");
        QTest::newRow("record list") << int(MessageKind::Plain) << "plain";
        QTest::newRow("summary") << int(MessageKind::Information) << "information";
    }

    void findOnEmptyListShowsTheMessage()
    {
        QFETCH(int, kind);
        QFETCH(QString, expected);
        ListScreenOptions o = options();
        o.emptyListKind = static_cast<MessageKind>(kind);
        ListScreen screen(QStringLiteral("TfrmSospese"), o);
        screen.findChild<QPushButton *>(QStringLiteral("btnTrova"))->click();
        QCOMPARE(m_modal->events().size(), 1);
        QCOMPARE(m_modal->last().kind, expected);
        QCOMPARE(m_modal->last().text, QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."));
    }

    void trovaMovesTheSelection()
    {
        ListScreen screen(QStringLiteral("TfrmSospese"), options());
        screen.setLines({QStringLiteral("Rossi"), QStringLiteral("Bianchi"), QStringLiteral("rossi")});
        auto *key = screen.findChild<QLineEdit *>(QStringLiteral("txtTrova"));
        auto *trova = screen.findChild<QPushButton *>(QStringLiteral("btnTrova"));
        key->setText(QStringLiteral("ROSSI"));
        trova->click();
        QCOMPARE(screen.currentRow(), 0);
        trova->click();
        QCOMPARE(screen.currentRow(), 2);
        trova->click();
        QCOMPARE(screen.currentRow(), 0);
        QVERIFY(m_modal->events().isEmpty());
    }

    void enterInTheKeyMovesToTrova()
    {
        ListScreen screen(QStringLiteral("TfrmSospese"), options());
        screen.setLines({QStringLiteral("Rossi"), QStringLiteral("Bianchi")});
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        auto *key = screen.findChild<QLineEdit *>(QStringLiteral("txtTrova"));
        key->setFocus();
        QTest::keyClicks(key, QStringLiteral("bianchi"));
        QTest::keyClick(key, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), screen.findChild<QWidget *>(QStringLiteral("btnTrova")));
        QCOMPARE(screen.currentRow(), -1); // Enter only moved the focus
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(screen.currentRow(), 1);
    }

    void printCancelledPrintsNothing()
    {
        ListScreen screen(QStringLiteral("TfrmSospese"), options());
        screen.setLines({QStringLiteral("Rossi")});
        screen.findChild<QPushButton *>(QStringLiteral("btnStampa"))->click();
        QCOMPARE(m_modal->events().size(), 1);
        QCOMPARE(m_modal->last().kind, QStringLiteral("print"));
        QCOMPARE(screen.lines(), QStringList{QStringLiteral("Rossi")});
    }

    void doubleClickHandsTheRow()
    {
        struct Chooser : ListScreen
        {
            using ListScreen::ListScreen;
            int chosen = -1;
            void lineChosen(int row) override { chosen = row; }
        } screen(QStringLiteral("TfrmSospese"), options());
        screen.setLines({QStringLiteral("a"), QStringLiteral("b")});
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        QListView *list = screen.list();
        emit list->doubleClicked(list->model()->index(1, 0));
        QCOMPARE(screen.chosen, 1);
    }

    void manyLinesStayQuick()
    {
        QStringList lines;
        lines.reserve(100000);
        for (int i = 0; i < 100000; ++i)
            lines.append(QStringLiteral("Ric. n. %1  Cliente: Rossi Mario %2").arg(i).arg(i % 97));
        ListScreen screen(QStringLiteral("TfrmTrovaRicevute"), options());
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        screen.setLines(lines);
        screen.setCurrentRow(99999);
        QCOMPARE(screen.lineCount(), 100000);
        QCOMPARE(screen.line(99999), lines.last());
        QVERIFY(screen.list()->horizontalScrollBar()->maximum() > 0); // long lines scroll sideways
    }

private:
    RecordingModal *m_modal = nullptr;
};

QTEST_MAIN(TestListScreen)
#include "tst_listscreen.moc"
