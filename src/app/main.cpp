#include "app/screens.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ostelio"));
    // The launcher ends the program itself; hiding the last window while
    // passing control must not.
    QApplication::setQuitOnLastWindowClosed(false);
    Screens screens;
    screens.start();
    return QApplication::exec();
}
