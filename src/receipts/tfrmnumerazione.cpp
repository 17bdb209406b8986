#include "receipts/tfrmnumerazione.h"

#include "app/modal.h"
#include "receipts/receiptsettings.h"
#include "text/fieldbehaviour.h"
#include "text/texthelpers.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

const char *const kLines[] = {
    "Utilizzare la presente funzione se si vuole",
    "far partire la numerazione automatica dei",
    "documenti da un numero superiore a 1.",
    "Attenzione: per sfruttare la numerazione",
    "automatica bisogna premere il pulsante",
    "Nuovo prima di compilare il documento.",
};

} // namespace

TfrmNumerazione::TfrmNumerazione(QWidget *parent)
    : DialogScreen(QStringLiteral("TfrmNumerazione"), parent)
    , m_start(new QLineEdit(this))
    , m_withYear(new QCheckBox(QStringLiteral("Indica l'anno solare dopo il numero progressivo del documento"), this))
    , m_apply(new QPushButton(QStringLiteral("Applica e chiudi"), this))
{
    // Fixed size, a title and no window buttons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->setSpacing(2);
    for (int i = 0; i < 6; ++i) {
        auto *line = new QLabel(QString::fromUtf8(kLines[i]), this);
        line->setObjectName(QStringLiteral("lblRigo%1").arg(i + 1, 2, 10, QLatin1Char('0')));
        if (i >= 3)
            line->setStyleSheet(QStringLiteral("color: #b00020;"));
        if (i == 3)
            layout->addSpacing(10);
        layout->addWidget(line);
    }

    auto *group = new QGroupBox(QStringLiteral(" Inizia numerazione da: "), this);
    group->setObjectName(QStringLiteral("grpNumerazione"));
    m_start->setObjectName(QStringLiteral("txtInizio"));
    m_start->setParent(group);
    m_start->setMaxLength(5);
    m_start->setAlignment(Qt::AlignCenter);
    m_start->setFixedWidth(90);
    auto *groupLayout = new QHBoxLayout(group);
    groupLayout->addStretch();
    groupLayout->addWidget(m_start);
    groupLayout->addStretch();
    layout->addSpacing(12);
    layout->addWidget(group);

    m_withYear->setObjectName(QStringLiteral("chkTipo"));
    layout->addSpacing(8);
    layout->addWidget(m_withYear);

    m_apply->setObjectName(QStringLiteral("btnApplica"));
    auto *cancel = new QPushButton(QStringLiteral("Annulla"), this);
    cancel->setObjectName(QStringLiteral("btnAnnulla"));
    for (QPushButton *b : {m_apply, cancel}) {
        b->setMinimumWidth(120);
    }
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_apply);
    buttons->addWidget(cancel);
    layout->addSpacing(14);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    FieldBehaviour::wholeNumber(m_start, m_apply, QStringLiteral("1"));

    connect(m_apply, &QPushButton::clicked, this, &TfrmNumerazione::apply);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

bool TfrmNumerazione::fromReceipts() const
{
    return Text::trim(callerToken()) == u"ricevute";
}

void TfrmNumerazione::showEvent(QShowEvent *event)
{
    DialogScreen::showEvent(event);
    if (event->spontaneous())
        return;
    if (fromReceipts()) {
        m_start->setText(ReceiptSettings::startNumber());
        m_withYear->setChecked(ReceiptSettings::yearInNumber());
    }
    if (Text::trim(m_start->text()).isEmpty())
        m_start->setText(QStringLiteral("1"));
    m_start->setFocus();
}

void TfrmNumerazione::apply()
{
    if (fromReceipts()) {
        // The field is normally left, and so normalised, before the button
        // acts; make sure of it when it was not.
        FieldBehaviour::of(m_start)->normalise();
        QString error;
        if (!ReceiptSettings::writeNumbering(Text::trim(m_start->text()), m_withYear->isChecked(), &error)) {
            Modal::error(this, error);
            return;
        }
    }
    accept();
}
