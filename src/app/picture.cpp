#include "app/picture.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

Picture::Picture(const QString &name, const QPixmap &pixmap, bool clickable, QWidget *parent)
    : QLabel(parent)
    , m_clickable(clickable)
{
    setObjectName(name);
    setPixmap(pixmap);
    setFixedSize(pixmap.deviceIndependentSize().toSize());
    if (clickable)
        setCursor(Qt::PointingHandCursor);
}

void Picture::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (m_clickable && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

namespace Pictures {

namespace {
QPixmap transparent(int width, int height)
{
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    return pixmap;
}
} // namespace

QPixmap badge(const QString &symbol, const QColor &color, int size)
{
    QPixmap pixmap = transparent(size, size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient fill(size * 0.35, size * 0.3, size * 0.8);
    fill.setColorAt(0, color.lighter(150));
    fill.setColorAt(1, color);
    p.setBrush(fill);
    p.setPen(QPen(color.darker(140), 1.5));
    p.drawEllipse(QRectF(1.5, 1.5, size - 3, size - 3));
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(size * 6 / 10);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, size, size), Qt::AlignCenter, symbol);
    return pixmap;
}

QPixmap tile(Emblem emblem, int size)
{
    QPixmap pixmap = transparent(size, size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box(4, 4, size - 8, size - 8);
    QLinearGradient fill(box.topLeft(), box.bottomRight());
    const QColor base = emblem == Emblem::Customers ? QColor(0x2E, 0x7D, 0x32)
                        : emblem == Emblem::PriceList ? QColor(0xEF, 0x6C, 0x00)
                                                      : QColor(0x15, 0x65, 0xC0);
    fill.setColorAt(0, base.lighter(140));
    fill.setColorAt(1, base);
    p.setBrush(fill);
    p.setPen(QPen(base.darker(130), 2));
    p.drawRoundedRect(box, size / 8.0, size / 8.0);

    p.setPen(QPen(Qt::white, size / 28.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const double u = size / 16.0;
    switch (emblem) {
    case Emblem::Customers: // two guests
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(6 * u, 6 * u), 1.8 * u, 1.8 * u);
        p.drawEllipse(QPointF(10.5 * u, 6.5 * u), 1.6 * u, 1.6 * u);
        p.drawChord(QRectF(2.5 * u, 8.5 * u, 7 * u, 8 * u), 0, 180 * 16);
        p.drawChord(QRectF(7.5 * u, 9 * u, 6 * u, 7 * u), 0, 180 * 16);
        break;
    case Emblem::PriceList: // a list with prices
        for (int i = 0; i < 4; ++i) {
            const double y = (4.5 + 2.4 * i) * u;
            p.drawLine(QPointF(4 * u, y), QPointF(9.5 * u, y));
            p.drawLine(QPointF(10.8 * u, y), QPointF(12 * u, y));
        }
        break;
    case Emblem::Receipts: { // a receipt with a torn edge
        QPainterPath path;
        path.moveTo(4.5 * u, 3 * u);
        path.lineTo(11.5 * u, 3 * u);
        path.lineTo(11.5 * u, 13 * u);
        for (int i = 0; i < 7; ++i)
            path.lineTo((11.5 - (i + 0.5)) * u, (i % 2 ? 13 : 12.2) * u);
        path.lineTo(4.5 * u, 13 * u);
        path.closeSubpath();
        p.drawPath(path);
        p.drawLine(QPointF(6 * u, 6 * u), QPointF(10 * u, 6 * u));
        p.drawLine(QPointF(6 * u, 8 * u), QPointF(10 * u, 8 * u));
        QFont euro(QStringLiteral("Liberation Sans"));
        euro.setPixelSize(static_cast<int>(3 * u));
        euro.setBold(true);
        p.setFont(euro);
        p.drawText(QRectF(6 * u, 8.5 * u, 4 * u, 3.5 * u), Qt::AlignCenter, QStringLiteral("€"));
        break;
    }
    }
    return pixmap;
}

QPixmap caption(const QString &text, const QColor &background, const QColor &foreground, int width, int height,
                int pointSize, bool bold)
{
    QPixmap pixmap = transparent(width, height);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    if (background.alpha() > 0) {
        p.setBrush(background);
        p.setPen(QPen(background.darker(130), 1));
        p.drawRoundedRect(QRectF(0.5, 0.5, width - 1, height - 1), height / 4.0, height / 4.0);
    }
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSize(pointSize);
    font.setBold(bold);
    p.setFont(font);
    p.setPen(foreground);
    p.drawText(QRect(0, 0, width, height), Qt::AlignCenter | Qt::TextWordWrap, text);
    return pixmap;
}

QPixmap product(int width, int height)
{
    QPixmap pixmap(width, height);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, 0, height);
    fill.setColorAt(0, QColor(0x0D, 0x47, 0xA1));
    fill.setColorAt(1, QColor(0x90, 0xCA, 0xF9));
    p.fillRect(pixmap.rect(), fill);
    QFont title(QStringLiteral("Liberation Sans"));
    title.setPixelSize(height / 4);
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, width, height * 2 / 3), Qt::AlignCenter, QStringLiteral("Ostelio"));
    QFont tag(QStringLiteral("Liberation Sans"));
    tag.setPixelSize(height / 14);
    p.setFont(tag);
    p.drawText(QRect(0, height / 2, width, height / 3), Qt::AlignCenter,
               QStringLiteral("Clienti, tariffario e ricevute\nper strutture ricettive"));
    return pixmap;
}

} // namespace Pictures
