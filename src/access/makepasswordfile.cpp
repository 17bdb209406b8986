// Build step of the installation: writes the Password file with the initial
// password into the program folder, unless a Password file is already there.
//
//     ostelio-passwordfile <program folder>/unins000.dll

#include "access/passwordfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        err << "usage: ostelio-passwordfile <path of unins000.dll>\n";
        return 2;
    }
    const QString file = args.at(1);
    if (QFileInfo::exists(file))
        return 0;
    QDir().mkpath(QFileInfo(file).absolutePath());
    QString error;
    if (!PasswordFile::createInitial(file, &error)) {
        err << error << '\n';
        return 1;
    }
    return 0;
}
