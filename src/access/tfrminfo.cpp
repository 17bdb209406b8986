#include "access/tfrminfo.h"

#include "access/linklabel.h"
#include "access/openurl.h"
#include "app/maker.h"
#include "app/picture.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The common frame of both dialogs: the picture on top, then the link with
// its picture and the close button.
void arrange(QDialog *dialog, QWidget *product, QWidget *picture, LinkLabel *link)
{
    auto *chiudi = new QPushButton(QStringLiteral("Chiudi"), dialog);
    chiudi->setObjectName(QStringLiteral("btnChiudi"));
    QObject::connect(chiudi, &QPushButton::clicked, dialog, &QDialog::reject);
    link->attachPicture(picture);

    auto *row = new QHBoxLayout;
    row->addWidget(picture);
    row->addWidget(link);
    row->addStretch();
    row->addWidget(chiudi);

    auto *layout = new QVBoxLayout(dialog);
    layout->addWidget(product, 0, Qt::AlignHCenter);
    layout->addLayout(row);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QPixmap smallPicture(const QString &text)
{
    return Pictures::caption(text, QColor(0x15, 0x65, 0xC0), Qt::white, 44, 30, 11, true);
}

} // namespace

TfrmInfo::TfrmInfo(QWidget *parent)
    : DialogScreen(QStringLiteral("TfrmInfo"), parent)
    , m_link(new LinkLabel(QStringLiteral("lnkWeb"), Maker::supportMail(), this))
{
    auto *product = new Picture(QStringLiteral("imgProdotto"), Pictures::product(480, 292), false, this);
    auto *imgEmail = new Picture(QStringLiteral("imgEmail"), smallPicture(QStringLiteral("@")), false, this);
    arrange(this, product, imgEmail, m_link);
    connect(m_link, &LinkLabel::clicked, this,
            [] { TMisc::openMail(Maker::supportMail(), mailSubject(), mailBody()); });
}

QString TfrmInfo::mailSubject()
{
    return QStringLiteral("Software Ostelio");
}

QString TfrmInfo::mailBody()
{
    return QStringLiteral("Salve, desidererei avere le seguenti informazioni sul software in oggetto:");
}

TfrmSplash::TfrmSplash(QWidget *parent)
    : DialogScreen(QStringLiteral("TfrmSplash"), parent)
    , m_link(new LinkLabel(QStringLiteral("lnkWeb"), Maker::webSite(), this))
{
    auto *product = new Picture(QStringLiteral("imgProdotto"), Pictures::product(625, 380), false, this);
    auto *imgWeb = new Picture(QStringLiteral("imgWeb"), smallPicture(QStringLiteral("www")), false, this);
    arrange(this, product, imgWeb, m_link);
    connect(m_link, &LinkLabel::clicked, this, [] { TMisc::openWeb(Maker::webSite()); });
}
