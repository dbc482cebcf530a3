#include "app/application.h"
#include "app/cli.h"

#include <QStringList>

int main(int argc, char **argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    return bks::isCommandLine(args) ? bks::runCommand(argc, argv) : bks::runWindow(argc, argv);
}
