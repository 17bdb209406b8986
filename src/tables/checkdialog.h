#pragma once

#include "app/modal.h"
#include "app/screenbase.h"

class QLabel;
class QLineEdit;
class QPushButton;

// The common frame of the identifier checks: an instruction, the field to
// check, "Controlla" and "Chiudi". The caller hands over the text of its
// field with setCheckText() before showing the screen; the screen reports
// valid or not valid in a message box and writes nothing back. After a
// verdict it closes; when the text is too short or empty it stays open with
// the focus in the field.
class CheckDialog : public DialogScreen
{
    Q_OBJECT
public:
    // Puts the calling field's text, trimmed, into the field to check. The
    // whole text is shown and checked, even when it is longer than can be
    // typed, so that a longer text is reported rather than cut.
    void setCheckText(const QString &text);
    QString checkText() const;

    QLineEdit *field() const { return m_field; }

protected:
    struct Options
    {
        const char *fieldName; // the field's object name
        const char *instruction;
        int maxLength; // what can be typed
        bool digitsOnly = false; // only digits can be typed
        bool tidyOnKeyRelease = false; // the text is trimmed and upper-cased after every key
    };

    CheckDialog(const QString &name, const Options &options, QWidget *parent);

    // "Controlla".
    virtual void check() = 0;

    // A message that leaves the screen open, the focus back in the field.
    void refuse(const QString &text);
    // The verdict: the message, then the screen closes.
    void verdict(MessageKind kind, const QString &text);

    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void tidy();

    QLineEdit *m_field;
    QPushButton *m_check;
    int m_maxLength;
    bool m_digitsOnly;
    bool m_tidy;
};

namespace CheckDialogs {

// Opens the check screen `screen` ("TfrmCodFisc", "TfrmPartitaIva",
// "TfrmCarta", "TfrmIban") modally over the caller with the text of the
// calling field, and destroys it when it closes. The token goes into the
// screen's lblMemory as for every dialog.
void open(const QString &screen, QWidget *caller, const QString &fieldText, const QString &token = QString());

// The tax-code buttons: a text of digits only goes to the VAT number check,
// any other text (an empty one too) to the tax-code check.
QString taxCodeScreenFor(const QString &fieldText);
void openTaxCode(QWidget *caller, const QString &fieldText, const QString &token = QString());

} // namespace CheckDialogs
