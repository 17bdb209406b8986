#include "support/testfolder.h"

#include "app/programfolder.h"

#include <QFile>

TestFolder::TestFolder()
{
    ProgramFolder::setOverride(m_dir.path());
}

TestFolder::~TestFolder()
{
    ProgramFolder::setOverride(QString());
}

QString TestFolder::path() const
{
    return m_dir.path() + QLatin1Char('/');
}

QString TestFolder::file(const QString &name) const
{
    return path() + name;
}

void TestFolder::write(const QString &name, const QByteArray &bytes) const
{
    QFile f(file(name));
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

QByteArray TestFolder::read(const QString &name) const
{
    QFile f(file(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
