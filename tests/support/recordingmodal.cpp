#include "support/recordingmodal.h"

#include <QDialog>

RecordingModal *RecordingModal::install()
{
    auto *modal = new RecordingModal;
    Modal::install(modal);
    return modal;
}

QList<RecordingModal::Event> RecordingModal::ofKind(const QString &kind) const
{
    QList<Event> out;
    for (const Event &e : m_events) {
        if (e.kind == kind)
            out.append(e);
    }
    return out;
}

QStringList RecordingModal::messages() const
{
    QStringList out;
    for (const Event &e : m_events) {
        if (e.kind == u"plain" || e.kind == u"information" || e.kind == u"warning" || e.kind == u"error"
            || e.kind == u"confirm")
            out.append(e.text);
    }
    return out;
}

void RecordingModal::message(QWidget *, MessageKind kind, const QString &text)
{
    static const char *const names[] = {"plain", "information", "warning", "error", "confirm"};
    m_events.append({QString::fromLatin1(names[static_cast<int>(kind)]), text, {}});
}

bool RecordingModal::confirm(QWidget *, const QString &text)
{
    m_events.append({QStringLiteral("confirm"), text, {}});
    return m_confirms.isEmpty() ? false : m_confirms.dequeue();
}

std::optional<QString> RecordingModal::inputBox(QWidget *, const QString &caption, const QString &prompt,
                                                const QString &defaultText)
{
    m_events.append({QStringLiteral("input"), prompt, caption + QLatin1Char('|') + defaultText});
    return m_inputs.isEmpty() ? std::nullopt : m_inputs.dequeue();
}

QString RecordingModal::openFileName(QWidget *, const QString &title, const QString &filter, const QString &,
                                     const QString &)
{
    m_events.append({QStringLiteral("openFile"), title, filter});
    return m_files.isEmpty() ? QString() : m_files.dequeue();
}

bool RecordingModal::printDialog(QWidget *, QPrinter *)
{
    m_events.append({QStringLiteral("print"), {}, {}});
    return m_prints.isEmpty() ? false : m_prints.dequeue();
}

void RecordingModal::runDialog(QDialog *dialog)
{
    m_events.append({QStringLiteral("dialog"), dialog->windowTitle(), dialog->objectName()});
    if (m_dialogs.isEmpty())
        return;
    const auto handler = m_dialogs.dequeue();
    dialog->show();
    handler(dialog);
    if (dialog)
        dialog->hide();
}

void RecordingModal::openInShell(const QUrl &url)
{
    m_events.append({QStringLiteral("shell"), url.toString(QUrl::FullyEncoded), {}});
}
