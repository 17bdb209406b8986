#pragma once

#include <QString>
#include <QUrl>

#include <optional>

class QDialog;
class QPrinter;
class QWidget;

// The kinds of message box. Information, warning and error boxes show the
// buttons OK and Cancel, both of which only close the box; a plain box shows
// OK; a confirmation box shows Yes and No and its answer decides.
enum class MessageKind { Plain, Information, Warning, Error, Confirmation };

// Everything modal goes through here: message boxes, the input box, the
// file-open and print dialogs, the program's own dialogs shown modally, and
// the desktop shell opener. Production uses Qt; tests install a recorder that
// captures what would be shown and answers as the test says.
class Modal
{
public:
    virtual ~Modal() = default;

    // The seam in use. install() takes ownership; nullptr restores Qt's.
    static Modal &instance();
    static void install(Modal *modal);

    // Shows a message box of a kind other than Confirmation.
    virtual void message(QWidget *parent, MessageKind kind, const QString &text) = 0;
    // A confirmation box: true for Yes.
    virtual bool confirm(QWidget *parent, const QString &text) = 0;
    // An input box; nothing when cancelled.
    virtual std::optional<QString> inputBox(QWidget *parent, const QString &caption, const QString &prompt,
                                            const QString &defaultText) = 0;
    // The file-open dialog; an empty text when cancelled.
    virtual QString openFileName(QWidget *parent, const QString &title, const QString &filter,
                                 const QString &defaultSuffix, const QString &folder) = 0;
    // The system print dialog for a printer (copies included); true for Print.
    virtual bool printDialog(QWidget *parent, QPrinter *printer) = 0;
    // Shows one of the program's dialogs modally and returns when it closes.
    virtual void runDialog(QDialog *dialog) = 0;
    // Hands a file, folder, web address or mail link to the desktop shell.
    virtual void openInShell(const QUrl &url) = 0;

    // Shorthands for the message kinds.
    static void plain(QWidget *parent, const QString &text) { instance().message(parent, MessageKind::Plain, text); }
    static void information(QWidget *parent, const QString &text) { instance().message(parent, MessageKind::Information, text); }
    static void warning(QWidget *parent, const QString &text) { instance().message(parent, MessageKind::Warning, text); }
    static void error(QWidget *parent, const QString &text) { instance().message(parent, MessageKind::Error, text); }
    static bool askYesNo(QWidget *parent, const QString &text) { return instance().confirm(parent, text); }
};

// The production seam: Qt's message boxes and dialogs.
class QtModal : public Modal
{
public:
    void message(QWidget *parent, MessageKind kind, const QString &text) override;
    bool confirm(QWidget *parent, const QString &text) override;
    std::optional<QString> inputBox(QWidget *parent, const QString &caption, const QString &prompt,
                                    const QString &defaultText) override;
    QString openFileName(QWidget *parent, const QString &title, const QString &filter, const QString &defaultSuffix,
                         const QString &folder) override;
    bool printDialog(QWidget *parent, QPrinter *printer) override;
    void runDialog(QDialog *dialog) override;
    void openInShell(const QUrl &url) override;
};
