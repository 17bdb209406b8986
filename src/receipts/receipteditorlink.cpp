#include "receipts/receipteditorlink.h"

#include "app/screens.h"
#include "receipts/ricevutemapping.h"
#include "storage/receiptlayout.h"
#include "storage/recordlayout.h"

#include <QLabel>

namespace ReceiptEditorLink {

namespace {

QString labelText(const char *name)
{
    QWidget *screen = editor();
    if (!screen)
        return QString();
    if (auto *label = screen->findChild<QLabel *>(QString::fromLatin1(name)))
        return label->text();
    return QString();
}

} // namespace

QWidget *editor()
{
    return Screens::exists() ? Screens::instance().work(QStringLiteral("TfrmRicevute")) : nullptr;
}

QString archivePath()
{
    return labelText("lblFile").trimmed();
}

QString year()
{
    return labelText("lblAnno");
}

bool load(const Record &receipt, qint64 position)
{
    QWidget *screen = editor();
    if (!screen)
        return false;
    ReceiptScreenMap(screen).show(receipt);
    if (auto *label = screen->findChild<QLabel *>(QStringLiteral("lblPosizione")))
        label->setText(QString::number(position));
    return true;
}

} // namespace ReceiptEditorLink
