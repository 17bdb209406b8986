#include "receipts/ricevutemapping.h"

#include "storage/receiptlayout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {

const QString kPaid = QStringLiteral("Sì");
const QString kUnpaid = QStringLiteral("No");

} // namespace

ReceiptScreenMap::ReceiptScreenMap(QWidget *screen)
{
    const RecordLayout &layout = ReceiptLayout::layout();
    m_controls.reserve(layout.fieldCount());
    for (const Field &field : layout.fields()) {
        QWidget *control = screen->findChild<QWidget *>(field.control);
        Q_ASSERT_X(control, "ReceiptScreenMap", qPrintable(field.control));
        m_controls.append(control);
    }
}

QString ReceiptScreenMap::controlText(const QWidget *control)
{
    if (auto *edit = qobject_cast<const QLineEdit *>(control))
        return edit->text();
    if (auto *combo = qobject_cast<const QComboBox *>(control))
        return combo->currentText();
    if (auto *check = qobject_cast<const QCheckBox *>(control))
        return check->isChecked() ? kPaid : kUnpaid;
    if (auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    return QString();
}

void ReceiptScreenMap::setControlText(QWidget *control, const QString &text)
{
    if (auto *edit = qobject_cast<QLineEdit *>(control)) {
        edit->setText(text);
    } else if (auto *combo = qobject_cast<QComboBox *>(control)) {
        combo->setEditText(text);
    } else if (auto *check = qobject_cast<QCheckBox *>(control)) {
        if (text == kPaid)
            check->setChecked(true);
        else if (text == kUnpaid)
            check->setChecked(false);
    } else if (auto *label = qobject_cast<QLabel *>(control)) {
        label->setText(text);
    }
}

QString ReceiptScreenMap::text(int field) const
{
    return controlText(m_controls.value(field));
}

void ReceiptScreenMap::setText(int field, const QString &text) const
{
    if (QWidget *control = m_controls.value(field))
        setControlText(control, text);
}

Record ReceiptScreenMap::record() const
{
    Record record(ReceiptLayout::layout());
    for (int i = 0; i < m_controls.size(); ++i)
        record.setText(i, controlText(m_controls.at(i)));
    return record;
}

void ReceiptScreenMap::show(const Record &record) const
{
    for (int i = 0; i < m_controls.size(); ++i)
        setControlText(m_controls.at(i), record.text(i));
}
