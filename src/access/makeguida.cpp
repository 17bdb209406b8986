// Writes the user manual Guida.pdf from the guide topics; run by the build
// so the manual always sits beside the program.
#include "access/guidemanual.h"

#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    QTextStream err(stderr);
    if (args.size() != 2) {
        err << "uso: ostelio-guida <file.pdf>\n";
        return 2;
    }
    QString error;
    if (!GuideManual::writeFile(args.at(1), &error)) {
        err << "impossibile scrivere " << args.at(1) << ": " << error << "\n";
        return 1;
    }
    return 0;
}
