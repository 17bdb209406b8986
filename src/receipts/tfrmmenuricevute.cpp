#include "receipts/tfrmmenuricevute.h"

#include "access/guidetopics.h"
#include "access/tfrmguida.h"
#include "app/modal.h"
#include "app/picture.h"
#include "app/programfolder.h"
#include "app/screens.h"
#include "storage/receiptlayout.h"
#include "text/dates.h"
#include "text/fieldbehaviour.h"
#include "text/texthelpers.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel *label(const char *name, const QString &text, QWidget *parent, int pointSize = 12, bool bold = false)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    QFont font = l->font();
    font.setPointSize(pointSize);
    font.setBold(bold);
    l->setFont(font);
    return l;
}

QPushButton *openButton(const char *name, QWidget *parent)
{
    auto *b = new QPushButton(QStringLiteral("Apri"), parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setMinimumSize(110, 36);
    QFont font = b->font();
    font.setPointSize(12);
    font.setBold(true);
    b->setFont(font);
    return b;
}

} // namespace

TfrmMenuRicevute::TfrmMenuRicevute(QWidget *parent)
    : WorkScreen(QStringLiteral("TfrmMenuRicevute"), parent)
    , m_memory(new QLabel(this))
    , m_year(new QLineEdit(this))
    , m_openArchive(openButton("btnApriFatture", this))
{
    m_memory->setObjectName(QStringLiteral("lblMemory"));
    m_memory->hide();

    const QColor blue(0x0D, 0x47, 0xA1);
    auto *imgGuida = new Picture(QStringLiteral("imgGuida"), Pictures::badge(QStringLiteral("?"), blue, 40), true, this);
    imgGuida->setToolTip(QStringLiteral("Guida all'utilizzo del software"));
    auto *imgEsci = new Picture(QStringLiteral("imgEsci"), Pictures::badge(QStringLiteral("×"), QColor(0xC6, 0x28, 0x28), 40), true, this);
    imgEsci->setToolTip(QStringLiteral("Esci da questa schermata"));

    auto *panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("panMenu"));
    panel->setAutoFillBackground(true);
    panel->setMaximumWidth(720);

    auto *info = label("lblInformazioni",
                       QStringLiteral("In questo ambiente è possibile emettere ricevute per i propri Clienti e "
                                      "visualizzare grafici statistici degli incassi mensili."),
                       panel, 13, true);
    info->setWordWrap(true);
    info->setAlignment(Qt::AlignCenter);

    m_year->setObjectName(QStringLiteral("txtAnnoFatture"));
    m_year->setMaxLength(4);
    QFont yearFont(QStringLiteral("Verdana"));
    yearFont.setPointSize(14);
    yearFont.setBold(true);
    m_year->setFont(yearFont);
    m_year->setAlignment(Qt::AlignCenter);
    m_year->setFixedWidth(90);
    // Digits only; Enter moves on to the "Apri" button.
    FieldBehaviour *year = FieldBehaviour::successor(m_year, m_openArchive);
    year->setFilter(FieldBehaviour::Filter::Digits);

    auto *openCharts = openButton("btnApriRiepStats", panel);

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(18);
    grid->addWidget(label("intAnnoFatture", QStringLiteral("Archivio ricevute:"), panel, 13, true), 0, 0);
    grid->addWidget(label("titAnnoFatture", QStringLiteral("Anno:"), panel, 12), 0, 1, Qt::AlignRight);
    grid->addWidget(m_year, 0, 2);
    grid->addWidget(m_openArchive, 0, 3);
    grid->addWidget(label("intAnnoRiepStats", QStringLiteral("Grafici statistici incassi mensili:"), panel, 13, true),
                    1, 0, 1, 3);
    grid->addWidget(openCharts, 1, 3);
    grid->setColumnStretch(0, 1);

    auto *panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(28, 24, 28, 24);
    panelLayout->setSpacing(24);
    panelLayout->addWidget(new Picture(QStringLiteral("imgTitolo"),
                                       Pictures::caption(QStringLiteral("Emissione ricevute"), Qt::transparent, blue, 520, 48, 24, true),
                                       false, panel),
                           0, Qt::AlignHCenter);
    panelLayout->addWidget(info);
    panelLayout->addLayout(grid);

    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->addWidget(imgGuida, 0, 2, Qt::AlignRight | Qt::AlignTop);
    layout->addWidget(panel, 1, 0, 1, 3, Qt::AlignCenter);
    layout->addWidget(imgEsci, 2, 2, Qt::AlignRight | Qt::AlignBottom);
    layout->setRowStretch(1, 1);
    layout->setColumnStretch(1, 1);

    m_year->setParent(panel);
    m_openArchive->setParent(panel);
    setTabOrder(m_year, m_openArchive);
    setTabOrder(m_openArchive, openCharts);

    connect(m_openArchive, &QPushButton::clicked, this, &TfrmMenuRicevute::openArchive);
    connect(openCharts, &QPushButton::clicked, this, &TfrmMenuRicevute::openCharts);
    connect(imgGuida, &Picture::clicked, this, [this] { TfrmGuida::open(this, GuideTopics::receipts()); });
    connect(imgEsci, &Picture::clicked, this, &QWidget::close);
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
    m_year->setText(Dates::yearText());
    setReturnToken(QStringLiteral("avvio"));
    m_year->setFocus(Qt::OtherFocusReason);
}

void TfrmMenuRicevute::openArchive()
{
    // Exactly four characters, as typed: the archive is named by them.
    if (m_year->text().size() != 4) {
        Modal::warning(this, QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre."));
        m_year->setFocus(Qt::OtherFocusReason);
        return;
    }
    const QString year = Text::trim(m_year->text());
    // The editor is told its archive through its hidden labels and caption.
    if (QWidget *editor = Screens::instance().work(QStringLiteral("TfrmRicevute"))) {
        if (auto *file = editor->findChild<QLabel *>(QStringLiteral("lblFile")))
            file->setText(ProgramFolder::path() + ReceiptLayout::archiveFileName(year));
        if (auto *anno = editor->findChild<QLabel *>(QStringLiteral("lblAnno")))
            anno->setText(year);
        editor->setWindowTitle(QStringLiteral(" Ostelio - Archivio ricevute anno ") + year);
    }
    setReturnToken(QStringLiteral("ricevute"));
    close();
}

void TfrmMenuRicevute::openCharts()
{
    setReturnToken(QStringLiteral("statistiche_ric"));
    close();
}

QString TfrmMenuRicevute::closeTarget() const
{
    const QString token = Text::trim(returnToken());
    if (token == u"avvio")
        return QStringLiteral("TfrmAvvio");
    if (token == u"ricevute")
        return QStringLiteral("TfrmRicevute");
    if (token == u"statistiche_ric")
        return QStringLiteral("TfrmStatistiche");
    return QString(); // an unknown token leaves the menu hidden with nothing shown
}

void TfrmMenuRicevute::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QLinearGradient fill(0, 0, 0, height());
    fill.setColorAt(0, QColor(0x64, 0xB5, 0xF6));
    fill.setColorAt(1, Qt::white);
    p.fillRect(rect(), fill);
}
