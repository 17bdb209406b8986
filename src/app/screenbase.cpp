#include "app/screenbase.h"

#include "app/formats.h"
#include "app/screenregistry.h"
#include "app/screens.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

WorkScreen::WorkScreen(const QString &name, QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    ProgramFormats::apply();
    setObjectName(name);
    setWindowTitle(screenCaption(name));
}

QString WorkScreen::closeTarget() const
{
    return isApplicationScreen(objectName()) ? QStringLiteral("TfrmAvvio") : QString();
}

void WorkScreen::closeEvent(QCloseEvent *event)
{
    if (!aboutToClose()) {
        event->ignore();
        return;
    }
    event->accept();
    if (Screens::exists()) {
        const QString target = closeTarget();
        if (!target.isEmpty())
            Screens::instance().showWork(target, this);
    }
}

void WorkScreen::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        prepare();
}

DialogScreen::DialogScreen(const QString &name, QWidget *parent)
    : QDialog(parent)
    , m_memory(new QLabel(this))
{
    ProgramFormats::apply();
    setObjectName(name);
    setWindowTitle(screenCaption(name));
    setAttribute(Qt::WA_DeleteOnClose, false);
    m_memory->setObjectName(QStringLiteral("lblMemory"));
    m_memory->hide();
}

QString DialogScreen::callerToken() const
{
    return m_memory->text();
}

namespace {

void addPlaceholderContent(QWidget *screen, QWidget *closer)
{
    auto *layout = new QVBoxLayout(screen);
    auto *text = new QLabel(QStringLiteral("Questa funzione sarà disponibile in una prossima versione."), screen);
    text->setAlignment(Qt::AlignCenter);
    auto *close = new QPushButton(QStringLiteral("Chiudi"), screen);
    close->setObjectName(QStringLiteral("cmdEsci"));
    QObject::connect(close, &QPushButton::clicked, closer, &QWidget::close);
    layout->addStretch();
    layout->addWidget(text);
    layout->addWidget(close, 0, Qt::AlignCenter);
    layout->addStretch();
}

} // namespace

PlaceholderWorkScreen::PlaceholderWorkScreen(const QString &name, QWidget *parent)
    : WorkScreen(name, parent)
{
    addPlaceholderContent(this, this);
}

PlaceholderDialog::PlaceholderDialog(const QString &name, QWidget *parent)
    : DialogScreen(name, parent)
{
    addPlaceholderContent(this, this);
}
