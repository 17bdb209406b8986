#include "tables/checkdialog.h"

#include "app/screens.h"
#include "tables/validators.h"

#include <QFont>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CheckDialog::CheckDialog(const QString &name, const Options &options, QWidget *parent)
    : DialogScreen(name, parent)
    , m_field(new QLineEdit(this))
    , m_check(new QPushButton(QStringLiteral("Controlla"), this))
    , m_maxLength(options.maxLength)
    , m_digitsOnly(options.digitsOnly)
    , m_tidy(options.tidyOnKeyRelease)
{
    // Fixed size, a title and no window buttons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    auto *instruction = new QLabel(QString::fromUtf8(options.instruction), this);
    instruction->setObjectName(QStringLiteral("lblIstruzioni"));

    m_field->setObjectName(QString::fromLatin1(options.fieldName));
    m_field->setMaxLength(m_maxLength);
    QFont mono(QStringLiteral("Courier New"), 20, QFont::Bold);
    mono.setStyleHint(QFont::Monospace);
    m_field->setFont(mono);
    m_field->setMinimumWidth(QFontMetrics(mono).horizontalAdvance(QString(qMin(m_maxLength, 27) + 1, QChar(u'W'))));
    m_field->installEventFilter(this);

    m_check->setObjectName(QStringLiteral("btnControlla"));
    auto *close = new QPushButton(QStringLiteral("Chiudi"), this);
    close->setObjectName(QStringLiteral("btnChiudi"));
    for (QPushButton *button : {m_check, close})
        button->setMinimumWidth(110);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_check);
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->setSpacing(12);
    layout->addWidget(instruction);
    layout->addWidget(m_field);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_check, &QPushButton::clicked, this, [this] { check(); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    // A text handed over by the caller may be longer than what can be
    // typed; once it is short enough the typing limit holds again.
    connect(m_field, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (text.size() <= m_maxLength && m_field->maxLength() != m_maxLength)
            m_field->setMaxLength(m_maxLength);
    });
}

void CheckDialog::setCheckText(const QString &text)
{
    const QString trimmed = text.trimmed();
    m_field->setMaxLength(qMax<int>(m_maxLength, trimmed.size()));
    m_field->setText(trimmed);
}

QString CheckDialog::checkText() const
{
    return m_field->text();
}

void CheckDialog::refuse(const QString &text)
{
    Modal::warning(this, text);
    m_field->setFocus();
}

void CheckDialog::verdict(MessageKind kind, const QString &text)
{
    Modal::instance().message(this, kind, text);
    accept();
}

void CheckDialog::showEvent(QShowEvent *event)
{
    DialogScreen::showEvent(event);
    m_field->setFocus();
}

void CheckDialog::tidy()
{
    const QString text = m_field->text();
    const QString tidied = text.trimmed().toUpper();
    if (tidied == text)
        return;
    // Keep the cursor where it was, less the blanks trimmed before it.
    qsizetype leading = 0;
    while (leading < text.size() && text[leading].isSpace())
        ++leading;
    const int cursor = int(qBound<qsizetype>(0, m_field->cursorPosition() - leading, tidied.size()));
    m_field->setText(tidied);
    m_field->setCursorPosition(cursor);
}

bool CheckDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_field) {
        if (event->type() == QEvent::KeyPress) {
            auto *key = static_cast<QKeyEvent *>(event);
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                m_check->setFocus();
                return true;
            }
            if (m_digitsOnly) {
                // Printable keys other than digits are swallowed; editing and
                // moving keys and shortcuts work as usual.
                const QString text = key->text();
                if (!text.isEmpty() && text.at(0).isPrint()
                    && !(text.size() == 1 && text.at(0) >= u'0' && text.at(0) <= u'9'))
                    return true;
            }
        } else if (event->type() == QEvent::KeyRelease && m_tidy) {
            tidy();
        }
    }
    return DialogScreen::eventFilter(watched, event);
}

namespace CheckDialogs {

void open(const QString &screen, QWidget *caller, const QString &fieldText, const QString &token)
{
    QDialog *dialog = Screens::instance().createDialog(screen, caller, token);
    if (auto *check = qobject_cast<CheckDialog *>(dialog))
        check->setCheckText(fieldText);
    Screens::runDialog(dialog);
}

QString taxCodeScreenFor(const QString &fieldText)
{
    return Validators::belongsToVatCheck(fieldText.trimmed()) ? QStringLiteral("TfrmPartitaIva")
                                                                 : QStringLiteral("TfrmCodFisc");
}

void openTaxCode(QWidget *caller, const QString &fieldText, const QString &token)
{
    open(taxCodeScreenFor(fieldText), caller, fieldText, token);
}

} // namespace CheckDialogs
