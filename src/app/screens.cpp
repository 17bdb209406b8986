#include "app/screens.h"

#include "app/modal.h"
#include "app/screenbase.h"
#include "app/screenregistry.h"

#include <QApplication>
#include <QGuiApplication>
#include <QDialog>
#include <QLabel>
#include <QScreen>

namespace {

Screens *g_current = nullptr;

QHash<QString, Screens::Factory> &factories()
{
    static QHash<QString, Screens::Factory> value;
    return value;
}

} // namespace

void Screens::setFactory(const QString &name, Factory factory)
{
    factories().insert(name, std::move(factory));
}

Screens::Screens()
{
    registerScreenFactories();
    g_current = this;
    for (const ScreenEntry &entry : screenRegistry()) {
        if (entry.kind != ScreenKind::Work)
            continue;
        const QString name = QString::fromLatin1(entry.name);
        QWidget *screen = make(name, nullptr);
        screen->hide();
        m_work.insert(name, screen);
        m_order.append(screen);
    }
}

Screens::~Screens()
{
    // Destroy in the reverse order of creation.
    for (auto it = m_order.rbegin(); it != m_order.rend(); ++it)
        delete *it;
    if (g_current == this)
        g_current = nullptr;
}

Screens &Screens::instance()
{
    Q_ASSERT(g_current);
    return *g_current;
}

bool Screens::exists()
{
    return g_current != nullptr;
}

void Screens::start()
{
    m_ended = false;
    showWork(QStringLiteral("TfrmPassword"));
}

QWidget *Screens::work(const QString &name) const
{
    return m_work.value(name, nullptr);
}

QWidget *Screens::make(const QString &name, QWidget *parent) const
{
    const auto it = factories().constFind(name);
    if (it != factories().constEnd())
        return (*it)(parent);
    const ScreenEntry *entry = findScreen(name);
    if (entry && entry->kind == ScreenKind::Work)
        return new PlaceholderWorkScreen(name, parent);
    return new PlaceholderDialog(name, parent);
}

void Screens::showWork(const QString &target, QWidget *source)
{
    if (QWidget *screen = work(target)) {
        const QRect desktop = screen->screen() ? screen->screen()->availableGeometry() : QRect();
        if (isApplicationScreen(target)) {
            // Fill the desktop even where no window manager maximises.
            if (desktop.isValid())
                screen->setGeometry(desktop);
            screen->showMaximized();
        } else {
            if (desktop.isValid()) {
                screen->adjustSize();
                QRect frame(QPoint(), screen->size());
                frame.moveCenter(desktop.center());
                screen->move(frame.topLeft());
            }
            screen->show();
        }
        if (QGuiApplication::platformName() != u"offscreen") { // the headless platform has no stacking
            screen->raise();
            screen->activateWindow();
        }
    }
    if (source && source != work(target))
        source->hide();
}

QDialog *Screens::createDialog(const QString &name, QWidget *caller, const QString &token)
{
    auto *dialog = qobject_cast<QDialog *>(make(name, caller));
    Q_ASSERT(dialog);
    dialog->setWindowModality(Qt::ApplicationModal);
    if (auto *memory = dialog->findChild<QLabel *>(QStringLiteral("lblMemory")))
        memory->setText(token);
    return dialog;
}

void Screens::runDialog(QDialog *dialog)
{
    QPointer<QDialog> guard(dialog);
    Modal::instance().runDialog(dialog);
    delete guard.data();
}

void Screens::openDialog(const QString &name, QWidget *caller, const QString &token)
{
    runDialog(createDialog(name, caller, token));
}

void Screens::endProgram()
{
    m_ended = true;
    for (QWidget *screen : std::as_const(m_order))
        screen->hide();
    QCoreApplication::quit();
}
