#pragma once

#include <QFrame>

class QLineEdit;

// The highlight frame around an edit field: drawn while the field has the
// focus, invisible otherwise.
class FocusFrame : public QFrame
{
    Q_OBJECT
public:
    FocusFrame(const QString &name, QLineEdit *field, QWidget *parent);

    bool isHighlighted() const { return m_highlighted; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QLineEdit *m_field;
    bool m_highlighted = false;
};
