#pragma once

#include <QString>
#include <QUrl>

// The addresses handed to the desktop shell, built so that every character
// of a path or a message reaches the opened program as it was written.
namespace ShellLinks {

// A file or folder. A path written between double quotes, as a shell command
// line would want it, is taken without them.
QUrl fileUrl(const QString &path);

// A web address as the user would type it.
QUrl webUrl(const QString &address);

// A mail link with a prepared subject and body, both percent-encoded so that
// blanks, commas, accents and the like reach every mail program intact.
QUrl mailUrl(const QString &address, const QString &subject, const QString &body);

} // namespace ShellLinks
