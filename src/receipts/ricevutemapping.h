#pragma once

#include "storage/recordlayout.h"

#include <QList>
#include <QString>

class QWidget;

// The receipt on screen and the receipt record: every field of the receipt
// layout is shown in the editor control the layout names for it. Edit
// fields, drop-down lists and total labels hold the field's text; the paid
// box holds "Sì" (ticked) or "No" (unticked).
class ReceiptScreenMap
{
public:
    // Finds the control of every field among the screen's children.
    explicit ReceiptScreenMap(QWidget *screen);

    // A record from what the screen shows (each text trimmed, converted and
    // cut to its field's capacity).
    Record record() const;
    // Shows a record. A paid flag other than "Sì" or "No" leaves the box as
    // it is.
    void show(const Record &record) const;

    QWidget *control(int field) const { return m_controls.value(field); }
    QString text(int field) const;
    void setText(int field, const QString &text) const;

    // The text any mapped control holds, and how it is put in.
    static QString controlText(const QWidget *control);
    static void setControlText(QWidget *control, const QString &text);

private:
    QList<QWidget *> m_controls; // by field index
};
