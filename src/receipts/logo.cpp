#include "receipts/logo.h"

#include "app/programfolder.h"

#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <QSaveFile>

namespace Logo {

QString fileName()
{
    return QStringLiteral("Logo.bmp");
}

QString path()
{
    return ProgramFolder::file(fileName());
}

QImage defaultLogo()
{
    QImage image(Width, Height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // The euro sign drawn from shapes, so it does not depend on the fonts of
    // the machine: an open ring and two bars across it.
    const QColor blue(0x1F, 0x4E, 0xB4);
    const QPointF centre(Width / 2.0 + 12, Height / 2.0);
    const qreal radius = 66;
    const qreal stroke = 20;
    QPen ring(blue, stroke, Qt::SolidLine, Qt::FlatCap);
    p.setPen(ring);
    p.setBrush(Qt::NoBrush);
    const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    p.drawArc(box, 45 * 16, 270 * 16);

    p.setPen(Qt::NoPen);
    p.setBrush(blue);
    const qreal barWidth = 2 * radius - 18;
    const qreal barHeight = 14;
    const qreal left = centre.x() - radius - 34;
    for (const qreal dy : {-20.0, 20.0}) {
        QPainterPath bar;
        // Slanted bars, narrowing to the right as in the printed sign.
        const qreal top = centre.y() + dy - barHeight / 2;
        bar.moveTo(left, top + barHeight);
        bar.lineTo(left + 6, top);
        bar.lineTo(left + barWidth + 6, top);
        bar.lineTo(left + barWidth, top + barHeight);
        bar.closeSubpath();
        p.drawPath(bar);
    }
    return image;
}

QImage blank()
{
    QImage image(2, 2, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QImage loadPicture(const QString &file)
{
    QImageReader reader(file);
    reader.setDecideFormatFromContent(true);
    QImage image = reader.read();
    return image;
}

QImage load()
{
    const QImage image = loadPicture(path());
    return image.isNull() ? defaultLogo() : image;
}

bool save(const QImage &picture)
{
    if (picture.isNull())
        return false;
    QSaveFile file(path());
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QImageWriter writer(&file, "bmp");
    if (!writer.write(picture)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace Logo
