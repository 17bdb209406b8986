#include "access/tfrmpassword.h"

#include "access/focusframe.h"
#include "access/passwordfile.h"
#include "app/modal.h"
#include "app/screens.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel *addLabel(QVBoxLayout *layout, const QString &text, QWidget *parent, const char *name = nullptr)
{
    auto *label = new QLabel(text, parent);
    if (name)
        label->setObjectName(QString::fromLatin1(name));
    layout->addWidget(label, 0, Qt::AlignHCenter);
    return label;
}

} // namespace

TfrmPassword::TfrmPassword(QWidget *parent)
    : WorkScreen(QStringLiteral("TfrmPassword"), parent)
    , m_password(new QLineEdit(this))
    , m_frame(new FocusFrame(QStringLiteral("effPassword"), m_password, this))
    , m_ok(new QPushButton(QStringLiteral("OK"), this))
    , m_memory(new QLabel(this))
{
    // Fixed size, a title and no window buttons.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    // The screen's scratch label; the stored password is held only for the
    // comparison and never put into a control.
    m_memory->setObjectName(QStringLiteral("lblMemory"));
    m_memory->hide();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 20, 28, 20);
    layout->setSpacing(4);

    QFont titleFont = font();
    titleFont.setPointSize(titleFont.pointSize() + 2);
    titleFont.setBold(true);
    for (const char *line : {"E' possibile proteggere l'accesso al programma", "con una password di propria scelta."})
        addLabel(layout, QString::fromUtf8(line), this)->setFont(titleFont);
    layout->addSpacing(12);

    const QString notice[] = {
        QStringLiteral("Per il primo accesso dopo ogni installazione del software,"),
        QStringLiteral("usare la password \"") + PasswordFile::initialPassword() + QStringLiteral("\" (senza le virgolette)."),
    };
    for (const QString &line : notice)
        addLabel(layout, line, this)->setStyleSheet(QStringLiteral("color: crimson;"));
    layout->addSpacing(12);

    addLabel(layout, QStringLiteral("Immettere la password e premere OK."), this);
    m_password->setObjectName(QStringLiteral("txtPassword"));
    m_password->setEchoMode(QLineEdit::Password);
    m_password->setFont(QFont(QStringLiteral("Verdana"), 14, QFont::Bold));
    m_password->setMinimumWidth(300);
    m_password->installEventFilter(this);
    layout->addWidget(m_frame, 0, Qt::AlignHCenter);
    layout->addSpacing(12);

    m_ok->setObjectName(QStringLiteral("cmdOK"));
    auto *cambia = new QPushButton(QStringLiteral("Cambia Password"), this);
    cambia->setObjectName(QStringLiteral("btnCambiaPassword"));
    auto *esci = new QPushButton(QStringLiteral("Esci"), this);
    esci->setObjectName(QStringLiteral("cmdEsci"));
    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(10);
    for (QPushButton *button : {m_ok, cambia, esci}) {
        button->setAutoDefault(true); // Enter on a focused button presses it
        button->setMinimumWidth(120);
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_password, &QLineEdit::textChanged, this, &TfrmPassword::updateOk);
    connect(m_password, &QLineEdit::returnPressed, this, [this] {
        if (m_ok->isEnabled())
            login();
    });
    connect(m_ok, &QPushButton::clicked, this, &TfrmPassword::login);
    connect(esci, &QPushButton::clicked, this, &QWidget::close);
    connect(cambia, &QPushButton::clicked, this,
            [this] { Screens::instance().showWork(QStringLiteral("TfrmCambiaPassword"), this); });
    updateOk();
}

bool TfrmPassword::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_password && event->type() == QEvent::KeyRelease)
        updateOk();
    return WorkScreen::eventFilter(watched, event);
}

void TfrmPassword::updateOk()
{
    m_ok->setEnabled(!m_password->text().trimmed().isEmpty());
}

void TfrmPassword::resetPassword()
{
    m_password->clear();
    m_password->setFocus();
}

void TfrmPassword::prepare()
{
    m_password->setFocus();
}

void TfrmPassword::login()
{
    switch (PasswordFile::checkLogin(PasswordFile::path(), m_password->text())) {
    case PasswordFile::LoginResult::ReadError:
        Modal::plain(this, QStringLiteral("Attenzione: si è verificato un errore durante la procedura di lettura della "
                                          "password. Si consiglia di reinstallare il software."));
        return;
    case PasswordFile::LoginResult::Refused:
        Modal::warning(this, QStringLiteral("Attenzione: password errata."));
        resetPassword();
        return;
    case PasswordFile::LoginResult::Accepted:
        // The typed password is not kept once it has served.
        m_password->clear();
        Screens::instance().showWork(QStringLiteral("TfrmAvvio"), this);
        return;
    }
}

void TfrmPassword::closeEvent(QCloseEvent *event)
{
    // The main window: closing it ends the program.
    event->accept();
    if (Screens::exists())
        Screens::instance().endProgram();
}
