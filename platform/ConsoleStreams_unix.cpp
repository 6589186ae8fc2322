#include "ConsoleStreams.h"

#include <csignal>
#include <cstdio>

// Linux and other Unix desktops: the ordinary standard streams.
namespace console {

void attachToParentConsole()
{
    std::signal(SIGPIPE, SIG_IGN);
}

Read readStandardInput(std::string &piece)
{
    piece.resize(1 << 16);
    const std::size_t read = std::fread(piece.data(), 1, piece.size(), stdin);
    piece.resize(read);
    if (read > 0)
        return Read::Piece;
    return std::ferror(stdin) == 0 ? Read::End : Read::Failed;
}

bool write(Stream stream, std::string_view utf8)
{
    std::FILE *file = stream == Stream::Output ? stdout : stderr;
    const bool whole = std::fwrite(utf8.data(), 1, utf8.size(), file) == utf8.size();
    return std::fflush(file) == 0 && whole;
}

} // namespace console
