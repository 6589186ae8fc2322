#pragma once

// Windows only: torvane.com, the console twin of the windowed torvane.exe.
// cmd and PowerShell find torvane.com first when the user types `torvane`;
// without a command it hands over to the windowed program.
namespace platform {

// Starts torvane.exe from the twin's own folder with the same arguments,
// detached, and returns at once: the exit status for the twin, 0 when the
// windowed program started.
int startWindowedProgram(int argc, char *argv[]);

} // namespace platform
