#include "app/application.h"
#include "app/cli.h"

#include <QStringList>

int main(int argc, char **argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    if (bks::isCommandLine(args))
        return bks::runCommand(argc, argv);
    return bks::runWindow(argc, argv, args == QStringList{QString::fromLatin1(bks::kDesktopOption)});
}
