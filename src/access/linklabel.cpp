#include "access/linklabel.h"

#include <QMouseEvent>

LinkLabel::LinkLabel(const QString &name, const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    setObjectName(name);
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSize(14);
    font.setUnderline(true);
    setFont(font);
    setCursor(Qt::PointingHandCursor);
    setColor(restColor());
}

QColor LinkLabel::restColor()
{
    return QColor::fromRgba(0xFF00008B);
}

QColor LinkLabel::pressedColor()
{
    return QColor::fromRgba(0xFFFFA500);
}

void LinkLabel::attachPicture(QWidget *picture)
{
    picture->setCursor(Qt::PointingHandCursor);
    picture->installEventFilter(this);
}

void LinkLabel::setColor(const QColor &color)
{
    m_color = color;
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, color);
    setPalette(palette);
}

bool LinkLabel::press(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return false;
    setColor(pressedColor());
    return true;
}

bool LinkLabel::release(QWidget *source, QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return false;
    setColor(restColor());
    if (source->rect().contains(event->position().toPoint()))
        emit clicked();
    return true;
}

void LinkLabel::mousePressEvent(QMouseEvent *event)
{
    if (!press(event))
        QLabel::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (!release(this, event))
        QLabel::mouseReleaseEvent(event);
}

bool LinkLabel::eventFilter(QObject *watched, QEvent *event)
{
    auto *picture = qobject_cast<QWidget *>(watched);
    if (picture && event->type() == QEvent::MouseButtonPress)
        return press(static_cast<QMouseEvent *>(event));
    if (picture && event->type() == QEvent::MouseButtonRelease)
        return release(picture, static_cast<QMouseEvent *>(event));
    return QLabel::eventFilter(watched, event);
}
