#include "CommandLine.h"
#include "ConsoleTwin.h"

// torvane.com, the console twin on Windows: with a command it answers on its
// own console and exits with the program's status, so that scripts and
// %ERRORLEVEL% see it; without one it opens the window through torvane.exe
// and returns at once.
int main(int argc, char *argv[])
{
    if (commandline::asksForCommandLine(argc, argv))
        return commandline::runProgram(argc, argv);
    return platform::startWindowedProgram(argc, argv);
}
