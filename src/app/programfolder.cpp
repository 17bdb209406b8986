#include "app/programfolder.h"

#include <QCoreApplication>
#include <QDir>

namespace {
QString &overridePath()
{
    static QString value;
    return value;
}

QString withSeparator(QString folder)
{
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}
} // namespace

namespace ProgramFolder {

QString path()
{
    if (!overridePath().isEmpty())
        return overridePath();
    return withSeparator(QCoreApplication::applicationDirPath());
}

QString file(const QString &name)
{
    return path() + name;
}

void setOverride(const QString &folder)
{
    overridePath() = folder.isEmpty() ? QString() : withSeparator(QDir(folder).absolutePath());
}

} // namespace ProgramFolder
