#include "receipts/tfrmlogo.h"

#include "app/modal.h"
#include "app/picture.h"
#include "receipts/logo.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

const QString kTitle = QStringLiteral("Selezionare il logo della Ditta in formato Jpeg o Bitmap.");
// The filter as the dialog knows it, and in the form the file dialog reads.
const QString kFilter =
    QStringLiteral("Immagine JPEG (*.jpg; *.jpeg)|*.jpg;*.jpeg|Immagine Bitmap (*.bmp)|*.bmp");
const QString kDialogFilter = QStringLiteral("Immagine JPEG (*.jpg *.jpeg);;Immagine Bitmap (*.bmp)");
const QString kDefaultExt = QStringLiteral("JPG,JPEG,BMP");

// A picture scaled into a frame, keeping its proportions.
QPixmap fitted(const QImage &image, const QSize &frame)
{
    QPixmap pixmap(frame);
    pixmap.fill(Qt::white);
    if (image.isNull())
        return pixmap;
    const QImage scaled = image.scaled(frame, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPainter p(&pixmap);
    p.drawImage((frame.width() - scaled.width()) / 2, (frame.height() - scaled.height()) / 2, scaled);
    return pixmap;
}

// The small picture of the "no logo" button: an empty frame crossed out.
QPixmap noLogoPicture(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x60, 0x60, 0x60), 2));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(3, 6, size - 6, size - 12), 3, 3);
    p.setPen(QPen(QColor(0xC0, 0x20, 0x20), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(8, 8), QPointF(size - 8, size - 8));
    p.drawLine(QPointF(size - 8, 8), QPointF(8, size - 8));
    return pixmap;
}

} // namespace

TfrmLogo::TfrmLogo(QWidget *parent)
    : DialogScreen(QStringLiteral("TfrmLogo"), parent)
    , m_logo(new QLabel(this))
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowTitle(QStringLiteral("Impostazione logo Ditta"));

    m_logo->setObjectName(QStringLiteral("imgLogo"));
    m_logo->setFixedSize(Logo::Width, Logo::Height);
    m_logo->setFrameShape(QFrame::Box);
    m_logo->setAlignment(Qt::AlignCenter);

    auto *line1 = new QLabel(QStringLiteral("Caricare il logo della Ditta in formato Jpeg o Bitmap"), this);
    line1->setObjectName(QStringLiteral("lblIstruzioni01"));
    auto *line2 = new QLabel(QStringLiteral("con dimensioni uguali a 297x184 pixel."), this);
    line2->setObjectName(QStringLiteral("lblIstruzioni02"));

    auto *browse = new QPushButton(QStringLiteral("Sfoglia..."), this);
    browse->setObjectName(QStringLiteral("btnSfoglia"));
    auto *noLogo = new Picture(QStringLiteral("btnCancLogo"), noLogoPicture(40), true, this);
    noLogo->setToolTip(QStringLiteral("Nessun logo"));
    const QImage euro = Logo::defaultLogo().scaled(64, 40, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    auto *defaultLogo = new Picture(QStringLiteral("imgEuro"), QPixmap::fromImage(euro), true, this);
    defaultLogo->setToolTip(QStringLiteral("Logo predefinito"));

    auto *apply = new QPushButton(QStringLiteral("Applica e chiudi"), this);
    apply->setObjectName(QStringLiteral("btnApplica"));
    auto *cancel = new QPushButton(QStringLiteral("Annulla"), this);
    cancel->setObjectName(QStringLiteral("btnAnnulla"));
    for (QPushButton *b : {browse, apply, cancel}) {
        b->setMinimumWidth(120);
    }

    // The file-open dialog's settings, kept with the dialog as its
    // designed component.
    auto *fileDialog = new QObject(this);
    fileDialog->setObjectName(QStringLiteral("dlgFile"));
    fileDialog->setProperty("title", kTitle);
    fileDialog->setProperty("filter", kFilter);
    fileDialog->setProperty("defaultExt", kDefaultExt);

    // Hidden holders of the default logo and of the blank picture.
    auto *temp = new QLabel(this);
    temp->setObjectName(QStringLiteral("imgTemp"));
    temp->setPixmap(QPixmap::fromImage(Logo::defaultLogo()));
    temp->hide();
    auto *white = new QLabel(this);
    white->setObjectName(QStringLiteral("imgBianco"));
    white->setPixmap(QPixmap::fromImage(Logo::blank()));
    white->hide();

    auto *side = new QVBoxLayout;
    side->addWidget(browse);
    auto *pictures = new QHBoxLayout;
    pictures->addWidget(noLogo);
    pictures->addStretch();
    pictures->addWidget(defaultLogo);
    side->addLayout(pictures);
    side->addStretch();
    side->addWidget(apply);
    side->addWidget(cancel);

    auto *top = new QHBoxLayout;
    top->addWidget(m_logo);
    top->addSpacing(12);
    top->addLayout(side);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->addLayout(top);
    layout->addSpacing(8);
    layout->addWidget(line1);
    layout->addWidget(line2);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(browse, &QPushButton::clicked, this, &TfrmLogo::browse);
    connect(noLogo, &Picture::clicked, this, [this] { setPicture(Logo::blank()); });
    connect(defaultLogo, &Picture::clicked, this, [this] { setPicture(Logo::defaultLogo()); });
    connect(apply, &QPushButton::clicked, this, &TfrmLogo::apply);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    setPicture(Logo::defaultLogo());
}

void TfrmLogo::setPicture(const QImage &picture)
{
    m_picture = picture.isNull() ? Logo::defaultLogo() : picture;
    m_logo->setPixmap(fitted(m_picture, m_logo->size()));
}

void TfrmLogo::showEvent(QShowEvent *event)
{
    DialogScreen::showEvent(event);
    if (!event->spontaneous())
        setPicture(Logo::load());
}

void TfrmLogo::browse()
{
    const QString file = Modal::instance().openFileName(this, kTitle, kDialogFilter, QStringLiteral("jpg"), QString());
    if (file.isEmpty())
        return;
    setPicture(Logo::loadPicture(file));
}

void TfrmLogo::apply()
{
    if (!Logo::save(m_picture))
        setPicture(Logo::defaultLogo());
    accept();
}
