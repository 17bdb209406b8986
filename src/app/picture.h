#pragma once

#include <QColor>
#include <QLabel>
#include <QPixmap>

// A picture control. A clickable one shows the hand cursor and emits
// clicked() on a left click.
class Picture : public QLabel
{
    Q_OBJECT
public:
    explicit Picture(const QString &name, const QPixmap &pixmap, bool clickable, QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_clickable;
};

// The program's own pictures, drawn rather than shipped as files.
namespace Pictures {

// A round badge with a symbol: "i", "?", "×" and the like.
QPixmap badge(const QString &symbol, const QColor &color, int size);
// A tile picture: a rounded square with a drawn emblem.
enum class Emblem { Customers, PriceList, Receipts };
QPixmap tile(Emblem emblem, int size);
// A caption or button picture: text in a rounded box.
QPixmap caption(const QString &text, const QColor &background, const QColor &foreground, int width, int height,
                int pointSize, bool bold);
// The product picture: the name Ostelio with its tagline.
QPixmap product(int width, int height);

} // namespace Pictures
