#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QKeyEvent;
class QLineEdit;
class QWidget;

// The keyboard and focus behaviour of an edit field, attached once to the
// field so that no screen handles keys by hand:
//  - Enter moves the focus to the field's successor;
//  - a key filter (amounts: digits and ","; counts: digits) lets through only
//    those characters and Backspace, Delete, Left and Right, and swallows
//    every other key, Tab, Home, End and the up and down arrows included;
//  - leaving the field puts it in its normal form (amount or whole number);
//  - a highlight frame is shown while the field has the focus;
//  - optionally, the text is trimmed and upper-cased after every key.
//
//     FieldBehaviour::amount(txtPrezzo01, txtDesc02, QString());
//     FieldBehaviour::wholeNumber(txtGiorni, txtDitta, "0");
//     FieldBehaviour::successor(txtNumRic, txtData);
//     connect(FieldBehaviour::of(txtTassa), &FieldBehaviour::keyPressed, ...);
class FieldBehaviour : public QObject
{
    Q_OBJECT
public:
    enum class Filter { None, Amount, Digits };

    // The behaviour of a field, attached on first use (owned by the field).
    static FieldBehaviour *of(QWidget *field);

    // An amount field: amount filter, Enter to 'next', and on leaving the
    // amount normalisation ('emptyGives' for an empty field, 'invalidGives'
    // for text that is not an amount).
    static FieldBehaviour *amount(QLineEdit *field, QWidget *next, const QString &emptyGives,
                                  const QString &invalidGives = QStringLiteral("0,00"));
    // A count field: digit filter, Enter to 'next', and on leaving the
    // whole-number normalisation with one fallback for empty and invalid.
    static FieldBehaviour *wholeNumber(QLineEdit *field, QWidget *next, const QString &fallback);
    // Any other field: Enter moves the focus to 'next'.
    static FieldBehaviour *successor(QWidget *field, QWidget *next);

    void setSuccessor(QWidget *next);
    void setFilter(Filter filter);
    // Normal forms applied on leaving (the field must be a QLineEdit).
    void setAmountNormalisation(const QString &emptyGives, const QString &invalidGives = QStringLiteral("0,00"));
    void setWholeNormalisation(const QString &emptyGives, const QString &invalidGives);
    // A frame shown while the field has the focus and hidden when it leaves.
    void setHighlight(QWidget *frame);
    // After every key released in the field, its text becomes its trimmed
    // form with the letters a to z in upper case (codes, provinces).
    void setUpperCaseOnKeyRelease(bool on);
    // Trims and upper-cases the text now, as a key release does.
    void upperCase();

    // Whether a key passes a filter (Enter is handled apart).
    static bool passes(Filter filter, const QKeyEvent *event);

    // Puts the field in its normal form now, as leaving it does.
    void normalise();

signals:
    // Every key pressed in the field, before the filter decides whether it
    // passes (so also Enter and swallowed keys).
    void keyPressed(QKeyEvent *event);
    // The field lost the focus; emitted after the normalisation.
    void left();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit FieldBehaviour(QWidget *field);

    enum class Normal { None, Amount, Whole };

    QWidget *m_field;
    QPointer<QWidget> m_next;
    QPointer<QWidget> m_highlight;
    Filter m_filter = Filter::None;
    Normal m_normal = Normal::None;
    bool m_upper = false;
    QString m_emptyGives;
    QString m_invalidGives;
};
