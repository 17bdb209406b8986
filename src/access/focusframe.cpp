#include "access/focusframe.h"

#include <QEvent>
#include <QLineEdit>
#include <QPainter>
#include <QVBoxLayout>

FocusFrame::FocusFrame(const QString &name, QLineEdit *field, QWidget *parent)
    : QFrame(parent)
    , m_field(field)
{
    setObjectName(name);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(3, 3, 3, 3);
    layout->addWidget(field);
    field->installEventFilter(this);
}

bool FocusFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_field && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
        m_highlighted = event->type() == QEvent::FocusIn;
        update();
    }
    return QFrame::eventFilter(watched, event);
}

void FocusFrame::paintEvent(QPaintEvent *)
{
    if (!m_highlighted)
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x1E, 0x88, 0xE5), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 4, 4);
}
