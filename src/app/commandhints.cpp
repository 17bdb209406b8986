#include "app/commandhints.h"

#include <QEvent>
#include <QLabel>
#include <QWidget>

CommandHints::CommandHints(QLabel *line)
    : QObject(line)
    , m_line(line)
{
}

void CommandHints::add(QWidget *command, const QString &hint)
{
    m_hints.insert(command, hint);
    command->installEventFilter(this);
}

QString CommandHints::hint(const QWidget *command) const
{
    return m_hints.value(command);
}

bool CommandHints::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Enter)
        m_line->setText(m_hints.value(watched));
    else if (event->type() == QEvent::Leave)
        m_line->clear();
    return QObject::eventFilter(watched, event);
}
