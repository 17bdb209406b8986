#include "app/modal.h"

#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

#include <memory>

namespace {

std::unique_ptr<Modal> &installed()
{
    static std::unique_ptr<Modal> value;
    return value;
}

const QString kCaption = QStringLiteral("Ostelio");

} // namespace

Modal &Modal::instance()
{
    if (!installed())
        installed() = std::make_unique<QtModal>();
    return *installed();
}

void Modal::install(Modal *modal)
{
    installed().reset(modal);
}

void QtModal::message(QWidget *parent, MessageKind kind, const QString &text)
{
    QMessageBox box(parent);
    box.setWindowTitle(kCaption);
    box.setText(text);
    switch (kind) {
    case MessageKind::Plain:
    case MessageKind::Confirmation:
        box.setIcon(QMessageBox::NoIcon);
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MessageKind::Information:
        box.setIcon(QMessageBox::Information);
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case MessageKind::Warning:
        box.setIcon(QMessageBox::Warning);
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case MessageKind::Error:
        box.setIcon(QMessageBox::Critical);
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    }
    box.exec();
}

bool QtModal::confirm(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Question, kCaption, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

std::optional<QString> QtModal::inputBox(QWidget *parent, const QString &caption, const QString &prompt,
                                         const QString &defaultText)
{
    bool ok = false;
    const QString text = QInputDialog::getText(parent, caption, prompt, QLineEdit::Normal, defaultText, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

QString QtModal::openFileName(QWidget *parent, const QString &title, const QString &filter,
                              const QString &defaultSuffix, const QString &folder)
{
    QFileDialog dialog(parent, title, folder, filter);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

bool QtModal::printDialog(QWidget *parent, QPrinter *printer)
{
    QPrintDialog dialog(printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

void QtModal::runDialog(QDialog *dialog)
{
    dialog->exec();
}

void QtModal::openInShell(const QUrl &url)
{
    // Qt hands the address to the desktop without a shell command line, so
    // no character of a path can be taken for a command.
    QDesktopServices::openUrl(url);
}
