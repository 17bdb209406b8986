#include "receipts/receipteditorlink.h"

#include "app/screens.h"
#include "storage/receiptlayout.h"
#include "storage/recordlayout.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

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

// Puts a text into a control of whichever kind shows it.
void setControlText(QWidget *control, const QString &text)
{
    if (auto *edit = qobject_cast<QLineEdit *>(control))
        edit->setText(text);
    else if (auto *label = qobject_cast<QLabel *>(control))
        label->setText(text);
    else if (auto *plain = qobject_cast<QPlainTextEdit *>(control))
        plain->setPlainText(text);
    else if (auto *rich = qobject_cast<QTextEdit *>(control))
        rich->setPlainText(text);
    else if (auto *combo = qobject_cast<QComboBox *>(control))
        combo->setEditText(text);
}

} // namespace

QWidget *editor()
{
    return Screens::exists() ? Screens::instance().work(QStringLiteral("TfrmRicevute")) : nullptr;
}

QString archivePath()
{
    return labelText("lblFile");
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
    const RecordLayout &layout = ReceiptLayout::layout();
    for (int i = 0; i < layout.fieldCount(); ++i) {
        const Field &field = layout.field(i);
        auto *control = screen->findChild<QWidget *>(field.control);
        if (!control)
            continue;
        const QString text = receipt.text(i);
        if (auto *box = qobject_cast<QAbstractButton *>(control)) {
            if (text == u"Sì")
                box->setChecked(true);
            else if (text == u"No")
                box->setChecked(false);
            continue;
        }
        setControlText(control, text);
    }
    if (auto *label = screen->findChild<QLabel *>(QStringLiteral("lblPosizione")))
        label->setText(QString::number(position));
    return true;
}

} // namespace ReceiptEditorLink
