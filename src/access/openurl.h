#pragma once

#include <QString>

// The shell opener: every file, folder, web address and mail link the
// program opens is handed to the desktop here. The target goes to the
// desktop as an address, never through a command line, so blanks, quotes or
// shell characters in a path are only characters of the name. The result is
// not checked: a target the desktop cannot open leaves the screen as it was.
class TMisc
{
public:
    // A file or folder, for example the manual or an attached file.
    static void openFile(const QString &path);
    // A web address.
    static void openWeb(const QString &address);
    // A new mail to an address with a prepared subject and body.
    static void openMail(const QString &address, const QString &subject, const QString &body);
};
