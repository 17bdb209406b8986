#pragma once

#include <QLabel>

// A link text: Tahoma 14 pt underlined, dark blue at rest, orange while the
// mouse button is held down on it or on the picture attached beside it, and
// dark blue again on release. A click on either emits clicked().
class LinkLabel : public QLabel
{
    Q_OBJECT
public:
    LinkLabel(const QString &name, const QString &text, QWidget *parent = nullptr);

    // A picture beside the link that acts the same.
    void attachPicture(QWidget *picture);

    static QColor restColor();    // dark blue, ARGB FF00008B
    static QColor pressedColor(); // orange, ARGB FFFFA500
    QColor currentColor() const { return m_color; }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setColor(const QColor &color);
    bool press(QMouseEvent *event);
    bool release(QWidget *source, QMouseEvent *event);

    QColor m_color;
};
