#pragma once

#include <QByteArray>

#include <string_view>

// Core texts are UTF-8 byte strings; tests compare them as bytes so that a
// no-break space, degree sign or multiplication sign is checked to the byte.
inline QByteArray bytes(std::string_view text)
{
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}
