#include "access/tfrmcambiapassword.h"

#include "access/focusframe.h"
#include "access/passwordfile.h"
#include "access/tfrmpassword.h"
#include "app/modal.h"
#include "app/screens.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfrmCambiaPassword::TfrmCambiaPassword(QWidget *parent)
    : WorkScreen(QStringLiteral("TfrmCambiaPassword"), parent)
    , m_old(new QLineEdit(this))
    , m_new(new QLineEdit(this))
    , m_confirm(new QLineEdit(this))
    , m_ok(new QPushButton(QStringLiteral("OK"), this))
{
    // Fixed size, a title and no window buttons.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 20, 28, 20);
    layout->setSpacing(4);
    for (const char *line : {"Per cambiare la password, compilare i campi", "sottostanti e premere il pulsante OK."})
        layout->addWidget(new QLabel(QString::fromUtf8(line), this), 0, Qt::AlignHCenter);
    layout->addSpacing(12);

    struct Field
    {
        QLineEdit *edit;
        const char *name;
        const char *frame;
        const char *label;
    };
    const Field fields[] = {
        {m_old, "txtPasswordOld", "effPasswordOld", "Vecchia PW:"},
        {m_new, "txtPasswordNew", "effPasswordNew", "Nuova PW:"},
        {m_confirm, "txtConferma", "effConferma", "Conferma nuova PW:"},
    };
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    int row = 0;
    for (const Field &f : fields) {
        f.edit->setObjectName(QString::fromLatin1(f.name));
        f.edit->setEchoMode(QLineEdit::Password);
        f.edit->setMinimumWidth(240);
        f.edit->installEventFilter(this);
        auto *label = new QLabel(QString::fromLatin1(f.label), this);
        label->setBuddy(f.edit);
        grid->addWidget(label, row, 0, Qt::AlignRight);
        grid->addWidget(new FocusFrame(QString::fromLatin1(f.frame), f.edit, this), row, 1);
        connect(f.edit, &QLineEdit::textChanged, this, &TfrmCambiaPassword::updateOk);
        ++row;
    }
    layout->addLayout(grid);
    layout->addSpacing(12);

    m_ok->setObjectName(QStringLiteral("cmdOK"));
    auto *esci = new QPushButton(QStringLiteral("Chiudi"), this);
    esci->setObjectName(QStringLiteral("cmdEsci"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton *button : {m_ok, esci}) {
        button->setAutoDefault(true); // Enter on a focused button presses it
        button->setMinimumWidth(110);
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Enter moves old -> new -> confirmation -> old.
    connect(m_old, &QLineEdit::returnPressed, m_new, [this] { m_new->setFocus(); });
    connect(m_new, &QLineEdit::returnPressed, m_confirm, [this] { m_confirm->setFocus(); });
    connect(m_confirm, &QLineEdit::returnPressed, m_old, [this] { m_old->setFocus(); });
    connect(m_ok, &QPushButton::clicked, this, &TfrmCambiaPassword::changePassword);
    connect(esci, &QPushButton::clicked, this, &QWidget::close);
    updateOk();
}

QString TfrmCambiaPassword::closeTarget() const
{
    return QStringLiteral("TfrmPassword");
}

bool TfrmCambiaPassword::aboutToClose()
{
    if (Screens::exists()) {
        if (auto *login = Screens::instance().work<TfrmPassword>())
            login->resetPassword();
    }
    return true;
}

void TfrmCambiaPassword::prepare()
{
    m_old->clear();
    m_new->clear();
    m_confirm->clear();
    m_old->setFocus();
}

bool TfrmCambiaPassword::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyRelease && (watched == m_old || watched == m_new || watched == m_confirm))
        updateOk();
    return WorkScreen::eventFilter(watched, event);
}

void TfrmCambiaPassword::updateOk()
{
    m_ok->setEnabled(!m_old->text().trimmed().isEmpty() && !m_new->text().trimmed().isEmpty()
                     && !m_confirm->text().trimmed().isEmpty());
}

void TfrmCambiaPassword::changePassword()
{
    using PasswordFile::ChangeResult;
    switch (PasswordFile::change(PasswordFile::path(), m_old->text(), m_new->text(), m_confirm->text())) {
    case ChangeResult::OldPasswordWrong:
        Modal::plain(this, QStringLiteral("Attenzione: vecchia password errata."));
        m_old->clear();
        m_old->setFocus();
        return;
    case ChangeResult::NotConfirmed:
        Modal::plain(this, QStringLiteral("Attenzione: la nuova password non è stata confermata correttamente. "
                                          "E' necessario reinserire entrambi i valori."));
        m_new->clear();
        m_confirm->clear();
        m_new->setFocus();
        return;
    case ChangeResult::NotStorable:
        // The Password file holds one byte per character: longer passwords
        // and characters such as the euro sign would not read back as typed.
        Modal::plain(this, QStringLiteral("Attenzione: la nuova password può contenere al massimo 255 caratteri, "
                                          "scelti tra lettere, cifre, spazi e simboli dell'alfabeto latino "
                                          "(ad esempio, non il simbolo dell'euro). "
                                          "E' necessario reinserire entrambi i valori."));
        m_new->clear();
        m_confirm->clear();
        m_new->setFocus();
        return;
    case ChangeResult::Failed:
        Modal::plain(this, QStringLiteral("Attenzione: si è verificato un errore durante la procedura di modifica "
                                          "della password. Si consiglia di reinstallare il software."));
        return;
    case ChangeResult::Changed:
        Modal::plain(this, QStringLiteral("Modifica della password completata con successo."));
        close();
        return;
    }
}
