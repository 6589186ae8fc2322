#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// XML read as bytes, tag by tag: a sheet's cells read without building
// anything but their texts, and a part written again with only the
// elements that change rewritten and every other byte as it was. For the
// parts a spreadsheet writes (UTF-8, no document type: one is refused).
namespace workbook::xml {

// A start, end or empty-element tag: where it stands, from its '<' to one
// past its '>', and its qualified name ("row", "table:table-cell").
struct Tag
{
    std::size_t begin = 0;
    std::size_t end = 0;
    std::string_view name;
    bool closing = false; // </name>
    bool empty = false;   // <name/>
    bool opens() const { return !closing && !empty; }
};

// The next tag at or after `from`, past comments, processing instructions
// and character data sections; nothing where none is left or the text is
// cut short.
std::optional<Tag> nextTag(std::string_view xml, std::size_t from);

// One past the end of the element a tag starts: its own end for an empty
// element, else one past the end tag that closes it (elements of the same
// name within it counted); npos where it is never closed.
std::size_t elementEnd(std::string_view xml, const Tag &start);

// An attribute's value as written (entities not replaced) in a start tag's
// text; nothing where the tag has none so named.
std::optional<std::string_view> attribute(std::string_view tag, std::string_view name);

// A start tag's text with an attribute given `value` (added before the
// tag's end where it had none), or taken out when `value` is nothing.
std::string withAttribute(std::string_view tag, std::string_view name,
                          std::optional<std::string_view> value);

// Text escaped for an element's content or an attribute's value.
void appendEscaped(std::string &out, std::string_view text);

// Content or an attribute's value as it reads: the five predefined
// entities and character references replaced (no other entity exists
// without a document type, which is refused).
void appendDecoded(std::string &out, std::string_view raw);
std::string decoded(std::string_view raw);

// Whether every element the text opens is closed, in order, and nothing is
// cut short: the tag scanner reads only what is well formed so far.
bool wellFormed(std::string_view xml);

// Whether the text declares a document type before its first element.
bool declaresDocumentType(std::string_view xml);

} // namespace workbook::xml
