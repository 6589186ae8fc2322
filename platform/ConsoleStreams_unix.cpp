#include "ConsoleStreams.h"

#include <csignal>
#include <cstdio>

// Linux and other Unix desktops: the ordinary standard streams.
namespace console {

void attachToParentConsole()
{
    std::signal(SIGPIPE, SIG_IGN);
}

bool readStandardInput(std::string &bytes)
{
    char buffer[1 << 16];
    std::size_t read = 0;
    while ((read = std::fread(buffer, 1, sizeof buffer, stdin)) > 0)
        bytes.append(buffer, read);
    return std::ferror(stdin) == 0;
}

bool write(Stream stream, std::string_view utf8)
{
    std::FILE *file = stream == Stream::Output ? stdout : stderr;
    const bool whole = std::fwrite(utf8.data(), 1, utf8.size(), file) == utf8.size();
    return std::fflush(file) == 0 && whole;
}

} // namespace console
