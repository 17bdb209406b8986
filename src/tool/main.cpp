#include "tool/toolcommands.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    return ToolCommands::run(arguments, stdin, stdout, stderr);
}
