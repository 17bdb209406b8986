#include "receipts/tfrmmenuricevute.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TfrmMenuRicevute::TfrmMenuRicevute(QWidget *parent)
    : WorkScreen(QStringLiteral("TfrmMenuRicevute"), parent)
    , m_memory(new QLabel(this))
{
    m_memory->setObjectName(QStringLiteral("lblMemory"));
    m_memory->hide();
    auto *layout = new QVBoxLayout(this);
    auto *esci = new QPushButton(QStringLiteral("Esci"), this);
    esci->setObjectName(QStringLiteral("cmdEsci"));
    layout->addStretch();
    layout->addWidget(esci, 0, Qt::AlignCenter);
    layout->addStretch();
    connect(esci, &QPushButton::clicked, this, &QWidget::close);
}

QString TfrmMenuRicevute::returnToken() const
{
    return m_memory->text();
}

void TfrmMenuRicevute::setReturnToken(const QString &token)
{
    m_memory->setText(token);
}

void TfrmMenuRicevute::prepare()
{
    setReturnToken(QStringLiteral("avvio"));
}

QString TfrmMenuRicevute::closeTarget() const
{
    const QString token = returnToken();
    if (token == u"avvio")
        return QStringLiteral("TfrmAvvio");
    if (token == u"ricevute")
        return QStringLiteral("TfrmRicevute");
    if (token == u"statistiche_ric")
        return QStringLiteral("TfrmStatistiche");
    return QString(); // an unknown token leaves the menu hidden with nothing shown
}
