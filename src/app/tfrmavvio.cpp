#include "app/tfrmavvio.h"

#include "access/guidetopics.h"
#include "access/openurl.h"
#include "access/tfrmguida.h"
#include "app/maker.h"
#include "app/modal.h"
#include "app/picture.h"
#include "app/screens.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLinearGradient>
#include <QPainter>
#include <QVBoxLayout>

namespace {

struct Tile
{
    const char *key; // Clienti, Servizi, Ricevute
    const char *title;
    Pictures::Emblem emblem;
    const char *screen;
};

constexpr Tile kTiles[] = {
    {"Clienti", "Anagrafica Clienti", Pictures::Emblem::Customers, "TfrmClienti"},
    {"Servizi", "Tariffario prodotti e servizi", Pictures::Emblem::PriceList, "TfrmServizi"},
    {"Ricevute", "Emissione ricevute", Pictures::Emblem::Receipts, "TfrmMenuRicevute"},
};

} // namespace

TfrmAvvio::TfrmAvvio(QWidget *parent)
    : WorkScreen(QStringLiteral("TfrmAvvio"), parent)
{
    const QColor blue(0x0D, 0x47, 0xA1);

    auto *imgInfo = new Picture(QStringLiteral("imgInfo"), Pictures::badge(QStringLiteral("i"), blue, 40), true, this);
    auto *imgGuida = new Picture(QStringLiteral("imgGuida"), Pictures::badge(QStringLiteral("?"), blue, 40), true, this);
    auto *imgSplash = new Picture(QStringLiteral("imgSplash"), Pictures::badge(QStringLiteral("O"), QColor(0x15, 0x65, 0xC0), 40), true, this);
    auto *imgEsci = new Picture(QStringLiteral("imgEsci"), Pictures::badge(QStringLiteral("×"), QColor(0xC6, 0x28, 0x28), 40), true, this);
    auto *imgSito = new Picture(QStringLiteral("imgSito"),
                                Pictures::caption(Maker::webSite(), QColor(255, 255, 255, 0), blue, 420, 28, 11, false),
                                true, this);
    imgInfo->setToolTip(QStringLiteral("Informazioni su Ostelio"));
    imgGuida->setToolTip(QStringLiteral("Guida all'utilizzo del software"));
    imgEsci->setToolTip(QStringLiteral("Esci dal programma"));

    // The centred panel with the title and the three tiles.
    auto *panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("panAvvio"));
    auto *panelLayout = new QVBoxLayout(panel);
    panelLayout->setSpacing(18);
    panel->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    panelLayout->addWidget(new Picture(QStringLiteral("imgLogo"), Pictures::badge(QStringLiteral("O"), blue, 72), false, panel), 0, Qt::AlignHCenter);
    panelLayout->addWidget(new Picture(QStringLiteral("imgTitolo"),
                                       Pictures::caption(QStringLiteral("Ostelio"), Qt::transparent, blue, 420, 56, 32, true), false, panel),
                           0, Qt::AlignHCenter);
    panelLayout->addWidget(new Picture(QStringLiteral("imgSottotitolo"),
                                       Pictures::caption(QStringLiteral("Gestionale per alberghi, B&B, case vacanza e campeggi"),
                                                         Qt::transparent, blue.darker(120), 560, 28, 13, false),
                                       false, panel),
                           0, Qt::AlignHCenter);
    auto *tiles = new QHBoxLayout;
    tiles->setSpacing(48);
    for (const Tile &tile : kTiles) {
        const QString key = QString::fromLatin1(tile.key);
        const QString screen = QString::fromLatin1(tile.screen);
        auto *column = new QVBoxLayout;
        column->setSpacing(10);
        auto *img = new Picture(QStringLiteral("img") + key, Pictures::tile(tile.emblem, 150), true, panel);
        auto *btn = new Picture(QStringLiteral("btn") + key,
                                Pictures::caption(QStringLiteral("Apri"), blue, Qt::white, 120, 34, 12, true), true, panel);
        auto *inf = new Picture(QStringLiteral("inf") + key,
                                Pictures::caption(QString::fromUtf8(tile.title), Qt::transparent, blue.darker(130), 220, 48, 13, true),
                                true, panel);
        for (Picture *picture : {img, btn, inf}) {
            connect(picture, &Picture::clicked, this, [this, screen] { openApplication(screen); });
            column->addWidget(picture, 0, Qt::AlignHCenter);
        }
        tiles->addLayout(column);
    }
    panelLayout->addLayout(tiles);

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(16, 16, 16, 16);
    grid->addWidget(imgInfo, 0, 0, Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(imgGuida, 0, 2, Qt::AlignRight | Qt::AlignTop);
    grid->addWidget(panel, 1, 0, 1, 3, Qt::AlignCenter);
    grid->addWidget(imgSito, 2, 0, 1, 3, Qt::AlignHCenter | Qt::AlignBottom);
    grid->addWidget(imgSplash, 3, 0, Qt::AlignLeft | Qt::AlignBottom);
    grid->addWidget(imgEsci, 3, 2, Qt::AlignRight | Qt::AlignBottom);
    grid->setRowStretch(1, 1);

    connect(imgInfo, &Picture::clicked, this, [this] { Screens::instance().openDialog(QStringLiteral("TfrmInfo"), this); });
    connect(imgGuida, &Picture::clicked, this, [this] { TfrmGuida::open(this, GuideTopics::overview()); });
    connect(imgSplash, &Picture::clicked, this, [this] { Screens::instance().openDialog(QStringLiteral("TfrmSplash"), this); });
    connect(imgSito, &Picture::clicked, this, [] { TMisc::openWeb(Maker::webSite()); });
    connect(imgEsci, &Picture::clicked, this, [] { Screens::instance().endProgram(); });
}

void TfrmAvvio::openApplication(const QString &screen)
{
    Screens::instance().showWork(screen, this);
}

void TfrmAvvio::closeEvent(QCloseEvent *event)
{
    // Closing the launcher ends the program at once, without a question.
    event->accept();
    if (Screens::exists())
        Screens::instance().endProgram();
}

void TfrmAvvio::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QLinearGradient fill(0, 0, 0, height());
    fill.setColorAt(0, QColor(0x64, 0xB5, 0xF6));
    fill.setColorAt(1, Qt::white);
    p.fillRect(rect(), fill);
}
