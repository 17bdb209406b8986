#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class QLabel;
class QWidget;

// The hint line of a screen: while the mouse is over a command its hint is
// shown in the line, and leaving the command empties the line again.
class CommandHints : public QObject
{
    Q_OBJECT
public:
    explicit CommandHints(QLabel *line);

    void add(QWidget *command, const QString &hint);
    QString hint(const QWidget *command) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *m_line;
    QHash<const QObject *, QString> m_hints;
};
