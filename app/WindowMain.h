#pragma once

// Opens the calculator's window and runs it until it is closed; the
// arguments are the program's. Where there is no display to open it on, says
// so in one line and returns 1.
int runWindow(int argc, char *argv[]);
