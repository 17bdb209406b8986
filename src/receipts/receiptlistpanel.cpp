#include "receipts/receiptlistpanel.h"

#include "output/listscreen.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QVBoxLayout>

namespace ReceiptListPanel {

QWidget *gather(ListScreen *screen, const QString &panelName)
{
    auto *panel = new QWidget(screen);
    panel->setObjectName(panelName);
    auto *inner = new QVBoxLayout(panel);
    inner->setContentsMargins(0, 0, 0, 0);
    QVBoxLayout *outer = screen->mainLayout();
    while (outer->count() > 0) {
        const int stretch = outer->stretch(0);
        QLayoutItem *item = outer->takeAt(0);
        if (QWidget *widget = item->widget()) {
            delete item;
            inner->addWidget(widget, stretch);
        } else if (QLayout *layout = item->layout()) {
            inner->addLayout(layout, stretch);
        } else {
            inner->addItem(item);
        }
    }
    outer->addWidget(panel, 1);
    return panel;
}

void centre(QWidget *dialog)
{
    QScreen *screen = dialog->screen() ? dialog->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame(QPoint(), dialog->size());
    frame.moveCenter(screen->availableGeometry().center());
    dialog->move(frame.topLeft());
}

void fixAndCentre(QWidget *dialog, int width, int height)
{
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    dialog->setFixedSize(width, height);
    centre(dialog);
}

} // namespace ReceiptListPanel
