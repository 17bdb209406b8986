#include "access/shelllinks.h"

#include <QDir>
#include <QFileInfo>

namespace ShellLinks {

QUrl fileUrl(const QString &path)
{
    QString bare = path.trimmed();
    if (bare.size() >= 2 && bare.startsWith(QLatin1Char('"')) && bare.endsWith(QLatin1Char('"')))
        bare = bare.mid(1, bare.size() - 2);
    return QUrl::fromLocalFile(QFileInfo(bare).absoluteFilePath());
}

QUrl webUrl(const QString &address)
{
    return QUrl::fromUserInput(address.trimmed());
}

QUrl mailUrl(const QString &address, const QString &subject, const QString &body)
{
    const QByteArray encoded = "mailto:" + QUrl::toPercentEncoding(address.trimmed(), "@") + "?subject="
                               + QUrl::toPercentEncoding(subject) + "&body=" + QUrl::toPercentEncoding(body);
    return QUrl::fromEncoded(encoded, QUrl::StrictMode);
}

} // namespace ShellLinks
