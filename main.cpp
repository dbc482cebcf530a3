#include "app/application.h"

int main(int argc, char **argv)
{
    return argc > 1 ? bks::runCommand(argc, argv) : bks::runWindow(argc, argv);
}
