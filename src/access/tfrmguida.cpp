#include "access/tfrmguida.h"

#include "access/linklabel.h"
#include "access/openurl.h"
#include "app/picture.h"
#include "app/programfolder.h"
#include "app/screens.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfrmGuida::TfrmGuida(QWidget *parent)
    : DialogScreen(QStringLiteral("TfrmGuida"), parent)
    , m_title(new QLabel(QStringLiteral("Argomento della guida."), this))
    , m_text(new QPlainTextEdit(this))
    , m_link(new LinkLabel(QStringLiteral("lnkWeb"), QStringLiteral("Visualizza guida in formato PDF"), this))
{
    m_title->setObjectName(QStringLiteral("lblTitolo"));
    QFont titleFont(QStringLiteral("Arial"));
    titleFont.setPointSize(16);
    titleFont.setBold(true);
    m_title->setFont(titleFont);
    QPalette titlePalette = m_title->palette();
    titlePalette.setColor(QPalette::WindowText, QColor(0xDC, 0x14, 0x3C)); // crimson
    m_title->setPalette(titlePalette);
    m_title->setWordWrap(true);

    m_text->setObjectName(QStringLiteral("txtGuida"));
    m_text->setReadOnly(true);
    QFont textFont(QStringLiteral("Verdana"));
    textFont.setPointSize(12);
    textFont.setBold(true);
    m_text->setFont(textFont);
    m_text->setLineWrapMode(QPlainTextEdit::WidgetWidth);

    auto *imgPDF = new Picture(QStringLiteral("imgPDF"),
                               Pictures::caption(QStringLiteral("PDF"), QColor(0xC6, 0x28, 0x28), Qt::white, 44, 30, 10, true),
                               false, this);
    m_link->attachPicture(imgPDF);

    auto *chiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    chiudi->setObjectName(QStringLiteral("btnChiudi"));

    auto *links = new QHBoxLayout;
    links->addWidget(imgPDF);
    links->addWidget(m_link);
    links->addStretch();
    links->addWidget(chiudi);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_title);
    layout->addWidget(m_text, 1);
    layout->addLayout(links);

    connect(m_link, &LinkLabel::clicked, this, &TfrmGuida::openManual);
    connect(chiudi, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmGuida::open(QWidget *caller, const GuideTopic &topic)
{
    QDialog *dialog = Screens::instance().createDialog(QStringLiteral("TfrmGuida"), caller);
    if (auto *guide = qobject_cast<TfrmGuida *>(dialog))
        guide->setTopic(topic);
    Screens::runDialog(dialog);
}

void TfrmGuida::setTopic(const GuideTopic &topic)
{
    m_title->setText(topic.title);
    // The topics separate paragraphs with CR LF CR LF; the text area wants
    // plain line feeds.
    QString text = topic.text;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    m_text->setPlainText(text);
}

QString TfrmGuida::manualPath()
{
    return ProgramFolder::file(QStringLiteral("Guida.pdf"));
}

void TfrmGuida::showEvent(QShowEvent *event)
{
    resize(676, 598);
    DialogScreen::showEvent(event);
}

void TfrmGuida::openManual()
{
    TMisc::openFile(manualPath());
}
