#include "access/tfrmpassword.h"

#include "app/screens.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfrmPassword::TfrmPassword(QWidget *parent)
    : WorkScreen(QStringLiteral("TfrmPassword"), parent)
    , m_password(new QLineEdit(this))
    , m_ok(new QPushButton(QStringLiteral("OK"), this))
{
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Immettere la password e premere OK."), this));
    m_password->setObjectName(QStringLiteral("txtPassword"));
    m_password->setEchoMode(QLineEdit::Password);
    layout->addWidget(m_password);
    m_ok->setObjectName(QStringLiteral("cmdOK"));
    auto *esci = new QPushButton(QStringLiteral("Esci"), this);
    esci->setObjectName(QStringLiteral("cmdEsci"));
    auto *cambia = new QPushButton(QStringLiteral("Cambia Password"), this);
    cambia->setObjectName(QStringLiteral("btnCambiaPassword"));
    layout->addWidget(m_ok);
    layout->addWidget(cambia);
    layout->addWidget(esci);
    setFixedSize(420, 220);

    connect(m_ok, &QPushButton::clicked, this, &TfrmPassword::login);
    connect(m_password, &QLineEdit::returnPressed, this, &TfrmPassword::login);
    connect(esci, &QPushButton::clicked, this, &QWidget::close);
    connect(cambia, &QPushButton::clicked, this,
            [this] { Screens::instance().showWork(QStringLiteral("TfrmCambiaPassword"), this); });
}

void TfrmPassword::prepare()
{
    m_password->setFocus();
}

void TfrmPassword::login()
{
    Screens::instance().showWork(QStringLiteral("TfrmAvvio"), this);
}

void TfrmPassword::closeEvent(QCloseEvent *event)
{
    // The main window: closing it ends the program.
    event->accept();
    if (Screens::exists())
        Screens::instance().endProgram();
}
