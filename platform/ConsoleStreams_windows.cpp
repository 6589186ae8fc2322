#include "ConsoleStreams.h"

#include <QString>

#include <algorithm>
#include <iterator>

#include <windows.h>

// Windows: the program is a windowed program with no console of its own.
namespace console {

namespace {

HANDLE handleOf(Stream stream)
{
    return GetStdHandle(stream == Stream::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
}

bool isUsable(HANDLE handle)
{
    return handle != nullptr && handle != INVALID_HANDLE_VALUE;
}

} // namespace

void attachToParentConsole()
{
    // A redirected stream keeps its file or pipe; only the missing ones are
    // given the console of cmd or PowerShell.
    if (isUsable(handleOf(Stream::Output)) && isUsable(handleOf(Stream::Error)))
        return;
    if (!AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    const HANDLE consoleOutput =
        CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    if (!isUsable(consoleOutput))
        return;
    if (!isUsable(handleOf(Stream::Output)))
        SetStdHandle(STD_OUTPUT_HANDLE, consoleOutput);
    if (!isUsable(handleOf(Stream::Error)))
        SetStdHandle(STD_ERROR_HANDLE, consoleOutput);
}

bool write(Stream stream, std::string_view utf8)
{
    const HANDLE handle = handleOf(stream);
    if (!isUsable(handle))
        return utf8.empty();
    DWORD mode = 0;
    if (GetConsoleMode(handle, &mode)) {
        const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
        DWORD written = 0;
        return WriteConsoleW(handle, text.utf16(), static_cast<DWORD>(text.size()), &written,
                             nullptr) != 0;
    }
    // A file or a pipe: the bytes as they are, in pieces WriteFile takes.
    while (!utf8.empty()) {
        const auto piece = static_cast<DWORD>(std::min<std::size_t>(utf8.size(), 1u << 20));
        DWORD written = 0;
        if (!WriteFile(handle, utf8.data(), piece, &written, nullptr) || written == 0)
            return false;
        utf8.remove_prefix(written);
    }
    return true;
}

Read readStandardInput(std::string &piece)
{
    piece.clear();
    const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    if (!isUsable(input))
        return Read::Failed;
    DWORD mode = 0;
    if (GetConsoleMode(input, &mode)) {
        // Typed at the console: read as UTF-16, so that accents survive every
        // code page, a line at a time, until Ctrl+Z at the start of a line,
        // as Windows ends typed input.
        static bool ended = false;
        if (ended)
            return Read::End;
        wchar_t buffer[4096];
        DWORD read = 0;
        if (!ReadConsoleW(input, buffer, static_cast<DWORD>(std::size(buffer)), &read, nullptr))
            return Read::Failed;
        QString typed = QString::fromWCharArray(buffer, static_cast<qsizetype>(read));
        const qsizetype end = typed.indexOf(QChar(0x1A));
        if (read == 0 || end == 0) {
            ended = true;
            return Read::End;
        }
        if (end > 0) {
            typed.truncate(end);
            ended = true;
        }
        piece = typed.toUtf8().toStdString();
        return Read::Piece;
    }
    piece.resize(1 << 16);
    DWORD read = 0;
    if (!ReadFile(input, piece.data(), static_cast<DWORD>(piece.size()), &read, nullptr)) {
        piece.clear();
        return GetLastError() == ERROR_BROKEN_PIPE ? Read::End
                                                   : Read::Failed; // the writer has finished
    }
    piece.resize(read);
    return read == 0 ? Read::End : Read::Piece;
}

} // namespace console
