#pragma once

#include "app/modal.h"

#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <optional>

// The modal seam of the tests: records every message box, input box, file,
// print and program dialog and shell opening, and answers from queues the
// test fills beforehand. With nothing queued it answers No / Cancel, so no
// test ever waits on a modal loop.
//
//     auto *modal = RecordingModal::install();
//     modal->answerConfirm(true);
//     ... act ...
//     QCOMPARE(modal->last().text, expected);
class RecordingModal : public Modal
{
public:
    struct Event
    {
        QString kind;   // "plain", "information", "warning", "error", "confirm", "input",
                        // "openFile", "print", "dialog", "shell"
        QString text;   // the message, the prompt, the dialog's title or the URL
        QString detail; // the input box's caption and default, the dialog's class
    };

    // Installs a fresh recorder as the seam and returns it.
    static RecordingModal *install();

    void answerConfirm(bool yes) { m_confirms.enqueue(yes); }
    void answerInput(std::optional<QString> text) { m_inputs.enqueue(std::move(text)); }
    void answerOpenFile(const QString &path) { m_files.enqueue(path); }
    void answerPrint(bool print) { m_prints.enqueue(print); }
    // Runs when a program dialog would be shown modally; the dialog is alive
    // (shown, not modal) during the call and destroyed after it.
    void onDialog(std::function<void(QDialog *)> handler) { m_dialogs.enqueue(std::move(handler)); }

    const QList<Event> &events() const { return m_events; }
    Event last() const { return m_events.isEmpty() ? Event{} : m_events.constLast(); }
    // The events of one kind, in order.
    QList<Event> ofKind(const QString &kind) const;
    // The texts of every message box shown, whatever its kind.
    QStringList messages() const;
    void clear() { m_events.clear(); }

    void message(QWidget *parent, MessageKind kind, const QString &text) override;
    bool confirm(QWidget *parent, const QString &text) override;
    std::optional<QString> inputBox(QWidget *parent, const QString &caption, const QString &prompt,
                                    const QString &defaultText) override;
    QString openFileName(QWidget *parent, const QString &title, const QString &filter, const QString &defaultSuffix,
                         const QString &folder) override;
    bool printDialog(QWidget *parent, QPrinter *printer) override;
    void runDialog(QDialog *dialog) override;
    void openInShell(const QUrl &url) override;

private:
    QList<Event> m_events;
    QQueue<bool> m_confirms;
    QQueue<std::optional<QString>> m_inputs;
    QQueue<QString> m_files;
    QQueue<bool> m_prints;
    QQueue<std::function<void(QDialog *)>> m_dialogs;
};
