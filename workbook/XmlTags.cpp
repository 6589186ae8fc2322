#include "XmlTags.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <vector>

namespace workbook::xml {
namespace {

bool isNameEnd(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '/' || c == '>';
}

// One past a start tag's '>', quoted values (which may hold '>') skipped.
std::size_t tagEnd(std::string_view xml, std::size_t from)
{
    char quote = 0;
    for (std::size_t at = from; at < xml.size(); ++at) {
        const char c = xml[at];
        if (quote) {
            if (c == quote)
                quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '>') {
            return at + 1;
        }
    }
    return std::string_view::npos;
}

// Where an attribute's name starts in a tag's text, as a whole name
// outside any value; npos without it. Found by its text, then checked: most
// tags lack most of the attributes asked for.
std::size_t attributeAt(std::string_view tag, std::string_view name)
{
    for (std::size_t at = tag.find(name, 1); at != std::string_view::npos;
         at = tag.find(name, at + 1)) {
        const char before = tag[at - 1];
        if (before != ' ' && before != '\t' && before != '\n' && before != '\r')
            continue;
        std::size_t after = at + name.size();
        while (after < tag.size() && (tag[after] == ' ' || tag[after] == '\t'))
            ++after;
        if (after >= tag.size() || tag[after] != '=')
            continue;
        // Outside a value: the quotes before it are closed.
        char quote = 0;
        for (std::size_t c = 0; c < at; ++c) {
            if (quote != 0 && tag[c] == quote)
                quote = 0;
            else if (quote == 0 && (tag[c] == '"' || tag[c] == '\''))
                quote = tag[c];
        }
        if (quote == 0)
            return at;
    }
    return std::string_view::npos;
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// What follows a tag's name up to its '>' (or "/>"), as XML has it: in an
// end tag, blanks only; in a start tag, attributes each set apart by a
// blank, a name, '=' and a quoted value with no '<', no name twice. The
// reader and the writer find attributes by their text, so a tag that is
// not so could read one way and be written another.
bool attributesWellFormed(std::string_view text, bool closing)
{
    // Most tags have a few attributes: their names kept without the heap.
    std::array<std::string_view, 8> few;
    std::vector<std::string_view> more;
    std::size_t count = 0;
    for (std::size_t at = 0;;) {
        const std::size_t blank = at;
        while (at < text.size() && isBlank(text[at]))
            ++at;
        if (at == text.size())
            return true;
        if (at == blank || closing)
            return false;
        const std::size_t name = at;
        while (at < text.size() && !isBlank(text[at]) && text[at] != '=' && text[at] != '"' &&
               text[at] != '\'')
            ++at;
        if (at == name)
            return false;
        const std::string_view attribute = text.substr(name, at - name);
        const auto kept = few.begin() + static_cast<std::ptrdiff_t>(std::min(count, few.size()));
        if (std::find(few.begin(), kept, attribute) != kept ||
            std::find(more.begin(), more.end(), attribute) != more.end())
            return false;
        if (count < few.size())
            few[count] = attribute;
        else
            more.push_back(attribute);
        ++count;
        while (at < text.size() && isBlank(text[at]))
            ++at;
        if (at == text.size() || text[at] != '=')
            return false;
        ++at;
        while (at < text.size() && isBlank(text[at]))
            ++at;
        if (at == text.size() || (text[at] != '"' && text[at] != '\''))
            return false;
        const std::size_t close = text.find(text[at], at + 1);
        if (close == std::string_view::npos ||
            text.substr(at + 1, close - at - 1).find('<') != std::string_view::npos)
            return false;
        at = close + 1;
    }
}

} // namespace

std::optional<Tag> nextTag(std::string_view xml, std::size_t from)
{
    for (std::size_t at = xml.find('<', from); at != std::string_view::npos;
         at = xml.find('<', at + 1)) {
        const std::string_view rest = xml.substr(at);
        std::string_view closer;
        if (rest.starts_with("<!--"))
            closer = "-->";
        else if (rest.starts_with("<![CDATA["))
            closer = "]]>";
        else if (rest.starts_with("<?"))
            closer = "?>";
        else if (rest.starts_with("<!"))
            closer = ">";
        if (!closer.empty()) {
            const std::size_t skip = xml.find(closer, at + 2);
            if (skip == std::string_view::npos)
                return std::nullopt;
            at = skip;
            continue;
        }
        Tag tag;
        tag.begin = at;
        tag.closing = rest.size() > 1 && rest[1] == '/';
        std::size_t nameStart = at + (tag.closing ? 2 : 1);
        std::size_t nameEnd = nameStart;
        while (nameEnd < xml.size() && !isNameEnd(xml[nameEnd]))
            ++nameEnd;
        tag.name = xml.substr(nameStart, nameEnd - nameStart);
        tag.end = tagEnd(xml, nameEnd);
        if (tag.end == std::string_view::npos || tag.name.empty())
            return std::nullopt;
        tag.empty = !tag.closing && xml[tag.end - 2] == '/';
        return tag;
    }
    return std::nullopt;
}

std::size_t elementEnd(std::string_view xml, const Tag &start)
{
    if (start.empty)
        return start.end;
    int depth = 1;
    for (auto tag = nextTag(xml, start.end); tag; tag = nextTag(xml, tag->end)) {
        if (tag->name != start.name)
            continue;
        if (tag->closing && --depth == 0)
            return tag->end;
        if (tag->opens())
            ++depth;
    }
    return std::string_view::npos;
}

std::optional<std::string_view> attribute(std::string_view tag, std::string_view name)
{
    const std::size_t at = attributeAt(tag, name);
    if (at == std::string_view::npos)
        return std::nullopt;
    const std::size_t open = tag.find_first_of("\"'", at + name.size());
    if (open == std::string_view::npos)
        return std::nullopt;
    const std::size_t close = tag.find(tag[open], open + 1);
    if (close == std::string_view::npos)
        return std::nullopt;
    return tag.substr(open + 1, close - open - 1);
}

std::string withAttribute(std::string_view tag, std::string_view name,
                          std::optional<std::string_view> value)
{
    std::string out;
    const std::size_t at = attributeAt(tag, name);
    if (at != std::string_view::npos) {
        // The attribute goes, with the blank before it; put back if given.
        const std::size_t open = tag.find_first_of("\"'", at + name.size());
        const std::size_t close = tag.find(tag[open], open + 1);
        out.append(tag.substr(0, at - 1));
        if (value) {
            out.append(tag.substr(at - 1, open + 1 - (at - 1)));
            appendEscaped(out, *value);
            out.append(tag.substr(close));
        } else {
            out.append(tag.substr(close + 1));
        }
        return out;
    }
    if (!value)
        return std::string(tag);
    const bool empty = tag.ends_with("/>");
    out.append(tag.substr(0, tag.size() - (empty ? 2 : 1)));
    out += ' ';
    out.append(name);
    out += "=\"";
    appendEscaped(out, *value);
    out += empty ? "\"/>" : "\">";
    return out;
}

void appendEscaped(std::string &out, std::string_view text)
{
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
}

void appendDecoded(std::string &out, std::string_view raw)
{
    for (std::size_t at = 0; at < raw.size();) {
        const std::size_t amp = raw.find('&', at);
        if (amp == std::string_view::npos) {
            out.append(raw.substr(at));
            return;
        }
        out.append(raw.substr(at, amp - at));
        const std::size_t semicolon = raw.find(';', amp);
        if (semicolon == std::string_view::npos || semicolon - amp > 10) {
            out += '&';
            at = amp + 1;
            continue;
        }
        const std::string_view name = raw.substr(amp + 1, semicolon - amp - 1);
        at = semicolon + 1;
        if (name == "amp")
            out += '&';
        else if (name == "lt")
            out += '<';
        else if (name == "gt")
            out += '>';
        else if (name == "quot")
            out += '"';
        else if (name == "apos")
            out += '\'';
        else if (name.size() > 1 && name[0] == '#') {
            const bool hex = name[1] == 'x' || name[1] == 'X';
            const std::string_view digits = name.substr(hex ? 2 : 1);
            unsigned long code = 0;
            const auto read =
                std::from_chars(digits.data(), digits.data() + digits.size(), code, hex ? 16 : 10);
            if (read.ec != std::errc{} || read.ptr != digits.data() + digits.size() ||
                code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
                out.append(raw.substr(amp, at - amp));
                continue;
            }
            // The character in UTF-8.
            if (code < 0x80) {
                out += static_cast<char>(code);
            } else if (code < 0x800) {
                out += static_cast<char>(0xC0 | code >> 6);
                out += static_cast<char>(0x80 | (code & 0x3F));
            } else if (code < 0x10000) {
                out += static_cast<char>(0xE0 | code >> 12);
                out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
                out += static_cast<char>(0x80 | (code & 0x3F));
            } else {
                out += static_cast<char>(0xF0 | code >> 18);
                out += static_cast<char>(0x80 | (code >> 12 & 0x3F));
                out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
                out += static_cast<char>(0x80 | (code & 0x3F));
            }
        } else {
            out.append(raw.substr(amp, at - amp)); // not an entity XML knows
        }
    }
}

std::string decoded(std::string_view raw)
{
    std::string out;
    appendDecoded(out, raw);
    return out;
}

bool wellFormed(std::string_view xml)
{
    std::vector<std::string_view> open;
    bool root = false;
    std::size_t after = 0;
    for (auto tag = nextTag(xml, 0); tag; tag = nextTag(xml, tag->end)) {
        after = tag->end;
        const std::size_t nameEnd = tag->begin + (tag->closing ? 2 : 1) + tag->name.size();
        const std::size_t textEnd = tag->end - (tag->empty ? 2 : 1);
        if (!attributesWellFormed(xml.substr(nameEnd, textEnd - nameEnd), tag->closing))
            return false;
        if (tag->closing) {
            if (open.empty() || open.back() != tag->name)
                return false;
            open.pop_back();
        } else if (!tag->empty) {
            if (open.empty() && root)
                return false; // a second root
            open.push_back(tag->name);
        }
        root = true;
    }
    return root && open.empty() && xml.find('<', after) == std::string_view::npos;
}

bool declaresDocumentType(std::string_view xml)
{
    // Before the root element: the XML declaration, comments, processing
    // instructions, and perhaps a document type.
    for (std::size_t at = xml.find('<'); at != std::string_view::npos; at = xml.find('<', at + 1)) {
        const std::string_view rest = xml.substr(at);
        if (rest.starts_with("<!DOCTYPE"))
            return true;
        if (rest.starts_with("<!--")) {
            at = xml.find("-->", at);
            if (at == std::string_view::npos)
                return false;
        } else if (!rest.starts_with("<?")) {
            return false; // the root element
        }
    }
    return false;
}

} // namespace workbook::xml
