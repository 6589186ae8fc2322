#pragma once

#include <QStringList>

// The command line of the same program: `torvane size LOAD`, `torvane size
// --schedule FILE`, `torvane drop SIZE`, `torvane table N`, `--help`,
// `--version`. It prints and
// exits; it never opens a window and never needs a display. The numbers all
// come from the core, worked out as the window works them out.
namespace commandline {

// Exit statuses: 0 answered; 1 answered in part (a schedule row, or a load,
// that no conductor carries or that has a bad value); 2 bad input (an unknown
// command or option, a bad value, a file that cannot be read).
inline constexpr int Answered = 0;
inline constexpr int Unanswered = 1;
inline constexpr int BadInput = 2;

// Whether the program's arguments ask for the command line rather than a
// window: a command word, one of its options, or --help or --version. Qt's
// own window options (-platform, -style...) and a schedule's file name
// ("plan.csv", a path) open a window.
bool asksForCommandLine(int argc, char **argv);

// Runs the command; the arguments are the program's, its name first.
// Writes to standard output and standard error; returns the exit status.
int run(const QStringList &arguments);

// The program as a command line: connects the console, makes the application
// object, installs the user's language and runs the command.
int runProgram(int argc, char *argv[]);

} // namespace commandline
