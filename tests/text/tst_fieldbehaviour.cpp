#include "text/fieldbehaviour.h"

#include <QApplication>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

// The key filters, Enter to the successor, the normal form on leaving and the
// highlight frame, on a small window of real edit fields.
class TstFieldBehaviour : public QObject
{
    Q_OBJECT

private:
    QWidget *m_window = nullptr;
    QLineEdit *m_amount = nullptr;
    QLineEdit *m_days = nullptr;
    QLineEdit *m_text = nullptr;
    QPushButton *m_button = nullptr;
    QFrame *m_frame = nullptr;

    static void press(QWidget *w, Qt::Key key, const QString &text = QString(),
                      Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QKeyEvent e(QEvent::KeyPress, key, mods, text);
        QApplication::sendEvent(w, &e);
        QKeyEvent r(QEvent::KeyRelease, key, mods, text);
        QApplication::sendEvent(w, &r);
    }

private slots:
    void init()
    {
        m_window = new QWidget;
        auto *layout = new QVBoxLayout(m_window);
        m_amount = new QLineEdit;
        m_days = new QLineEdit;
        m_text = new QLineEdit;
        m_button = new QPushButton("OK");
        m_frame = new QFrame;
        for (QWidget *w : {static_cast<QWidget *>(m_amount), static_cast<QWidget *>(m_days),
                           static_cast<QWidget *>(m_text), static_cast<QWidget *>(m_button),
                           static_cast<QWidget *>(m_frame)})
            layout->addWidget(w);
        FieldBehaviour::amount(m_amount, m_days, QStringLiteral("0,00"))->setHighlight(m_frame);
        FieldBehaviour::wholeNumber(m_days, m_text, QStringLiteral("1"));
        FieldBehaviour::successor(m_text, m_button);
        m_window->show();
        QApplication::setActiveWindow(m_window);
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        m_amount->setFocus();
        QTRY_VERIFY(m_amount->hasFocus());
    }
    void cleanup()
    {
        delete m_window;
    }

    void filters_data()
    {
        QTest::addColumn<bool>("amountField");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");

        QTest::newRow("amount digits and comma") << true << "12,5" << "12,5";
        QTest::newRow("amount refuses dot minus letters") << true << "1.-a2 e€" << "12";
        QTest::newRow("digits refuse comma") << false << "1,2" << "12";
        QTest::newRow("digits refuse letters") << false << "3x/" << "3";
    }
    void filters()
    {
        QFETCH(bool, amountField);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QLineEdit *field = amountField ? m_amount : m_days;
        field->setFocus();
        for (QChar c : typed)
            press(field, Qt::Key_unknown, QString(c));
        QCOMPARE(field->text(), shown);
    }

    void editingKeysPassOthersAreSwallowed()
    {
        m_amount->setText("1234");
        m_amount->setCursorPosition(4);
        press(m_amount, Qt::Key_Left);
        press(m_amount, Qt::Key_Backspace);
        QCOMPARE(m_amount->text(), QStringLiteral("124"));
        press(m_amount, Qt::Key_Delete);
        QCOMPARE(m_amount->text(), QStringLiteral("12"));
        press(m_amount, Qt::Key_Home);
        press(m_amount, Qt::Key_Up);
        QCOMPARE(m_amount->cursorPosition(), 2);
        press(m_amount, Qt::Key_Right);
        press(m_amount, Qt::Key_Left);
        QCOMPARE(m_amount->cursorPosition(), 1);
        press(m_amount, Qt::Key_Tab, "\t");
        QVERIFY(m_amount->hasFocus());
        press(m_amount, Qt::Key_V, "\x16", Qt::ControlModifier);
        QCOMPARE(m_amount->text(), QStringLiteral("12"));
    }

    // Enter moves to the successor, and leaving normalises with the field's
    // own fallbacks.
    void enterMovesAndLeavingNormalises()
    {
        m_amount->setText("12,34567");
        press(m_amount, Qt::Key_Return, "\r");
        QTRY_VERIFY(m_days->hasFocus());
        QCOMPARE(m_amount->text(), QStringLiteral("12,3457"));

        m_days->setText("007");
        press(m_days, Qt::Key_Enter, "\r");
        QTRY_VERIFY(m_text->hasFocus());
        QCOMPARE(m_days->text(), QStringLiteral("7"));

        m_text->setText("free text 1.5");
        press(m_text, Qt::Key_Return, "\r");
        QTRY_VERIFY(m_button->hasFocus());
        QCOMPARE(m_text->text(), QStringLiteral("free text 1.5"));

        m_days->setFocus();
        m_days->clear();
        m_amount->setFocus();
        QTRY_VERIFY(m_amount->hasFocus());
        QCOMPARE(m_days->text(), QStringLiteral("1"));

        m_amount->setText("12.50");
        m_days->setFocus();
        QTRY_VERIFY(m_days->hasFocus());
        QCOMPARE(m_amount->text(), QStringLiteral("0,00"));
        m_amount->setFocus();
        m_amount->clear();
        m_days->setFocus();
        QTRY_VERIFY(m_days->hasFocus());
        QCOMPARE(m_amount->text(), QStringLiteral("0,00"));
    }

    // Every key reaches the key signal before the filter, swallowed ones
    // and Enter included.
    void everyKeyIsSignalled()
    {
        QSignalSpy spy(FieldBehaviour::of(m_amount), &FieldBehaviour::keyPressed);
        press(m_amount, Qt::Key_A, "a");
        press(m_amount, Qt::Key_1, "1");
        press(m_amount, Qt::Key_Return, "\r");
        QCOMPARE(spy.count(), 3);
        QCOMPARE(FieldBehaviour::of(m_amount), FieldBehaviour::of(m_amount)); // attached once
    }

    void upperCaseOnKeyRelease()
    {
        FieldBehaviour::of(m_text)->setUpperCaseOnKeyRelease(true);
        m_text->setFocus();
        m_text->setText(QStringLiteral(" rm"));
        press(m_text, Qt::Key_unknown, QStringLiteral("ù"));
        QCOMPARE(m_text->text(), QStringLiteral("RMù"));
        QCOMPARE(m_text->cursorPosition(), 3);
    }

    void highlightFollowsFocus()
    {
        QVERIFY(m_frame->isVisible());
        m_days->setFocus();
        QTRY_VERIFY(!m_frame->isVisible());
        m_amount->setFocus();
        QTRY_VERIFY(m_frame->isVisible());
    }
};

QTEST_MAIN(TstFieldBehaviour)
#include "tst_fieldbehaviour.moc"
