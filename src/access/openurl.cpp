#include "access/openurl.h"

#include "access/shelllinks.h"
#include "app/modal.h"

void TMisc::openFile(const QString &path)
{
    Modal::instance().openInShell(ShellLinks::fileUrl(path));
}

void TMisc::openWeb(const QString &address)
{
    Modal::instance().openInShell(ShellLinks::webUrl(address));
}

void TMisc::openMail(const QString &address, const QString &subject, const QString &body)
{
    Modal::instance().openInShell(ShellLinks::mailUrl(address, subject, body));
}
