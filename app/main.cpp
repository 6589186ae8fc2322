#include "CommandLine.h"
#include "WindowMain.h"

// With a command the program answers on the console and exits; without one
// it opens the calculator's window.
int main(int argc, char *argv[])
{
    if (commandline::asksForCommandLine(argc, argv))
        return commandline::runProgram(argc, argv);
    return runWindow(argc, argv);
}
