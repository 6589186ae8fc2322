#pragma once

#include <string>
#include <string_view>

// Standard output and standard error for the command line, in UTF-8.
//
// On Windows the program is a windowed program with no console of its own:
// started with a command from cmd or PowerShell, it writes to the console it
// was started from, in UTF-16 so that "×" and "°C" survive every code page;
// redirected to a file or a pipe, it writes UTF-8 bytes. Elsewhere the
// streams are the ordinary ones.
namespace console {

enum class Stream
{
    Output,
    Error
};

// Readies the standard streams for the command line. On Windows it connects
// them to the console of the process that started this one, where they are
// not already connected; elsewhere a closed pipe becomes a failed write the
// program reports, rather than a signal that ends it without a word.
void attachToParentConsole();

// Writes the text; false when it could not be written whole (a full disk, a
// closed pipe).
bool write(Stream stream, std::string_view utf8);

// The next piece of standard input, as bytes, put in `piece` (what was there
// replaced): Piece, or End when there is no more, or Failed.
enum class Read
{
    Piece,
    End,
    Failed
};
Read readStandardInput(std::string &piece);

} // namespace console
