#include "text/fieldbehaviour.h"

#include "text/amounts.h"
#include "text/texthelpers.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

FieldBehaviour::FieldBehaviour(QWidget *field)
    : QObject(field)
    , m_field(field)
{
    setObjectName(QStringLiteral("fieldBehaviour"));
    field->installEventFilter(this);
}

FieldBehaviour *FieldBehaviour::of(QWidget *field)
{
    if (auto *existing = field->findChild<FieldBehaviour *>(QString(), Qt::FindDirectChildrenOnly))
        return existing;
    return new FieldBehaviour(field);
}

FieldBehaviour *FieldBehaviour::amount(QLineEdit *field, QWidget *next, const QString &emptyGives,
                                       const QString &invalidGives)
{
    FieldBehaviour *b = of(field);
    b->setFilter(Filter::Amount);
    b->setSuccessor(next);
    b->setAmountNormalisation(emptyGives, invalidGives);
    return b;
}

FieldBehaviour *FieldBehaviour::wholeNumber(QLineEdit *field, QWidget *next, const QString &fallback)
{
    FieldBehaviour *b = of(field);
    b->setFilter(Filter::Digits);
    b->setSuccessor(next);
    b->setWholeNormalisation(fallback, fallback);
    return b;
}

FieldBehaviour *FieldBehaviour::successor(QWidget *field, QWidget *next)
{
    FieldBehaviour *b = of(field);
    b->setSuccessor(next);
    return b;
}

void FieldBehaviour::setSuccessor(QWidget *next)
{
    m_next = next;
}

void FieldBehaviour::setFilter(Filter filter)
{
    m_filter = filter;
}

void FieldBehaviour::setAmountNormalisation(const QString &emptyGives, const QString &invalidGives)
{
    m_normal = Normal::Amount;
    m_emptyGives = emptyGives;
    m_invalidGives = invalidGives;
}

void FieldBehaviour::setWholeNormalisation(const QString &emptyGives, const QString &invalidGives)
{
    m_normal = Normal::Whole;
    m_emptyGives = emptyGives;
    m_invalidGives = invalidGives;
}

void FieldBehaviour::setHighlight(QWidget *frame)
{
    m_highlight = frame;
    if (frame)
        frame->setVisible(m_field->hasFocus());
}

void FieldBehaviour::setUpperCaseOnKeyRelease(bool on)
{
    m_upper = on;
}

void FieldBehaviour::upperCase()
{
    auto *edit = qobject_cast<QLineEdit *>(m_field);
    if (!edit)
        return;
    const QString text = edit->text();
    const QString tidied = Text::upperAZ(Text::trim(text));
    if (tidied == text)
        return;
    // Keep the cursor where it was, less the blanks trimmed before it.
    qsizetype leading = 0;
    while (leading < text.size() && text.at(leading).unicode() <= 32)
        ++leading;
    const int cursor = int(qBound<qsizetype>(0, edit->cursorPosition() - leading, tidied.size()));
    edit->setText(tidied);
    edit->setCursorPosition(cursor);
}

bool FieldBehaviour::passes(Filter filter, const QKeyEvent *event)
{
    if (filter == Filter::None)
        return true;
    switch (event->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
        return true;
    default:
        break;
    }
    // Shortcuts (Ctrl+V and the like) are keys too, and are swallowed.
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString text = event->text();
    if (text.size() != 1)
        return false;
    const QChar c = text.at(0);
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        return true;
    return filter == Filter::Amount && c == QLatin1Char(',');
}

void FieldBehaviour::normalise()
{
    auto *edit = qobject_cast<QLineEdit *>(m_field);
    if (!edit || m_normal == Normal::None)
        return;
    const QString text = edit->text();
    const QString normal = m_normal == Normal::Amount ? Amounts::normaliseAmount(text, m_emptyGives, m_invalidGives)
                                                      : Amounts::normaliseWhole(text, m_emptyGives, m_invalidGives);
    if (normal != text)
        edit->setText(normal);
}

bool FieldBehaviour::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_field)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto *key = static_cast<QKeyEvent *>(event);
        emit keyPressed(key);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (m_next) {
                m_next->setFocus(Qt::OtherFocusReason);
                return true;
            }
            return m_filter != Filter::None;
        }
        if (!passes(m_filter, key))
            return true;
        return false;
    }
    case QEvent::KeyRelease:
        if (m_upper)
            upperCase();
        return false;
    case QEvent::ShortcutOverride:
        // Keep window shortcuts from taking keys the filter swallows.
        if (m_filter != Filter::None) {
            auto *key = static_cast<QKeyEvent *>(event);
            if (key->key() != Qt::Key_Escape) {
                event->accept();
                return true;
            }
        }
        return false;
    case QEvent::FocusIn:
        if (m_highlight)
            m_highlight->show();
        return false;
    case QEvent::FocusOut:
        if (m_highlight)
            m_highlight->hide();
        // A context menu opening is not leaving the field.
        if (static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason) {
            normalise();
            emit left();
        }
        return false;
    default:
        return false;
    }
}
