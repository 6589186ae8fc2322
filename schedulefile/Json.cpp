#include "Json.h"

#include "TextEncoding.h"

#include <algorithm>

namespace ampacity::sizing {

std::string jsonString(std::string_view text)
{
    // JSON is UTF-8: a text that is not (a bad byte in a cell) has its bad
    // sequences replaced, never passed on.
    std::string repaired;
    if (std::any_of(text.begin(), text.end(), [](char c) { return (c & 0x80) != 0; })) {
        Utf8Check check;
        check.feed(text);
        if (!check.valid()) {
            TextDecoder decoder(Encoding::Utf8);
            decoder.decode(text, repaired);
            decoder.finish(repaired);
            text = repaired;
        }
    }
    std::string json = "\"";
    for (char c : text) {
        switch (c) {
        case '"':
            json += "\\\"";
            break;
        case '\\':
            json += "\\\\";
            break;
        case '\n':
            json += "\\n";
            break;
        case '\r':
            json += "\\r";
            break;
        case '\t':
            json += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                constexpr char hex[] = "0123456789abcdef";
                json += "\\u00";
                json += hex[(c >> 4) & 0xF];
                json += hex[c & 0xF];
            } else {
                json += c;
            }
        }
    }
    json += '"';
    return json;
}

} // namespace ampacity::sizing
